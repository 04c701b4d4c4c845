#pragma once
// A short contest session: a reset, QSOs with duplicates and rejects, call
// checks, exchange checks and deletions, with every answer, the final
// bad-QSO file and the score summary. The native tests and the host simulator (against the real DLL
// under Wine) both run it, so the two builds are proven to agree byte for byte.

#include <string>

#include "support/host_calls.h"

namespace replay {

enum class Call { Add, Remove, Check, Validate };

struct Step {
    const char* name;
    Call call;
    host::Qso qso;                   // Add and Remove
    host::Check check;               // Check
    const char* exchange = nullptr;  // Validate
    int expected = 0;
};

inline host::Qso Qso(const char* call, int hour, int minute, const char* band, const char* mode,
                     unsigned int frequencyHz, const char* received, const char* prefix) {
    host::Qso qso;
    qso.call = call;
    qso.time = COleDateTime(host::OleDays(2018, 11, 14, hour, minute), 0);
    qso.band = band;
    qso.mode = mode;
    qso.frequencyHz = frequencyHz;
    qso.exchangeReceived = received;
    qso.dxccPrefix = prefix;
    return qso;
}

inline const Step kSteps[] = {
    {"add first",
     Call::Add,
     Qso("UA9XX", 10, 0, "20m", "RTTY", 14080500, "1", "UA9"),
     {},
     nullptr,
     1},
    {"add 40m", Call::Add, Qso("OH2BB", 10, 5, "40m", "RTTY", 7045000, "12", "OH"), {}, nullptr, 1},
    {"check dupe", Call::Check, {}, host::Typed("UA9XX", "UA9", "20m", "RTTY"), nullptr, 0},
    {"check worked prefix",
     Call::Check,
     {},
     host::Typed("UA9YY", "UA9", "20m", "RTTY"),
     nullptr,
     1},
    {"check new prefix", Call::Check, {}, host::Typed("DL3CC", "DL", "20m", "RTTY"), nullptr, 2},
    {"check 160m", Call::Check, {}, host::Typed("DL3CC", "DL", "160m", "RTTY"), nullptr, 4},
    {"add dupe",
     Call::Add,
     Qso("UA9XX", 10, 10, "20m", "RTTY", 14081000, "0002", "UA9"),
     {},
     nullptr,
     1},
    {"add club member",
     Call::Add,
     Qso("RK9AX", 10, 12, "20m", "BPSK63", 14070000, "33KVZ", "UA9"),
     {},
     nullptr,
     1},
    {"add wrong band",
     Call::Add,
     Qso("W1AW", 10, 15, "160m", "RTTY", 1838000, "5", "K"),
     {},
     nullptr,
     0},
    {"add wrong mode",
     Call::Add,
     Qso("JA1ZZ", 10, 20, "15m", "CW", 21020000, "77", "JA"),
     {},
     nullptr,
     0},
    {"add no exchange",
     Call::Add,
     Qso("VK2AA", 10, 25, "10m", "RTTY", 28080000, "", "VK"),
     {},
     nullptr,
     0},
    {"add third copy",
     Call::Add,
     Qso("UA9XX", 10, 30, "20m", "RTTY", 14082000, "3", "UA9"),
     {},
     nullptr,
     1},
    {"valid serial", Call::Validate, {}, {}, "123", 1},
    {"599 is no serial", Call::Validate, {}, {}, "599", 0},
    {"club serial", Call::Validate, {}, {}, "7KVZ", 1},
    {"delete the dupe",
     Call::Remove,
     Qso("UA9XX", 10, 10, "20m", "RTTY", 0, "", ""),
     {},
     nullptr,
     1},
    {"delete the wrong mode",
     Call::Remove,
     Qso("JA1ZZ", 10, 20, "15m", "CW", 0, "", ""),
     {},
     nullptr,
     1},
    {"still a dupe", Call::Check, {}, host::Typed("UA9XX", "UA9", "20m", "RTTY"), nullptr, 0},
    {"club prefix still new",
     Call::Check,
     {},
     host::Typed("UA9ZZ", "UA9", "20m", "BPSK63"),
     nullptr,
     2},
};

inline const char kBadQsoFile[] = "BadQSO_StatsKVZDIGI_14_11_2018.txt";

inline const char kExpectedBadQsoText[] =
    "KVZ DIGI Contest UBN file \r\n"
    "QSO:  1838  RTTY  2018-11-14 1015  DL1AA  599  1  W1AW  599  5   WRONG BAND !!!\r\n"
    "QSO: 28080  RTTY  2018-11-14 1025  DL1AA  599  1  VK2AA  599     NO RX NUMBER !!!\r\n"
    "QSO: 14082  RTTY  2018-11-14 1030  DL1AA  599  1  UA9XX  599  3   DUPE !!!\r\n";

// GetResult0 after the session: 40 m sorts before 20 m, the third copy of
// UA9XX is the one dupe, the two rejects still in the file count, and the rates
// are measured from that dupe's time on 20 m.
inline const char kExpectedSummary[] =
    "\tKVZ DX Contest 14.11-14.11.2018 \r\n\t\tContestant: DL1AA\r\n"
    "Band\tQSOs\tPoints\tDXCC\tRTTY\tBPSK63\r\n"
    "40m\t 1\t 2\t 1\t 1\t 0\r\n"
    "20m\t 2\t 12\t 2\t 1\t 1\r\n"
    "Total\t 3\t 14\t 3\t 2\t 1\r\nDupe\t 1\r\nBad QSO\t 2\r\n\r\n"
    "Score = 14 *  3 = 42 \r\n"
    "\r\nHourly (10min) QSO rate:     2 (0) QSOs/hour\r\n"
    "Hourly (10min) pts rate:    12 (0) points/hour\r\n\r\n"
    "Last QSO: 10 points\r\n\r\n"
    "Scored by Stats.dll, the KVZ DIGI Contest plug-in";

// Runs the session after a reset; report(name, got, expected) hears every answer.
template <typename Api, typename Report>
void Run(const Api& api, Report&& report) {
    report("reset", host::ResetStats(api, host::Reset{}), 1);
    for (const Step& step : kSteps) {
        int got = -1;
        switch (step.call) {
            case Call::Add:
                got = host::Add(api, step.qso);
                break;
            case Call::Remove:
                got = host::Remove(api, step.qso);
                break;
            case Call::Check:
                got = host::CheckCall(api, step.check);
                break;
            case Call::Validate:
                got = host::IsValidExchange(api, step.exchange);
                break;
        }
        report(step.name, got, step.expected);
    }
}

}  // namespace replay
