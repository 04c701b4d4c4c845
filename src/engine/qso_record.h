#pragma once
// One QSO as the engine keeps it. The log stores copies.

#include <cstdint>
#include <string>

#include "framework/ole_date_time.h"

class CInfo {
public:
    std::string call;
    std::string dxccPrefix;      // empty when the station is a club member
    std::string clubMultiplier;  // "<prefix>_T" for a club member, else empty
    std::string continent;
    std::string band;
    std::string mode;
    std::string rstReceived;
    std::string rstSent;
    std::string exchangeReceived;  // normalised
    std::string exchangeSent;      // normalised
    std::int32_t invalid = 0;      // earns nothing (duplicates)
    std::int32_t clubMember = 0;   // the received exchange carried "KVZ"
    std::int32_t bad = 0;          // rejected; rejected QSOs are never stored
    std::int32_t dupe = 0;
    std::uint32_t frequencyKhz = 0;
    COleDateTime time;  // 0.0, valid
};
