#pragma once
// One run of the plug-in's Setup window: a fresh working folder, the host's
// apartment with its automation object, and the operator's data.

#include <windows.h>

#include <string>

#include "fake_host.h"
#include "scenario_folder.h"
#include "scenarios/ui_common.h"
#include "support/host_calls.h"

class LoadedPlugin;

struct SetupSession {
    // The host folder given to ResetStats0 is the scenario's own folder, so no
    // host INI file is found unless the scenario writes one there.
    explicit SetupSession(const std::string& name) : folder(name) {
        reset.hostFolder = folder.Path().c_str();
    }

    // ResetStats0 with this session's operator data.
    int Reset(LoadedPlugin& plugin) const;

    // ResetStats0 as the host calls it at the start; returns the Setup window
    // that opened (checked), or null.
    HWND ResetAndWaitForSetup(LoadedPlugin& plugin, HWND previous = nullptr);

    ScenarioFolder folder;
    HostApartment apartment;
    FakeHost host;
    host::Reset reset;
};

// Waits (pumping) until the mode button shows the face colour; checks it.
void CheckFace(HWND setup, int buttonId, COLORREF expected, const std::string& what);
// Waits (pumping) until a settings key holds the value; checks it.
void CheckSettingBecomes(const ScenarioFolder& folder, const std::string& key,
                         const std::string& expected, const std::string& what);
// Screenshot into the artefacts folder, checked.
void KeepScreenshot(HWND window, const std::string& name);
