// Exports after a cancelled header dialog, and exports whose file cannot be
// produced.

#include <windows.h>

#include <cstdio>
#include <string>

#include "cabrillo_dialog.h"
#include "checks.h"
#include "plugin_loader.h"
#include "scenarios/cabrillo_session.h"
#include "scenarios/scenarios.h"
#include "ui_driver.h"

namespace {

using namespace cabrillo_item;

// Longer than the 49 characters a fixed read buffer would keep.
const char kLongCountry[] = "Russian Federation, Siberian Federal District, Omsk Oblast";

// What an earlier run left: the header fields and the three keys that are
// written but never read back.
void WriteEarlierHeader() {
    WriteSettingHere("Operators", "UA9XX UA9YY");
    WriteSettingHere("Name", "Anna Ivanova");
    WriteSettingHere("Address", "Lenina 1");
    WriteSettingHere("Address_City", "Omsk");
    WriteSettingHere("Address_PostalCode", "644000");
    WriteSettingHere("Address_Country", kLongCountry);
    WriteSettingHere("Offtime", "2019-02-16 1300<CR><LF>2019-02-16 1400");
    WriteSettingHere("Email", "ua9xx@example.org");
    WriteSettingHere("Club", "KVZ");
    WriteSettingHere("SoapBox", "line one<CR><LF>line two");
    WriteSettingHere("Claimed", "77");
    WriteSettingHere("Category", "MULTI-OP");
    WriteSettingHere("Power", "QRP");
    WriteSettingHere("Contest", "OTHER");
}

void CheckLoadedHeader(HWND dialog) {
    struct Shown {
        int id;
        const char* name;
        std::string text;
    };
    const Shown shown[] = {
        {kOperators, "OPERATORS", "UA9XX UA9YY"},
        {kName, "NAME", "Anna Ivanova"},
        {kAddress, "ADDRESS", "Lenina 1"},
        {kAddressCity, "ADDRESS-CITY", "Omsk"},
        {kAddressPostalCode, "ADDRESS-POSTALCODE", "644000"},
        {kAddressCountry, "ADDRES-COUNTRY (58 characters, whole)", kLongCountry},
        {kOffTime, "OFFTIME", "2019-02-16 1300\r\n2019-02-16 1400"},
        {kEmail, "E-MAIL", "ua9xx@example.org"},
        {kClub, "CLUB", "KVZ"},
        {kSoapBox, "SOAPBOX", "line one\r\nline two"},
        {kClaimed, "CLAIMED", "77"},
        {kCategoryOperator, "CATEGORY-OPERATOR, whatever was saved", "SINGLE-OP"},
        {kCategoryPower, "CATEGORY-POWER, whatever was saved", "LOW"},
        {kContest, "CONTEST, whatever was saved", "KVZ-DIGI"},
    };
    for (const Shown& field : shown) {
        CheckEqual(DialogItemText(dialog, field.id), field.text,
                   std::string("loaded ") + field.name);
    }
}

void ConfirmLoaded(HWND dialog) {
    CheckLoadedHeader(dialog);
    // Lower case and only the start of an entry; the field is disabled for
    // the operator, not for the exchange of values.
    SetItemText(dialog, kCategoryTime, "24-h");
    Check(PickComboEntry(dialog, kCategoryOverlay, "KVZ"), "overlay KVZ picked");
    PostButtonClick(dialog, IDOK);
}

void EditAndCancel(HWND dialog) {
    CheckEqual(DialogItemText(dialog, kCategoryTime), "24-HOURS",
               "the confirmed \"24-h\" selects the entry it begins, ignoring case");
    CheckEqual(ComboSelection(dialog, kCategoryTime), 1, "24-HOURS is the selected entry");
    CheckEqual(DialogItemText(dialog, kCategoryOverlay), "", "the overlay box starts empty again");
    CheckEqual(ComboSelection(dialog, kCategoryOverlay), -1, "no overlay entry selected");
    SetItemText(dialog, kName, "Somebody Else");
    SetItemText(dialog, kSoapBox, "changed");
    Check(PickComboEntry(dialog, kCategoryOperator, "MULTI-OP"), "MULTI-OP picked");
    PostButtonClick(dialog, IDCANCEL);
}

const char kLoadedHeader[] =
    "START-OF-LOG: 3.0\r\n"
    "CONTEST: KVZ-DIGI\r\n"
    "CALLSIGN: UA9XX\r\n"
    "CATEGORY-OPERATOR: SINGLE-OP\r\n"
    "CATEGORY-BAND: ALL\r\n"
    "CATEGORY-POWER: LOW\r\n"
    "CATEGORY-MODE: MIXED\r\n"
    "CATEGORY-OVERLAY: KVZ\r\n"
    "CLAIMED-SCORE: 12\r\n"
    "CREATED-BY: Zolt 2.21\r\n"
    "NAME: Anna Ivanova\r\n"
    "ADDRESS: Lenina 1\r\n"
    "ADDRESS-CITY: Omsk\r\n"
    "ADDRESS-POSTALCODE: 644000\r\n"
    "ADDRESS-COUNTRY: Russian Federation, Siberian Federal District, Omsk Oblast\r\n"
    "EMAIL: ua9xx@example.org\r\n"
    "SOAPBOX: line one\r\n"
    "SOAPBOX: line two\r\n";

void ConfirmFirst(HWND dialog) {
    SetItemText(dialog, kName, "First Export");
    SetItemText(dialog, kCategoryTime, "HALF-DAY");
    PostButtonClick(dialog, IDOK);
}

void ConfirmSecond(HWND dialog) {
    CheckEqual(DialogItemText(dialog, kCategoryTime), "HALF-DAY",
               "a value no entry begins with stands in the edit field");
    CheckEqual(ComboSelection(dialog, kCategoryTime), -1, "and selects no entry");
    SetItemText(dialog, kName, "Second Export");
    PostButtonClick(dialog, IDOK);
}

void ConfirmAsIs(HWND dialog) {
    PostButtonClick(dialog, IDOK);
}

bool BeginsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

}  // namespace

void RunCabrilloCancel(LoadedPlugin& plugin) {
    WriteHostIni();
    WriteEarlierHeader();
    CheckEqual(ExportReset(plugin, "UA9XX", ConfirmLoaded), 1, "the first export reset");
    const std::string confirmed = ReadFileBytes(SettingsFileHere());
    CheckEqual(ExportReset(plugin, "UA9XX", EditAndCancel), 1, "the cancelled export reset");
    CheckEqual(ReadFileBytes(SettingsFileHere()), confirmed,
               "cancelling leaves the settings file as it was, byte for byte");

    LogContestQsos(plugin);
    int out = 0;
    CheckEqual(ExportResult(plugin, out), "File produced: UA9XX.cbr", "the \"Output\" box");
    CheckEqual(out, -1, "GetResult0 stored -1");
    CheckEqual(ReadFileBytes("UA9XX.cbr"),
               std::string(kLoadedHeader) + kContestQsoLines + "END-OF-LOG:\r\n",
               "the export uses the loaded header and the last confirmed overlay");
}

void RunCabrilloNotProduced(LoadedPlugin& plugin) {
    WriteHostIni();
    CheckEqual(ExportReset(plugin, "UA9XX", ConfirmFirst), 1, "the first export reset");
    LogContestQsos(plugin);
    int out = 0;
    CheckEqual(ExportResult(plugin, out), "File produced: UA9XX.cbr", "the first export");
    const std::string good = ReadFileBytes("UA9XX.cbr");
    Check(good.find("NAME: First Export\r\n") != std::string::npos, "the first file is written");

    // The operator has the file open in a viewer that lets nobody change it.
    HANDLE viewer = CreateFileA("UA9XX.cbr", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    Check(viewer != INVALID_HANDLE_VALUE, "UA9XX.cbr held open by a viewer");
    CheckEqual(ExportReset(plugin, "UA9XX", ConfirmSecond), 1, "the second export reset");
    LogContestQsos(plugin);
    const std::string refused = ExportResult(plugin, out, "cabrillo-not-produced.bmp");
    std::printf("\"Output\" says: %s\n", refused.c_str());
    Check(BeginsWith(refused, "File not produced: UA9XX.cbr"),
          "the \"Output\" box says the file held open was not produced");
    CheckEqual(out, -1, "GetResult0 stored -1");
    CloseHandle(viewer);
    Check(ReadFileBytes("UA9XX.cbr") == good, "the earlier file is untouched");
    Check(!FileExists("UA9XX.cbr.tmp"), "no temporary file is left behind");

    // A callsign the file system refuses as a name.
    CheckEqual(ExportReset(plugin, "UA9*XX", ConfirmAsIs), 1, "the export reset for UA9*XX");
    const std::string badName = ExportResult(plugin, out);
    std::printf("\"Output\" says: %s\n", badName.c_str());
    Check(BeginsWith(badName, "File not produced: UA9*XX.cbr"),
          "the \"Output\" box says the file with a wildcard in its name was not produced");
    Check(ReadFileBytes("UA9XX.cbr") == good, "the earlier file is still untouched");
}
