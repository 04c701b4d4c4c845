#include "ui/setup_choices.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct PositionCase {
    const char* name;
    const char* stored;
    int position;
};

const PositionCase kPositionCases[] = {
    {"Missing", "", 10},          {"Zero", "0", 10},          {"Kept", "245", 245},
    {"NegativeKept", "-20", -20}, {"NonNumeric", "left", 10}, {"LeadingDigits", "37px", 37},
    {"MinusZero", "-0", 10},
};

class SetupPositionTest : public testing::TestWithParam<PositionCase> {};

TEST_P(SetupPositionTest, FromSetting) {
    EXPECT_EQ(SetupPositionFromSetting(GetParam().stored), GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(Positions, SetupPositionTest, testing::ValuesIn(kPositionCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ModeCase {
    const char* name;
    const char* stored;
    ModeChoice choice;
};

const ModeCase kModeCases[] = {
    {"Missing", "", ModeChoice::Rtty},
    {"Rtty", "RTTY", ModeChoice::Rtty},
    {"Bpsk63", "BPSK63", ModeChoice::Bpsk63},
    {"Bpsk63LowerCase", "bpsk63", ModeChoice::None},
    {"RttyLowerCase", "rtty", ModeChoice::None},
    {"HostModeName", "BPSK31", ModeChoice::None},
    {"TrailingBlank", "RTTY ", ModeChoice::None},
};

class ModeRestoreTest : public testing::TestWithParam<ModeCase> {};

TEST_P(ModeRestoreTest, Decision) {
    EXPECT_EQ(ModeToRestore(GetParam().stored), GetParam().choice);
}

INSTANTIATE_TEST_SUITE_P(Modes, ModeRestoreTest, testing::ValuesIn(kModeCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
