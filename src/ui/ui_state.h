#pragma once
// Values of the UI thread shared by its windows. Only the UI thread touches
// them, so they need no lock.

#include <windows.h>

#include "engine/contest_state.h"

// The user message that asks the Setup window to refresh every window.
constexpr UINT WM_WINDOW_UPDATE = WM_USER + 500;

extern int g_windowOnTop;  // the "Window on top" choice; new tool windows read it
// The window edges last read from or written to the settings file, by any of
// the Setup, statistics and DXCC windows.
extern int g_lastWindowX;
extern int g_lastWindowY;
extern RECT g_windowRect;      // scratch rectangle of the position savers
extern StringList g_rowBands;  // band texts of the six statistics rows
