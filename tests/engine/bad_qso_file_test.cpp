#include "engine/bad_qso_file.h"

#include <gtest/gtest.h>

#include "support/host_calls.h"

namespace {

struct PaddingCase {
    std::uint32_t frequencyKhz;
    const char* start;
};

TEST(BadQsoFile, FourAndFiveDigitFrequenciesLineUp) {
    const PaddingCase cases[] = {
        {7050, "QSO:  7050  "},  {9999, "QSO:  9999  "}, {10000, "QSO: 10000  "},
        {14080, "QSO: 14080  "}, {0, "QSO:  0  "},
    };
    for (const PaddingCase& c : cases) {
        BadQsoFields fields;
        fields.frequencyKhz = c.frequencyKhz;
        EXPECT_EQ(FormatBadQsoLine(fields, "").substr(0, std::string(c.start).size()), c.start);
    }
}

TEST(BadQsoFile, LineCarriesTheHostsFieldsThenTheReason) {
    BadQsoFields fields;
    fields.frequencyKhz = 14080;
    fields.mode = "RTTY";
    fields.time = "2018-11-14 1025";
    fields.ownCall = "DL1AA";
    fields.rstSent = "599";
    fields.exchangeSent = "1";
    fields.call = "UA9XX";
    fields.rstReceived = "579";
    fields.exchangeReceived = "12KVZ";
    EXPECT_EQ(FormatBadQsoLine(fields, kReasonDupe),
              "QSO: 14080  RTTY  2018-11-14 1025  DL1AA  599  1  UA9XX  579  12KVZ   DUPE !!!");
    // Empty fields keep their separators.
    EXPECT_EQ(FormatBadQsoLine(BadQsoFields{}, kReasonNoRxNumber),
              "QSO:  0" + std::string(8 * 2, ' ') + "   NO RX NUMBER !!!");
}

TEST(BadQsoFile, NamesAndTitle) {
    EXPECT_EQ(BadQsoFileName(COleDateTime(host::OleDays(2018, 11, 14, 23, 59), 0)),
              "BadQSO_StatsKVZDIGI_14_11_2018.txt");
    EXPECT_EQ(BadQsoFileName(COleDateTime(0, COleDateTime::invalid)),
              "BadQSO_StatsKVZDIGI_Invalid DateTime.txt");
    EXPECT_EQ(std::string(kBadQsoTitle), "KVZ DIGI Contest UBN file ");
    EXPECT_EQ(BadQsoTime(COleDateTime(host::OleDays(2018, 11, 14, 10, 25), 0)), "2018-11-14 1025");
}

struct LineCase {
    const char* line;
    bool ofQso;  // of UA9XX at 2018-11-14 1025
};

TEST(BadQsoFile, OnlyTheLinesOfTheDeletedQsoMatch) {
    const LineCase cases[] = {
        {"QSO: 14080  RTTY  2018-11-14 1025  DL1AA  599  1  UA9XX  599  12   DUPE !!!", true},
        {"QSO:  7050  RTTY  2018-11-14 1025  DL1AA  599  1  UA9XX  599     NO RX NUMBER !!!", true},
        // A longer call with the same beginning, or one containing it.
        {"QSO: 14080  RTTY  2018-11-14 1025  DL1AA  599  1  UA9XXA  599  12   DUPE !!!", false},
        {"QSO: 14080  RTTY  2018-11-14 1025  DL1AA  599  1  RUA9XX  599  12   DUPE !!!", false},
        // Same hour and minute on another day.
        {"QSO: 14080  RTTY  2018-11-15 1025  DL1AA  599  1  UA9XX  599  12   DUPE !!!", false},
        // The call in another field.
        {"QSO: 14080  RTTY  2018-11-14 1025  UA9XX  599  1  DL1AA  599  12   DUPE !!!", false},
        {"KVZ DIGI Contest UBN file ", false},
        {"QSO: 14080  RTTY  2018-11-14 1025", false},
        {"", false},
    };
    for (const LineCase& c : cases) {
        EXPECT_EQ(IsLineOfQso(c.line, "UA9XX", "2018-11-14 1025"), c.ofQso) << c.line;
    }
}

}  // namespace
