// Message boxes of the Linux build are recorded, never shown.

#include <mutex>

#include "platform/platform.h"
#include "platform/posix/headless.h"

namespace platform {
namespace {
std::mutex g_recordLock;
std::vector<headless::RecordedMessageBox> g_recorded;
}  // namespace

void ShowMessageBox(const std::string& text, const char* caption) {
    std::lock_guard<std::mutex> hold(g_recordLock);
    g_recorded.push_back({text, caption != nullptr ? caption : "", caption == nullptr, false});
}

void ShowNotice(const std::string& text, const std::string& caption) {
    std::lock_guard<std::mutex> hold(g_recordLock);
    g_recorded.push_back({text, caption, false, true});
}

std::vector<headless::RecordedMessageBox> headless::TakeMessageBoxes() {
    std::lock_guard<std::mutex> hold(g_recordLock);
    std::vector<RecordedMessageBox> taken;
    taken.swap(g_recorded);
    return taken;
}

}  // namespace platform
