#pragma once
// Drives windows the way an operator would, from a thread of the simulator:
// finds them, reads their texts, presses their buttons and photographs them.

#include <windows.h>

#include <string>

// A visible top-level dialog-class window of this process whose static text
// (or caption) contains the given text; waits up to timeoutMs. Null if none.
HWND WaitForDialogContaining(const std::string& text, DWORD timeoutMs);

std::string WindowText(HWND window);
std::string DialogItemText(HWND dialog, int controlId);

// Presses a push button of a dialog as a click would.
void ClickDialogButton(HWND dialog, int controlId);

// Screen pixels of the window's rectangle as a 24-bit BMP file.
bool SaveWindowBitmap(HWND window, const std::string& path);

// Folder for screenshots: %HOSTSIM_ARTIFACTS% or the current folder.
std::string ArtifactPath(const std::string& name);
