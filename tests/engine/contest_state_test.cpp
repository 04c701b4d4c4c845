#include "engine/contest_state.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Nothing in this test binary changes the state, so it still holds the
// values it was given when the module loaded.
TEST(ContestState, StartsWithLoadTimeValues) {
    std::lock_guard<std::mutex> hold(g_stateLock);
    EXPECT_TRUE(g_log.empty());
    EXPECT_TRUE(g_workedBands.empty());
    for (const StringList& row : g_bandRows) {
        EXPECT_TRUE(row.empty());
    }
    EXPECT_EQ(g_multipliers.size(), 12u);
    for (const StringList& list : g_multipliers) {
        EXPECT_TRUE(list.empty());
    }
    EXPECT_EQ(g_updatePending, 1);
    EXPECT_EQ(g_clubMember, 0);
    EXPECT_EQ(g_htmlResult, 0);
    EXPECT_EQ(g_exportMode, 0);
    EXPECT_EQ(g_russianUi, 0);
    EXPECT_EQ(g_badQsoCount, 0);
    EXPECT_EQ(g_iniSection, "Settings");
    EXPECT_EQ(g_iniFile, "Plugins\\KVZ-DIGI.ini");
    EXPECT_TRUE(g_badQsoFile.empty());
    EXPECT_TRUE(g_hostVersion.empty());
    EXPECT_TRUE(g_stationCall.empty());
    EXPECT_EQ(g_setup, nullptr);
    EXPECT_EQ(g_statsWindow, nullptr);
    EXPECT_EQ(g_dxccWindow, nullptr);
}

CInfo FilledRecord() {
    CInfo qso;
    qso.call = "UA9XX";
    qso.dxccPrefix = "";
    qso.clubMultiplier = "UA9_T";
    qso.continent = "AS";
    qso.band = "20m";
    qso.mode = "BPSK63";
    qso.rstReceived = "599";
    qso.rstSent = "589";
    qso.exchangeReceived = "001 KVZ";
    qso.exchangeSent = "017";
    qso.invalid = 1;
    qso.clubMember = 1;
    qso.bad = 0;
    qso.dupe = 1;
    qso.frequencyKhz = 14080;
    qso.time = COleDateTime(43418.5, COleDateTime::valid);
    return qso;
}

void ExpectSameRecord(const CInfo& a, const CInfo& b) {
    EXPECT_EQ(a.call, b.call);
    EXPECT_EQ(a.dxccPrefix, b.dxccPrefix);
    EXPECT_EQ(a.clubMultiplier, b.clubMultiplier);
    EXPECT_EQ(a.continent, b.continent);
    EXPECT_EQ(a.band, b.band);
    EXPECT_EQ(a.mode, b.mode);
    EXPECT_EQ(a.rstReceived, b.rstReceived);
    EXPECT_EQ(a.rstSent, b.rstSent);
    EXPECT_EQ(a.exchangeReceived, b.exchangeReceived);
    EXPECT_EQ(a.exchangeSent, b.exchangeSent);
    EXPECT_EQ(a.invalid, b.invalid);
    EXPECT_EQ(a.clubMember, b.clubMember);
    EXPECT_EQ(a.bad, b.bad);
    EXPECT_EQ(a.dupe, b.dupe);
    EXPECT_EQ(a.frequencyKhz, b.frequencyKhz);
    EXPECT_EQ(a.time.m_dt, b.time.m_dt);
    EXPECT_EQ(a.time.m_status, b.time.m_status);
}

TEST(QsoRecord, DefaultIsEmptyAndValidAtZero) {
    CInfo fresh;
    EXPECT_TRUE(fresh.call.empty());
    EXPECT_TRUE(fresh.exchangeSent.empty());
    EXPECT_EQ(fresh.invalid + fresh.clubMember + fresh.bad + fresh.dupe, 0);
    EXPECT_EQ(fresh.frequencyKhz, 0u);
    EXPECT_EQ(fresh.time.m_dt, 0.0);
    EXPECT_EQ(fresh.time.m_status, COleDateTime::valid);
}

TEST(QsoRecord, CopiesIntoTheLogKeepEveryField) {
    std::vector<CInfo> log;
    CInfo original = FilledRecord();
    log.push_back(original);
    log.push_back(CInfo());
    ExpectSameRecord(log[0], original);
    ExpectSameRecord(log[1], CInfo());
    // The log holds its own copy.
    original.call = "DL1ABC";
    EXPECT_EQ(log[0].call, "UA9XX");
}

}  // namespace
