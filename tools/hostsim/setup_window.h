#pragma once
// The plug-in's Setup window seen from the host's side: found by its two mode
// buttons (its English title is empty), waited for while the host keeps
// serving the plug-in's calls.

#include <windows.h>

namespace setup_item {
constexpr int kRtty = 1143;
constexpr int kBpsk63 = 1145;
constexpr int kChoiceMode = 1037;
constexpr int kToDisplay = 1015;
constexpr int kDxcc = 1031;
constexpr int kExtendedDxcc = 1035;
constexpr int kWindowOnTop = 1038;
constexpr int kClubMember = 1034;
}  // namespace setup_item

constexpr COLORREF kChosenFace = RGB(0, 255, 0);
constexpr COLORREF kPlainFace = RGB(240, 240, 240);

// The visible Setup window of this process, or null.
HWND FindSetupWindow();
// The same for another process.
HWND FindSetupWindowOf(DWORD processId);
// Waits (pumping) for a Setup window other than `other`; null when none came.
HWND WaitForSetupWindow(DWORD timeoutMs, HWND other = nullptr);
// Waits (pumping) until the window no longer exists.
bool WaitForWindowGone(HWND window, DWORD timeoutMs);
// The mode button's face colour, read from the screen.
COLORREF ModeButtonFace(HWND setup, int buttonId);
// Asks the window to repaint and lets it do so, before screenshots and colours.
void LetWindowSettle(HWND window);
