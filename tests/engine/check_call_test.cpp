// CheckCall0 and IsValidExchg0 as the host calls them while the operator types.

#include <gtest/gtest.h>

#include "engine/engine_fixture.h"

namespace {

class CheckCallTest : public EngineTest {
protected:
    // A log of UA9XX (UA9) on 20m RTTY, a club member RK9AX (UA9_T) on 40m
    // RTTY, and DL2BB (DL) on 20m BPSK63.
    void LogThreeQsos(const char* hostVersionLine) {
        if (hostVersionLine != nullptr)
            WriteWholeFile("Zolt2.ini", hostVersionLine);
        host::ResetStats(m_api, {});
        host::Qso first;
        ASSERT_EQ(host::Add(m_api, first), 1);
        host::Qso member;
        member.call = "RK9AX";
        member.band = "40m";
        member.exchangeReceived = "7 KVZ";
        ASSERT_EQ(host::Add(m_api, member), 1);
        host::Qso third;
        third.call = "DL2BB";
        third.dxccPrefix = "DL";
        third.mode = "BPSK63";
        ASSERT_EQ(host::Add(m_api, third), 1);
    }
};

struct CheckCase {
    const char* name;
    host::Check check;
    int zolt;  // answer on a host without a version file
    int v220;  // answer on host version 2.20
};

using host::Typed;

host::Check WithoutSecondBand(host::Check check) {
    check.otherBand = nullptr;
    return check;
}

const CheckCase kCheckCases[] = {
    {"new prefix", Typed("OH1AA", "OH"), 2, 2},
    {"empty prefix", Typed("OH1AA", ""), 1, 1},
    {"never new IS", Typed("IS0AA", "IS"), 1, 1},
    {"never new I", Typed("I1AA", "I"), 1, 1},
    {"never new IG9", Typed("IG9A", "IG9"), 1, 1},
    {"never new IT9", Typed("IT9A", "IT9"), 1, 1},
    {"IT prefix is new", Typed("IT1A", "IT"), 2, 2},
    {"dupe", Typed("UA9XX", "UA9"), 0, 0},
    {"dupe even with prefix I", Typed("UA9XX", "I"), 0, 0},
    {"empty prefix before dupe", Typed("UA9XX", ""), 1, 1},
    {"dupe is case-sensitive", Typed("ua9xx", "OH"), 2, 2},
    {"other mode, worked prefix", Typed("UA9XX", "UA9", "20m", "BPSK63"), 2, 2},
    {"worked by another call", Typed("UA9YY", "UA9"), 1, 1},
    {"worked on another band", Typed("UA9YY", "UA9", "15m", "RTTY", "15m"), 2, 2},
    {"only through a club member", Typed("UA9YY", "UA9", "40m", "RTTY", "40m"), 2, 2},
    {"band texts differ in case", Typed("UA9XX", "UA9", "20m", "RTTY", "20M"), 0, 0},
    {"band case differs from log", Typed("UA9XX", "UA9", "20M", "RTTY", "20M"), 2, 2},
    {"band texts disagree", Typed("UA9XX", "UA9", "20m", "RTTY", "40m"), 4, 1},
    {"second band missing", WithoutSecondBand(Typed("UA9XX", "UA9")), 0, 0},
    {"160m", Typed("OH1AA", "OH", "160m", "RTTY", "160m"), 4, 1},
    {"no band", Typed("OH1AA", "OH", nullptr, "RTTY", nullptr), 4, 1},
    {"empty band", Typed("OH1AA", "OH", "", "RTTY", ""), 4, 1},
    {"wrong mode", Typed("OH1AA", "OH", "20m", "CW"), 4, 1},
    {"mode in lower case", Typed("OH1AA", "OH", "20m", "rtty"), 2, 2},
};

TEST_F(CheckCallTest, AnswersOnAHostWithoutVersion) {
    LogThreeQsos(nullptr);
    for (const CheckCase& c : kCheckCases) {
        EXPECT_EQ(host::CheckCall(m_api, c.check), c.zolt) << c.name;
    }
}

TEST_F(CheckCallTest, AnswersOnHost220) {
    LogThreeQsos("[Zolt]\r\nZolt=2.20\r\n");
    for (const CheckCase& c : kCheckCases) {
        EXPECT_EQ(host::CheckCall(m_api, c.check), c.v220) << c.name;
    }
}

TEST_F(CheckCallTest, NotCheckableAnswerByHostVersion) {
    const struct {
        const char* line;
        int answer;
    } versions[] = {{"Zolt=2.19", 1}, {"Zolt=2.20", 1},  {"Zolt=2.18", 4},
                    {"Zolt=2.2", 4},  {"Zolt=2.20 ", 4}, {"Zolt=", 4}};
    for (const auto& version : versions) {
        WriteWholeFile("Zolt2.ini", std::string(version.line) + "\r\n");
        host::ResetStats(m_api, {});
        EXPECT_EQ(host::CheckCall(m_api, Typed("OH1AA", "OH", "160m")), version.answer)
            << version.line;
    }
}

TEST_F(CheckCallTest, RemovedQsosNoLongerCount) {
    LogThreeQsos(nullptr);
    host::Qso first;
    host::Remove(m_api, first);
    EXPECT_EQ(host::CheckCall(m_api, Typed("UA9XX", "UA9")), 2);
    host::Add(m_api, first);
    host::Add(m_api, first);  // a duplicate of it
    host::Remove(m_api, first);
    EXPECT_EQ(host::CheckCall(m_api, Typed("UA9XX", "UA9")), 0) << "the duplicate stays";
}

TEST_F(CheckCallTest, HandsOverOneWindowUpdateUntilTheUiAsksAgain) {
    // The first reset in a fresh folder starts the UI thread.
    host::ResetStats(m_api, {});
    ASSERT_EQ(platform::headless::TakeUiRecord().starts, 1);
    host::CheckCall(m_api, Typed("OH1AA", "OH"));
    host::CheckCall(m_api, Typed("OH1AB", "OH"));
    EXPECT_EQ(platform::headless::TakeUiRecord().postedUpdates, 1);
    {
        std::lock_guard<std::mutex> hold(g_stateLock);
        EXPECT_EQ(g_updatePending, 0);
        g_updatePending = 1;  // what the window-update handler does when it ends
    }
    host::CheckCall(m_api, Typed("OH1AA", "OH", "160m"));  // even when not checkable
    EXPECT_EQ(platform::headless::TakeUiRecord().postedUpdates, 1);
}

TEST_F(CheckCallTest, NothingIsPostedWithoutASetupWindow) {
    host::ResetStats(m_api, {});
    platform::headless::CloseSetupWindow();
    platform::headless::TakeUiRecord();
    host::CheckCall(m_api, Typed("OH1AA", "OH"));
    EXPECT_EQ(platform::headless::TakeUiRecord().postedUpdates, 0);
    std::lock_guard<std::mutex> hold(g_stateLock);
    EXPECT_EQ(g_updatePending, 1);
}

TEST_F(CheckCallTest, OutputBuffersAreNeverWritten) {
    host::ResetStats(m_api, {});
    char first[16] = "keep";
    char second[16] = "keep";
    EXPECT_EQ(m_api.checkCall("OH1AA", 0, 0, "RTTY", "", "", "", "", "", "", "", "", "", "OH", 0, 0,
                              0, 0.0, 0.0, "", "EU", "", "", "", "20m", "20m", first, second),
              2);
    EXPECT_STREQ(first, "keep");
    EXPECT_STREQ(second, "keep");
}

}  // namespace
