#include "engine/contest_rules.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/contest_state.h"

namespace {

struct MembershipCase {
    const CContestRules* rules;
    const char* text;
    bool member;
};

class MembershipTest : public testing::TestWithParam<MembershipCase> {};

TEST_P(MembershipTest, IgnoresCaseOnly) {
    const MembershipCase& c = GetParam();
    EXPECT_EQ(c.rules->Contains(c.text), c.member) << '"' << c.text << '"';
}

std::string CaseName(const testing::TestParamInfo<MembershipCase>& info) {
    return std::to_string(info.index) + (info.param.member ? "_member" : "_not_member");
}

INSTANTIATE_TEST_SUITE_P(
    Bands, MembershipTest,
    testing::Values(MembershipCase{&g_bands, "80m", true}, MembershipCase{&g_bands, "80M", true},
                    MembershipCase{&g_bands, "40m", true}, MembershipCase{&g_bands, "20M", true},
                    MembershipCase{&g_bands, "15m", true}, MembershipCase{&g_bands, "10m", true},
                    MembershipCase{&g_bands, "160m", false}, MembershipCase{&g_bands, "", false},
                    MembershipCase{&g_bands, "30m", false}, MembershipCase{&g_bands, "80m ", false},
                    MembershipCase{&g_bands, "80", false}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Modes, MembershipTest,
                         testing::Values(MembershipCase{&g_modes, "RTTY", true},
                                         MembershipCase{&g_modes, "rtty", true},
                                         MembershipCase{&g_modes, "Bpsk63", true},
                                         MembershipCase{&g_modes, "BPSK31", false},
                                         MembershipCase{&g_modes, "CW", false},
                                         MembershipCase{&g_modes, "", false}),
                         CaseName);

TEST(ContestRules, FoldsCyrillicOfCodePage1251) {
    // "ТЕСТ" and "тест", "Ёж" and "ёж", "Її" and "її" in code page 1251.
    const char* table[] = {"\xD2\xC5\xD1\xD2", "\xA8\xE6", "\xAF\xBF"};
    CContestRules rules(table, 3);
    EXPECT_TRUE(rules.Contains("\xF2\xE5\xF1\xF2"));
    EXPECT_TRUE(rules.Contains("\xB8\xE6"));
    EXPECT_TRUE(rules.Contains("\xBF\xBF"));
    EXPECT_FALSE(rules.Contains("\xF2\xE5\xF1"));  // shorter
    // Letters that only look alike are different letters: Latin "E" is not Cyrillic "Е".
    EXPECT_FALSE(
        rules.Contains("\xD2"
                       "E"
                       "\xD1\xD2"));
}

TEST(ContestRules, KeepsTableOrderAndDuplicates) {
    EXPECT_EQ(g_bands.GetSize(), 6u);
    EXPECT_EQ(g_bands.GetAt(0), "80m");
    EXPECT_EQ(g_bands.GetAt(1), "80m");
    EXPECT_EQ(g_bands.GetAt(5), "10m");
    EXPECT_EQ(g_modes.GetSize(), 2u);
    EXPECT_EQ(g_modes.GetAt(1), "BPSK63");
}

TEST(ContestRules, EmptySetContainsNothing) {
    CContestRules empty;
    EXPECT_FALSE(empty.Contains(""));
    EXPECT_FALSE(empty.Contains("RTTY"));
}

}  // namespace
