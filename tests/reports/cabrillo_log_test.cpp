#include <gtest/gtest.h>

#include "engine/settings.h"
#include "reports/cabrillo_log.h"
#include "reports/report_fixture.h"

namespace {

using platform::headless::SetHeaderDialogAnswer;
using platform::headless::TakeHeaderDialogs;

class CabrilloTest : public ReportTest {
protected:
    // An export run for the callsign, its header dialog answered by `answer`
    // (cancelled when empty).
    void StartExport(const char* callsign,
                     platform::headless::HeaderDialogAnswer answer = nullptr) {
        SetHeaderDialogAnswer(std::move(answer));
        host::Reset reset;
        reset.exportRequest = 1;
        reset.stationCall = callsign;
        host::ResetStats(m_api, reset);
    }

    // GetResult0 in export mode; returns the notice the operator was shown.
    std::string Export() {
        int out = 0;
        Result(&out);
        EXPECT_EQ(out, -1);
        const auto boxes = platform::headless::TakeMessageBoxes();
        EXPECT_EQ(boxes.size(), 1u);
        return boxes.empty() ? std::string() : boxes.back().text;
    }
};

const char kHeaderEnd[] =
    "NAME: \r\nADDRESS: \r\nADDRESS-CITY: \r\nADDRESS-POSTALCODE: \r\nADDRESS-COUNTRY: \r\n"
    "EMAIL: \r\nSOAPBOX: \r\n";

TEST_F(CabrilloTest, EmptyLogGivesTheHeaderAndTheEnd) {
    StartExport("UA9XX");
    EXPECT_EQ(Export(), "File produced: UA9XX.cbr");
    EXPECT_EQ(ReadWholeFile("UA9XX.cbr"),
              std::string("START-OF-LOG: 3.0\r\nCONTEST: KVZ-DIGI\r\nCALLSIGN: UA9XX\r\n"
                          "CATEGORY-OPERATOR: SINGLE-OP\r\nCATEGORY-BAND: ALL\r\n"
                          "CATEGORY-POWER: LOW\r\nCATEGORY-MODE: MIXED\r\nCATEGORY-OVERLAY: \r\n"
                          "CLAIMED-SCORE: 0\r\nCREATED-BY: Zolt Zolt\r\n") +
                  kHeaderEnd + "END-OF-LOG:\r\n");
}

TEST_F(CabrilloTest, ConfirmedMultiOperatorLogInFull) {
    StartExport("UA9XX", [](CabrilloHeaderValues& values) {
        values.categoryOperator = "MULTI-OP";
        values.categoryTransmitter = "ONE";
        values.name = "Ivan";
        values.soapBox = "first\r\nsecond";
        return true;
    });
    {
        std::lock_guard<std::mutex> hold(g_stateLock);
        g_hostVersion = "2.20";
    }
    host::Qso first = QsoAt("DL1ABC", "DL", "EU", "20m", "BPSK63", 12, 3);
    first.frequencyHz = 14085000;
    first.exchangeReceived = "005";
    Work(first);
    host::Qso second = QsoAt("JA1XX", "JA", "AS", "40m", "RTTY", 12, 10);
    second.frequencyHz = 7035500;
    Work(second);
    Work(second);  // a dupe is written like any other QSO

    EXPECT_EQ(Export(), "File produced: UA9XX.cbr");
    EXPECT_EQ(ReadWholeFile("UA9XX.cbr"),
              "START-OF-LOG: 3.0\r\nCONTEST: KVZ-DIGI\r\nCALLSIGN: UA9XX\r\n"
              "CATEGORY-OPERATOR: MULTI-OP\r\nCATEGORY-TRANSMITTER: ONE\r\n"
              "CLAIMED-SCORE: 6\r\nCREATED-BY: Zolt 2.20\r\n"
              "NAME: Ivan\r\nADDRESS: \r\nADDRESS-CITY: \r\nADDRESS-POSTALCODE: \r\n"
              "ADDRESS-COUNTRY: \r\nEMAIL: \r\nSOAPBOX: first\r\nSOAPBOX: second\r\n"
              "QSO: 14085 PS 2018-11-14 1203 UA9XX         599 01     DL1ABC        599 0005\r\n"
              "QSO:  7035 RY 2018-11-14 1210 UA9XX         599 01     JA1XX         599 0012\r\n"
              "QSO:  7035 RY 2018-11-14 1210 UA9XX         599 01     JA1XX         599 0012\r\n"
              "END-OF-LOG:\r\n");

    // Another export writes the same file again, not the lines twice.
    EXPECT_EQ(Export(), "File produced: UA9XX.cbr");
    EXPECT_EQ(std::count(g_cabrillo.qsoLines.begin(), g_cabrillo.qsoLines.end(),
                         g_cabrillo.qsoLines.front()),
              1);
    EXPECT_EQ(g_cabrillo.qsoLines.size(), 3u);
}

TEST_F(CabrilloTest, LongValuesShiftTheColumns) {
    StartExport("UA9XX/MM");
    host::Qso qso = QsoAt("VERYLONGCALL/QRP", "UA9", "AS", "20m", "RTTY", 9, 5);
    qso.rstSent = "5999";
    Work(qso);
    Export();
    const std::string file = ReadWholeFile("UA9XX_MM.cbr");
    EXPECT_NE(
        file.find("\r\nQSO: 14080 RY 2018-11-14 0905 UA9XX/MM      5999 01     VERYLONGCALL/QRP "
                  "599 0012\r\nEND-OF-LOG:\r\n"),
        std::string::npos)
        << file;
}

TEST_F(CabrilloTest, FileNameBaseFromTheCallsign) {
    struct Case {
        const char* callsign;
        const char* file;
    };
    const Case cases[] = {
        {"UA9XX", "UA9XX.cbr"},           {"UA9XX/P", "UA9XX_P.cbr"}, {"R\\9X/M", "R_9X_M.cbr"},
        {" \tUA9XX  ", "UA9XX.cbr"},      {"", "QLMX.cbr"},           {"   ", "QLMX.cbr"},
        {"../../evil", ".._.._evil.cbr"},
    };
    for (const Case& c : cases) {
        StartExport(c.callsign);
        EXPECT_EQ(Export(), std::string("File produced: ") + c.file) << c.callsign;
        const std::string file = ReadWholeFile(c.file);
        EXPECT_NE(file.find(std::string("\r\nCALLSIGN: ") + c.callsign + "\r\n"), std::string::npos)
            << c.callsign;
        std::filesystem::remove(c.file);
    }
}

TEST_F(CabrilloTest, ReplaceAll) {
    struct Case {
        const char* text;
        const char* from;
        const char* to;
        const char* result;
    };
    const Case cases[] = {
        {"a<CR><LF>b", "<CR>", "\r", "a\r<LF>b"},
        {"aaa", "a", "aa", "aaaaaa"},  // inserted text is not searched again
        {"abab", "ab", "", ""},
        {"xyz", "q", "r", "xyz"},
        {"same", "m", "m", "same"},
        {"", "a", "b", ""},
        {"text", "", "b", "text"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CabrilloLog::ReplaceAll(c.text, c.from, c.to), c.result) << c.text;
    }
}

TEST_F(CabrilloTest, FirstDialogShowsPresetsAndTheCallsign) {
    StartExport("UA9XX");
    const auto shown = TakeHeaderDialogs();
    ASSERT_EQ(shown.size(), 1u);
    const CabrilloHeaderValues& v = shown[0];
    EXPECT_EQ(v.callsign, "UA9XX");
    EXPECT_EQ(v.operators, "UA9XX");
    EXPECT_EQ(v.contest, "KVZ-DIGI");
    EXPECT_EQ(v.categoryOperator, "SINGLE-OP");
    EXPECT_EQ(v.categoryBand, "ALL");
    EXPECT_EQ(v.categoryMode, "MIXED");
    EXPECT_EQ(v.categoryPower, "LOW");
    for (const std::string* empty :
         {&v.claimed, &v.categoryTime, &v.categoryTransmitter, &v.categoryOverlay,
          &v.categoryStation, &v.offTime, &v.name, &v.address, &v.addressCity, &v.addressPostalCode,
          &v.addressCountry, &v.club, &v.soapBox, &v.email}) {
        EXPECT_EQ(*empty, "");
    }
}

TEST_F(CabrilloTest, ConfirmedHeaderIsRememberedForTheNextRun) {
    StartExport("UA9XX", [](CabrilloHeaderValues& values) {
        values.name = "Ivan Petrov";
        values.address = "Lenina 1";
        values.addressCity = "Omsk";
        values.addressPostalCode = "644000";
        values.addressCountry = "Russia";
        values.operators = "UA9XX UA9YY";
        values.email = "ua9xx@example.org";
        values.club = "KVZ";
        values.categoryOperator = "MULTI-OP";
        values.categoryTransmitter = "TWO";
        values.categoryPower = "HIGH";
        values.claimed = "999999";
        values.soapBox = "first\r\nsecond";
        values.offTime = "a\r\nb";
        return true;
    });
    EXPECT_EQ(ReadSetting("Name"), "Ivan Petrov");
    EXPECT_EQ(ReadSetting("Address_PostalCode"), "644000");
    EXPECT_EQ(ReadSetting("Operators"), "UA9XX UA9YY");
    EXPECT_EQ(ReadSetting("Category"), "MULTI-OP");
    EXPECT_EQ(ReadSetting("Power"), "HIGH");
    EXPECT_EQ(ReadSetting("Contest"), "KVZ-DIGI");
    EXPECT_EQ(ReadSetting("SoapBox"), "first<CR><LF>second");
    EXPECT_EQ(ReadSetting("Offtime"), "a<CR><LF>b");
    EXPECT_EQ(ReadSetting("Claimed"), "");  // what was typed there is not kept
    EXPECT_EQ(g_cabrillo.soapBox, "first\r\nSOAPBOX: second");
    TakeHeaderDialogs();

    StartExport("UA9XX");
    const auto shown = TakeHeaderDialogs();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].name, "Ivan Petrov");
    EXPECT_EQ(shown[0].operators, "UA9XX UA9YY");
    EXPECT_EQ(shown[0].soapBox, "first\r\nsecond");
    EXPECT_EQ(shown[0].offTime, "a\r\nb");
    EXPECT_EQ(shown[0].categoryOperator, "SINGLE-OP");  // never read back
    EXPECT_EQ(shown[0].categoryPower, "LOW");
    EXPECT_EQ(shown[0].categoryTransmitter, "");
}

TEST_F(CabrilloTest, CancelLeavesTheSettingsFileAloneAndExportsTheLoadedValues) {
    const std::string settings =
        "[Settings]\r\nName=Ivan\r\nSoapBox=one<CR><LF>two<CR><LF>three\r\n"
        "Email=a@b.c\r\nCategory=MULTI-OP\r\n";
    WriteWholeFile("Plugins/KVZ-DIGI.ini", settings);
    StartExport("UA9XX", [](CabrilloHeaderValues& values) {
        values.name = "Changed";
        return false;
    });
    // Only the reset's own "Start" toggle is added.
    EXPECT_EQ(ReadWholeFile("Plugins/KVZ-DIGI.ini"), settings + "Start=0\r\n");

    Export();
    const std::string file = ReadWholeFile("UA9XX.cbr");
    EXPECT_NE(file.find("CATEGORY-OPERATOR: SINGLE-OP\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("NAME: Ivan\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("EMAIL: a@b.c\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("SOAPBOX: one\r\nSOAPBOX: two\r\nSOAPBOX: three\r\nEND-OF-LOG:"),
              std::string::npos)
        << file;
}

TEST_F(CabrilloTest, LongHeaderValuesAreLoadedWhole) {
    const std::string soapBox(300, 'x');
    WriteWholeFile("Plugins/KVZ-DIGI.ini", "[Settings]\r\nSoapBox=" + soapBox +
                                               "\r\nAddress=" + std::string(60, 'a') + "\r\n");
    StartExport("UA9XX");
    const auto shown = TakeHeaderDialogs();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].soapBox, soapBox);
    EXPECT_EQ(shown[0].address, std::string(60, 'a'));
}

TEST_F(CabrilloTest, AFailedWriteIsAnnouncedAndKeepsTheOldFile) {
    StartExport("UA9XX");
    Export();
    const std::string good = ReadWholeFile("UA9XX.cbr");
    Work(QsoAt("DL1ABC", "DL", "EU", "20m", "RTTY", 9, 0));

    // The temporary file cannot be created.
    std::filesystem::create_directory("UA9XX.cbr.tmp");
    EXPECT_EQ(Export(), "File not produced: UA9XX.cbr\r\n(it could not be created)");
    EXPECT_EQ(ReadWholeFile("UA9XX.cbr"), good);
    std::filesystem::remove("UA9XX.cbr.tmp");

    // The finished file cannot take the old one's place.
    std::filesystem::remove("UA9XX.cbr");
    std::filesystem::create_directories("UA9XX.cbr/inside");
    EXPECT_EQ(Export(), "File not produced: UA9XX.cbr\r\n(the old file could not be replaced)");
    EXPECT_FALSE(std::filesystem::exists("UA9XX.cbr.tmp"));
}

}  // namespace
