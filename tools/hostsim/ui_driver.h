#pragma once
// Drives windows the way an operator would, from a thread of the simulator:
// finds them, reads their texts, presses their buttons and photographs them.

#include <windows.h>

#include <string>

// A visible top-level dialog-class window of this process whose static text
// (or caption) contains the given text; waits up to timeoutMs. Null if none.
HWND WaitForDialogContaining(const std::string& text, DWORD timeoutMs);

// A visible top-level dialog-class window of this process with exactly this
// caption (a message box, a plug-in dialog); waits up to timeoutMs. Null if none.
HWND WaitForDialogCaptioned(const std::string& caption, DWORD timeoutMs);

std::string WindowText(HWND window);
std::string DialogItemText(HWND dialog, int controlId);

// The text of a message box, which the system keeps in its static 0xFFFF.
std::string MessageBoxText(HWND box);

// Presses a push button of a dialog as a click would.
void ClickDialogButton(HWND dialog, int controlId);

// The text a window holds, read without a message (so it never waits for the
// window's thread and never passes through the ANSI code page).
std::wstring StoredWindowText(HWND window);
std::wstring StoredItemText(HWND dialog, int controlId);
// Texts kept as code page 1251 bytes, as a window shows them.
std::wstring FromCodePage1251(const std::string& bytes);
// For failure messages: the UTF-16 units in hex.
std::string DescribeWide(const std::wstring& text);

// Clicks a button or check box the way the mouse does (BM_CLICK, posted so the
// caller's thread stays free to serve the plug-in's calls to the host).
void PostButtonClick(HWND dialog, int controlId);
// BST_CHECKED / BST_UNCHECKED of a check box, or -1 when it did not answer.
int ButtonCheckState(HWND dialog, int controlId);

// The colour covering most of the window's on-screen pixels inside a margin of
// `inset` pixels: a button's face without its bevel, focus mark or most of
// its label. CLR_INVALID when the window cannot be captured.
COLORREF DominantColour(HWND window, int inset);
// The colour of one on-screen pixel at (x, y) of the window's rectangle.
COLORREF ScreenColourAt(HWND window, int x, int y);
std::string DescribeColour(COLORREF colour);

// Screen pixels of the window's rectangle as a 24-bit BMP file.
bool SaveWindowBitmap(HWND window, const std::string& path);

// Folder for screenshots: %HOSTSIM_ARTIFACTS% or the current folder.
std::string ArtifactPath(const std::string& name);
