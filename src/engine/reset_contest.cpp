// The host starts over: at the start of the contest and whenever it rescans its
// log, after which it replays every QSO through AddData0.

#include <array>
#include <mutex>
#include <string>

#include "engine/bad_qso_file.h"
#include "engine/contest_state.h"
#include "engine/host_version.h"
#include "engine/log_index.h"
#include "engine/qso_operations.h"
#include "engine/settings.h"
#include "platform/platform.h"
#include "reports/cabrillo_log.h"

namespace {
// Operators with these own prefixes get the Russian texts.
const std::array<std::string_view, 7> kRussianPrefixes = {"UA", "UA2", "UA2/f", "UA9",
                                                          "UN", "UR",  "EU"};

// Hosts this old get no UI thread.
const std::array<std::string_view, 6> kOldHostVersions = {"2.18", "2.17", "2.16",
                                                          "2.15", "2.14", "2.14R"};

template <std::size_t N>
bool IsOneOf(std::string_view text, const std::array<std::string_view, N>& table) {
    for (std::string_view entry : table) {
        if (text == entry)
            return true;
    }
    return false;
}

const char kStartKey[] = "Start";

void StartNewRun(const ResetArguments& reset) {
    g_startDayMonth = reset.start.Format("%d.%m");
    g_startYear = reset.start.Format("%Y");
    g_endDate = reset.end.Format("%d.%m.%Y");
    if (std::optional<std::string> version = FindHostVersion(reset.hostFolder)) {
        g_hostVersion = *version;
    }
    ClearLog();
    g_workedBands.clear();
    g_clubMember = ReadSettingNumber("setup_KVZ");
    g_ownContinent = reset.ownContinent;
    g_stationCall = reset.stationCall;
    for (std::size_t row = 0; row < g_bandRows.size(); ++row) {
        g_bandRows[row] = {g_bands.GetAt(row), "-", "-", "-", "-"};
    }
    if (IsOneOf(reset.ownDxccPrefix, kRussianPrefixes))
        g_russianUi = 1;
    g_exportMode = reset.exportRequest;
}

// The "Start" key alternates: a reset that starts the UI thread (or would, on
// an old host) leaves "1", and the next one that finds "1" leaves "0" and
// starts nothing. Called without the state lock: replacing a running UI
// thread waits for it, and its handlers take the lock.
void ToggleUiThread(bool oldHost) {
    if (ReadSettingNumber(kStartKey) != 0) {
        WriteSetting(kStartKey, "0");
        return;
    }
    bool running;
    {
        std::lock_guard<std::mutex> hold(g_stateLock);
        running = platform::UiThreadRunning();
    }
    if (running)
        return;
    if (!oldHost)
        platform::StartUiThread();
    WriteSetting(kStartKey, "1");
}
}  // namespace

int ResetContest(const ResetArguments& reset) {
    bool oldHost;
    {
        std::lock_guard<std::mutex> hold(g_stateLock);
        StartNewRun(reset);
        oldHost = IsOneOf(g_hostVersion, kOldHostVersions);
    }

    if (reset.exportRequest != 0) {
        // Modal on the host's thread; the answer changes nothing here.
        g_cabrillo.EditHeader(std::string(reset.stationCall), &reset.start, &reset.end);
        WriteSetting(kStartKey, "1");
    }
    ToggleUiThread(oldHost);

    std::lock_guard<std::mutex> hold(g_stateLock);
    g_badQsoFile = BadQsoFileName(reset.end);
    CreateBadQsoFile(g_badQsoFile);
    return 1;
}
