// Whatever the host passes, nothing crashes and nothing is corrupted: null
// texts, huge texts, bytes above 127, and dates that cannot be formatted.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/engine_fixture.h"

namespace {

using RobustnessTest = EngineTest;

TEST_F(RobustnessTest, UnformattableDatesGiveInvalidDateTime) {
    const struct {
        const char* name;
        COleDateTime time;
        const char* text;
    } cases[] = {
        {"NaN", COleDateTime(std::nan(""), 0), "Invalid DateTime"},
        {"infinity", COleDateTime(std::numeric_limits<double>::infinity(), 0), "Invalid DateTime"},
        {"huge", COleDateTime(1e300, 0), "Invalid DateTime"},
        {"negative huge", COleDateTime(-1e300, 0), "Invalid DateTime"},
        {"invalid status", COleDateTime(43418.0, COleDateTime::invalid), "Invalid DateTime"},
        {"unknown status", COleDateTime(43418.0, 7), "Invalid DateTime"},
        {"before 1899", COleDateTime(-1.5, 0), "1899-12-29 1200"},
        {"null", COleDateTime(0, COleDateTime::null), ""},
    };
    host::ResetStats(m_api, {});
    for (const auto& c : cases) {
        host::Qso qso;
        qso.time = c.time;
        qso.band = "160m";
        EXPECT_EQ(host::Add(m_api, qso), 0) << c.name;
        EXPECT_EQ(BadQsoLines().back(), std::string("QSO: 14080  RTTY  ") + c.text +
                                            "  DL1AA  599  1  UA9XX  599  12   WRONG BAND !!!")
            << c.name;
        EXPECT_EQ(host::Remove(m_api, qso), 1) << c.name;
        EXPECT_EQ(BadQsoLines().size(), 1u) << c.name;
    }

    host::Reset reset;
    reset.start = COleDateTime(std::nan(""), 0);
    reset.end = std::nullopt;
    host::ResetStats(m_api, reset);
    EXPECT_EQ(BadQsoFile(), "BadQSO_StatsKVZDIGI_.txt");
    std::lock_guard<std::mutex> hold(g_stateLock);
    EXPECT_EQ(g_startYear, "Invalid DateTime");
    EXPECT_EQ(g_endDate, "");
}

TEST_F(RobustnessTest, NullTextsCountAsEmpty) {
    NativeApi& api = m_api;
    EXPECT_EQ(api.resetStats(nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                             nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0,
                             0.0, 0.0, nullptr, nullptr, nullptr),
              1);
    EXPECT_EQ(BadQsoFile(), "BadQSO_StatsKVZDIGI_.txt");
    host::Qso empty;
    empty = host::Qso{nullptr, nullptr, std::nullopt, 0,       nullptr, nullptr,
                      nullptr, nullptr, nullptr,      nullptr, nullptr, nullptr};
    EXPECT_EQ(host::Add(m_api, empty), 0);
    EXPECT_EQ(BadQsoLines().back(), "QSO:  0" + std::string(16, ' ') + "   WRONG BAND !!!");
    EXPECT_EQ(host::Remove(m_api, empty), 1);
    EXPECT_EQ(BadQsoLines().size(), 2u) << "no call given: every line stays";
    host::Check check{nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
    EXPECT_EQ(host::CheckCall(m_api, check), 4);
    EXPECT_EQ(host::IsValidExchange(m_api, nullptr), 0);
}

TEST_F(RobustnessTest, MegabyteTextsAndHighBytes) {
    host::ResetStats(m_api, {});
    const std::string huge(1 << 20, 'W');
    const std::string cyrillic = "\xD0\xC0\xC7\xC2\xC5\xC4\xCA\xC0";  // 8 bytes of code page 1251
    host::Qso qso;
    qso.call = huge.c_str();
    qso.exchangeReceived = cyrillic.c_str();
    qso.dxccPrefix = huge.c_str();
    EXPECT_EQ(host::Add(m_api, qso), 1);
    EXPECT_EQ(host::Add(m_api, qso), 1);
    const std::vector<std::string> lines = BadQsoLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].size(),
              std::string("QSO: 14080  RTTY  2018-11-14 1025  DL1AA  599  1  ").size() +
                  huge.size() + std::string("  599  ").size() + cyrillic.size() +
                  std::string("   DUPE !!!").size());
    EXPECT_EQ(Log().at(0).exchangeReceived, cyrillic);

    host::Check check;
    check.call = huge.c_str();
    EXPECT_EQ(host::CheckCall(m_api, check), 0);
    check.call = "OTHER";
    check.dxccPrefix = huge.c_str();
    EXPECT_EQ(host::CheckCall(m_api, check), 1);
    EXPECT_EQ(host::IsValidExchange(m_api, huge.c_str()), 0);

    host::Remove(m_api, qso);
    EXPECT_EQ(Log().size(), 1u);
    EXPECT_EQ(BadQsoLines().size(), 1u);
}

}  // namespace
