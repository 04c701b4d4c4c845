// The Linux build has no windows: the UI thread is a flag, and posts to its
// Setup window are counted.

#include <mutex>

#include "platform/platform.h"
#include "platform/posix/headless.h"

namespace platform {
namespace {
std::mutex g_recordLock;
headless::UiRecord g_ui;
}  // namespace

void StartUiThread() {
    StopUiThread();
    std::lock_guard<std::mutex> hold(g_recordLock);
    ++g_ui.starts;
    g_ui.running = true;
}

void StopUiThread() {
    std::lock_guard<std::mutex> hold(g_recordLock);
    if (g_ui.running) {
        ++g_ui.stops;
        g_ui.running = false;
    }
}

bool UiThreadRunning() {
    std::lock_guard<std::mutex> hold(g_recordLock);
    return g_ui.running;
}

bool PostWindowUpdate() {
    std::lock_guard<std::mutex> hold(g_recordLock);
    if (!g_ui.running)
        return false;
    ++g_ui.postedUpdates;
    return true;
}

headless::UiRecord headless::TakeUiRecord() {
    std::lock_guard<std::mutex> hold(g_recordLock);
    UiRecord taken = g_ui;
    g_ui = UiRecord{};
    g_ui.running = taken.running;
    return taken;
}

void headless::CloseSetupWindow() {
    std::lock_guard<std::mutex> hold(g_recordLock);
    g_ui.running = false;
}

}  // namespace platform
