// The header of the Cabrillo log: remembered in the settings file between
// runs, reviewed by the operator in the header dialog before each export.

#include <mutex>

#include "engine/contest_state.h"
#include "engine/settings.h"
#include "platform/platform.h"
#include "reports/cabrillo_header_values.h"
#include "reports/cabrillo_log.h"

namespace {
const char kCarriageReturnTag[] = "<CR>";
const char kLineFeedTag[] = "<LF>";

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// Callsigns such as "UA9XX/P" or "R\9X" give a plain file name in the current
// folder; a callsign of nothing but blanks still gives one.
std::string FileBaseOf(const std::string& callsign) {
    std::string base = CabrilloLog::ReplaceAll(callsign, "/", "_");
    base = CabrilloLog::ReplaceAll(base, "\\", "_");
    std::size_t first = 0;
    std::size_t last = base.size();
    while (first < last && IsWhiteSpace(base[first]))
        ++first;
    while (last > first && IsWhiteSpace(base[last - 1]))
        --last;
    base = base.substr(first, last - first);
    return base.empty() ? "QLMX" : base;
}

// Multi-line texts are kept on one settings line.
std::string Encoded(const std::string& text) {
    return CabrilloLog::ReplaceAll(CabrilloLog::ReplaceAll(text, "\r", kCarriageReturnTag), "\n",
                                   kLineFeedTag);
}

std::string Decoded(const std::string& text) {
    return CabrilloLog::ReplaceAll(CabrilloLog::ReplaceAll(text, kCarriageReturnTag, "\r"),
                                   kLineFeedTag, "\n");
}

// An encoded soap box as the writer wants it: each further line is a SOAPBOX
// line of its own.
std::string SoapBoxFileForm(const std::string& encoded) {
    return CabrilloLog::ReplaceAll(
        CabrilloLog::ReplaceAll(encoded, kCarriageReturnTag, "\r\nSOAPBOX: "), kLineFeedTag, "");
}

void LoadRemembered(CabrilloLog& log) {
    log.operators = ReadWholeSetting("Operators", log.callsign);
    log.name = ReadWholeSetting("Name", "");
    log.address = ReadWholeSetting("Address", "");
    log.addressCity = ReadWholeSetting("Address_City", "");
    log.addressPostalCode = ReadWholeSetting("Address_PostalCode", "");
    log.addressCountry = ReadWholeSetting("Address_Country", "");
    log.claimed = ReadWholeSetting("Claimed", "");
    log.offTime = Decoded(ReadWholeSetting("Offtime", ""));
    // What every export starts from, whatever was confirmed last time.
    log.contest = "KVZ-DIGI";
    log.categoryOperator = "SINGLE-OP";
    log.categoryMode = "MIXED";
    log.categoryBand = "ALL";
    log.categoryPower = "LOW";
    log.email = ReadWholeSetting("Email", "");
    log.club = ReadWholeSetting("Club", "");
    log.soapBox = Decoded(ReadWholeSetting("SoapBox", ""));
}

CabrilloHeaderValues DialogPreset(const CabrilloLog& log) {
    CabrilloHeaderValues values;
    values.contest = log.contest;
    values.callsign = log.callsign;
    values.claimed = log.claimed;
    values.categoryOperator = log.categoryOperator;
    values.categoryBand = log.categoryBand;
    values.categoryMode = log.categoryMode;
    values.categoryPower = log.categoryPower;
    values.categoryTime = log.categoryTime;
    // Transmitter, overlay and station always start empty.
    values.offTime = log.offTime;
    values.name = log.name;
    values.address = log.address;
    values.addressCity = log.addressCity;
    values.addressPostalCode = log.addressPostalCode;
    values.addressCountry = log.addressCountry;
    values.operators = log.operators;
    values.club = log.club;
    values.soapBox = log.soapBox;
    values.email = log.email;
    return values;
}

void KeepConfirmed(CabrilloLog& log, const CabrilloHeaderValues& values) {
    log.callsign = values.callsign;
    log.operators = values.operators;
    log.categoryTime = values.categoryTime;
    log.categoryOperator = values.categoryOperator;
    log.categoryPower = values.categoryPower;
    log.name = values.name;
    log.address = values.address;
    log.addressCity = values.addressCity;
    log.addressPostalCode = values.addressPostalCode;
    log.addressCountry = values.addressCountry;
    log.categoryBand = values.categoryBand;
    log.categoryMode = values.categoryMode;
    log.categoryTransmitter = values.categoryTransmitter;
    log.contest = values.contest;
    log.email = values.email;
    log.club = values.club;
    log.offTime = Encoded(values.offTime);
    log.categoryOverlay = values.categoryOverlay;
    log.categoryStation = values.categoryStation;
    log.soapBox = Encoded(values.soapBox);

    WriteSetting("Operators", log.operators);
    WriteSetting("Name", log.name);
    WriteSetting("Address", log.address);
    WriteSetting("Address_City", log.addressCity);
    WriteSetting("Address_PostalCode", log.addressPostalCode);
    WriteSetting("Address_Country", log.addressCountry);
    WriteSetting("Category", log.categoryOperator);
    WriteSetting("Power", log.categoryPower);
    WriteSetting("Contest", log.contest);
    WriteSetting("Email", log.email);
    WriteSetting("Club", log.club);
    WriteSetting("SoapBox", log.soapBox);
    WriteSetting("Offtime", log.offTime);

    log.soapBox = SoapBoxFileForm(log.soapBox);
    log.qsoLines.clear();
}
}  // namespace

int CabrilloLog::EditHeader(std::string newCallsign, const COleDateTime*, const COleDateTime*) {
    CabrilloHeaderValues values;
    {
        std::lock_guard<std::mutex> hold(g_stateLock);
        callsign = newCallsign;
        fileBase = FileBaseOf(newCallsign);
        LoadRemembered(*this);
        values = DialogPreset(*this);
    }
    // Modal on the host's thread; the UI thread must be free to take the lock.
    const bool confirmed = platform::ShowCabrilloDialog(values);

    std::lock_guard<std::mutex> hold(g_stateLock);
    if (confirmed) {
        KeepConfirmed(*this, values);
        return 1;
    }
    soapBox = SoapBoxFileForm(Encoded(soapBox));
    return 0;
}
