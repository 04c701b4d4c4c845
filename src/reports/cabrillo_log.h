#pragma once
// The Cabrillo 3.0 log of the contest: the header values the operator
// confirmed, the file name, and one formatted line per logged QSO. An export
// request of ResetStats0 edits the header; every GetResult0 while the request
// stands fills the QSO lines and writes the file.

#include <cstdint>
#include <string>
#include <vector>

#include "framework/ole_date_time.h"

class CabrilloLog {
public:
    std::string callsign;
    std::string name;
    std::string address;
    std::string addressCity;
    std::string addressPostalCode;
    std::string addressCountry;
    std::string claimed;
    std::string contest;
    std::string email;
    std::string club;
    std::string soapBox;  // file form: further lines already tagged "\r\nSOAPBOX: "
    std::string offTime;
    std::string operators;
    std::string categoryOperator;
    std::string categoryPower;
    std::string categoryTransmitter;
    std::string categoryTime;
    std::string categoryBand;
    std::string categoryOverlay;
    std::string categoryStation;
    std::string categoryMode;
    std::string fileBase;  // the file is fileBase + ".cbr" in the current folder
    std::vector<std::string> qsoLines;

    // Formats one "QSO:" line and appends it. The caller holds g_stateLock.
    void AddQsoLine(std::string call, std::int32_t frequencyKhz, std::string modeCode,
                    const COleDateTime* time, std::string rstSent, std::string exchangeSent,
                    std::string rstReceived, std::string exchangeReceived);

    // Writes the whole file and returns the notice for the operator. The file
    // is written under a temporary name and replaces the old one only when
    // complete. The caller holds g_stateLock.
    std::string Write();

    // Loads the remembered header, shows the header dialog and keeps what the
    // operator confirms: 1 after OK, 0 otherwise. Takes g_stateLock itself and
    // lets go of it while the dialog is open.
    int EditHeader(std::string callsign, const COleDateTime* start, const COleDateTime* end);

    // Every occurrence of `from`, left to right, replaced by `to`; replaced
    // text is not searched again.
    static std::string ReplaceAll(std::string text, const std::string& from, const std::string& to);
};

extern CabrilloLog g_cabrillo;
