#include "ui/ui_thread.h"

#include <mutex>

#include "engine/contest_state.h"
#include "ui/host_link.h"
#include "ui/setup_window.h"
#include "ui/thread_exit.h"
#include "ui/tool_windows.h"
#include "ui/ui_state.h"

namespace {

// Each close request waits at most this long for the UI thread to take it.
const UINT kCloseRequestLimitMs = 1000;
// How long StartUiThread and StopUiThread wait for the old thread, far more
// than it needs to close its windows. It only runs out when the UI thread is
// stuck in a call to the host that the host's thread, busy in our export,
// cannot answer.
const DWORD kStopLimitMs = 10000;
const DWORD kPollMs = 20;

// Host's thread only: set by the UI thread when it no longer runs this
// module's code; null when no UI thread was started or it has been waited for.
HANDLE g_uiThreadFinished = nullptr;

// Under g_stateLock: the Setup window's handle while it exists, and whether
// the running UI thread has been asked to stop.
HWND g_setupWindow = nullptr;
bool g_stopRequested = false;

// UI thread only.
bool g_comInitialised = false;

struct ThreadStart {
    HANDLE running;   // set once the thread executes
    HANDLE finished;  // set as its last act
};

DWORD WINAPI UiThreadProc(LPVOID parameter) {
    ThreadStart start = *static_cast<ThreadStart*>(parameter);
    SetEvent(start.running);  // the starter frees `parameter` after this
    int result = UiThreadMain();
    bool leaveCom = g_comInitialised;
    g_comInitialised = false;
    SignalAndExitThread(start.finished, TakeHostDispatch(), leaveCom, static_cast<DWORD>(result));
}

void SendClose(HWND window) {
    if (window != nullptr) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(window, WM_CLOSE, 0, 0, SMTO_NORMAL, kCloseRequestLimitMs, &ignored);
    }
}

}  // namespace

void StartUiThread() {
    if (!StopUiThreadWithin(kStopLimitMs)) {
        return;  // the old thread still runs; a second one would give up at once
    }
    ThreadStart start{CreateEventW(nullptr, TRUE, FALSE, nullptr),
                      CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    if (start.running == nullptr || start.finished == nullptr) {
        if (start.running != nullptr) {
            CloseHandle(start.running);
        }
        if (start.finished != nullptr) {
            CloseHandle(start.finished);
        }
        return;
    }
    {
        std::lock_guard<std::mutex> hold(g_stateLock);
        g_stopRequested = false;
    }
    HANDLE thread = CreateThread(nullptr, 0, UiThreadProc, &start, 0, nullptr);
    if (thread == nullptr) {
        CloseHandle(start.running);
        CloseHandle(start.finished);
        return;
    }
    CloseHandle(thread);
    // Until the thread has started, the system may still have to run its
    // start-up under the loader lock; waiting here, outside any DllMain, means
    // an unload never has to wait for a thread that has not begun.
    WaitForSingleObject(start.running, INFINITE);
    CloseHandle(start.running);
    g_uiThreadFinished = start.finished;
}

void StopUiThread() {
    StopUiThreadWithin(kStopLimitMs);
}

bool StopUiThreadWithin(DWORD limitMs) {
    if (g_uiThreadFinished == nullptr) {
        return true;
    }
    DWORD began = GetTickCount();
    bool closeSent = false;
    while (WaitForSingleObject(g_uiThreadFinished, 0) != WAIT_OBJECT_0) {
        if (!closeSent) {
            HWND stats = nullptr;
            HWND dxcc = nullptr;
            HWND setup = nullptr;
            {
                std::lock_guard<std::mutex> hold(g_stateLock);
                g_stopRequested = true;
                ToolWindowHandles(&stats, &dxcc);
                setup = g_setupWindow;
            }
            // A thread still creating its window sees g_stopRequested instead.
            if (setup != nullptr) {
                SendClose(stats);
                SendClose(dxcc);
                SendClose(setup);
                closeSent = true;
            }
        }
        if (GetTickCount() - began >= limitMs) {
            return false;
        }
        Sleep(kPollMs);
    }
    CloseHandle(g_uiThreadFinished);
    g_uiThreadFinished = nullptr;
    return true;
}

int UiThreadMain() {
    Setup* setup = nullptr;
    {
        std::lock_guard<std::mutex> hold(g_stateLock);
        if (g_setup != nullptr) {
            return 1;
        }
        if (g_stopRequested) {
            return 0;
        }
        setup = new Setup();
        g_setup = setup;
    }
    setup->DoModal();
    DestroyToolWindows();
    {
        std::lock_guard<std::mutex> hold(g_stateLock);
        g_setup = nullptr;
    }
    delete setup;
    return 0;
}

bool SetupWindowRunning() {
    return g_setup != nullptr;
}

bool PostToSetupWindow(UINT message) {
    return g_setupWindow != nullptr && PostMessageW(g_setupWindow, message, 0, 0) != FALSE;
}

bool PublishSetupWindow(HWND window) {
    g_setupWindow = window;
    return window == nullptr || !g_stopRequested;
}

void NoteComInitialised(bool initialised) {
    g_comInitialised = initialised;
}
