// The Cabrillo header dialog on a first export, without a settings file: its
// template, labels, lists and presets; then the operator fills it in and
// confirms, and the next GetResult0 writes the log with what was confirmed.

#include <windows.h>

#include <string>
#include <vector>

#include "cabrillo_dialog.h"
#include "checks.h"
#include "plugin_loader.h"
#include "scenario_folder.h"
#include "scenarios/cabrillo_session.h"
#include "scenarios/scenarios.h"
#include "ui_driver.h"

namespace {

enum class Kind { kEdit, kCombo };

struct ControlRow {
    const char* label;
    int id;
    Kind kind;
    bool sorted;
    bool disabled;
    std::vector<std::string> list;
    const char* preset;  // for UA9XX without settings
};

using namespace cabrillo_item;

// Top to bottom; CLAIMED sits beside CALLSIGN.
const std::vector<ControlRow> kRows = {
    {"CONTEST", kContest, Kind::kEdit, false, false, {}, "KVZ-DIGI"},
    {"CALLSIGN", kCallsign, Kind::kEdit, false, false, {}, "UA9XX"},
    {"CLAIMED", kClaimed, Kind::kEdit, false, false, {}, ""},
    {"CATEGORY-OPERATOR",
     kCategoryOperator,
     Kind::kCombo,
     false,
     false,
     {"SINGLE-OP", "MULTI-OP", "MULTI-MULTI", "CHECKLOG"},
     "SINGLE-OP"},
    {"CATEGORY-BAND",
     kCategoryBand,
     Kind::kCombo,
     false,
     false,
     {"ALL", "THREE", "80M", "40M", "20M", "15M", "10M", "160M-80M-40M", "20M-15M-10M"},
     "ALL"},
    {"CATEGORY-MODE",
     kCategoryMode,
     Kind::kCombo,
     false,
     false,
     {"MIXED", "RTTY", "BPSK63"},
     "MIXED"},
    {"CATEGORY-POWER", kCategoryPower, Kind::kCombo, true, false, {"HIGH", "LOW", "QRP"}, "LOW"},
    {"CATEGORY-TIME", kCategoryTime, Kind::kCombo, true, true, {"12-HOURS", "24-HOURS"}, ""},
    {"CATEFORY-TRANSMITTER",
     kCategoryTransmitter,
     Kind::kCombo,
     true,
     false,
     {"ONE", "TWO", "UNLIMITED"},
     ""},
    {"CAREGORY-OVERLAY", kCategoryOverlay, Kind::kCombo, true, false, {"KVZ"}, ""},
    {"CAREGORY-STATION", kCategoryStation, Kind::kCombo, true, true, {"FIXED", "PORTABLE"}, ""},
    {"OFFTIME", kOffTime, Kind::kEdit, false, true, {}, ""},
    {"NAME", kName, Kind::kEdit, false, false, {}, ""},
    {"ADDRESS", kAddress, Kind::kEdit, false, false, {}, ""},
    {"ADDRESS-CITY", kAddressCity, Kind::kEdit, false, false, {}, ""},
    {"ADDRESS-POSTALCODE", kAddressPostalCode, Kind::kEdit, false, false, {}, ""},
    {"ADDRES-COUNTRY", kAddressCountry, Kind::kEdit, false, false, {}, ""},
    {"OPERATORS", kOperators, Kind::kEdit, false, false, {}, "UA9XX"},
    {"CLUB", kClub, Kind::kEdit, false, false, {}, ""},
    {"SOAPBOX", kSoapBox, Kind::kEdit, false, false, {}, ""},
    {"E-MAIL", kEmail, Kind::kEdit, false, false, {}, ""},
};

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) {
        joined += (joined.empty() ? "" : ", ") + text;
    }
    return joined;
}

const DialogLabel* FindLabel(const std::vector<DialogLabel>& labels, const std::string& text) {
    for (const DialogLabel& label : labels) {
        if (label.text == text) {
            return &label;
        }
    }
    return nullptr;
}

void CheckTemplate(HWND dialog) {
    CheckEqual(WindowText(dialog), "KVZ DIGI Contest", "the header dialog's caption");
    const LONG style = GetWindowLongA(dialog, GWL_STYLE);
    const LONG wanted = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    Check((style & wanted) == wanted && (GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME),
          "a modal frame with caption and system menu");
    RECT size = {0, 0, 255, 409};
    MapDialogRect(dialog, &size);
    RECT client = {};
    GetClientRect(dialog, &client);
    Check(client.right == size.right && client.bottom == size.bottom,
          "255 by 409 dialog units: " + std::to_string(client.right) + " x " +
              std::to_string(client.bottom) + " pixels");
    LOGFONTA font = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
    HDC screen = GetDC(nullptr);
    const int eightPoints = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    Check(std::string(font.lfFaceName) == "MS Sans Serif" && font.lfHeight == eightPoints,
          std::string("8-point \"MS Sans Serif\": \"") + font.lfFaceName + "\", height " +
              std::to_string(font.lfHeight));
}

void CheckRow(HWND dialog, const ControlRow& row, const std::vector<DialogLabel>& labels) {
    const std::string what = std::string(row.label) + " (" + std::to_string(row.id) + ")";
    const bool exists = GetDlgItem(dialog, row.id) != nullptr;
    Check(exists, what + ": the control exists");
    if (!exists) {
        return;
    }
    CheckEqual(ItemClassName(dialog, row.id), row.kind == Kind::kEdit ? "Edit" : "ComboBox",
               what + ": kind of control");
    const RECT item = ItemRect(dialog, row.id);
    const DialogLabel* label = FindLabel(labels, row.label);
    Check(label != nullptr, what + ": the label is there, spelled as on the form");
    if (label != nullptr) {
        const LONG middle = (label->rect.top + label->rect.bottom) / 2;
        Check(middle > item.top && middle < item.bottom && label->rect.right <= item.left,
              what + ": the label stands left of its control, on its line");
    }
    const LONG style = ItemStyle(dialog, row.id);
    Check(((style & WS_DISABLED) != 0) == row.disabled,
          what + (row.disabled ? ": disabled" : ": enabled"));
    const std::string shown = DialogItemText(dialog, row.id);
    CheckEqual(shown, row.preset, what + ": preset");
    if (row.kind != Kind::kCombo) {
        return;
    }
    CheckEqual(style & 3, CBS_DROPDOWN, what + ": a drop-down list with an edit field");
    Check(ComboListShowsAll(dialog, row.id), what + ": the dropped list shows every entry");
    Check(((style & CBS_SORT) != 0) == row.sorted, what + (row.sorted ? ": sorted" : ": unsorted"));
    CheckEqual(Joined(ComboEntries(dialog, row.id)), Joined(row.list), what + ": list entries");
    int presetIndex = -1;
    for (std::size_t i = 0; i < row.list.size(); ++i) {
        if (row.list[i] == row.preset) {
            presetIndex = static_cast<int>(i);
        }
    }
    CheckEqual(ComboSelection(dialog, row.id), presetIndex, what + ": selected entry");
}

void CheckOrder(HWND dialog) {
    LONG previousTop = -1;
    bool inOrder = true;
    for (const ControlRow& row : kRows) {
        const RECT item = ItemRect(dialog, row.id);
        if (row.id == kClaimed) {
            const RECT callsign = ItemRect(dialog, kCallsign);
            Check(item.top == callsign.top && item.left > callsign.right,
                  "CLAIMED stands beside CALLSIGN");
            continue;
        }
        inOrder = inOrder && item.top > previousTop;
        previousTop = item.top;
    }
    Check(inOrder, "the controls follow each other from top to bottom in the form's order");
    const RECT ok = ItemRect(dialog, IDOK);
    const RECT cancel = ItemRect(dialog, IDCANCEL);
    Check(ok.top > previousTop && cancel.top > previousTop, "OK and CANCEL below the last field");
    CheckEqual(DialogItemText(dialog, IDOK), "OK", "the OK button's text");
    CheckEqual(DialogItemText(dialog, IDCANCEL), "CANCEL", "the CANCEL button's text");
}

void CheckEditStyles(HWND dialog) {
    const LONG offTime = ItemStyle(dialog, kOffTime);
    Check((offTime & ES_MULTILINE) != 0, "OFFTIME takes several lines");
    Check((ItemStyle(dialog, kAddress) & ES_AUTOHSCROLL) == 0,
          "ADDRESS does not scroll sideways: input stops at the box's width");
    Check((ItemStyle(dialog, kName) & ES_AUTOHSCROLL) != 0, "NAME scrolls sideways");
    const LONG soapBox = ItemStyle(dialog, kSoapBox);
    const LONG soapBoxWanted = ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL;
    Check((soapBox & soapBoxWanted) == soapBoxWanted,
          "SOAPBOX: several lines, Enter starts a new one, vertical scroll bar");
}

void CheckFreshDialog(HWND dialog) {
    CheckTemplate(dialog);
    const std::vector<DialogLabel> labels = DialogLabels(dialog);
    CheckEqual(static_cast<long long>(labels.size()), static_cast<long long>(kRows.size()),
               "one label per field and no other");
    for (const ControlRow& row : kRows) {
        CheckRow(dialog, row, labels);
    }
    CheckOrder(dialog);
    CheckEditStyles(dialog);
    const DialogLabel* contest = FindLabel(labels, "CONTEST");
    if (contest != nullptr) {
        const COLORREF background = DominantColour(contest->window, 0);
        Check(background == RGB(255, 250, 198),
              "the labels sit on the plug-in's background: " + DescribeColour(background));
    }
}

void FillAndConfirm(HWND dialog) {
    CheckFreshDialog(dialog);
    // Enter in the soap box starts a new line instead of pressing OK.
    CheckEqual(TypeIntoItem(dialog, kSoapBox, "first\rsecond", "first\r\nsecond", 3000),
               "first\r\nsecond", "SOAPBOX typed on two lines");
    Check(IsWindow(dialog) != FALSE, "Enter in SOAPBOX leaves the dialog open");
    SetItemText(dialog, kName, "Ivan Petrov");
    Check(PickComboEntry(dialog, kCategoryOperator, "MULTI-OP"), "MULTI-OP picked");
    Check(PickComboEntry(dialog, kCategoryTransmitter, "TWO"), "transmitter TWO picked");
    SetItemText(dialog, kClaimed, "99999");
    Photograph(dialog, "cabrillo-dialog.bmp");
    PostButtonClick(dialog, IDOK);
}

void ReopenAndCancel(HWND dialog) {
    CheckEqual(DialogItemText(dialog, kCategoryOperator), "SINGLE-OP",
               "reopened: the operator category starts at SINGLE-OP again");
    CheckEqual(DialogItemText(dialog, kCategoryTransmitter), "",
               "reopened: the transmitter box starts empty");
    CheckEqual(DialogItemText(dialog, kSoapBox), "first\r\nsecond",
               "reopened: SOAPBOX on two lines again");
    CheckEqual(DialogItemText(dialog, kName), "Ivan Petrov", "reopened: NAME remembered");
    PostButtonClick(dialog, IDCANCEL);
}

const char kExpectedHeader[] =
    "START-OF-LOG: 3.0\r\n"
    "CONTEST: KVZ-DIGI\r\n"
    "CALLSIGN: UA9XX\r\n"
    "CATEGORY-OPERATOR: MULTI-OP\r\n"
    "CATEGORY-TRANSMITTER: TWO\r\n"
    "CLAIMED-SCORE: 12\r\n"
    "CREATED-BY: Zolt 2.21\r\n"
    "NAME: Ivan Petrov\r\n"
    "ADDRESS: \r\n"
    "ADDRESS-CITY: \r\n"
    "ADDRESS-POSTALCODE: \r\n"
    "ADDRESS-COUNTRY: \r\n"
    "EMAIL: \r\n"
    "SOAPBOX: first\r\n"
    "SOAPBOX: second\r\n";

}  // namespace

void RunCabrilloDialog(LoadedPlugin& plugin) {
    Check(!FileExists(SettingsFileHere()), "no settings file before the first export");
    WriteHostIni();

    CheckEqual(ExportReset(plugin, "UA9XX", FillAndConfirm), 1, "the export reset");
    CheckEqual(ReadSettingHere("Name"), "Ivan Petrov", "settings: Name");
    CheckEqual(ReadSettingHere("SoapBox"), "first<CR><LF>second", "settings: SoapBox");
    CheckEqual(ReadSettingHere("Category"), "MULTI-OP", "settings: Category");
    CheckEqual(ReadSettingHere("Power"), "LOW", "settings: Power");
    CheckEqual(ReadSettingHere("Contest"), "KVZ-DIGI", "settings: Contest");
    CheckEqual(ReadSettingHere("Operators"), "UA9XX", "settings: Operators");
    CheckEqual(ReadSettingHere("Claimed"), kMissingSetting,
               "settings: the CLAIMED typed in the dialog is not kept");

    LogContestQsos(plugin);
    int out = 0;
    CheckEqual(ExportResult(plugin, out, "cabrillo-output.bmp"), "File produced: UA9XX.cbr",
               "the \"Output\" box names the file");
    CheckEqual(out, -1, "GetResult0 stored -1");
    CheckEqual(ReadFileBytes("UA9XX.cbr"),
               std::string(kExpectedHeader) + kContestQsoLines + "END-OF-LOG:\r\n",
               "UA9XX.cbr bytes");
    CheckEqual(ReadSettingHere("Claimed"), "12", "settings: Claimed is the computed score");

    CheckEqual(ExportReset(plugin, "UA9XX", ReopenAndCancel), 1, "the second export reset");
}
