// The Setup window restoring what the settings file holds: the mode (exact
// texts only) and the window position, including 0 (taken as the default)
// and a position left of the screen.

#include <windows.h>

#include "checks.h"
#include "message_pump.h"
#include "plugin_loader.h"
#include "scenarios/scenarios.h"
#include "scenarios/setup_session.h"
#include "setup_window.h"
#include "ui_driver.h"

namespace {

// Esc in the Setup window, as the operator presses it.
void PressEscape(HWND setup) {
    PostMessageW(setup, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageW(setup, WM_KEYUP, VK_ESCAPE, 0);
}

}  // namespace

void RunSetupModeLowerCase(LoadedPlugin& plugin) {
    SetupSession session("mode-lower-case");
    Check(session.host.StartRunning(), "the host is running");
    session.folder.WriteSetting("Mode", "bpsk63");
    HWND setup = session.ResetAndWaitForSetup(plugin);
    if (setup == nullptr) {
        return;
    }
    PumpMessagesFor(1500);
    CheckCommandsSince(session.host, 0, {}, "a stored mode in lower case sends nothing");
    CheckFace(setup, setup_item::kRtty, kPlainFace, "stored \"bpsk63\": RTTY");
    CheckFace(setup, setup_item::kBpsk63, kPlainFace, "stored \"bpsk63\": BPSK63");
    CheckEqual(session.folder.ReadSetting("Mode"), "bpsk63", "the stored mode is left as it was");
    CheckUnloadWithin(plugin, 2000, "FreeLibrary with the Setup window open returns within 2 s");
    CheckHostReleased(session.host);
}

void RunSetupModeBpsk63(LoadedPlugin& plugin) {
    SetupSession session("mode-bpsk63");
    Check(session.host.StartRunning(), "the host is running");
    session.folder.WriteSetting("Mode", "BPSK63");
    HWND setup = session.ResetAndWaitForSetup(plugin);
    if (setup == nullptr) {
        return;
    }
    WaitForCommands(session.host, 2, 5000);
    CheckCommandsSince(session.host, 0, {"<MODE:BPSK31>", "<BAUDRATE:63>"},
                       "stored \"BPSK63\": the host is switched to BPSK63");
    CheckFace(setup, setup_item::kRtty, kPlainFace, "stored \"BPSK63\": RTTY");
    CheckFace(setup, setup_item::kBpsk63, kChosenFace, "stored \"BPSK63\": BPSK63");
    CheckUnloadWithin(plugin, 2000, "FreeLibrary with the Setup window open returns within 2 s");
    CheckHostReleased(session.host);
}

// Three ResetStats0 calls, as the engine alternates its start toggle: the
// first opens a window, Esc closes it, the second starts nothing, the third
// opens a new one that reads the position again.
void RunSetupPosition(LoadedPlugin& plugin) {
    SetupSession session("position");
    Check(session.host.StartRunning(), "the host is running");
    session.folder.WriteSetting("Setup_x", "0");
    session.folder.WriteSetting("Setup_y", "35");
    HWND first = session.ResetAndWaitForSetup(plugin);
    if (first == nullptr) {
        return;
    }
    POINT origin = WindowOrigin(first);
    Check(origin.x == 10 && origin.y == 35,
          "\"Setup_x\" 0 opens at x 10, \"Setup_y\" 35 at y 35: " + DescribePoint(origin));

    PressEscape(first);
    Check(WaitForWindowGone(first, 5000), "Esc closes the Setup window");
    PumpMessagesFor(300);
    CheckEqual(CallResetStats(plugin.Api(), session.data), 1, "ResetStats0 answers 1");
    PumpMessagesFor(1500);
    Check(FindSetupWindow() == nullptr, "the reset after a started UI starts nothing");
    CheckEqual(session.folder.ReadSetting("Start"), "0", "... and sets Start back to 0");

    session.folder.WriteSetting("Setup_x", "-20");
    HWND second = session.ResetAndWaitForSetup(plugin, first);
    if (second == nullptr) {
        return;
    }
    origin = WindowOrigin(second);
    Check(origin.x == -20 && origin.y == 35,
          "\"Setup_x\" -20 opens at x -20: " + DescribePoint(origin));
    CheckUnloadWithin(plugin, 2000, "FreeLibrary with the Setup window open returns within 2 s");
    CheckHostReleased(session.host);
}
