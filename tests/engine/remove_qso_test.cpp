// RemoveData0: the log entry with exactly this time goes, and so do exactly
// its lines in the bad-QSO file.

#include <gtest/gtest.h>

#include "engine/engine_fixture.h"

namespace {

using RemoveQsoTest = EngineTest;

host::Qso At(const char* call, int day, int hour, int minute, int second = 0) {
    host::Qso qso;
    qso.call = call;
    qso.time = COleDateTime(host::OleDays(2018, 11, day, hour, minute, second), 0);
    return qso;
}

TEST_F(RemoveQsoTest, OnlyTheEntryWithTheGivenTimeGoes) {
    host::ResetStats(m_api, {});
    ASSERT_EQ(host::Add(m_api, At("UA9XX", 14, 10, 25)), 1);
    ASSERT_EQ(host::Add(m_api, At("UA9XX", 14, 11, 0)), 1);  // a duplicate

    EXPECT_EQ(host::Remove(m_api, At("UA9XX", 14, 10, 25, 1)), 1);
    EXPECT_EQ(Log().size(), 2u) << "one second off matches nothing";
    host::Qso otherBand = At("UA9XX", 14, 10, 25);
    otherBand.band = "20M";
    host::Remove(m_api, otherBand);
    EXPECT_EQ(Log().size(), 2u) << "band texts compare exactly";

    EXPECT_EQ(host::Remove(m_api, At("UA9XX", 14, 10, 25)), 1);
    const std::vector<CInfo> log = Log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].time.m_dt, host::OleDays(2018, 11, 14, 11, 0));
    EXPECT_EQ(log[0].dupe, 1) << "flags are not re-evaluated";
}

TEST_F(RemoveQsoTest, TimesMatchOnlyWhenBothValidAndEqualOrBothNull) {
    host::ResetStats(m_api, {});
    host::Qso nullTime = At("UA9XX", 14, 10, 25);
    nullTime.time.reset();
    host::Qso invalidTime = At("UA9YY", 14, 10, 25);
    invalidTime.time = COleDateTime(host::OleDays(2018, 11, 14, 10, 25), COleDateTime::invalid);
    ASSERT_EQ(host::Add(m_api, nullTime), 1);
    ASSERT_EQ(host::Add(m_api, invalidTime), 1);

    host::Remove(m_api, invalidTime);
    EXPECT_EQ(Log().size(), 2u) << "an invalid time never matches";
    host::Remove(m_api, nullTime);
    ASSERT_EQ(Log().size(), 1u);
    EXPECT_EQ(Log()[0].call, "UA9YY");
}

TEST_F(RemoveQsoTest, RemovesExactlyTheLinesOfTheDeletedQso) {
    host::ResetStats(m_api, {});
    host::Add(m_api, At("UA9XX", 14, 10, 25));
    host::Add(m_api, At("UA9XX", 14, 10, 26));  // duplicate: a line
    host::Add(m_api, At("UA9XXA", 14, 10, 20));
    host::Add(m_api, At("UA9XXA", 14, 10, 26));    // duplicate: a longer call's line, same minute
    host::Qso rejected = At("UA9XX", 15, 10, 26);  // same minute, next day
    rejected.band = "160m";
    host::Add(m_api, rejected);
    ASSERT_EQ(BadQsoLines().size(), 4u);

    host::Remove(m_api, At("UA9XX", 14, 10, 26));
    const std::vector<std::string> lines = BadQsoLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "KVZ DIGI Contest UBN file ");
    EXPECT_NE(lines[1].find("UA9XXA"), std::string::npos);
    EXPECT_NE(lines[2].find("2018-11-15 1026"), std::string::npos);
    EXPECT_EQ(Log().size(), 3u);

    // A rejected QSO is not in the log, but deleting it clears its line.
    host::Remove(m_api, rejected);
    EXPECT_EQ(BadQsoLines().size(), 2u);
}

TEST_F(RemoveQsoTest, RemovingTheLastQsoEmptiesEveryMultiplierList) {
    host::ResetStats(m_api, {});
    host::Add(m_api, At("UA9XX", 14, 10, 25));
    {
        std::lock_guard<std::mutex> hold(g_stateLock);
        for (StringList& list : g_multipliers)
            list = {"UA9"};
    }
    host::Remove(m_api, At("UA9XX", 14, 10, 25));
    EXPECT_TRUE(Log().empty());
    EXPECT_EQ(BadQsoLines(), std::vector<std::string>{"KVZ DIGI Contest UBN file "});
    std::lock_guard<std::mutex> hold(g_stateLock);
    for (const StringList& list : g_multipliers)
        EXPECT_TRUE(list.empty());
}

TEST_F(RemoveQsoTest, AFileThatCannotBeReadIsLeftAlone) {
    host::ResetStats(m_api, {});
    host::Add(m_api, At("UA9XX", 14, 10, 25));
    const std::string file = BadQsoFile();
    std::filesystem::remove(file);
    host::Remove(m_api, At("UA9XX", 14, 10, 25));
    EXPECT_FALSE(std::filesystem::exists(file)) << "no title-only file replaces it";
    EXPECT_TRUE(Log().empty()) << "the log change stands";
}

TEST_F(RemoveQsoTest, TheRewriteLeavesNoTemporaryFileAndKeepsCrLf) {
    host::ResetStats(m_api, {});
    host::Add(m_api, At("UA9XX", 14, 10, 25));
    host::Add(m_api, At("UA9XX", 14, 10, 26));
    host::Add(m_api, At("UA9XX", 14, 10, 27));
    host::Remove(m_api, At("UA9XX", 14, 10, 26));
    EXPECT_EQ(ReadWholeFile(BadQsoFile()),
              "KVZ DIGI Contest UBN file \r\n"
              "QSO: 14080  RTTY  2018-11-14 1027  DL1AA  599  1  UA9XX  599  12   DUPE !!!\r\n");
    EXPECT_FALSE(std::filesystem::exists(BadQsoFile() + ".tmp"));
}

TEST_F(RemoveQsoTest, AlwaysAsksForAWindowUpdate) {
    host::ResetStats(m_api, {});  // starts the (headless) UI thread
    {
        std::lock_guard<std::mutex> hold(g_stateLock);
        g_updatePending = 0;
    }
    platform::headless::TakeUiRecord();
    host::Remove(m_api, At("NOBODY", 14, 10, 25));
    EXPECT_EQ(platform::headless::TakeUiRecord().postedUpdates, 1);

    platform::headless::CloseSetupWindow();
    {
        std::lock_guard<std::mutex> hold(g_stateLock);
        g_updatePending = 0;
    }
    host::Remove(m_api, At("NOBODY", 14, 10, 25));
    EXPECT_EQ(platform::headless::TakeUiRecord().postedUpdates, 0);
    std::lock_guard<std::mutex> hold(g_stateLock);
    EXPECT_EQ(g_updatePending, 1);
}

}  // namespace
