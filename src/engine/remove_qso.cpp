// The operator deleted a QSO in the host: it leaves the log, its lines leave
// the bad-QSO file (so the report follows the operator's corrections, also for
// QSOs that were rejected and never logged), and the windows are refreshed.

#include "engine/bad_qso_file.h"
#include "engine/contest_state.h"
#include "engine/log_index.h"
#include "engine/qso_operations.h"
#include "platform/platform.h"

namespace {
// Equal when both are valid with the same value, or both null; a time that is
// not valid never matches.
bool SameTime(const COleDateTime& a, const COleDateTime& b) {
    if (a.m_status == COleDateTime::null && b.m_status == COleDateTime::null)
        return true;
    return a.m_status == COleDateTime::valid && b.m_status == COleDateTime::valid &&
           a.m_dt == b.m_dt;
}

bool IsTheQso(const CInfo& entry, const QsoArguments& qso) {
    return entry.call == qso.call && entry.band == qso.band && entry.mode == qso.mode &&
           SameTime(entry.time, qso.time);
}
}  // namespace

int RemoveQso(const QsoArguments& qso) {
    // Only an entry with this call, band and mode can match; skip the walk when
    // the index knows there is none.
    if (g_logIndex.HasQso(qso.call, qso.band, qso.mode)) {
        for (std::size_t at = 0; at < g_log.size(); ++at) {
            if (IsTheQso(g_log[at], qso)) {
                RemoveFromLog(at);
                break;
            }
        }
    }

    if (qso.callGiven)
        RemoveBadQsoLines(g_badQsoFile, qso.call, BadQsoTime(qso.time));

    // The score summary rebuilds the lists of every worked band, so an empty
    // log simply empties them all.
    if (g_log.empty()) {
        for (StringList& list : g_multipliers)
            list.clear();
    }

    g_updatePending = 1;
    platform::PostWindowUpdate();
    return 1;
}
