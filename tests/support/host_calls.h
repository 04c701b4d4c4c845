#pragma once
// The host's calls with named fields instead of 33 positional arguments.
// Header-only and written against any table of export pointers with the
// members addData, removeData, resetStats, checkCall and isValidExchg, so the
// native tests (linked exports) and the host simulator (exports looked up in
// the real DLL) make exactly the same calls.

#include <cstdint>
#include <optional>
#include <string>

#include "engine/plugin_exports.h"
#include "framework/ole_date_time.h"

namespace host {

// OLE days of a civil date and time (proleptic Gregorian).
inline double OleDays(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    const int y = year - (month <= 2 ? 1 : 0);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yearOfEra = y - era * 400;
    const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const long daysSince1970 = era * 146097 + dayOfEra - 719468;
    return static_cast<double>(daysSince1970 + 25569) +
           (hour * 3600 + minute * 60 + second) / 86400.0;
}

struct Qso {
    const char* ownCall = "DL1AA";
    const char* call = "UA9XX";
    std::optional<COleDateTime> time = COleDateTime(OleDays(2018, 11, 14, 10, 25), 0);
    unsigned int frequencyHz = 14080000;
    const char* mode = "RTTY";
    const char* rstSent = "599";
    const char* rstReceived = "599";
    const char* exchangeSent = "1";
    const char* exchangeReceived = "12";
    const char* dxccPrefix = "UA9";
    const char* continent = "AS";
    const char* band = "20m";
};

struct Reset {
    const char* hostFolder = "";
    int exportRequest = 0;
    const char* stationCall = "DL1AA";
    std::optional<COleDateTime> start = COleDateTime(OleDays(2018, 11, 14, 0, 0), 0);
    std::optional<COleDateTime> end = COleDateTime(OleDays(2018, 11, 14, 23, 59), 0);
    const char* ownDxccPrefix = "DL";
    const char* ownContinent = "EU";
};

struct Check {
    const char* call = "UA9XX";
    const char* mode = "RTTY";
    const char* dxccPrefix = "UA9";
    const char* continent = "AS";
    const char* band = "20m";
    const char* otherBand = "20m";
};

// AddData0 and RemoveData0 take the same arguments.
inline int CallWithQso(AddDataFn* function, const Qso& q) {
    std::optional<COleDateTime> time = q.time;
    return function(q.ownCall, q.call, time ? &*time : nullptr, nullptr, nullptr, nullptr, 0,
                    q.frequencyHz, q.mode, q.rstSent, q.rstReceived, q.exchangeSent,
                    q.exchangeReceived, "", "", "", "", "", "", "", "", "", q.dxccPrefix, 0, 0, 0,
                    0.0, 0.0, "", q.continent, "", q.band, "");
}

template <typename Api>
int Add(const Api& api, const Qso& q) {
    return CallWithQso(api.addData, q);
}

template <typename Api>
int Remove(const Api& api, const Qso& q) {
    return CallWithQso(api.removeData, q);
}

// A call typed on one band (both band texts alike) in one mode.
inline Check Typed(const char* call, const char* prefix, const char* band = "20m",
                   const char* mode = "RTTY", const char* otherBand = nullptr) {
    Check check;
    check.call = call;
    check.dxccPrefix = prefix;
    check.band = band;
    check.otherBand = otherBand != nullptr ? otherBand : band;
    check.mode = mode;
    return check;
}

template <typename Api>
int ResetStats(const Api& api, const Reset& r) {
    std::optional<COleDateTime> start = r.start;
    std::optional<COleDateTime> end = r.end;
    return api.resetStats(r.hostFolder, r.exportRequest, r.stationCall, start ? &*start : nullptr,
                          end ? &*end : nullptr, "", "", "", "", "", "", "", "", "",
                          r.ownDxccPrefix, 0, 0, 0, 0.0, 0.0, "", r.ownContinent, "");
}

template <typename Api>
int CheckCall(const Api& api, const Check& c) {
    char first[64] = "unchanged";
    char second[64] = "unchanged";
    return api.checkCall(c.call, 0, 0, c.mode, "", "", "", "", "", "", "", "", "", c.dxccPrefix, 0,
                         0, 0, 0.0, 0.0, "", c.continent, "", "", "", c.band, c.otherBand, first,
                         second);
}

// The summary text. GetResult0 gets a pointer to a copy of *out, and *out then
// holds whatever the call left there.
template <typename Api>
std::string GetResult(const Api& api, int* out = nullptr) {
    int stored = out != nullptr ? *out : 0;
    const char* text = api.getResult(&stored);
    if (out != nullptr)
        *out = stored;
    return text != nullptr ? std::string(text) : std::string("(null)");
}

template <typename Api>
int IsValidExchange(const Api& api, const char* exchange) {
    return api.isValidExchg(exchange, "", "", "", 0, 0, 0);
}

}  // namespace host
