// The Setup window on a machine where the plug-in has never run: no settings
// file. The operator switches mode with the two drawn buttons and ticks each
// check box; the host receives the mode commands and the settings file keeps
// every choice.

#include <windows.h>

#include "checks.h"
#include "message_pump.h"
#include "plugin_loader.h"
#include "scenarios/scenarios.h"
#include "scenarios/setup_session.h"
#include "setup_window.h"
#include "ui_driver.h"

namespace {

void CheckEnglishTexts(HWND setup) {
    CheckEqual(WindowText(setup), "", "English: the title bar is empty");
    struct Label {
        int id;
        const char* text;
    };
    const Label labels[] = {
        {setup_item::kRtty, "RTTY"},
        {setup_item::kBpsk63, "BPSK63"},
        {setup_item::kChoiceMode, "Choice mode"},
        {setup_item::kToDisplay, "To display"},
        {setup_item::kDxcc, "DXCC"},
        {setup_item::kExtendedDxcc, "Extended DXCC"},
        {setup_item::kWindowOnTop, "Window on top"},
        {setup_item::kClubMember, "I member KVZ"},
    };
    for (const Label& label : labels) {
        CheckEqual(DialogItemText(setup, label.id), label.text,
                   "English label of control " + std::to_string(label.id));
    }
}

void CheckWindowLook(HWND setup) {
    LONG_PTR exStyle = GetWindowLongPtrW(setup, GWL_EXSTYLE);
    Check((exStyle & WS_EX_TOPMOST) != 0, "the Setup window is topmost");
    HMENU systemMenu = GetSystemMenu(setup, FALSE);
    UINT closeState = systemMenu != nullptr ? GetMenuState(systemMenu, SC_CLOSE, MF_BYCOMMAND) : 0;
    Check(closeState != static_cast<UINT>(-1) && (closeState & (MF_DISABLED | MF_GRAYED)) != 0,
          "the system menu's Close is disabled");
    LetWindowSettle(setup);
    COLORREF background = DominantColour(GetDlgItem(setup, setup_item::kToDisplay), 0);
    Check(background == RGB(255, 250, 198),
          "labels sit on the plug-in's background colour: " + DescribeColour(background));
}

void CheckBoxesClear(HWND setup) {
    const int boxes[] = {setup_item::kDxcc, setup_item::kExtendedDxcc, setup_item::kWindowOnTop,
                         setup_item::kClubMember};
    for (int box : boxes) {
        CheckEqual(ButtonCheckState(setup, box), BST_UNCHECKED,
                   "check box " + std::to_string(box) + " starts clear");
    }
}

void ClickMode(SetupSession& session, HWND setup, int button, const std::string& name,
               const std::vector<std::string>& commands, COLORREF rttyFace, COLORREF bpskFace) {
    std::size_t before = session.host.Commands().size();
    PostButtonClick(setup, button);
    WaitForCommands(session.host, before + commands.size(), 5000);
    CheckCommandsSince(session.host, before, commands,
                       "a click on " + name + " sends its commands");
    CheckFace(setup, setup_item::kRtty, rttyFace, "after the click on " + name + ", RTTY");
    CheckFace(setup, setup_item::kBpsk63, bpskFace, "after the click on " + name + ", BPSK63");
    CheckSettingBecomes(session.folder, "Mode", name, "a click on " + name + " stores the mode");
}

void ToggleBox(SetupSession& session, HWND setup, int box, const std::string& key) {
    for (const char* value : {"1", "0"}) {
        int wanted = value[0] == '1' ? BST_CHECKED : BST_UNCHECKED;
        PostButtonClick(setup, box);
        PumpUntil([&] { return ButtonCheckState(setup, box) == wanted; }, 3000);
        CheckEqual(ButtonCheckState(setup, box), wanted,
                   "a click on box " + std::to_string(box) + " toggles it to " + value);
        CheckSettingBecomes(session.folder, key, value, "\"" + key + "\" written " + value);
    }
}

}  // namespace

void RunSetupFirstRun(LoadedPlugin& plugin) {
    SetupSession session("first-run");
    Check(session.host.StartRunning(), "the host is running");
    Check(!session.folder.SettingsFileExists(), "no settings file to begin with");
    HWND setup = session.ResetAndWaitForSetup(plugin);
    if (setup == nullptr) {
        return;
    }
    CheckEqual(session.folder.ReadSetting("Start"), "1",
               "ResetStats0 that started the UI: Start 1");
    POINT origin = WindowOrigin(setup);
    Check(origin.x == 10 && origin.y == 10,
          "without stored position the window opens at (10, 10): " + DescribePoint(origin));

    WaitForCommands(session.host, 2, 5000);
    CheckCommandsSince(session.host, 0, {"<MODE:RTTY>", "<BAUDRATE:45.45>"},
                       "no stored mode: the host is switched to RTTY, nothing else");
    CheckFace(setup, setup_item::kRtty, kChosenFace, "no stored mode: RTTY");
    CheckFace(setup, setup_item::kBpsk63, kPlainFace, "no stored mode: BPSK63");
    CheckBoxesClear(setup);
    CheckEnglishTexts(setup);
    CheckWindowLook(setup);
    KeepScreenshot(setup, "setup-english");

    ClickMode(session, setup, setup_item::kBpsk63, "BPSK63", {"<MODE:BPSK31>", "<BAUDRATE:63>"},
              kPlainFace, kChosenFace);
    KeepScreenshot(setup, "setup-english-bpsk63");
    ClickMode(session, setup, setup_item::kBpsk63, "BPSK63", {"<MODE:BPSK31>", "<BAUDRATE:63>"},
              kPlainFace, kChosenFace);
    ClickMode(session, setup, setup_item::kRtty, "RTTY", {"<MODE:RTTY>", "<BAUDRATE:45.45>"},
              kChosenFace, kPlainFace);

    ToggleBox(session, setup, setup_item::kDxcc, "DXCC");
    ToggleBox(session, setup, setup_item::kExtendedDxcc, "setup_view_dxcc_extended");
    ToggleBox(session, setup, setup_item::kWindowOnTop, "setup_window_on_top");
    ToggleBox(session, setup, setup_item::kClubMember, "setup_KVZ");
    CheckEqual(static_cast<long long>(session.host.RefusedCalls()), 0,
               "every call the plug-in made fits its DISPID");

    CheckUnloadWithin(plugin, 2000, "FreeLibrary with the Setup window open returns within 2 s");
    CheckHostReleased(session.host);
    Check(!IsWindow(setup), "the Setup window is gone after FreeLibrary");
}
