#include "scenarios/setup_session.h"

#include "checks.h"
#include "message_pump.h"
#include "plugin_loader.h"
#include "setup_window.h"
#include "ui_driver.h"

int SetupSession::Reset(LoadedPlugin& plugin) const {
    return host::ResetStats(plugin.Api(), reset);
}

HWND SetupSession::ResetAndWaitForSetup(LoadedPlugin& plugin, HWND previous) {
    CheckEqual(Reset(plugin), 1, "ResetStats0 answers 1");
    HWND setup = WaitForSetupWindow(10000, previous);
    Check(setup != nullptr, "the Setup window opens");
    return setup;
}

void CheckFace(HWND setup, int buttonId, COLORREF expected, const std::string& what) {
    COLORREF face = CLR_INVALID;
    PumpUntil(
        [&] {
            face = ModeButtonFace(setup, buttonId);
            return face == expected;
        },
        3000);
    Check(face == expected, what + ": face " + DescribeColour(face) +
                                (face == expected ? "" : ", expected " + DescribeColour(expected)));
}

void CheckSettingBecomes(const ScenarioFolder& folder, const std::string& key,
                         const std::string& expected, const std::string& what) {
    PumpUntil([&] { return folder.ReadSetting(key) == expected; }, 3000);
    CheckEqual(folder.ReadSetting(key), expected, what);
}

void KeepScreenshot(HWND window, const std::string& name) {
    LetWindowSettle(window);
    Check(SaveWindowBitmap(window, ArtifactPath(name + ".bmp")), "screenshot " + name + " saved");
}
