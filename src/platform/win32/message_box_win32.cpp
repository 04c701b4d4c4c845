#include <windows.h>

#include "platform/platform.h"

namespace platform {

void ShowMessageBox(const std::string& text, const char* caption) {
    MessageBoxA(nullptr, text.c_str(), caption, MB_OK);
}

}  // namespace platform
