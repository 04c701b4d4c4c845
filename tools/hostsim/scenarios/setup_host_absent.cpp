// The Setup window when the host cannot be reached: installed but not
// running (the ProgID resolves, nothing in the running object table), never
// installed (no ProgID), or running but refusing the commands. The window
// works in all three and nothing fails.

#include <windows.h>

#include "checks.h"
#include "message_pump.h"
#include "plugin_loader.h"
#include "scenarios/scenarios.h"
#include "scenarios/setup_session.h"
#include "setup_window.h"
#include "ui_driver.h"

namespace {

void SwitchModesUnheard(SetupSession& session, HWND setup) {
    CheckFace(setup, setup_item::kRtty, kChosenFace, "host unreachable, no stored mode: RTTY");
    CheckFace(setup, setup_item::kBpsk63, kPlainFace, "host unreachable, no stored mode: BPSK63");
    PostButtonClick(setup, setup_item::kBpsk63);
    CheckFace(setup, setup_item::kBpsk63, kChosenFace, "host unreachable, click on BPSK63: BPSK63");
    CheckFace(setup, setup_item::kRtty, kPlainFace, "host unreachable, click on BPSK63: RTTY");
    CheckSettingBecomes(session.folder, "Mode", "BPSK63", "host unreachable: the mode is stored");
    PostButtonClick(setup, setup_item::kRtty);
    CheckFace(setup, setup_item::kRtty, kChosenFace, "host unreachable, click on RTTY: RTTY");
    CheckSettingBecomes(session.folder, "Mode", "RTTY", "host unreachable: RTTY is stored");
    Check(IsWindow(setup) && IsWindowVisible(setup), "the Setup window is still open");
}

}  // namespace

void RunSetupHostNotRunning(LoadedPlugin& plugin) {
    SetupSession session("host-not-running");
    // Running once, then gone: the ProgID stays, the running object is revoked.
    Check(session.host.StartRunning(), "the host registers");
    session.host.StopRunning();
    HWND setup = session.ResetAndWaitForSetup(plugin);
    if (setup == nullptr) {
        return;
    }
    SwitchModesUnheard(session, setup);
    CheckEqual(static_cast<long long>(session.host.Calls().size()), 0,
               "the revoked host object was never called");
    CheckUnloadWithin(plugin, 2000, "FreeLibrary with the Setup window open returns within 2 s");
}

void RunSetupHostNotInstalled(LoadedPlugin& plugin) {
    SetupSession session("host-not-installed");
    UnregisterHostProgId();
    CLSID clsid = {};
    Check(FAILED(CLSIDFromProgID(kHostProgId, &clsid)), "the host's ProgID is not registered");
    HWND setup = session.ResetAndWaitForSetup(plugin);
    if (setup == nullptr) {
        return;
    }
    SwitchModesUnheard(session, setup);
    CheckUnloadWithin(plugin, 2000, "FreeLibrary with the Setup window open returns within 2 s");
}

void RunSetupHostRefuses(LoadedPlugin& plugin) {
    SetupSession session("host-refuses");
    Check(session.host.StartRunning(), "the host is running");
    session.host.FailDispid(host_dispid::kSendCommand, DISP_E_EXCEPTION);
    HWND setup = session.ResetAndWaitForSetup(plugin);
    if (setup == nullptr) {
        return;
    }
    PumpMessagesFor(1000);
    PostButtonClick(setup, setup_item::kBpsk63);
    PumpUntil([&] { return session.host.Calls().size() >= 2; }, 3000);
    PumpMessagesFor(500);
    CheckCommandsSince(session.host, 0, {}, "the host carried out none of the refused commands");
    Check(session.host.Calls().size() >= 2,
          "the plug-in tried the host at start and again on the click (" +
              std::to_string(session.host.Calls().size()) + " calls)");
    Check(IsWindow(setup) && IsWindowVisible(setup), "the Setup window survives the host's errors");
    PostButtonClick(setup, setup_item::kClubMember);
    CheckSettingBecomes(session.folder, "setup_KVZ", "1",
                        "the window still answers its check boxes after the errors");
    CheckUnloadWithin(plugin, 2000, "FreeLibrary with the Setup window open returns within 2 s");
    CheckHostReleased(session.host);
}
