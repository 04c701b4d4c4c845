#include "engine/contest_state.h"
#include "reports/printf_text.h"
#include "reports/summary_layout.h"

// The page's pieces. The head and the end are appended as they are, never
// formatted, so the percent sign of the style sheet stays.
const char g_htmlHead[] =
    "<html><head><style>table{ width:100%; }table, th, td{ border: 1px solid black; "
    "border-collapse: collapse; }th, td{ padding: 1px; text-align: middle; }th,td{ "
    "background-color: #fffac6; color: black; }</style></head><body>";
const char g_htmlTitle[] =
    "<center><b>%s</b></center><center>Contestant:  <b>%s</center></b><table>";
const char g_htmlHeaderRow[] =
    "<tr><th>%s</th><th>%s</th><th>%s</th><th>%s</th><th>%s</th><th>%s</th></tr>";
const char g_htmlBandRow[] =
    "<tr><th><center>%s</center></th><td><center>%i</center></td><td><center>%i</center></"
    "td><td><center>%i</center></td><td><center>%i</center></td><td><center>%i</center></td></"
    "tr>";
const char* const g_htmlTotalRow = g_htmlBandRow;
const char g_htmlDupeRow[] =
    "<tr><th><center>%s</center></th><td><center>%i</center></td><td colspan=7> </td></tr>";
const char* const g_htmlBadRow = g_htmlDupeRow;
const char g_htmlRateRow[] = "<tr><th>%s</th><td colspan=7><center>%5i /%i</center></td></tr>";
const char g_htmlSectionRow[] = "<th colspan=10><center>%s</center></th></tr>";
const char g_htmlLastQsoRow[] =
    "<tr><th>%s</small></th><td colspan=9><center>%5i</center></td></tr>";
const char g_htmlScoreRow[] =
    "<tr><th>%s</th><td colspan=8><center>%i * %i = %i</center></td></tr>";
const std::string g_htmlEnd =
    std::string("</table><h6 align=right>") + kCreditFooter + "</h6></body></html>";

namespace {
// Texts from the host (callsign, band, dates) cannot break the page.
std::string Escaped(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}
}  // namespace

std::string HtmlSummary(const ScoreTally& tally) {
    std::string page = g_htmlHead;
    // The first letter of "Contest" is the Cyrillic capital Es (0xD1 in code
    // page 1251), as the contest's own title has it.
    const std::string title =
        PrintfText("   KVZ DIGI \xD1ontest %s-%s", Escaped(g_startDayMonth), Escaped(g_endDate));
    AppendPrintf(page, g_htmlTitle, title, Escaped(g_stationCall));
    AppendPrintf(page, g_htmlHeaderRow, "Band", "QSOs", "Points", "DXCC", "RTTY", "BPSK63");
    for (const BandTally& row : tally.rows) {
        if (row.qsos > 0) {
            AppendPrintf(page, g_htmlBandRow, Escaped(row.band), row.qsos, row.points,
                         row.multipliers, row.rttyQsos, row.bpsk63Qsos);
        }
    }
    const BandTally& total = tally.total;
    AppendPrintf(page, g_htmlTotalRow, "Total", total.qsos, total.points, total.multipliers,
                 total.rttyQsos, total.bpsk63Qsos);
    AppendPrintf(page, g_htmlDupeRow, "Dupe", total.dupes);
    AppendPrintf(page, g_htmlBadRow, "Bad QSO", tally.badQsos);
    AppendPrintf(page, g_htmlScoreRow, "Score:", total.points, total.multipliers, tally.score);
    AppendPrintf(page, g_htmlLastQsoRow, "Last QSO points:", tally.lastQsoPoints);
    AppendPrintf(page, g_htmlSectionRow, "Rate");
    AppendPrintf(page, g_htmlRateRow, "Hourly (10min/1 hour) QSO rate:", tally.hourQsos,
                 6 * tally.tenMinuteQsos);
    AppendPrintf(page, g_htmlRateRow, "Hourly (10min/1 hour) pts rate:", tally.hourPoints,
                 6 * tally.tenMinutePoints);
    page += g_htmlEnd;
    return page;
}
