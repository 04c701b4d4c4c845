#include "windows/bevel_colors.h"

#include <gtest/gtest.h>

namespace {

struct RingCase {
    const char* name;
    int ring;
    int ringCount;
    int light;
    int dark;
};

const RingCase kRingCases[] = {
    // A single ring is plain white over mid grey.
    {"SingleRing", 1, 1, 255, 128},
    // The raised two-ring bevel of every button face.
    {"TwoRingsOuter", 1, 2, 255, 127},
    {"TwoRingsInner", 2, 2, 223, 85},
    // Deeper bevels keep fading inwards.
    {"FourRingsThird", 3, 4, 213, 63},
    {"FourRingsFourth", 4, 4, 207, 51},
};

class BevelRingTest : public testing::TestWithParam<RingCase> {};

TEST_P(BevelRingTest, GreyLevels) {
    const RingCase& c = GetParam();
    BevelRing greys = BevelRingGreys(c.ring, c.ringCount);
    EXPECT_EQ(greys.light, c.light);
    EXPECT_EQ(greys.dark, c.dark);
}

INSTANTIATE_TEST_SUITE_P(Rings, BevelRingTest, testing::ValuesIn(kRingCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
