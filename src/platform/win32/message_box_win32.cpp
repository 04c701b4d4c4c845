#include <windows.h>

#include "platform/platform.h"

namespace platform {

void ShowMessageBox(const std::string& text, const char* caption) {
    MessageBoxA(nullptr, text.c_str(), caption, MB_OK);
}

void ShowNotice(const std::string& text, const std::string& caption) {
    // The host's thread has no application object of ours with a main window,
    // so the box belongs to whatever window of the host is active.
    MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), MB_OK | MB_ICONINFORMATION);
}

}  // namespace platform
