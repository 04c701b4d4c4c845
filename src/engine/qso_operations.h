#pragma once
// What the host asks of the engine, one plain function per export. The
// exports turn null texts into empty ones and hold g_stateLock around every
// call here, except ResetContest, which takes the lock itself because it must
// let go of it while a dialog is open or the UI thread is being replaced.

#include <cstdint>
#include <string_view>

#include "framework/ole_date_time.h"

// The arguments of AddData0 and RemoveData0 that the engine reads.
struct QsoArguments {
    std::string_view ownCall;
    std::string_view call;
    bool callGiven = true;  // false when the host passed no call at all
    COleDateTime time;      // copied from the host's pointer; null when none
    std::uint32_t frequencyHz = 0;
    std::string_view mode;
    std::string_view rstSent;
    std::string_view rstReceived;
    std::string_view exchangeSent;
    std::string_view exchangeReceived;
    std::string_view dxccPrefix;
    std::string_view continent;
    std::string_view band;
};

// 1 when the QSO went into the log (duplicates too), 0 when it was rejected.
int AddQso(const QsoArguments& qso);

// Takes one QSO out of the log and its lines out of the bad-QSO file; always 1.
int RemoveQso(const QsoArguments& qso);

// The arguments of CheckCall0 that the engine reads.
struct CallCheckArguments {
    std::string_view call;
    std::string_view mode;
    std::string_view dxccPrefix;
    std::string_view continent;
    const char* band = nullptr;       // may be null
    const char* otherBand = nullptr;  // may be null
};

// 0 duplicate, 1 not a new multiplier, 2 new multiplier, 4 (or 1 on some host
// versions) cannot be checked.
int CheckCall(const CallCheckArguments& check);

// The arguments of ResetStats0 that the engine reads.
struct ResetArguments {
    std::string_view hostFolder;
    int exportRequest = 0;
    std::string_view stationCall;
    COleDateTime start;
    COleDateTime end;
    std::string_view ownDxccPrefix;
    std::string_view ownContinent;
};

// Starts a new run; always 1. Takes g_stateLock itself.
int ResetContest(const ResetArguments& reset);
