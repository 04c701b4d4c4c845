#include <gtest/gtest.h>

#include "engine/settings.h"
#include "reports/report_fixture.h"

namespace {

using ScoreSummaryTest = ReportTest;

const char kPageHead[] =
    "<html><head><style>table{ width:100%; }table, th, td{ border: 1px solid black; "
    "border-collapse: collapse; }th, td{ padding: 1px; text-align: middle; }th,td{ "
    "background-color: #fffac6; color: black; }</style></head><body>";
const char kPageHeadingRow[] =
    "<tr><th>Band</th><th>QSOs</th><th>Points</th><th>DXCC</th><th>RTTY</th><th>BPSK63</th></"
    "tr>";
const char kPageEnd[] =
    "</table><h6 align=right>Scored by Stats.dll, the KVZ DIGI Contest plug-in</h6></body></html>";

std::string PageBandRow(const char* band, int qsos, int points, int dxcc, int rtty, int bpsk) {
    return std::string("<tr><th><center>") + band + "</center></th><td><center>" +
           std::to_string(qsos) + "</center></td><td><center>" + std::to_string(points) +
           "</center></td><td><center>" + std::to_string(dxcc) + "</center></td><td><center>" +
           std::to_string(rtty) + "</center></td><td><center>" + std::to_string(bpsk) +
           "</center></td></tr>";
}

TEST_F(ScoreSummaryTest, EmptyLogGivesHeaderAndZeroTotalsWithTheRejectedCount) {
    StartContest();
    host::Qso rejected = QsoAt("UA9XX", "UA9", "AS", "160m", "RTTY", 10, 0);
    EXPECT_EQ(host::Add(m_api, rejected), 0);

    int out = 7;
    EXPECT_EQ(Result(&out),
              "\tKVZ DX Contest 14.11-14.11.2018 \r\n\t\tContestant: DL1AA\r\n"
              "Band\tQSOs\tPoints\tDXCC\tRTTY\tBPSK63\r\n"
              "Total\t 0\t 0\t 0\t 0\t 0\r\nDupe\t 0\r\nBad QSO\t 1\r\n\r\n"
              "Score = 0 *  0 = 0 \r\n");
    EXPECT_EQ(out, 7);  // not written outside export mode
    EXPECT_EQ(ReadSetting("Claimed"), "0");
    EXPECT_TRUE(platform::headless::TakeMessageBoxes().empty());

    setVersion("2.20");
    EXPECT_EQ(Result(),
              std::string(kPageHead) +
                  "<center><b>   KVZ DIGI \xD1ontest 14.11-14.11.2018</b></center>"
                  "<center>Contestant:  <b>DL1AA</center></b><table>" +
                  kPageHeadingRow + PageBandRow("Total", 0, 0, 0, 0, 0) +
                  "<tr><th><center>Dupe</center></th><td><center>0</center></td>"
                  "<td colspan=7> </td></tr>"
                  "<tr><th><center>Bad QSO</center></th><td><center>1</center></td>"
                  "<td colspan=7> </td></tr>"
                  "<tr><th>Score:</th><td colspan=8><center>0 * 0 = 0</center></td></tr>"
                  "<tr><th>Last QSO points:</small></th><td colspan=9><center>    0</center>"
                  "</td></tr>"
                  "<th colspan=10><center>Rate</center></th></tr>"
                  "<tr><th>Hourly (10min/1 hour) QSO rate:</th><td colspan=7><center>    0 /0"
                  "</center></td></tr>"
                  "<tr><th>Hourly (10min/1 hour) pts rate:</th><td colspan=7><center>    0 /0"
                  "</center></td></tr>" +
                  kPageEnd);
}

TEST_F(ScoreSummaryTest, OneQsoInBothForms) {
    StartContest();
    Work(QsoAt("UA9XX", "UA9", "AS", "20m", "RTTY", 10, 0));

    EXPECT_EQ(Result(),
              "\tKVZ DX Contest 14.11-14.11.2018 \r\n\t\tContestant: DL1AA\r\n"
              "Band\tQSOs\tPoints\tDXCC\tRTTY\tBPSK63\r\n"
              "20m\t 1\t 2\t 1\t 1\t 0\r\n"
              "Total\t 1\t 2\t 1\t 1\t 0\r\nDupe\t 0\r\nBad QSO\t 0\r\n\r\n"
              "Score = 2 *  1 = 2 \r\n"
              "\r\nHourly (10min) QSO rate:     1 (6) QSOs/hour\r\n"
              "Hourly (10min) pts rate:     2 (12) points/hour\r\n\r\n"
              "Last QSO: 2 points\r\n\r\n"
              "Scored by Stats.dll, the KVZ DIGI Contest plug-in");
    EXPECT_EQ(ReadSetting("Claimed"), "2");

    setVersion("2.20");
    const std::string page = Result();
    for (const std::string& piece :
         {PageBandRow("20m", 1, 2, 1, 1, 0), PageBandRow("Total", 1, 2, 1, 1, 0),
          std::string("<center>2 * 1 = 2</center>"),
          std::string("</small></th><td colspan=9><center>    2</center>"),
          std::string("QSO rate:</th><td colspan=7><center>    1 /6</center>"),
          std::string("pts rate:</th><td colspan=7><center>    2 /12</center>")}) {
        EXPECT_NE(page.find(piece), std::string::npos) << piece;
    }
}

TEST_F(ScoreSummaryTest, PageEscapesTheHostsTexts) {
    host::Reset reset;
    reset.stationCall = "<b>R&D";
    host::ResetStats(m_api, reset);
    setVersion("2.20");
    const std::string page = Result();
    EXPECT_NE(page.find("Contestant:  <b>&lt;b&gt;R&amp;D</center>"), std::string::npos);
    EXPECT_EQ(page.find("<b>R&D"), std::string::npos);
}

TEST_F(ScoreSummaryTest, BandsInOrderOfWavelengthAndDupesApart) {
    StartContest();
    Work(QsoAt("UA9XX", "UA9", "AS", "20m", "RTTY", 10, 0));
    Work(QsoAt("UA9XX", "UA9", "AS", "80m", "RTTY", 10, 1));
    Work(QsoAt("UA9XX", "UA9", "AS", "10m", "BPSK63", 10, 2));
    Work(QsoAt("UA9XX", "UA9", "AS", "10m", "BPSK63", 10, 3));  // a dupe

    const std::string text = Result();
    const std::size_t eighty = text.find("80m\t 1\t 2\t 1\t 1\t 0\r\n");
    const std::size_t twenty = text.find("20m\t 1\t 2\t 1\t 1\t 0\r\n");
    const std::size_t ten = text.find("10m\t 1\t 2\t 1\t 0\t 1\r\n");
    ASSERT_NE(eighty, std::string::npos) << text;
    ASSERT_NE(twenty, std::string::npos) << text;
    ASSERT_NE(ten, std::string::npos) << text;
    EXPECT_LT(eighty, twenty);
    EXPECT_LT(twenty, ten);
    EXPECT_NE(text.find("Total\t 3\t 6\t 3\t 2\t 1\r\nDupe\t 1\r\nBad QSO\t 0\r\n"),
              std::string::npos)
        << text;
    std::lock_guard<std::mutex> hold(g_stateLock);
    EXPECT_EQ(g_workedBands, (StringList{"80m", "20m", "10m"}));
}

struct PointsCase {
    const char* name;
    bool operatorIsMember;
    const char* exchange;
    const char* continent;
    int points;
};

TEST_F(ScoreSummaryTest, PointsPerQso) {
    const PointsCase cases[] = {
        {"member worked by a non-member", false, "12KVZ", "AS", 10},
        {"member worked by a member", true, "12KVZ", "AS", 1},
        {"member on our own continent", false, "12KVZ", "EU", 10},
        {"own continent", false, "12", "EU", 1},
        {"own continent, operator a member", true, "12", "EU", 1},
        {"other continent", false, "12", "AS", 2},
        {"other continent, operator a member", true, "12", "AS", 2},
        {"continent compared exactly", false, "12", "eu", 2},
    };
    for (const PointsCase& c : cases) {
        WriteSetting("setup_KVZ", c.operatorIsMember ? "1" : "0");
        StartContest();
        host::Qso qso = QsoAt("UA9XX", "UA9", "AS", "20m", "RTTY", 10, 0);
        qso.exchangeReceived = c.exchange;
        qso.continent = c.continent;
        Work(qso);
        Result();
        EXPECT_EQ(Tally().total.points, c.points) << c.name;
    }
}

TEST_F(ScoreSummaryTest, MultipliersPerBandAndMode) {
    StartContest();
    Work(QsoAt("UA9XX", "UA9", "AS", "20m", "BPSK63", 10, 0));
    Work(QsoAt("UA9YY", "UA9", "AS", "20m", "RTTY", 10, 1));  // same prefix, other mode: counts
    Work(QsoAt("UA9ZZ", "UA9", "AS", "20m", "RTTY", 10, 2));  // same prefix and mode: does not
    host::Qso member = QsoAt("UA9KA", "UA9", "AS", "20m", "BPSK63", 10, 3);
    member.exchangeReceived = "7KVZ";
    Work(member);  // "UA9_T" beside "UA9": counts
    Work(QsoAt("DL1XX", "DL", "EU", "20m", "BPSK63", 10, 4));
    Work(QsoAt("DL1XX", "DL", "EU", "40m", "BPSK63", 10, 5));  // other band: counts

    const std::string text = Result();
    EXPECT_NE(text.find("20m\t 5\t 17\t 4\t 2\t 3\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("40m\t 1\t 1\t 1\t 0\t 1\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Score = 18 *  5 = 90 \r\n"), std::string::npos) << text;

    std::lock_guard<std::mutex> hold(g_stateLock);
    EXPECT_EQ(g_multipliers[MultiplierListIndex(3, 1)], (StringList{"UA9", "UA9_T", "DL"}));
    EXPECT_EQ(g_multipliers[MultiplierListIndex(3, 0)], (StringList{"UA9"}));
    EXPECT_EQ(g_multipliers[MultiplierListIndex(2, 1)], (StringList{"DL"}));
}

TEST_F(ScoreSummaryTest, ModeTextsOtherThanTheExactOnesJoinThePreviousMode) {
    StartContest();
    Work(QsoAt("UA9XX", "UA9", "AS", "20m", "BPSK63", 10, 0));
    Work(QsoAt("DL1XX", "DL", "EU", "20m", "rtty", 10, 1));

    const std::string text = Result();
    EXPECT_NE(text.find("20m\t 2\t 3\t 2\t 0\t 1\r\n"), std::string::npos) << text;
    std::lock_guard<std::mutex> hold(g_stateLock);
    EXPECT_EQ(g_multipliers[MultiplierListIndex(3, 1)], (StringList{"UA9", "DL"}));
    EXPECT_TRUE(g_multipliers[MultiplierListIndex(3, 0)].empty());
}

TEST_F(ScoreSummaryTest, RowsAreCountedOneAfterAnotherInTheirSortedOrder) {
    // "20M" is accepted as a band but is none of the band texts: it shares the
    // lists of the row before it, and emptying them drops that row's keys. A
    // mode text of neither mode at the start of a row takes the mode the row
    // before it ended with.
    StartContest();
    Work(QsoAt("UA9XX", "UA9", "AS", "20M", "rtty", 10, 0));
    Work(QsoAt("DL1XX", "DL", "EU", "20m", "BPSK63", 10, 1));

    const std::string text = Result();
    const std::size_t known = text.find("20m\t 1\t 1\t 1\t 0\t 1\r\n");
    const std::size_t other = text.find("20M\t 1\t 2\t 1\t 0\t 0\r\n");
    ASSERT_NE(other, std::string::npos) << text;
    EXPECT_LT(known, other) << text;
    std::lock_guard<std::mutex> hold(g_stateLock);
    EXPECT_EQ(g_multipliers[MultiplierListIndex(3, 1)], (StringList{"UA9"}));
    EXPECT_TRUE(g_multipliers[MultiplierListIndex(3, 0)].empty());
}

TEST_F(ScoreSummaryTest, ListsOfBandsWithoutRowsKeepTheirKeys) {
    StartContest();
    {
        std::lock_guard<std::mutex> hold(g_stateLock);
        g_multipliers[MultiplierListIndex(5, 0)] = {"OLD"};
        g_multipliers[MultiplierListIndex(3, 0)] = {"OLD"};
    }
    Work(QsoAt("UA9XX", "UA9", "AS", "20m", "BPSK63", 10, 0));
    Result();
    std::lock_guard<std::mutex> hold(g_stateLock);
    EXPECT_EQ(g_multipliers[MultiplierListIndex(5, 0)], (StringList{"OLD"}));
    EXPECT_TRUE(g_multipliers[MultiplierListIndex(3, 0)].empty());
}

TEST_F(ScoreSummaryTest, RateWindowsEndAt599AndDoNotLookAtOtherBands) {
    StartContest();
    Work(QsoAt("DL1AB", "DL", "EU", "20m", "RTTY", 9, 0, 0));  // 61 minutes before: neither window
    Work(QsoAt("DL1AC", "DL", "EU", "20m", "RTTY", 9, 2, 0));  // 59 minutes: the hour only
    Work(QsoAt("UA9XX", "UA9", "AS", "20m", "RTTY", 9, 51, 0));  // 600 s: the hour only
    Work(QsoAt("UA9YY", "UA9", "AS", "20m", "RTTY", 9, 51, 1));  // 599 s: both
    Work(QsoAt("UA9ZZ", "UA9", "AS", "80m", "RTTY", 9, 59, 0));  // other band: neither
    Work(QsoAt("JA1XX", "JA", "AS", "20m", "RTTY", 10, 1, 0));

    Result();
    const ScoreTally tally = Tally();
    EXPECT_EQ(tally.hourQsos, 4);
    EXPECT_EQ(tally.hourPoints, 1 + 2 + 2 + 2);
    EXPECT_EQ(tally.tenMinuteQsos, 2);
    EXPECT_EQ(tally.tenMinutePoints, 4);
    EXPECT_EQ(tally.lastQsoPoints, 2);
    EXPECT_NE(Result().find("Hourly (10min) QSO rate:     4 (12) QSOs/hour\r\n"
                            "Hourly (10min) pts rate:     7 (24) points/hour\r\n"),
              std::string::npos);
}

TEST_F(ScoreSummaryTest, LastQsoPointsSkipATrailingDupe) {
    StartContest();
    Work(QsoAt("DL1AB", "DL", "EU", "20m", "RTTY", 9, 0));   // 1 point
    Work(QsoAt("UA9XX", "UA9", "AS", "80m", "RTTY", 9, 1));  // 2 points, other band
    Work(QsoAt("DL1AB", "DL", "EU", "20m", "RTTY", 9, 2));   // dupe
    EXPECT_NE(Result().find("Last QSO: 1 points\r\n"), std::string::npos);

    StartContest();
    Work(QsoAt("UA9XX", "UA9", "AS", "80m", "RTTY", 9, 1));
    Work(QsoAt("DL1AB", "DL", "EU", "20m", "RTTY", 9, 2));
    Work(QsoAt("DL1AB", "DL", "EU", "20m", "RTTY", 9, 3));  // dupe
    Work(QsoAt("DL1AB", "DL", "EU", "20m", "RTTY", 9, 4));  // dupe of the dupe
    EXPECT_NE(Result().find("Last QSO: 1 points\r\n"), std::string::npos);
}

TEST_F(ScoreSummaryTest, DupeOnlyBandGivesNoPointsAndLastQsoZero) {
    StartContest();
    Work(QsoAt("DL1AB", "DL", "EU", "20m", "RTTY", 9, 0));
    // The first 40 m QSO is deleted; only its duplicate is left on that band.
    const host::Qso first = QsoAt("UA9XX", "UA9", "AS", "40m", "RTTY", 9, 1);
    Work(first);
    Work(QsoAt("UA9XX", "UA9", "AS", "40m", "RTTY", 9, 2));
    host::Remove(m_api, first);
    ASSERT_EQ(Log().size(), 2u);
    const std::string text = Result();
    EXPECT_EQ(text.find("40m\t"), std::string::npos) << text;
    EXPECT_NE(text.find("Dupe\t 1\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Last QSO: 0 points\r\n"), std::string::npos) << text;
}

TEST_F(ScoreSummaryTest, ExportModeEndsAtTheScoreAndAnnouncesTheFileEveryTime) {
    StartContest(1);
    Work(QsoAt("UA9XX", "UA9", "AS", "20m", "RTTY", 10, 0));
    for (int call = 0; call < 2; ++call) {
        int out = 0;
        const std::string text = Result(&out);
        const std::string scoreLine = "Score = 2 *  1 = 2 \r\n";
        ASSERT_GE(text.size(), scoreLine.size());
        EXPECT_EQ(text.substr(text.size() - scoreLine.size()), scoreLine);
        EXPECT_EQ(out, -1);
        const auto boxes = platform::headless::TakeMessageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, "File produced: DL1AA.cbr");
        EXPECT_EQ(boxes[0].caption, "Output");
        EXPECT_TRUE(boxes[0].information);
    }
    EXPECT_EQ(ReadSetting("Claimed"), "2");

    // The page keeps its rate rows, with zeros: nothing is counted in export mode.
    setVersion("2.20");
    const std::string page = Result();
    EXPECT_NE(page.find("QSO rate:</th><td colspan=7><center>    0 /0</center>"),
              std::string::npos);
    EXPECT_NE(page.find("</small></th><td colspan=9><center>    2</center>"), std::string::npos);
}

TEST_F(ScoreSummaryTest, RejectedCountSkipsTitleAndDupeLines) {
    StartContest();
    Work(QsoAt("UA9XX", "UA9", "AS", "20m", "RTTY", 10, 0));
    Work(QsoAt("UA9XX", "UA9", "AS", "20m", "RTTY", 10, 1));  // dupe line
    EXPECT_EQ(host::Add(m_api, QsoAt("UA9YY", "UA9", "AS", "160m", "RTTY", 10, 2)), 0);
    EXPECT_EQ(host::Add(m_api, QsoAt("UA9YY", "UA9", "AS", "20m", "CW", 10, 3)), 0);
    host::Qso noNumber = QsoAt("UA9ZZ", "UA9", "AS", "20m", "RTTY", 10, 4);
    noNumber.exchangeReceived = "";
    EXPECT_EQ(host::Add(m_api, noNumber), 0);

    EXPECT_NE(Result().find("Dupe\t 1\r\nBad QSO\t 3\r\n"), std::string::npos);

    // A missing file counts nothing.
    std::filesystem::remove(BadQsoFile());
    EXPECT_NE(Result().find("Bad QSO\t 0\r\n"), std::string::npos);
}

}  // namespace
