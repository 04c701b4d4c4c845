// The UI thread on Windows. Until the plug-in has windows of its own, no UI
// thread runs.

#include "platform/platform.h"

namespace platform {

void StartUiThread() {}

void StopUiThread() {}

bool UiThreadRunning() {
    return false;
}

bool PostWindowUpdate() {
    return false;
}

}  // namespace platform
