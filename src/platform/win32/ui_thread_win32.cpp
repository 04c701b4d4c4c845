// The UI thread on Windows: the real one, with the Setup window.

#include "platform/platform.h"
#include "ui/ui_state.h"
#include "ui/ui_thread.h"

namespace platform {

void StartUiThread() {
    ::StartUiThread();
}

void StopUiThread() {
    ::StopUiThread();
}

bool UiThreadRunning() {
    return SetupWindowRunning();
}

bool PostWindowUpdate() {
    return PostToSetupWindow(WM_WINDOW_UPDATE);
}

}  // namespace platform
