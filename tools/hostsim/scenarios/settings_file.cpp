// The system's private-profile functions, through the plug-in's Windows seam,
// against the cases the Linux stand-in passes: the two must agree.

#include <windows.h>

#include <string>

#include "checks.h"
#include "platform/profile_cases.h"
#include "scenarios/scenarios.h"

namespace {

// An empty folder of its own for each case, as the current directory.
std::string FreshFolder(const std::string& name) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "hostsim-settings-" +
                         std::to_string(GetCurrentProcessId()) + "-" + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

}  // namespace

void RunSettingsFile(LoadedPlugin&) {
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    for (const ProfileCase& c : ProfileCases()) {
        std::string folder = FreshFolder(c.name);
        SetCurrentDirectoryA(folder.c_str());
        std::vector<std::string> differences = RunProfileCase(c);
        for (const std::string& difference : differences) {
            Check(false, "settings case " + c.name + ": " + difference);
        }
        if (differences.empty()) {
            Check(true, "settings case " + c.name);
        }
        SetCurrentDirectoryA(previous);
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
}
