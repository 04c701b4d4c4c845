#pragma once
// Waiting on the host's thread. The plug-in calls the host's automation object
// from its own UI thread, and those calls are delivered as messages to this
// thread: every wait here keeps dispatching them, as the host's own message
// loop does. Never Sleep on the host's thread while the plug-in may call.

#include <windows.h>

#include <functional>

// Dispatches messages for the given time.
void PumpMessagesFor(DWORD milliseconds);
// Dispatches messages until done() is true or the time is up; returns done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);
// Waits for a handle while dispatching messages; true when it was signalled.
bool PumpUntilSignalled(HANDLE handle, DWORD timeoutMs);
