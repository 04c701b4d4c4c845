#include "engine/contest_state.h"

std::mutex g_stateLock;

const CContestRules g_bands(kBandNames, kBandCount);
const CContestRules g_modes(kModeNames, kModeCount);

std::vector<CInfo> g_log;
StringList g_workedBands;
std::array<StringList, kBandCount> g_bandRows;
std::array<StringList, kMultiplierListCount> g_multipliers;

int g_clubMember = 0;
int g_htmlResult = 0;
int g_exportMode = 0;
int g_russianUi = 0;
int g_badQsoCount = 0;
int g_updatePending = 1;

std::string g_stationCall;
std::string g_ownContinent;
std::string g_startDayMonth;
std::string g_startYear;
std::string g_endDate;
std::string g_hostVersion;
std::string g_badQsoFile;

const std::string g_iniSection = "Settings";
const std::string g_iniFile = "Plugins\\KVZ-DIGI.ini";

Setup* g_setup = nullptr;
Multiplier* g_statsWindow = nullptr;
Multiplier_Mult* g_dxccWindow = nullptr;
