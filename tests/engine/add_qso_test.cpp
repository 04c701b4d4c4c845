// AddData0 as the host calls it: rejections, duplicates, and the record the
// log keeps.

#include <gtest/gtest.h>

#include "engine/engine_fixture.h"

namespace {

using AddQsoTest = EngineTest;

struct RejectCase {
    const char* name;
    host::Qso qso;
    const char* reason;
};

host::Qso With(void (*change)(host::Qso&)) {
    host::Qso qso;
    change(qso);
    return qso;
}

TEST_F(AddQsoTest, RejectedQsosAreReportedOnceWithTheFirstReason) {
    const RejectCase cases[] = {
        {"160m", With([](host::Qso& q) { q.band = "160m"; }), "   WRONG BAND !!!"},
        {"2m", With([](host::Qso& q) { q.band = "2m"; }), "   WRONG BAND !!!"},
        {"no band", With([](host::Qso& q) { q.band = ""; }), "   WRONG BAND !!!"},
        {"null band", With([](host::Qso& q) { q.band = nullptr; }), "   WRONG BAND !!!"},
        {"band and mode", With([](host::Qso& q) {
             q.band = "160m";
             q.mode = "CW";
         }),
         "   WRONG BAND !!!"},
        {"mode", With([](host::Qso& q) { q.mode = "PSK31"; }), "   WRONG MODE !!!"},
        {"no received", With([](host::Qso& q) { q.exchangeReceived = ""; }), "   NO RX NUMBER !!!"},
        {"no sent", With([](host::Qso& q) { q.exchangeSent = ""; }), "   NO RX NUMBER !!!"},
    };
    host::ResetStats(m_api, {});
    std::vector<std::string> expected = {"KVZ DIGI Contest UBN file "};
    for (const RejectCase& c : cases) {
        EXPECT_EQ(host::Add(m_api, c.qso), 0) << c.name;
        const std::string band = c.qso.band != nullptr ? c.qso.band : "";
        expected.push_back("QSO: 14080  " + std::string(c.qso.mode) +
                           "  2018-11-14 1025  DL1AA  599  " + c.qso.exchangeSent +
                           "  UA9XX  599  " + c.qso.exchangeReceived + c.reason);
    }
    EXPECT_EQ(BadQsoLines(), expected);
    EXPECT_TRUE(Log().empty());
    std::lock_guard<std::mutex> hold(g_stateLock);
    EXPECT_TRUE(g_workedBands.empty());
}

TEST_F(AddQsoTest, DuplicatesAreSameCallBandAndModeExactly) {
    host::ResetStats(m_api, {});
    struct Step {
        const char* call;
        const char* band;
        const char* mode;
        int minute;
        bool dupe;
    };
    const Step steps[] = {
        {"UA9XX", "20m", "RTTY", 0, false},
        {"UA9XX", "20m", "RTTY", 1, true},   // same call, band and mode
        {"UA9XX", "20m", "RTTY", 2, true},   // a third: one more line
        {"UA9XX", "20M", "RTTY", 3, false},  // band text differs in case
        {"UA9XX", "20M", "RTTY", 4, true},
        {"ua9xx", "20m", "RTTY", 5, false},    // call differs in case
        {"UA9XX", "40m", "RTTY", 6, false},    // other band
        {"UA9XX", "20m", "BPSK63", 7, false},  // other mode
        {"UA9XX", "20m", "bpsk63", 8, false},  // mode differs in case
    };
    std::size_t dupeLines = 0;
    for (const Step& step : steps) {
        host::Qso qso;
        qso.call = step.call;
        qso.band = step.band;
        qso.mode = step.mode;
        qso.time = COleDateTime(host::OleDays(2018, 11, 14, 12, step.minute), 0);
        EXPECT_EQ(host::Add(m_api, qso), 1) << step.minute;
        const std::vector<CInfo> log = Log();
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(log.back().dupe, step.dupe ? 1 : 0) << step.minute;
        EXPECT_EQ(log.back().invalid, step.dupe ? 1 : 0) << step.minute;
        if (step.dupe)
            ++dupeLines;
        EXPECT_EQ(BadQsoLines().size(), 1 + dupeLines) << step.minute;
    }
    EXPECT_EQ(BadQsoLines()[1],
              "QSO: 14080  RTTY  2018-11-14 1201  DL1AA  599  1  UA9XX  599  12   DUPE !!!");
    std::lock_guard<std::mutex> hold(g_stateLock);
    EXPECT_EQ(g_workedBands, (StringList{"20m", "20M", "40m"}));
}

TEST_F(AddQsoTest, RecordKeepsHostTextsAndNormalisedExchanges) {
    host::ResetStats(m_api, {});
    host::Qso plain;
    plain.frequencyHz = 3599999;
    plain.band = "80M";
    plain.exchangeSent = "5";
    plain.exchangeReceived = "12";
    ASSERT_EQ(host::Add(m_api, plain), 1);

    host::Qso member;
    member.call = "RK9AX";
    member.exchangeReceived = "12KVZ";
    member.dxccPrefix = "UA9";
    ASSERT_EQ(host::Add(m_api, member), 1);

    const std::vector<CInfo> log = Log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].frequencyKhz, 3599u);
    EXPECT_EQ(log[0].band, "80M");
    EXPECT_EQ(log[0].mode, "RTTY");
    EXPECT_EQ(log[0].continent, "AS");
    EXPECT_EQ(log[0].rstSent, "599");
    EXPECT_EQ(log[0].exchangeSent, "05");
    EXPECT_EQ(log[0].exchangeReceived, "0012");
    EXPECT_EQ(log[0].dxccPrefix, "UA9");
    EXPECT_EQ(log[0].clubMultiplier, "");
    EXPECT_EQ(log[0].clubMember, 0);
    EXPECT_EQ(log[0].time.m_dt, host::OleDays(2018, 11, 14, 10, 25));
    EXPECT_EQ(log[1].exchangeReceived, "0012 KVZ");
    EXPECT_EQ(log[1].clubMember, 1);
    EXPECT_EQ(log[1].clubMultiplier, "UA9_T");
    EXPECT_EQ(log[1].dxccPrefix, "");
    EXPECT_EQ(BadQsoLines().size(), 1u);
}

TEST_F(AddQsoTest, MemberOperatorSendsTheClubSuffix) {
    WriteWholeFile("Plugins/KVZ-DIGI.ini", "[Settings]\r\nsetup_KVZ=1\r\n");
    host::ResetStats(m_api, {});
    host::Qso qso;
    qso.exchangeSent = "5";
    ASSERT_EQ(host::Add(m_api, qso), 1);
    EXPECT_EQ(Log().at(0).exchangeSent, "05 KVZ");
}

TEST_F(AddQsoTest, BeforeAnyResetNothingIsWrittenButQsosAreTaken) {
    host::Qso dupe;
    EXPECT_EQ(host::Add(m_api, dupe), 1);
    EXPECT_EQ(host::Add(m_api, dupe), 1);
    host::Qso wrong;
    wrong.band = "160m";
    EXPECT_EQ(host::Add(m_api, wrong), 0);
    EXPECT_EQ(Log().size(), 2u);
    EXPECT_TRUE(std::filesystem::is_empty(m_folder.Path() / "Plugins"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

}  // namespace
