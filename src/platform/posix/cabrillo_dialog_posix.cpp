// The Linux build shows no dialogs: the Cabrillo header dialog answers at
// once with the answer the tests chose, and records what it was given.

#include <mutex>

#include "framework/ole_date_time.h"
#include "platform/platform.h"
#include "platform/posix/headless.h"

namespace platform {
namespace {
std::mutex g_recordLock;
std::vector<headless::RecordedHeaderEdit> g_headerEdits;
int g_headerAnswer = 0;
}  // namespace

int EditCabrilloHeader(const std::string& call, const COleDateTime& start,
                       const COleDateTime& end) {
    std::lock_guard<std::mutex> hold(g_recordLock);
    g_headerEdits.push_back({call, start.m_dt, end.m_dt});
    return g_headerAnswer;
}

std::vector<headless::RecordedHeaderEdit> headless::TakeHeaderEdits() {
    std::lock_guard<std::mutex> hold(g_recordLock);
    std::vector<RecordedHeaderEdit> taken;
    taken.swap(g_headerEdits);
    return taken;
}

void headless::SetHeaderDialogAnswer(int answer) {
    std::lock_guard<std::mutex> hold(g_recordLock);
    g_headerAnswer = answer;
}

}  // namespace platform
