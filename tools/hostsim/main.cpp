// hostsim: stands in for the host logging program. It loads Stats.dll from its
// own folder and runs one scenario, printing what the plug-in answers and a
// verdict line per check.
//
//   hostsim identify        the identification calls, as the host makes them at start
//   hostsim exports         every export under each of its names, and null-text calls
//   hostsim setup-message   SetupSet0's box, read, photographed and confirmed
//   hostsim date-format     the date formatter, built for Windows, against the shared table
//   hostsim settings-file   the system's settings-file functions against the shared cases
//   hostsim fake-host       the simulator's automation object, from another apartment
//   hostsim driver-check    the Setup-window driver against a stand-in window
//   hostsim setup-first-run the Setup window without settings: mode clicks, check boxes
//   hostsim setup-mode-lower-case, setup-mode-bpsk63, setup-position,
//           setup-boxes-restored, setup-position-saver
//                           what the Setup window restores from and keeps in the
//                           settings file
//   hostsim setup-old-host  no UI thread for an old host version
//   hostsim setup-russian   the Russian title and labels
//   hostsim setup-host-not-running, setup-host-not-installed, setup-host-refuses
//                           the Setup window when the host cannot be reached
//   hostsim setup-reset-while-open  resets leave an open Setup window alone
//   hostsim unload-while-starting   FreeLibrary right after the reset that
//                                   started the UI thread
//   hostsim exit-with-setup-open    process exit with the window open, timed
//                                   from outside (runs "exit-child")
//   hostsim replay          a contest session's answers and bad-QSO file, as natively
//   hostsim demo            the shipped sample contest through the DLL, then the
//                           summary, HTML page, Cabrillo export and bad-QSO file
//                           copied to %HOSTSIM_DEMO_OUT%
//   hostsim cabrillo-dialog the header dialog of an export, filled in and confirmed,
//                           and the Cabrillo file and settings it leaves
//   hostsim cabrillo-cancel a cancelled header dialog and the export after it
//   hostsim cabrillo-not-produced  exports whose file cannot be written

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "checks.h"
#include "plugin_loader.h"
#include "scenario_folder.h"
#include "scenarios/scenarios.h"

namespace {

struct Scenario {
    const char* name;
    void (*run)(LoadedPlugin&);
};

const Scenario kScenarios[] = {
    {"identify", RunIdentify},
    {"exports", RunExportLookup},
    {"setup-message", RunSetupMessage},
    {"date-format", RunDateFormat},
    {"settings-file", RunSettingsFile},
    {"replay", RunReplay},
    {"demo", RunDemo},
    {"fake-host", RunFakeHostCheck},
    {"driver-check", RunDriverCheck},
    {"setup-first-run", RunSetupFirstRun},
    {"setup-mode-lower-case", RunSetupModeLowerCase},
    {"setup-mode-bpsk63", RunSetupModeBpsk63},
    {"setup-position", RunSetupPosition},
    {"setup-boxes-restored", RunSetupBoxesRestored},
    {"setup-position-saver", RunSetupPositionSaver},
    {"setup-old-host", RunSetupOldHost},
    {"setup-russian", RunSetupRussian},
    {"setup-host-not-running", RunSetupHostNotRunning},
    {"setup-host-not-installed", RunSetupHostNotInstalled},
    {"setup-host-refuses", RunSetupHostRefuses},
    {"setup-reset-while-open", RunSetupResetWhileOpen},
    {"unload-while-starting", RunUnloadWhileStarting},
    {"exit-with-setup-open", RunExitWithSetupOpen},
    {"exit-child", RunExitChild},
    {"cabrillo-dialog", RunCabrilloDialog},
    {"cabrillo-cancel", RunCabrilloCancel},
    {"cabrillo-not-produced", RunCabrilloNotProduced},
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
        // Whatever the plug-in writes relative to the current directory (its
        // settings, the bad-QSO file) lands in a folder of this run's own.
        ScenarioFolder folder(scenario.name);
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
