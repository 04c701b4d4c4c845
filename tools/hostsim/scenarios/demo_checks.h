#pragma once
// What must hold of the demo's reports: every file kept, and the summary, the
// bad-QSO file and the Cabrillo log agreeing with each other and with what the
// plug-in answered QSO by QSO.

#include <string>
#include <vector>

#include "scenarios/demo_replay.h"

struct DemoReports {
    std::string call;
    ReplayTally logged;    // the first replay
    ReplayTally exported;  // the replay after the export request
    std::string summaryText;
    std::string summaryHtml;
    std::string badQsoAfterReplay;  // the bad-QSO file before the export
    std::string badQsoPath;         // the kept copies
    std::string cabrilloPath;
    std::vector<std::string> keptFiles;
};

void CheckDemoReports(const DemoReports& reports);
