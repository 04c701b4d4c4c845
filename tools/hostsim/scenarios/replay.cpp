// A short contest session against the real DLL: the same calls, answers and
// bad-QSO file bytes as the native tests expect.

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "checks.h"
#include "engine/replay_cases.h"
#include "file_bytes.h"
#include "plugin_loader.h"
#include "scenarios/scenarios.h"

void RunReplay(LoadedPlugin& plugin) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder =
        std::string(temp) + "hostsim-replay-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA((folder + "\\Plugins").c_str(), nullptr);
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(folder.c_str());
    // "Start" = 1: this reset toggles it back and opens no Setup window.
    WritePrivateProfileStringA("Settings", "Start", "1", "Plugins\\KVZ-DIGI.ini");

    replay::Run(plugin.Api(), [](const char* name, int got, int expected) {
        CheckEqual(got, expected, std::string("replay: ") + name);
    });
    CheckEqual(ReadFileBytes(replay::kBadQsoFile), std::string(replay::kExpectedBadQsoText),
               "replay: bad-QSO file bytes");
    CheckEqual(host::GetResult(plugin.Api()), std::string(replay::kExpectedSummary),
               "replay: the score summary after the session");

    CheckEqual(GetPrivateProfileIntA("Settings", "Start", -1, "Plugins\\KVZ-DIGI.ini"), 0,
               "replay: the reset that found Start 1 left 0");

    // The host's own INI file, found by the system's file search in the host
    // folder and read by its bare name: version 2.20 answers 1 for "cannot be
    // checked". The reset truncates the report to its title.
    std::ofstream("Zolt2.ini", std::ios::binary) << "[Zolt]\r\nZolt=2.20\r\n";
    WritePrivateProfileStringA("Settings", "Start", "1", "Plugins\\KVZ-DIGI.ini");
    host::Reset reset;
    const std::string hostFolder = folder + "\\";
    reset.hostFolder = hostFolder.c_str();
    CheckEqual(host::ResetStats(plugin.Api(), reset), 1, "host 2.20: reset");
    CheckEqual(host::CheckCall(plugin.Api(), host::Typed("DL3CC", "DL", "160m")), 1,
               "host 2.20: 160m cannot be checked, answered 1");
    CheckEqual(ReadFileBytes(replay::kBadQsoFile), std::string("KVZ DIGI Contest UBN file \r\n"),
               "host 2.20: bad-QSO file back to its title");

    SetCurrentDirectoryA(previous);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}
