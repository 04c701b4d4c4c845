// The host asks about the call being typed, often and from its own thread;
// this is also where a pending window update is handed to the UI thread.

#include <array>
#include <string>

#include "engine/contest_state.h"
#include "engine/log_index.h"
#include "engine/qso_operations.h"
#include "platform/platform.h"

namespace {
// Prefixes that are never reported as new multipliers.
const std::array<std::string_view, 4> kNeverNewPrefixes = {"I", "IG9", "IT9", "IS"};

bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t at = 0; at < a.size(); ++at) {
        char x = a[at];
        char y = b[at];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

// These host versions take 1 rather than 4 for "cannot be checked".
int NotCheckableAnswer() {
    return g_hostVersion == "2.19" || g_hostVersion == "2.20" ? 1 : 4;
}

void HandOverWindowUpdate() {
    if (g_updatePending != 0 && platform::UiThreadRunning()) {
        g_updatePending = 0;
        platform::PostWindowUpdate();
    }
}
}  // namespace

int CheckCall(const CallCheckArguments& check) {
    HandOverWindowUpdate();

    const int notCheckable = NotCheckableAnswer();
    if (check.band != nullptr && check.otherBand != nullptr &&
        !EqualsIgnoreAsciiCase(check.band, check.otherBand)) {
        return notCheckable;
    }
    const std::string_view band = check.band != nullptr ? check.band : "";
    if (!g_bands.Contains(band) || !g_modes.Contains(check.mode))
        return notCheckable;

    if (check.dxccPrefix.empty())
        return 1;
    if (g_logIndex.HasQso(check.call, band, check.mode))
        return 0;
    for (std::string_view prefix : kNeverNewPrefixes) {
        if (check.dxccPrefix == prefix)
            return 1;
    }
    // Club members' entries carry no DXCC prefix, so a prefix worked only
    // through them still counts as new here.
    return g_logIndex.HasPrefix(band, check.mode, check.dxccPrefix) ? 1 : 2;
}
