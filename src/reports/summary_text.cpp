#include "engine/contest_state.h"
#include "reports/printf_text.h"
#include "reports/summary_layout.h"

const char kCreditFooter[] = "Scored by Stats.dll, the KVZ DIGI Contest plug-in";

std::string PlainSummary(const ScoreTally& tally, bool withRates) {
    std::string text = PrintfText(
        "\tKVZ DX Contest %s-%s \r\n\t\tContestant: %s\r\n"
        "Band\tQSOs\tPoints\tDXCC\tRTTY\tBPSK63\r\n",
        g_startDayMonth, g_endDate, g_stationCall);
    for (const BandTally& row : tally.rows) {
        if (row.qsos > 0) {
            AppendPrintf(text, "%s\t %i\t %i\t %i\t %i\t %i\r\n", row.band, row.qsos, row.points,
                         row.multipliers, row.rttyQsos, row.bpsk63Qsos);
        }
    }
    const BandTally& total = tally.total;
    AppendPrintf(text,
                 "Total\t %i\t %i\t %i\t %i\t %i\r\nDupe\t %i\r\nBad QSO\t %i\r\n\r\n"
                 "Score = %i *  %i = %i \r\n",
                 total.qsos, total.points, total.multipliers, total.rttyQsos, total.bpsk63Qsos,
                 total.dupes, tally.badQsos, total.points, total.multipliers, tally.score);
    if (withRates) {
        AppendPrintf(text,
                     "\r\nHourly (10min) QSO rate: %5i (%i) QSOs/hour\r\n"
                     "Hourly (10min) pts rate: %5i (%i) points/hour\r\n\r\n"
                     "Last QSO: %i points\r\n\r\n",
                     tally.hourQsos, 6 * tally.tenMinuteQsos, tally.hourPoints,
                     6 * tally.tenMinutePoints, tally.lastQsoPoints);
        text += kCreditFooter;
    }
    return text;
}
