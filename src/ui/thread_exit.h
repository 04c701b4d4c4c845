#pragma once
// The last steps of the UI thread, taken without running any more of this
// module's code once the thread has said it is done.

#include <oaidl.h>
#include <windows.h>

// Signals `finished`, then releases `host` (when not null), leaves COM (when
// `leaveCom`) and ends the thread with `exitCode`, all inside the system's
// libraries. Never returns.
[[noreturn]] void SignalAndExitThread(HANDLE finished, IDispatch* host, bool leaveCom,
                                      DWORD exitCode);
