// StartUiThread while a Setup window is open, which no sequence of the host's
// calls can reach (a reset never starts the UI while its window is open): the
// old window must be gone when the call returns, and a new one comes up. The
// plug-in's own objects are linked in, so this program calls the UI thread's
// functions directly, as the plug-in does.

#include <windows.h>

#include "checks.h"
#include "message_pump.h"
#include "scenario_folder.h"
#include "setup_window.h"
#include "ui/ui_thread.h"

int main() {
    ScenarioFolder folder("ui-restart");

    StartUiThread();
    HWND first = FindSetupWindow();
    Check(first != nullptr, "StartUiThread returns with the Setup window up");

    StartUiThread();
    Check(first != nullptr && !IsWindow(first),
          "a second StartUiThread returns only after the old Setup window has gone");
    HWND second = FindSetupWindow();
    Check(second != nullptr && second != first, "and a new Setup window is up");

    const DWORD began = GetTickCount();
    StopUiThread();
    Check(second != nullptr && !IsWindow(second), "StopUiThread closes it");
    Check(GetTickCount() - began < 2000, "within two seconds");
    PumpMessagesFor(100);
    Check(FindSetupWindow() == nullptr, "no Setup window is left");
    return FinishChecks();
}
