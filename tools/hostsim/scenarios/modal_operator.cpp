#include "scenarios/modal_operator.h"

#include <cstdio>

#include "checks.h"
#include "ui_driver.h"

namespace {

// Pressing OK gives the host's thread this long to close the window.
const DWORD kCloseWithinMs = 10000;
const DWORD kPollMs = 50;

struct CaptionSearch {
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK MatchCaption(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<CaptionSearch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
        std::string(className) == "#32770" && WindowText(window) == *search->caption) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForCaption(const std::string& caption, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    do {
        CaptionSearch search{&caption, nullptr};
        EnumWindows(MatchCaption, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            return search.found;
        }
        Sleep(kPollMs);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

bool WaitUntilGone(HWND window, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (GetTickCount() - start >= timeoutMs) {
            return false;
        }
        Sleep(kPollMs);
    }
    return true;
}

}  // namespace

ModalOperator::ModalOperator(ModalWatch& watch) {
    m_thread = CreateThread(nullptr, 0, Run, &watch, 0, nullptr);
}

ModalOperator::~ModalOperator() {
    Join();
}

void ModalOperator::Join() {
    if (m_thread != nullptr) {
        WaitForSingleObject(m_thread, INFINITE);
        CloseHandle(m_thread);
        m_thread = nullptr;
    }
}

DWORD WINAPI ModalOperator::Run(void* param) {
    auto* watch = static_cast<ModalWatch*>(param);
    HWND window = WaitForCaption(watch->caption, watch->appearWithinMs);
    if (window == nullptr) {
        return 0;
    }
    watch->appeared = true;
    watch->text = DialogItemText(window, 0xFFFF);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(300);
    watch->photographed = SaveWindowBitmap(window, ArtifactPath(watch->screenshot));
    ClickDialogButton(window, IDOK);
    watch->closed = WaitUntilGone(window, kCloseWithinMs);
    if (!watch->closed) {
        // The host's thread is stuck in the modal loop and would never return.
        Check(false, "\"" + watch->caption + "\" closes when OK is pressed");
        FinishChecks();
        ExitProcess(1);
    }
    return 0;
}
