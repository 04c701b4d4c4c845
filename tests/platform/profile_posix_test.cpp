// The Linux stand-in for the private-profile functions must answer exactly as
// Windows does for everything the plug-in asks of it.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/platform.h"
#include "support/temp_dir.h"

namespace {

const std::string kIni = "Plugins\\KVZ-DIGI.ini";

class ProfileTest : public testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directory("Plugins"); }
    std::string Read(const std::string& key, const std::string& fallback = "",
                     std::size_t size = 100) {
        return platform::ReadProfileString(kIni, "Settings", key, fallback, size);
    }
    std::string FileBytes() { return ReadWholeFile(m_dir.Path() / "Plugins" / "KVZ-DIGI.ini"); }
    ScopedWorkingDirectory m_dir;
};

TEST_F(ProfileTest, MissingFileGivesTheDefault) {
    EXPECT_EQ(Read("Start"), "");
    EXPECT_EQ(Read("Start", "7"), "7");
    EXPECT_EQ(Read("Start", "abc   "), "abc");  // trailing blanks of the default go
}

TEST_F(ProfileTest, FirstWriteCreatesFileAndSectionWithCrLf) {
    ASSERT_TRUE(platform::WriteProfileString(kIni, "Settings", "Start", "1"));
    EXPECT_EQ(FileBytes(), "[Settings]\r\nStart=1\r\n");
    EXPECT_EQ(Read("Start"), "1");
}

TEST_F(ProfileTest, LookupIgnoresCaseOfSectionAndKey) {
    WriteWholeFile("Plugins/KVZ-DIGI.ini", "[settings]\nSETUP_kvz = 1 \n");
    EXPECT_EQ(Read("setup_KVZ"), "1");
    EXPECT_EQ(platform::ReadProfileString(kIni, "SETTINGS", "Setup_Kvz", "", 100), "1");
    EXPECT_EQ(platform::ReadProfileString(kIni, "Other", "setup_KVZ", "d", 100), "d");
}

TEST_F(ProfileTest, RewritesAKeyInPlaceAndKeepsTheRest) {
    WriteWholeFile("Plugins/KVZ-DIGI.ini",
                   "[Settings]\r\nMode=RTTY\r\nStart=1\r\n\r\n[Other]\r\nStart=9\r\n");
    ASSERT_TRUE(platform::WriteProfileString(kIni, "SETTINGS", "start", "0"));
    EXPECT_EQ(FileBytes(), "[Settings]\r\nMode=RTTY\r\nStart=0\r\n\r\n[Other]\r\nStart=9\r\n");
    ASSERT_TRUE(platform::WriteProfileString(kIni, "Settings", "DXCC", "1"));
    EXPECT_EQ(FileBytes(),
              "[Settings]\r\nMode=RTTY\r\nStart=0\r\nDXCC=1\r\n\r\n[Other]\r\nStart=9\r\n");
    EXPECT_EQ(platform::ReadProfileString(kIni, "Other", "Start", "", 100), "9");
}

TEST_F(ProfileTest, NewSectionGoesAfterTheOthers) {
    WriteWholeFile("Plugins/KVZ-DIGI.ini", "[Other]\r\nA=1\r\n");
    ASSERT_TRUE(platform::WriteProfileString(kIni, "Settings", "Claimed", "1234"));
    EXPECT_EQ(FileBytes(), "[Other]\r\nA=1\r\n[Settings]\r\nClaimed=1234\r\n");
}

TEST_F(ProfileTest, BufferSizeCutsTheValue) {
    std::string longValue(150, 'x');
    ASSERT_TRUE(platform::WriteProfileString(kIni, "Settings", "SOAPBOX", longValue));
    EXPECT_EQ(Read("SOAPBOX"), std::string(99, 'x'));
    EXPECT_EQ(Read("SOAPBOX", "", 50), std::string(49, 'x'));
    EXPECT_EQ(Read("SOAPBOX", "", 1), "");
    EXPECT_EQ(Read("SOAPBOX", "", 0), "");
    EXPECT_EQ(Read("missing", std::string(120, 'd'), 100), std::string(99, 'd'));
}

TEST_F(ProfileTest, MatchingQuotesAreStripped) {
    WriteWholeFile("Plugins/KVZ-DIGI.ini", "[Settings]\nA=\"quoted\"\nB='x'\nC=\"open\nD=\n");
    EXPECT_EQ(Read("A"), "quoted");
    EXPECT_EQ(Read("B"), "x");
    EXPECT_EQ(Read("C"), "\"open");
    EXPECT_EQ(Read("D", "default"), "");  // present but empty: not the default
}

TEST_F(ProfileTest, WriteIntoMissingFolderFailsAndCreatesNothing) {
    std::filesystem::remove("Plugins");
    EXPECT_FALSE(platform::WriteProfileString(kIni, "Settings", "Start", "1"));
    EXPECT_FALSE(std::filesystem::exists("Plugins"));
    EXPECT_EQ(Read("Start", "0"), "0");
}

TEST_F(ProfileTest, EncodedMultiLineValueRoundTrips) {
    std::string stored = "line one<CR><LF>line two";
    ASSERT_TRUE(platform::WriteProfileString(kIni, "Settings", "SOAPBOX", stored));
    EXPECT_EQ(Read("SOAPBOX"), stored);
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
