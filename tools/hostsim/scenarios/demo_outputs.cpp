#include "scenarios/demo_outputs.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

bool ReadTotals(const std::string& line, SummaryTotals& totals) {
    totals.found =
        std::sscanf(line.c_str(), "Total\t %d\t %d\t %d\t %d\t %d", &totals.qsos, &totals.points,
                    &totals.multipliers, &totals.rtty, &totals.bpsk63) == 5;
    return totals.found;
}

}  // namespace

SummaryNumbers ReadSummaryText(const std::string& text) {
    SummaryNumbers numbers;
    for (const std::string& line : SplitLines(text)) {
        if (StartsWith(line, "Total\t")) {
            ReadTotals(line, numbers.totals);
        } else if (StartsWith(line, "Dupe\t")) {
            numbers.haveDupe = std::sscanf(line.c_str(), "Dupe\t %d", &numbers.dupes) == 1;
        } else if (StartsWith(line, "Bad QSO\t")) {
            numbers.haveBad = std::sscanf(line.c_str(), "Bad QSO\t %d", &numbers.bad) == 1;
        } else if (StartsWith(line, "Score = ")) {
            numbers.haveScore =
                std::sscanf(line.c_str(), "Score = %d * %d = %d", &numbers.scorePoints,
                            &numbers.scoreMultipliers, &numbers.score) == 3;
        }
    }
    return numbers;
}

SummaryTotals ReadSummaryHtmlTotals(const std::string& html) {
    SummaryTotals totals;
    const std::string label = "<center>Total</center>";
    std::size_t at = html.find(label);
    if (at == std::string::npos) {
        return totals;
    }
    int* fields[] = {&totals.qsos, &totals.points, &totals.multipliers, &totals.rtty,
                     &totals.bpsk63};
    at += label.size();
    for (int* field : fields) {
        const std::string open = "<td><center>";
        at = html.find(open, at);
        if (at == std::string::npos ||
            std::sscanf(html.c_str() + at + open.size(), "%d", field) != 1) {
            return totals;
        }
        at += open.size();
    }
    totals.found = true;
    return totals;
}

std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < bytes.size()) {
        std::size_t end = bytes.find('\n', at);
        if (end == std::string::npos) {
            end = bytes.size();
        }
        std::string line = bytes.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
        at = end + 1;
    }
    return lines;
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}
