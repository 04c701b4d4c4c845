// The Linux build shows no dialogs: the Cabrillo header dialog records how it
// was preset and answers at once with the answer the test chose.

#include <mutex>

#include "platform/platform.h"
#include "platform/posix/headless.h"

namespace platform {
namespace {
std::mutex g_recordLock;
std::vector<CabrilloHeaderValues> g_shown;
headless::HeaderDialogAnswer g_answer;
}  // namespace

bool ShowCabrilloDialog(CabrilloHeaderValues& values) {
    headless::HeaderDialogAnswer answer;
    {
        std::lock_guard<std::mutex> hold(g_recordLock);
        g_shown.push_back(values);
        answer = g_answer;
    }
    if (!answer)
        return false;
    CabrilloHeaderValues edited = values;
    if (!answer(edited))
        return false;
    values = edited;
    return true;
}

void headless::SetHeaderDialogAnswer(HeaderDialogAnswer answer) {
    std::lock_guard<std::mutex> hold(g_recordLock);
    g_answer = std::move(answer);
}

std::vector<CabrilloHeaderValues> headless::TakeHeaderDialogs() {
    std::lock_guard<std::mutex> hold(g_recordLock);
    std::vector<CabrilloHeaderValues> taken;
    taken.swap(g_shown);
    return taken;
}

}  // namespace platform
