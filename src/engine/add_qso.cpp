// A QSO the host logs, or replays after a reset: checked against the contest
// rules, reported in the bad-QSO file when rejected or a duplicate, and kept
// in the log with its exchanges normalised. Points and multipliers are worked
// out by the score summary, not here.

#include <string>

#include "engine/bad_qso_file.h"
#include "engine/contest_state.h"
#include "engine/exchange.h"
#include "engine/log_index.h"
#include "engine/qso_operations.h"

namespace {
void ReportBadQso(const QsoArguments& qso, std::uint32_t frequencyKhz, const char* reason) {
    if (g_badQsoFile.empty())
        return;  // no reset yet: the report goes nowhere
    const std::string time = BadQsoTime(qso.time);
    BadQsoFields fields;
    fields.frequencyKhz = frequencyKhz;
    fields.mode = qso.mode;
    fields.time = time;
    fields.ownCall = qso.ownCall;
    fields.rstSent = qso.rstSent;
    fields.exchangeSent = qso.exchangeSent;
    fields.call = qso.call;
    fields.rstReceived = qso.rstReceived;
    fields.exchangeReceived = qso.exchangeReceived;
    AppendBadQsoLine(g_badQsoFile, FormatBadQsoLine(fields, reason));
}

void RecordWorkedBand(std::string_view band) {
    for (const std::string& worked : g_workedBands) {
        if (worked == band)
            return;
    }
    g_workedBands.emplace_back(band);
}
}  // namespace

int AddQso(const QsoArguments& qso) {
    const std::uint32_t frequencyKhz = qso.frequencyHz / 1000;
    // A QSO failing several checks is reported once, for the first.
    if (!g_bands.Contains(qso.band)) {
        ReportBadQso(qso, frequencyKhz, kReasonWrongBand);
        return 0;
    }
    if (!g_modes.Contains(qso.mode)) {
        ReportBadQso(qso, frequencyKhz, kReasonWrongMode);
        return 0;
    }
    if (qso.exchangeReceived.empty() || qso.exchangeSent.empty()) {
        ReportBadQso(qso, frequencyKhz, kReasonNoRxNumber);
        return 0;
    }

    RecordWorkedBand(qso.band);

    CInfo record;
    record.call = qso.call;
    record.band = qso.band;
    record.mode = qso.mode;
    record.continent = qso.continent;
    record.rstReceived = qso.rstReceived;
    record.rstSent = qso.rstSent;
    record.frequencyKhz = frequencyKhz;
    record.time = qso.time;
    record.exchangeSent = NormaliseSentExchange(qso.exchangeSent, g_clubMember != 0);
    record.exchangeReceived = NormaliseReceivedExchange(qso.exchangeReceived);
    if (IsClubExchange(qso.exchangeReceived)) {
        record.clubMember = 1;
        record.clubMultiplier = std::string(qso.dxccPrefix) + "_T";
    } else {
        record.dxccPrefix = qso.dxccPrefix;
    }

    // Same call, band and mode as any earlier entry, duplicates included:
    // logged, flagged and never scored.
    if (g_logIndex.HasQso(record.call, record.band, record.mode)) {
        record.invalid = 1;
        record.dupe = 1;
        ReportBadQso(qso, frequencyKhz, kReasonDupe);
    }

    AppendToLog(record);
    return 1;
}
