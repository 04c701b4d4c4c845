#include "reports/score_summary.h"

#include <mutex>

#include "engine/contest_state.h"
#include "engine/settings.h"
#include "platform/platform.h"
#include "reports/cabrillo_log.h"
#include "reports/score_tally.h"
#include "reports/summary_layout.h"

std::string g_resultText;
std::int32_t g_claimedScore = 0;

namespace {
const char* ModeCode(const std::string& mode) {
    if (mode == "RTTY")
        return "RY";
    if (mode == "BPSK63")
        return "PS";
    return "??";
}

// Every entry of the log, duplicates too, as a QSO line of the file.
std::string ExportCabrillo() {
    g_cabrillo.qsoLines.clear();
    g_cabrillo.qsoLines.reserve(g_log.size());
    for (const CInfo& entry : g_log) {
        g_cabrillo.AddQsoLine(entry.call, static_cast<std::int32_t>(entry.frequencyKhz),
                              ModeCode(entry.mode), &entry.time, entry.rstSent, entry.exchangeSent,
                              entry.rstReceived, entry.exchangeReceived);
    }
    return g_cabrillo.Write();
}
}  // namespace

const char* ProduceResult(int* out) {
    std::string notice;
    bool exporting;
    {
        std::lock_guard<std::mutex> hold(g_stateLock);
        const ScoreTally tally = TallyScore();
        exporting = g_exportMode != 0;
        g_resultText = g_htmlResult != 0 ? HtmlSummary(tally)
                                         : PlainSummary(tally, !exporting && !g_log.empty());
        WriteSetting("Claimed", std::to_string(tally.score));
        g_claimedScore = tally.score;
        if (exporting)
            notice = ExportCabrillo();
    }
    if (exporting) {
        // Modal on the host's thread; the UI thread must be free to take the lock.
        platform::ShowNotice(notice, "Output");
        if (out != nullptr)
            *out = -1;
    }
    return g_resultText.c_str();
}
