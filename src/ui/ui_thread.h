#pragma once
// The plug-in's UI thread: it runs the Setup window modally, and every other
// window of the plug-in lives on it too.

#include <windows.h>

// Starts the UI thread, stopping a running one first. Returns once the new
// Setup window is up (or the thread gave up). Host's thread, without g_stateLock.
void StartUiThread();
// Closes the windows and waits until the UI thread has let go of the module.
// Host's thread, without g_stateLock.
void StopUiThread();
// The same with a time limit for the wait; false when the thread had not
// finished within it.
bool StopUiThreadWithin(DWORD limitMs);
// The thread's body: 1 at once when another UI thread runs, else 0 once the
// Setup window has ended.
int UiThreadMain();

// Whether a Setup window runs, and the message post to it. The caller holds g_stateLock.
bool SetupWindowRunning();
bool PostToSetupWindow(UINT message);

// Called by the Setup window with g_stateLock held: its handle once created
// (false then means "stopping: close at once"), null when it has gone.
bool PublishSetupWindow(HWND window);
// Called on the UI thread when it has joined a COM apartment that it must leave at its end.
void NoteComInitialised(bool initialised);
// Called on the UI thread once the Setup window is shown and set up: the
// starter may return.
void NoteSetupWindowUp();
