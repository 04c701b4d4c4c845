#pragma once
// Engine tests that ask for the score: QSOs built from a few fields, and the
// tally that the summary is laid out from.

#include <mutex>
#include <string>

#include "engine/engine_fixture.h"
#include "reports/score_tally.h"

class ReportTest : public EngineTest {
protected:
    // A QSO on 14 November 2018 at the given time of day.
    static host::Qso QsoAt(const char* call, const char* prefix, const char* continent,
                           const char* band, const char* mode, int hour, int minute,
                           int second = 0) {
        host::Qso qso;
        qso.call = call;
        qso.dxccPrefix = prefix;
        qso.continent = continent;
        qso.band = band;
        qso.mode = mode;
        qso.time = COleDateTime(host::OleDays(2018, 11, 14, hour, minute, second), 0);
        return qso;
    }

    void StartContest(int exportRequest = 0) {
        host::Reset reset;
        reset.exportRequest = exportRequest;
        host::ResetStats(m_api, reset);
    }

    void Work(const host::Qso& qso) { ASSERT_EQ(host::Add(m_api, qso), 1) << qso.call; }

    std::string Result(int* out = nullptr) { return host::GetResult(m_api, out); }

    // The numbers behind the summary, after a GetResult0 of the same log.
    static ScoreTally Tally() {
        std::lock_guard<std::mutex> hold(g_stateLock);
        return TallyScore();
    }
};
