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
// than it needs to close its windows.
const DWORD kStopLimitMs = 10000;
const DWORD kPollMs = 20;

// How long StartUiThread waits for the new Setup window to be up.
const DWORD kStartLimitMs = 10000;

// Host's thread only: set by the UI thread when it no longer runs this
// module's code; null when no UI thread was started or it has been waited for.
HANDLE g_uiThreadFinished = nullptr;

// UI thread only: set once the Setup window is up and its start-up is over.
HANDLE g_uiThreadReady = nullptr;

// Under g_stateLock: the Setup window's handle while it exists, and whether
// the running UI thread has been asked to stop.
HWND g_setupWindow = nullptr;
bool g_stopRequested = false;

// UI thread only.
bool g_comInitialised = false;

struct ThreadStart {
    HANDLE ready;     // the thread's own handle of the starter's "window is up"
    HANDLE finished;  // set as its last act
};

DWORD WINAPI UiThreadProc(LPVOID parameter) {
    ThreadStart start = *static_cast<ThreadStart*>(parameter);
    delete static_cast<ThreadStart*>(parameter);
    g_uiThreadReady = start.ready;
    int result = UiThreadMain();
    if (g_uiThreadReady != nullptr) {
        CloseHandle(g_uiThreadReady);  // the window never came up
        g_uiThreadReady = nullptr;
    }
    bool leaveCom = g_comInitialised;
    g_comInitialised = false;
    SignalAndExitThread(start.finished, TakeHostDispatch(), leaveCom, static_cast<DWORD>(result));
}

// Waits for any of the events while the host's thread keeps answering the
// automation calls the UI thread makes to the host's object, which lives on
// this thread's apartment. True when one was set.
bool WaitAnsweringHost(HANDLE* events, DWORD count, DWORD limitMs) {
    DWORD index = 0;
    HRESULT waited = CoWaitForMultipleHandles(0, limitMs, count, events, &index);
    if (waited == CO_E_NOTINITIALIZED) {
        // This thread is in no apartment, so the host's object is not here.
        return WaitForMultipleObjects(count, events, FALSE, limitMs) < WAIT_OBJECT_0 + count;
    }
    return waited == S_OK;
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
    // "The window is up": the starter waits on `ready`, the thread sets and
    // closes its own duplicate, so neither closes a handle the other still uses.
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    auto* start = new ThreadStart{nullptr, CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    if (ready != nullptr) {
        DuplicateHandle(GetCurrentProcess(), ready, GetCurrentProcess(), &start->ready, 0, FALSE,
                        DUPLICATE_SAME_ACCESS);
    }
    HANDLE finished = start->finished;
    HANDLE thread = nullptr;
    if (ready != nullptr && start->ready != nullptr && finished != nullptr) {
        {
            std::lock_guard<std::mutex> hold(g_stateLock);
            g_stopRequested = false;
        }
        thread = CreateThread(nullptr, 0, UiThreadProc, start, 0, nullptr);  // takes `start`
    }
    if (thread == nullptr) {
        for (HANDLE handle : {ready, start->ready, finished}) {
            if (handle != nullptr) {
                CloseHandle(handle);
            }
        }
        delete start;
        return;
    }
    CloseHandle(thread);
    g_uiThreadFinished = finished;
    // Starting a thread and creating its first window make the system load
    // libraries under its loader lock, and connecting to the host calls the
    // host's object on this thread. An unload waits for the UI thread while
    // holding that lock and without the host's help, so it must never find the
    // thread half-started: wait here, outside any DllMain, until the Setup
    // window is up, answering the host's calls meanwhile. Tens of milliseconds.
    HANDLE readyOrGone[] = {ready, finished};
    WaitAnsweringHost(readyOrGone, 2, kStartLimitMs);
    CloseHandle(ready);
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
        // A UI thread inside a call to the host's object needs this thread to
        // answer it before it can take the close request.
        WaitAnsweringHost(&g_uiThreadFinished, 1, kPollMs);
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

void NoteSetupWindowUp() {
    if (g_uiThreadReady != nullptr) {
        SetEvent(g_uiThreadReady);
        CloseHandle(g_uiThreadReady);
        g_uiThreadReady = nullptr;
    }
}
