#pragma once
// The shipped sample contest (tools/demo/sample_contest.txt): the operator's
// station and the QSOs the host replays, read from its tab-separated lines.

#include <string>
#include <vector>

#include "framework/ole_date_time.h"

struct SampleStation {
    std::string call;
    std::string dxccPrefix;
    std::string continent;
    COleDateTime start;
    COleDateTime end;
};

struct SampleQso {
    COleDateTime time;
    unsigned int frequencyHz = 0;
    std::string band;
    std::string mode;
    std::string call;
    std::string rstSent;
    std::string rstReceived;
    std::string exchangeSent;
    std::string exchangeReceived;  // empty when the operator never typed it
    std::string dxccPrefix;
    std::string continent;
};

struct SampleContest {
    SampleStation station;
    std::vector<SampleQso> qsos;
};

// Reads the file; on failure returns false and says why in `problem`.
bool LoadSampleContest(const std::string& path, SampleContest& contest, std::string& problem);
