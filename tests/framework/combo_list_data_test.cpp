#include "framework/combo_list_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ComboDataCase {
    const char* name;
    std::string bytes;
    // Each list as its id followed by its entries joined with '|'.
    std::vector<std::string> expected;
};

std::vector<std::string> Describe(const std::vector<ComboList>& lists) {
    std::vector<std::string> described;
    for (const ComboList& list : lists) {
        std::string text = std::to_string(list.controlId) + ":";
        for (std::size_t i = 0; i < list.entries.size(); ++i)
            text += (i == 0 ? "" : "|") + list.entries[i];
        described.push_back(text);
    }
    return described;
}

// 1014 is F6 03 and 1019 FB 03, low byte first.
const std::string kTwoLists = std::string(
    "\xF6\x03"
    "HIGH\0LOW\0\0"
    "\xFB\x03"
    "ALL\0\0"
    "\0\0",
    21);

const ComboDataCase kCases[] = {
    {"TwoListsInOrder", kTwoLists, {"1014:HIGH|LOW", "1019:ALL"}},
    {"NoEndMarker", kTwoLists.substr(0, 19), {"1014:HIGH|LOW", "1019:ALL"}},
    {"ListCutInAnEntry", kTwoLists.substr(0, 17), {"1014:HIGH|LOW"}},
    {"ListWithoutClosingEntry", kTwoLists.substr(0, 18), {"1014:HIGH|LOW"}},
    {"HalfAnId", kTwoLists.substr(0, 13), {"1014:HIGH|LOW"}},
    {"EmptyList", std::string("\x10\x04\0\0\0", 5), {"1040:"}},
    {"NothingAfterTheEnd",
     std::string("\0\0\xF6\x03"
                 "X\0\0",
                 7),
     {}},
    {"NoData", std::string(), {}},
};

class ComboListDataTest : public testing::TestWithParam<ComboDataCase> {};

TEST_P(ComboListDataTest, ReadsCompleteListsOnly) {
    const ComboDataCase& c = GetParam();
    const auto* data = reinterpret_cast<const unsigned char*>(c.bytes.data());
    EXPECT_EQ(Describe(ParseComboLists(data, c.bytes.size())), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Resources, ComboListDataTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
