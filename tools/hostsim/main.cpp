// hostsim: stands in for the host logging program. It loads Stats.dll from its
// own folder and runs one scenario, printing what the plug-in answers and a
// verdict line per check.
//
//   hostsim identify        the identification calls, as the host makes them at start
//   hostsim exports         every export under each of its names, and null-text calls
//   hostsim setup-message   SetupSet0's box, read, photographed and confirmed
//   hostsim date-format     the date formatter, built for Windows, against the shared table
//   hostsim settings-file   the system's settings-file functions against the shared cases
//   hostsim replay          a contest session's answers and bad-QSO file, as natively

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "checks.h"
#include "plugin_loader.h"
#include "scenarios/scenarios.h"

namespace {

struct Scenario {
    const char* name;
    void (*run)(const LoadedPlugin&);
};

const Scenario kScenarios[] = {
    {"identify", RunIdentify},          {"exports", RunExportLookup},
    {"setup-message", RunSetupMessage}, {"date-format", RunDateFormat},
    {"settings-file", RunSettingsFile}, {"replay", RunReplay},
};

int Usage() {
    std::fprintf(stderr, "usage: hostsim SCENARIO\nscenarios:");
    for (const Scenario& scenario : kScenarios) {
        std::fprintf(stderr, " %s", scenario.name);
    }
    std::fprintf(stderr, "\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        return Usage();
    }
    for (const Scenario& scenario : kScenarios) {
        if (std::strcmp(argv[1], scenario.name) != 0) {
            continue;
        }
        LoadedPlugin plugin;
        Check(plugin.IsLoaded(), "Stats.dll loads from " + plugin.Path());
        if (!plugin.IsLoaded()) {
            return FinishChecks();
        }
        scenario.run(plugin);
        plugin.Unload();
        Check(GetModuleHandleA("Stats.dll") == nullptr, "Stats.dll unloads");
        return FinishChecks();
    }
    return Usage();
}
