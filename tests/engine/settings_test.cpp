#include "engine/settings.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(Settings, NumbersFromTheLeadingSignAndDigits) {
    const struct {
        const char* text;
        int number;
    } cases[] = {
        {"", 0},
        {"0", 0},
        {"1", 1},
        {"-20", -20},
        {"+7", 7},
        {" 12", 12},
        {"12abc", 12},
        {"abc", 0},
        {"-", 0},
        {"1.5", 1},
        {"0x10", 0},
        {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseSettingNumber(c.text), c.number) << c.text;
}

}  // namespace
