#pragma once
// All contest state of the plug-in. It lives from load to unload and is shared
// by the host's thread (the exports) and the plug-in's UI thread, so every
// read or write of it happens while holding g_stateLock.

#include <array>
#include <mutex>
#include <string>
#include <vector>

#include "engine/bands_modes.h"
#include "engine/contest_rules.h"
#include "engine/qso_record.h"

class Setup;
class Multiplier;
class Multiplier_Mult;

using StringList = std::vector<std::string>;

extern std::mutex g_stateLock;

extern const CContestRules g_bands;  // accepted bands, from kBandNames
extern const CContestRules g_modes;  // accepted modes, from kModeNames

extern std::vector<CInfo> g_log;                       // every QSO taken, in order of arrival
extern StringList g_workedBands;                       // distinct band texts in order of first use
extern std::array<StringList, kBandCount> g_bandRows;  // statistics rows: label + 4 cells
extern std::array<StringList, kMultiplierListCount> g_multipliers;  // band * 2 + mode

extern int g_clubMember;     // the operator is a club member ("setup_KVZ")
extern int g_htmlResult;     // set by setVersion: the summary comes back as HTML
extern int g_exportMode;     // export request of the last ResetStats0
extern int g_russianUi;      // the operator's own prefix is a Russian-speaking one
extern int g_badQsoCount;    // rejected lines in the bad-QSO file
extern int g_updatePending;  // the call check may post the next window update

extern std::string g_stationCall;
extern std::string g_ownContinent;
extern std::string g_startDayMonth;  // "%d.%m" of the contest start
extern std::string g_startYear;      // "%Y" of the contest start
extern std::string g_endDate;        // "%d.%m.%Y" of the contest end
extern std::string g_hostVersion;
extern std::string g_badQsoFile;

extern const std::string g_iniSection;  // "Settings"
extern const std::string g_iniFile;     // "Plugins\KVZ-DIGI.ini"

// Windows of the UI thread; null while not open.
extern Setup* g_setup;
extern Multiplier* g_statsWindow;
extern Multiplier_Mult* g_dxccWindow;
