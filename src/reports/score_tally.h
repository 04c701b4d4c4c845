#pragma once
// The numbers of the score summary, counted in one walk of the log. Both
// forms of the summary, the plain text and the HTML page, are laid out from
// one tally.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/qso_record.h"

struct BandTally {
    std::string band;
    int qsos = 0;
    int points = 0;
    int multipliers = 0;
    int rttyQsos = 0;
    int bpsk63Qsos = 0;
    int dupes = 0;
};

struct ScoreTally {
    std::vector<BandTally> rows;  // every worked band, longest wavelength first
    BandTally total;
    int badQsos = 0;  // rejected QSOs listed in the bad-QSO file
    std::int32_t score = 0;
    // Only QSOs on the band of the last log entry count here.
    int hourQsos = 0;
    int hourPoints = 0;
    int tenMinuteQsos = 0;
    int tenMinutePoints = 0;
    int lastQsoPoints = 0;
};

// What one log entry earns, given the operator's membership and continent.
int QsoPoints(const CInfo& entry, bool operatorIsMember, const std::string& ownContinent);

// Counts everything from g_log. Also puts g_workedBands in the order of the
// summary, rebuilds the multiplier lists of every worked band and recounts
// g_badQsoCount. The caller holds g_stateLock.
ScoreTally TallyScore();
