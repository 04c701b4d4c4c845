#pragma once
// Reading back what the demo produced: the numbers of the score summary in
// both forms, and the lines of the files the plug-in wrote.

#include <string>

#include <vector>
#include "file_bytes.h"

struct SummaryTotals {
    bool found = false;
    int qsos = 0;
    int points = 0;
    int multipliers = 0;
    int rtty = 0;
    int bpsk63 = 0;
};

struct SummaryNumbers {
    SummaryTotals totals;
    bool haveDupe = false;
    int dupes = 0;
    bool haveBad = false;
    int bad = 0;
    bool haveScore = false;
    int scorePoints = 0;
    int scoreMultipliers = 0;
    int score = 0;
};

// The totals block of the plain-text summary.
SummaryNumbers ReadSummaryText(const std::string& text);
// The "Total" row of the HTML summary.
SummaryTotals ReadSummaryHtmlTotals(const std::string& html);

// Lines without their line ends (CR LF or LF); no empty last line.
std::vector<std::string> SplitLines(const std::string& bytes);
bool StartsWith(const std::string& text, const std::string& start);
