#include "scenarios/demo_replay.h"

#include "support/host_calls.h"

host::Reset SampleReset(const SampleContest& contest, const std::string& hostFolder,
                        int exportRequest) {
    host::Reset reset;
    reset.hostFolder = hostFolder.c_str();
    reset.exportRequest = exportRequest;
    reset.stationCall = contest.station.call.c_str();
    reset.start = contest.station.start;
    reset.end = contest.station.end;
    reset.ownDxccPrefix = contest.station.dxccPrefix.c_str();
    reset.ownContinent = contest.station.continent.c_str();
    return reset;
}

namespace {

int CheckTyped(const PluginApi& api, const SampleQso& sample) {
    host::Check typed = host::Typed(sample.call.c_str(), sample.dxccPrefix.c_str(),
                                    sample.band.c_str(), sample.mode.c_str());
    typed.continent = sample.continent.c_str();
    return host::CheckCall(api, typed);
}

bool Log(const PluginApi& api, const SampleContest& contest, const SampleQso& sample) {
    host::Qso qso;
    qso.ownCall = contest.station.call.c_str();
    qso.call = sample.call.c_str();
    qso.time = sample.time;
    qso.frequencyHz = sample.frequencyHz;
    qso.mode = sample.mode.c_str();
    qso.rstSent = sample.rstSent.c_str();
    qso.rstReceived = sample.rstReceived.c_str();
    qso.exchangeSent = sample.exchangeSent.c_str();
    qso.exchangeReceived = sample.exchangeReceived.c_str();
    qso.dxccPrefix = sample.dxccPrefix.c_str();
    qso.continent = sample.continent.c_str();
    qso.band = sample.band.c_str();
    return host::Add(api, qso) == 1;
}

}  // namespace

ReplayTally ReplaySample(const PluginApi& api, const SampleContest& contest) {
    ReplayTally tally;
    for (const SampleQso& sample : contest.qsos) {
        // Like the host: the call is checked while the operator types it.
        const int answer = CheckTyped(api, sample);
        const bool accepted = Log(api, contest, sample);
        (accepted ? tally.accepted : tally.rejected)++;
        tally.warnedDupes += answer == 0 && accepted ? 1 : 0;
        tally.newMultipliers += answer == 2 ? 1 : 0;
        tally.unknownAnswers += answer != 0 && answer != 1 && answer != 2 && answer != 4 ? 1 : 0;
    }
    return tally;
}
