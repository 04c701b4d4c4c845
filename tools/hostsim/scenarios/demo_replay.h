#pragma once
// The host's side of the sample contest: the reset for the operator's station
// and the replay of every QSO, each call checked before it is logged.

#include <string>

#include "plugin_loader.h"
#include "scenarios/demo_sample.h"
#include "support/host_calls.h"

struct ReplayTally {
    int accepted = 0;
    int rejected = 0;
    int warnedDupes = 0;     // CheckCall0 said "duplicate" and the QSO was logged
    int newMultipliers = 0;  // CheckCall0 said "new multiplier"
    int unknownAnswers = 0;  // CheckCall0 answers outside 0, 1, 2, 4
};

// The host's reset for the sample's station; `hostFolder` ends in a
// backslash. The texts point into `contest` and `hostFolder`.
host::Reset SampleReset(const SampleContest& contest, const std::string& hostFolder,
                        int exportRequest);

// CheckCall0 then AddData0 for every QSO, in the order of the sample.
ReplayTally ReplaySample(const PluginApi& api, const SampleContest& contest);
