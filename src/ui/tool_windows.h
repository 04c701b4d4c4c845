#pragma once
// The statistics window (g_statsWindow) and the DXCC window (g_dxccWindow)
// as the Setup window opens and closes them. Their window classes come with
// their own change: until then neither can open, the pointers stay null and
// every function here reports "not open".
//
// All but ToolWindowHandles run on the UI thread and take g_stateLock only
// briefly, never across a send to another window.

#include <windows.h>

bool StatsWindowOpen();
// Creates and shows the statistics window; false when it could not be created.
bool OpenStatsWindow();
// Closes the statistics window synchronously when it is open.
void CloseStatsWindow();

bool DxccWindowOpen();
bool OpenDxccWindow();
void CloseDxccWindow();

// Closes both and frees them; the UI thread calls this as it ends.
void DestroyToolWindows();

// The two windows' handles for a close request from another thread; null
// when not open. The caller holds g_stateLock.
void ToolWindowHandles(HWND* stats, HWND* dxcc);
