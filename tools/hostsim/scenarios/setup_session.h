#pragma once
// One run of the plug-in's Setup window: a fresh working folder, the host's
// apartment with its automation object, and the operator's data.

#include <windows.h>

#include <string>

#include "fake_host.h"
#include "host_calls.h"
#include "scenario_folder.h"
#include "scenarios/ui_common.h"

class LoadedPlugin;

struct SetupSession {
    explicit SetupSession(const std::string& name) : folder(name) {
        data.hostFolder = folder.Path();
    }

    // ResetStats0 as the host calls it at the start; returns the Setup window
    // that opened (checked), or null.
    HWND ResetAndWaitForSetup(LoadedPlugin& plugin, HWND previous = nullptr);

    ScenarioFolder folder;
    HostApartment apartment;
    FakeHost host;
    OperatorData data;
};

// Waits (pumping) until the mode button shows the face colour; checks it.
void CheckFace(HWND setup, int buttonId, COLORREF expected, const std::string& what);
// Waits (pumping) until a settings key holds the value; checks it.
void CheckSettingBecomes(const ScenarioFolder& folder, const std::string& key,
                         const std::string& expected, const std::string& what);
// Screenshot into the artefacts folder, checked.
void KeepScreenshot(HWND window, const std::string& name);
