#include "framework/ole_date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <limits>

namespace {

constexpr double kMinute = 1.0 / 1440.0;
constexpr double k14Nov2018 = 43418.0;

struct FormatCase {
    const char* name;
    double days;
    const char* pattern;
    const char* expected;
};

const FormatCase kFormatCases[] = {
    {"qso_time", k14Nov2018 + (10 * 60 + 25) * kMinute, "%Y-%m-%d %H%M", "2018-11-14 1025"},
    {"start_day_month", k14Nov2018, "%d.%m", "14.11"},
    {"start_year", k14Nov2018, "%Y", "2018"},
    {"end_date", k14Nov2018, "%d.%m.%Y", "14.11.2018"},
    {"file_date", k14Nov2018, "%d_%m_%Y", "14_11_2018"},
    {"seconds_and_percent", k14Nov2018 + 61.0 / 86400.0, "%H:%M:%S 100%%", "00:01:01 100%"},
    {"unknown_directive_kept", k14Nov2018, "%q%Y", "%q2018"},
    {"leap_day_2020", 43890.0, "%Y-%m-%d", "2020-02-29"},
    {"leap_day_2000", 36585.0, "%Y-%m-%d", "2000-02-29"},
    {"no_leap_day_1900", 61.0, "%Y-%m-%d", "1900-03-01"},
    {"epoch", 0.0, "%Y-%m-%d %H%M", "1899-12-30 0000"},
    // Before the epoch the fraction still runs forwards from midnight.
    {"before_epoch", -1.25, "%Y-%m-%d %H%M", "1899-12-29 0600"},
    // Rounded to the nearest second, so a hair before midnight is the next day.
    {"midnight_rounding", k14Nov2018 + 1.0 - 1e-9, "%Y-%m-%d %H%M", "2018-11-15 0000"},
    {"last_second_stays", k14Nov2018 + 1.0 - 1.0 / 86400.0, "%H:%M:%S", "23:59:59"},
    {"first_day", -657434.0, "%Y-%m-%d", "100-01-01"},
    {"last_day", 2958465.0, "%Y-%m-%d", "9999-12-31"},
};

class FormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, FormatsLikeStrftime) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(COleDateTime(c.days, COleDateTime::valid).Format(c.pattern), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Dates, FormatTest, testing::ValuesIn(kFormatCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct UnformattableCase {
    const char* name;
    double days;
    std::int32_t status;
    const char* expected;
};

const UnformattableCase kUnformattable[] = {
    {"null_status", k14Nov2018, COleDateTime::null, ""},
    {"invalid_status", k14Nov2018, COleDateTime::invalid, "Invalid DateTime"},
    {"unknown_status", k14Nov2018, 7, "Invalid DateTime"},
    {"negative_status", k14Nov2018, -1, "Invalid DateTime"},
    {"nan", std::nan(""), COleDateTime::valid, "Invalid DateTime"},
    {"infinity", std::numeric_limits<double>::infinity(), COleDateTime::valid, "Invalid DateTime"},
    {"minus_infinity", -std::numeric_limits<double>::infinity(), COleDateTime::valid,
     "Invalid DateTime"},
    {"after_year_9999", 2958466.0, COleDateTime::valid, "Invalid DateTime"},
    {"before_year_100", -657435.0, COleDateTime::valid, "Invalid DateTime"},
    {"huge", 1e300, COleDateTime::valid, "Invalid DateTime"},
};

class UnformattableTest : public testing::TestWithParam<UnformattableCase> {};

TEST_P(UnformattableTest, GivesFixedText) {
    const UnformattableCase& c = GetParam();
    COleDateTime value(c.days, c.status);
    EXPECT_EQ(value.Format("%Y-%m-%d %H%M"), c.expected);
    EXPECT_FALSE(value.IsFormattable());
}

INSTANTIATE_TEST_SUITE_P(Dates, UnformattableTest, testing::ValuesIn(kUnformattable),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OleDateTime, HasTheHostsLayout) {
    EXPECT_EQ(sizeof(COleDateTime), 16u);
    EXPECT_EQ(offsetof(COleDateTime, m_dt), 0u);
    EXPECT_EQ(offsetof(COleDateTime, m_status), 8u);
    COleDateTime fresh;
    EXPECT_EQ(fresh.m_dt, 0.0);
    EXPECT_EQ(fresh.m_status, COleDateTime::valid);
}

TEST(OleDateTime, NullPointerReadsAsNullDate) {
    COleDateTime copied = COleDateTime::CopyFrom(nullptr);
    EXPECT_EQ(copied.m_status, COleDateTime::null);
    EXPECT_EQ(copied.Format("%Y"), "");
    COleDateTime source(k14Nov2018, COleDateTime::valid);
    EXPECT_EQ(COleDateTime::CopyFrom(&source).Format("%d.%m.%Y"), "14.11.2018");
}

TEST(OleDateTime, NullPatternGivesEmptyText) {
    EXPECT_EQ(COleDateTime(k14Nov2018, COleDateTime::valid).Format(nullptr), "");
}

}  // namespace
