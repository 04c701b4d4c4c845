#include "scenarios/demo_checks.h"

#include <filesystem>
#include <system_error>

#include "checks.h"
#include "scenarios/demo_outputs.h"

namespace {

int CountLinesStartingWith(const std::vector<std::string>& lines, const std::string& start) {
    int count = 0;
    for (const std::string& line : lines) {
        count += StartsWith(line, start) ? 1 : 0;
    }
    return count;
}

int CountLinesEndingWith(const std::vector<std::string>& lines, const std::string& end) {
    int count = 0;
    for (const std::string& line : lines) {
        const bool ends = line.size() >= end.size() &&
                          line.compare(line.size() - end.size(), end.size(), end) == 0;
        count += ends ? 1 : 0;
    }
    return count;
}

std::string LineStartingWith(const std::vector<std::string>& lines, const std::string& start) {
    for (const std::string& line : lines) {
        if (StartsWith(line, start)) {
            return line;
        }
    }
    return std::string();
}

void CheckFilesKept(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        std::error_code error;
        const auto size = std::filesystem::file_size(path, error);
        Check(!error && size > 0,
              path + " written (" + std::to_string(error ? 0 : size) + " bytes)");
    }
}

// The summary agrees with what the plug-in answered QSO by QSO.
void CheckSummary(const DemoReports& reports, const SummaryNumbers& numbers) {
    Check(numbers.totals.found, "the summary has a \"Total\" line");
    Check(numbers.haveDupe && numbers.haveBad && numbers.haveScore,
          "the summary has its \"Dupe\", \"Bad QSO\" and \"Score\" lines");
    CheckEqual(numbers.bad, reports.logged.rejected, "Bad QSO = QSOs AddData0 rejected");
    CheckEqual(numbers.dupes, reports.logged.warnedDupes,
               "Dupe = logged QSOs CheckCall0 called dupes");
    CheckEqual(numbers.totals.qsos, reports.logged.accepted - numbers.dupes,
               "Total QSOs = logged QSOs less dupes");
    CheckEqual(numbers.totals.rtty + numbers.totals.bpsk63, numbers.totals.qsos,
               "every counted QSO is RTTY or BPSK63");
    CheckEqual(numbers.scorePoints, numbers.totals.points, "the score uses the total points");
    CheckEqual(numbers.scoreMultipliers, numbers.totals.multipliers,
               "the score uses the total multipliers");
    CheckEqual(numbers.score, numbers.totals.points * numbers.totals.multipliers,
               "Score = points * multipliers");
}

void CheckHtmlSummary(const std::string& html, const SummaryTotals& text) {
    Check(StartsWith(html, "<html>") && html.find("</html>") != std::string::npos,
          "the HTML summary is one page");
    const SummaryTotals totals = ReadSummaryHtmlTotals(html);
    Check(totals.found && totals.qsos == text.qsos && totals.points == text.points &&
              totals.multipliers == text.multipliers && totals.rtty == text.rtty &&
              totals.bpsk63 == text.bpsk63,
          "the HTML Total row holds the numbers of the text");
}

void CheckBadQsoFile(const DemoReports& reports) {
    const std::string bytes = ReadFileBytes(reports.badQsoPath);
    const std::vector<std::string> lines = SplitLines(bytes);
    CheckEqual(static_cast<long long>(lines.size()),
               1 + reports.logged.rejected + reports.logged.warnedDupes,
               "bad-QSO file: title, one line per rejected QSO and per dupe");
    CheckEqual(CountLinesEndingWith(lines, "   DUPE !!!"), reports.logged.warnedDupes,
               "bad-QSO file: one DUPE line per dupe");
    CheckEqual(bytes, reports.badQsoAfterReplay, "the export replay writes the same bad-QSO file");
}

void CheckCabrillo(const DemoReports& reports, const SummaryNumbers& numbers) {
    const std::vector<std::string> lines = SplitLines(ReadFileBytes(reports.cabrilloPath));
    Check(!lines.empty() && lines.front() == "START-OF-LOG: 3.0",
          "the Cabrillo log starts with START-OF-LOG: 3.0");
    Check(!lines.empty() && lines.back() == "END-OF-LOG:",
          "the Cabrillo log ends with END-OF-LOG:");
    CheckEqual(LineStartingWith(lines, "CALLSIGN:"), "CALLSIGN: " + reports.call,
               "the Cabrillo log is the operator's");
    CheckEqual(CountLinesStartingWith(lines, "QSO:"), reports.exported.accepted,
               "one Cabrillo QSO line per logged QSO, dupes included");
    CheckEqual(LineStartingWith(lines, "CLAIMED-SCORE:"),
               "CLAIMED-SCORE: " + std::to_string(numbers.score),
               "the claimed score is the summary's score");
}

}  // namespace

void CheckDemoReports(const DemoReports& reports) {
    CheckFilesKept(reports.keptFiles);
    const SummaryNumbers numbers = ReadSummaryText(reports.summaryText);
    CheckSummary(reports, numbers);
    CheckHtmlSummary(reports.summaryHtml, numbers.totals);
    CheckBadQsoFile(reports);
    CheckCabrillo(reports, numbers);
}
