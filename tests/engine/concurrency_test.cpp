// The host's thread replays, checks, removes and scores QSOs while the UI thread reads
// the log the way its window-update handler does. Run under ThreadSanitizer
// (the native-tsan build), any access outside the state lock is reported.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "engine/engine_fixture.h"

namespace {

using ConcurrencyTest = EngineTest;

// What the window-update handler does with the state: walk the log for the
// typed call, read the rows and the multiplier lists, then ask for the next
// update.
std::size_t ReadLikeTheWindowUpdate(const std::string& typedCall) {
    std::lock_guard<std::mutex> hold(g_stateLock);
    std::size_t seen = 0;
    for (const CInfo& qso : g_log) {
        if (qso.call == typedCall)
            seen += qso.band.size() + qso.exchangeReceived.size();
        seen += qso.time.m_dt > 0 ? 1 : 0;
    }
    for (const StringList& row : g_bandRows)
        seen += row.size();
    for (const StringList& list : g_multipliers)
        seen += list.size();
    seen += g_workedBands.size() + g_stationCall.size() + g_startYear.size();
    g_updatePending = 1;
    return seen;
}

TEST_F(ConcurrencyTest, HostCallsAndWindowUpdatesShareTheStateSafely) {
    host::ResetStats(m_api, {});
    std::atomic<bool> hostDone{false};
    std::size_t reads = 0;

    std::thread uiThread([&] {
        std::size_t seen = 0;
        while (!hostDone.load()) {
            seen += ReadLikeTheWindowUpdate("UA9XX");
            {
                // The Setup window's "I member KVZ" box.
                std::lock_guard<std::mutex> hold(g_stateLock);
                g_clubMember = static_cast<int>(reads % 2);
            }
            ++reads;
            std::this_thread::yield();
        }
        EXPECT_GT(seen, 0u);
    });

    const char* calls[] = {"UA9XX", "DL1AA", "OH2BB", "JA1ZZ"};
    for (int round = 0; round < 3; ++round) {
        host::ResetStats(m_api, {});
        for (int minute = 0; minute < 200; ++minute) {
            host::Qso qso;
            qso.call = calls[minute % 4];
            qso.band = minute % 3 == 0 ? "40m" : "20m";
            qso.time = COleDateTime(host::OleDays(2018, 11, 14, 10, 0) + minute / 1440.0, 0);
            EXPECT_EQ(host::Add(m_api, qso), 1);
            host::Check check;
            check.call = calls[(minute + 1) % 4];
            host::CheckCall(m_api, check);
            if (minute % 5 == 4) {
                EXPECT_EQ(host::Remove(m_api, qso), 1);
            }
            if (minute % 20 == 0) {
                // The score rebuilds the multiplier lists the windows read.
                EXPECT_NE(host::GetResult(m_api).find("Total\t"), std::string::npos);
            }
        }
    }
    hostDone = true;
    uiThread.join();
    EXPECT_GT(reads, 0u);
    EXPECT_EQ(Log().size(), 160u);
}

}  // namespace
