#include "ui/tool_windows.h"

#include "engine/contest_state.h"

// Neither window class exists yet, so g_statsWindow and g_dxccWindow are never
// set: opening fails and there is nothing to close.

bool StatsWindowOpen() {
    std::lock_guard<std::mutex> hold(g_stateLock);
    return g_statsWindow != nullptr;
}

bool OpenStatsWindow() {
    return false;
}

void CloseStatsWindow() {}

bool DxccWindowOpen() {
    std::lock_guard<std::mutex> hold(g_stateLock);
    return g_dxccWindow != nullptr;
}

bool OpenDxccWindow() {
    return false;
}

void CloseDxccWindow() {}

void DestroyToolWindows() {
    std::lock_guard<std::mutex> hold(g_stateLock);
    g_statsWindow = nullptr;
    g_dxccWindow = nullptr;
}

void ToolWindowHandles(HWND* stats, HWND* dxcc) {
    *stats = nullptr;
    *dxcc = nullptr;
}
