#include "engine/bands_modes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(BandIndex, FollowsTheBandPlanExactly) {
    const struct {
        const char* band;
        int index;
    } cases[] = {{"160m", 0}, {"80m", 1},  {"40m", 2}, {"20m", 3},  {"15m", 4},
                 {"10m", 5},  {"80M", -1}, {"", -1},   {"30m", -1}, {"6m", -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(BandIndex(c.band), c.index) << c.band;
    }
}

TEST(ModeIndex, FollowsTheModeTableExactly) {
    EXPECT_EQ(ModeIndex("RTTY"), 0);
    EXPECT_EQ(ModeIndex("BPSK63"), 1);
    EXPECT_EQ(ModeIndex("rtty"), -1);
    EXPECT_EQ(ModeIndex("BPSK31"), -1);
    EXPECT_EQ(ModeIndex(""), -1);
}

TEST(MultiplierListIndex, AddressesTwelveLists) {
    EXPECT_EQ(MultiplierListIndex(BandIndex("20m"), ModeIndex("BPSK63")), 7);
    EXPECT_EQ(MultiplierListIndex(BandIndex("160m"), ModeIndex("RTTY")), 0);
    EXPECT_EQ(MultiplierListIndex(BandIndex("10m"), ModeIndex("BPSK63")), 11);
    EXPECT_EQ(kMultiplierListCount, 12u);
}

TEST(BandNames, SixRowLabelsWithoutTopBand) {
    ASSERT_EQ(kBandCount, 6u);
    const char* expected[] = {"80m", "80m", "40m", "20m", "15m", "10m"};
    for (std::size_t i = 0; i < kBandCount; ++i) {
        EXPECT_EQ(std::string(kBandNames[i]), expected[i]) << i;
    }
}

}  // namespace
