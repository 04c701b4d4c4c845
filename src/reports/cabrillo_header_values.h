#pragma once
// The texts of the Cabrillo header dialog, one per control, as the dialog is
// preset with them and, after OK, as the operator left them. Combo boxes give
// the text they show.

#include <string>

struct CabrilloHeaderValues {
    std::string contest;
    std::string callsign;
    std::string claimed;  // shown only; what is typed here is thrown away
    std::string categoryOperator;
    std::string categoryBand;
    std::string categoryMode;
    std::string categoryPower;
    std::string categoryTime;
    std::string categoryTransmitter;
    std::string categoryOverlay;
    std::string categoryStation;
    std::string offTime;  // multi-line, lines separated by "\r\n"
    std::string name;
    std::string address;
    std::string addressCity;
    std::string addressPostalCode;
    std::string addressCountry;
    std::string operators;
    std::string club;
    std::string soapBox;  // multi-line, lines separated by "\r\n"
    std::string email;
};
