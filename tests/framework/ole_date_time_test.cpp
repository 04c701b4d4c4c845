#include "framework/ole_date_time.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "framework/date_cases.h"

namespace {

class FormatTest : public testing::TestWithParam<DateCase> {};

TEST_P(FormatTest, FormatsLikeStrftime) {
    const DateCase& c = GetParam();
    COleDateTime value(c.days, c.status);
    EXPECT_EQ(value.Format(c.pattern), c.expected);
    bool formattable =
        std::string(c.expected) != "" && std::string(c.expected) != "Invalid DateTime";
    EXPECT_EQ(value.IsFormattable(), formattable);
}

INSTANTIATE_TEST_SUITE_P(Dates, FormatTest, testing::ValuesIn(kDateCases),
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
    COleDateTime source(date_cases::k14Nov2018, COleDateTime::valid);
    EXPECT_EQ(COleDateTime::CopyFrom(&source).Format("%d.%m.%Y"), "14.11.2018");
}

TEST(OleDateTime, NullPatternGivesEmptyText) {
    EXPECT_EQ(COleDateTime(date_cases::k14Nov2018, COleDateTime::valid).Format(nullptr), "");
}

}  // namespace
