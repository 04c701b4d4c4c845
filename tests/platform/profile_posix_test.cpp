// The Linux stand-in for the private-profile functions must answer exactly as
// Windows does for everything the plug-in asks of it. The shared cases run
// under Wine against the real functions too.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/platform.h"
#include "platform/profile_cases.h"
#include "support/temp_dir.h"

namespace {

class SharedProfileCase : public testing::TestWithParam<ProfileCase> {};

TEST_P(SharedProfileCase, AnswersAsWindowsDoes) {
    ScopedWorkingDirectory dir;
    for (const std::string& difference : RunProfileCase(GetParam())) {
        ADD_FAILURE() << difference;
    }
}

INSTANTIATE_TEST_SUITE_P(Settings, SharedProfileCase, testing::ValuesIn(ProfileCases()),
                         [](const auto& info) { return info.param.name; });

// Windows edits the file's text in place, so blank lines and comments between
// sections survive a write.
TEST(Profile, KeepsTheRestOfTheFileAsItWas) {
    ScopedWorkingDirectory dir;
    std::filesystem::create_directory("Plugins");
    WriteWholeFile("Plugins/KVZ-DIGI.ini",
                   "; written by hand\r\n[Settings]\r\nMode=RTTY\r\n\r\n[Other]\r\nStart=9\r\n");
    ASSERT_TRUE(platform::WriteProfileText(kProfileIni, "Settings", "Start", "0"));
    EXPECT_EQ(
        ReadWholeFile("Plugins/KVZ-DIGI.ini"),
        "; written by hand\r\n[Settings]\r\nMode=RTTY\r\nStart=0\r\n\r\n[Other]\r\nStart=9\r\n");
}

TEST(FileSearch, MatchesTheLastComponentIgnoringCase) {
    ScopedWorkingDirectory dir;
    std::filesystem::create_directory("Zolt");
    WriteWholeFile("Zolt/Zolt2.ini", "Zolt=2.20\n");
    WriteWholeFile("Zolt/other.INI", "");
    WriteWholeFile("Zolt/readme.txt", "");
    WriteWholeFile("ZoltSetup.ini", "");

    EXPECT_EQ(platform::FindFileNames("Zolt\\*.ini"),
              (std::vector<std::string>{"Zolt2.ini", "other.INI"}));
    // The host folder is used as given: without a separator the pattern looks
    // beside the folder, not inside it.
    EXPECT_EQ(platform::FindFileNames("Zolt*.ini"), (std::vector<std::string>{"ZoltSetup.ini"}));
    EXPECT_TRUE(platform::FindFileNames("missing\\*.ini").empty());
    EXPECT_TRUE(platform::FindFileNames("Zolt\\*.cfg").empty());
}

}  // namespace
