#include "setup_window.h"

#include <string>

#include "message_pump.h"
#include "ui_driver.h"

namespace {

struct SetupSearch {
    DWORD processId;
    HWND other;
    HWND found;
};

bool IsSetupWindow(HWND window, DWORD processId) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    return process == processId && IsWindowVisible(window) && std::string(className) == "#32770" &&
           GetDlgItem(window, setup_item::kRtty) != nullptr &&
           GetDlgItem(window, setup_item::kBpsk63) != nullptr;
}

BOOL CALLBACK MatchSetup(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<SetupSearch*>(param);
    if (window != search->other && IsSetupWindow(window, search->processId)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindSetupOtherThan(HWND other) {
    SetupSearch search{GetCurrentProcessId(), other, nullptr};
    EnumWindows(MatchSetup, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

HWND FindSetupWindow() {
    return FindSetupOtherThan(nullptr);
}

HWND FindSetupWindowOf(DWORD processId) {
    SetupSearch search{processId, nullptr, nullptr};
    EnumWindows(MatchSetup, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForSetupWindow(DWORD timeoutMs, HWND other) {
    HWND found = nullptr;
    PumpUntil(
        [&] {
            found = FindSetupOtherThan(other);
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

bool WaitForWindowGone(HWND window, DWORD timeoutMs) {
    return PumpUntil([&] { return !IsWindow(window); }, timeoutMs);
}

COLORREF ModeButtonFace(HWND setup, int buttonId) {
    // Three pixels in: past the two bevel rings and the focus mark.
    return DominantColour(GetDlgItem(setup, buttonId), 3);
}

void LetWindowSettle(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    PumpMessagesFor(400);
}
