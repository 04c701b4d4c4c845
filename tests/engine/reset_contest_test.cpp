// ResetStats0: a new run, the host version, the Start toggle that decides
// whether the UI thread starts, and the fresh bad-QSO file.

#include <gtest/gtest.h>

#include "engine/engine_fixture.h"
#include "engine/settings.h"

namespace {

using ResetContestTest = EngineTest;

std::string HostVersion() {
    std::lock_guard<std::mutex> hold(g_stateLock);
    return g_hostVersion;
}

TEST_F(ResetContestTest, HostVersionFromTheHostsIniFile) {
    struct Step {
        const char* name;
        const char* hostFolder;
        std::vector<std::pair<const char*, const char*>> files;  // written before the reset
        const char* version;
    };
    const Step steps[] = {
        {"no ini file at all", "", {}, "Zolt"},
        {"another ini file", "", {{"Other.ini", "Zolt=9.99\r\n"}}, "Zolt"},
        {"the host's file",
         "",
         {{"Zolt2.ini", "[Main]\r\nVersion=1\r\nZolt=2.20\r\nZolt=2.19\r\n"}},
         "2.20"},
        {"file without the key keeps it", "", {{"Zolt2.ini", "[Main]\r\n"}}, "2.20"},
        {"LF line ends", "", {{"Zolt2.ini", "Zolt=2.19\n"}}, "2.19"},
        {"key inside a line: first five characters cut",
         "",
         {{"Zolt2.ini", "# Zolt=2.18\r\n"}},
         "t=2.18"},
        // Found in the host folder but read from the current directory.
        {"found elsewhere, unreadable here keeps it",
         "host/",
         {{"host/Zolt2.ini", "Zolt=2.14\r\n"}},
         "t=2.18"},
        {"found elsewhere, read here", "host/", {{"Zolt2.ini", "Zolt=2.17\r\n"}}, "2.17"},
        {"folder without separator", "host", {}, "Zolt"},
    };
    std::filesystem::create_directory("host");
    for (const Step& step : steps) {
        if (std::string(step.name) == "found elsewhere, unreadable here keeps it") {
            std::filesystem::remove("Zolt2.ini");
        }
        for (const auto& [name, text] : step.files)
            WriteWholeFile(name, text);
        host::Reset reset;
        reset.hostFolder = step.hostFolder;
        host::ResetStats(m_api, reset);
        EXPECT_EQ(HostVersion(), step.version) << step.name;
    }
}

struct ToggleStep {
    const char* name;
    const char* version;  // host version file's value, or null for none
    int exportRequest;
    bool closeWindowFirst;
    bool starts;
    const char* startAfter;
};

TEST_F(ResetContestTest, StartKeyAlternatesAndDecidesTheUiThread) {
    const ToggleStep steps[] = {
        {"first reset starts the UI", nullptr, 0, false, true, "1"},
        {"found 1: writes 0, starts nothing", nullptr, 0, false, false, "0"},
        {"found 0 while the UI runs: nothing", nullptr, 0, false, false, "0"},
        {"found 0, UI closed: starts again", nullptr, 0, true, true, "1"},
        {"found 1 again", nullptr, 0, true, false, "0"},
        {"old host: no UI, still 1", "2.14R", 0, false, false, "1"},
        {"old host, found 1", "2.14R", 0, false, false, "0"},
        {"export never starts the UI", "2.20", 1, false, false, "0"},
        {"export again, still 0", "2.20", 1, false, false, "0"},
        {"then a plain reset starts it", "2.20", 0, false, true, "1"},
    };
    for (const ToggleStep& step : steps) {
        if (step.version != nullptr) {
            WriteWholeFile("Zolt2.ini", std::string("Zolt=") + step.version + "\r\n");
        }
        if (step.closeWindowFirst)
            platform::headless::CloseSetupWindow();
        host::Reset reset;
        reset.exportRequest = step.exportRequest;
        host::ResetStats(m_api, reset);
        EXPECT_EQ(platform::headless::TakeUiRecord().starts, step.starts ? 1 : 0) << step.name;
        EXPECT_EQ(ReadSetting("Start"), step.startAfter) << step.name;
    }
}

TEST_F(ResetContestTest, ExportRequestOpensTheHeaderDialogWithTheRunsData) {
    host::Reset reset;
    reset.exportRequest = 1;
    reset.stationCall = "UA9XX";
    host::ResetStats(m_api, reset);
    const auto shown = platform::headless::TakeHeaderDialogs();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].callsign, "UA9XX");
    std::lock_guard<std::mutex> hold(g_stateLock);
    EXPECT_EQ(g_exportMode, 1);
}

TEST_F(ResetContestTest, NewRunValues) {
    WriteWholeFile("Plugins/KVZ-DIGI.ini", "[Settings]\r\nsetup_KVZ=1x\r\n");
    host::Qso qso;
    host::ResetStats(m_api, {});
    host::Add(m_api, qso);
    host::Reset reset;
    reset.stationCall = "UA9XX";
    reset.ownContinent = "AS";
    reset.start = COleDateTime(host::OleDays(2018, 11, 3, 12, 0), 0);
    reset.end = COleDateTime(host::OleDays(2018, 11, 4, 11, 59), 0);
    host::ResetStats(m_api, reset);

    std::lock_guard<std::mutex> hold(g_stateLock);
    EXPECT_TRUE(g_log.empty());
    EXPECT_TRUE(g_workedBands.empty());
    EXPECT_EQ(g_clubMember, 1);
    EXPECT_EQ(g_stationCall, "UA9XX");
    EXPECT_EQ(g_ownContinent, "AS");
    EXPECT_EQ(g_startDayMonth, "03.11");
    EXPECT_EQ(g_startYear, "2018");
    EXPECT_EQ(g_endDate, "04.11.2018");
    EXPECT_EQ(g_badQsoFile, "BadQSO_StatsKVZDIGI_04_11_2018.txt");
    const char* labels[] = {"80m", "80m", "40m", "20m", "15m", "10m"};
    for (std::size_t row = 0; row < g_bandRows.size(); ++row) {
        EXPECT_EQ(g_bandRows[row], (StringList{labels[row], "-", "-", "-", "-"})) << row;
    }
}

TEST_F(ResetContestTest, BadQsoFileStartsWithTheTitleOnlyEveryRun) {
    host::ResetStats(m_api, {});
    host::Qso wrong;
    wrong.band = "160m";
    host::Add(m_api, wrong);
    ASSERT_EQ(BadQsoLines().size(), 2u);
    host::ResetStats(m_api, {});
    EXPECT_EQ(ReadWholeFile("BadQSO_StatsKVZDIGI_14_11_2018.txt"),
              "KVZ DIGI Contest UBN file \r\n");
}

TEST_F(ResetContestTest, RussianTextsOnceARussianPrefixWasSeen) {
    const struct {
        const char* prefix;
        int russian;
    } steps[] = {{"DL", 0}, {"ua9", 0}, {"UA2/F", 0}, {"UA9", 1}, {"DL", 1}};
    for (const auto& step : steps) {
        host::Reset reset;
        reset.ownDxccPrefix = step.prefix;
        host::ResetStats(m_api, reset);
        std::lock_guard<std::mutex> hold(g_stateLock);
        EXPECT_EQ(g_russianUi, step.russian) << step.prefix;
    }
}

TEST_F(ResetContestTest, EveryRussianPrefix) {
    for (const char* prefix : {"UA", "UA2", "UA2/f", "UA9", "UN", "UR", "EU"}) {
        {
            std::lock_guard<std::mutex> hold(g_stateLock);
            g_russianUi = 0;
        }
        host::Reset reset;
        reset.ownDxccPrefix = prefix;
        host::ResetStats(m_api, reset);
        std::lock_guard<std::mutex> hold(g_stateLock);
        EXPECT_EQ(g_russianUi, 1) << prefix;
    }
}

}  // namespace
