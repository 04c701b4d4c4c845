#pragma once
// The look every dialog of the plug-in shares: black text on pale yellow.

#include <windows.h>

constexpr COLORREF kDialogBackground = RGB(255, 250, 198);
constexpr COLORREF kDialogText = RGB(0, 0, 0);
