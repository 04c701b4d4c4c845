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
    CheckEqual(session.Reset(plugin), 1, "ResetStats0 answers 1");
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

// Every option stored as "1" comes back ticked, "Window on top" included, so
// its box and the choice the tool windows follow agree from the start.
void RunSetupBoxesRestored(LoadedPlugin& plugin) {
    SetupSession session("boxes-restored");
    Check(session.host.StartRunning(), "the host is running");
    struct StoredBox {
        int id;
        const char* key;
    };
    const StoredBox boxes[] = {
        {setup_item::kDxcc, "DXCC"},
        {setup_item::kExtendedDxcc, "setup_view_dxcc_extended"},
        {setup_item::kWindowOnTop, "setup_window_on_top"},
        {setup_item::kClubMember, "setup_KVZ"},
    };
    for (const StoredBox& box : boxes) {
        session.folder.WriteSetting(box.key, "1");
    }
    HWND setup = session.ResetAndWaitForSetup(plugin);
    if (setup == nullptr) {
        return;
    }
    PumpMessagesFor(500);
    for (const StoredBox& box : boxes) {
        CheckEqual(ButtonCheckState(setup, box.id), BST_CHECKED,
                   std::string("stored \"") + box.key + "\" 1: its box is ticked");
    }
    CheckUnloadWithin(plugin, 2000, "FreeLibrary with the Setup window open returns within 2 s");
    CheckHostReleased(session.host);
}

// The mouse over the window writes its position, but only an edge that differs
// from the one last read or written.
void RunSetupPositionSaver(LoadedPlugin& plugin) {
    SetupSession session("position-saver");
    Check(session.host.StartRunning(), "the host is running");
    HWND setup = session.ResetAndWaitForSetup(plugin);
    if (setup == nullptr) {
        return;
    }
    POINT inside = WindowOrigin(setup);
    SetCursorPos(inside.x + 30, inside.y + 40);
    PumpMessagesFor(1000);
    CheckEqual(session.folder.ReadSetting("Setup_x") + " " + session.folder.ReadSetting("Setup_y"),
               std::string(kMissingSetting) + " " + kMissingSetting,
               "the mouse over the unmoved window writes no position");

    SetWindowPos(setup, nullptr, 200, 150, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    PumpUntil([&] { return WindowOrigin(setup).x == 200; }, 3000);
    SetCursorPos(200 + 30, 150 + 40);
    PumpMessagesFor(200);
    SetCursorPos(200 + 35, 150 + 42);
    CheckSettingBecomes(session.folder, "Setup_x", "200", "the moved window's left edge is stored");
    CheckSettingBecomes(session.folder, "Setup_y", "150", "the moved window's top edge is stored");
    SetCursorPos(0, 1000);
    CheckUnloadWithin(plugin, 2000, "FreeLibrary with the Setup window open returns within 2 s");
    CheckHostReleased(session.host);
}
