#pragma once
// The plug-in's Cabrillo header dialog seen from the operator's chair: found
// by its caption, its controls read and filled through their messages from a
// thread other than the one the dialog runs on.

#include <windows.h>

#include <string>
#include <vector>

namespace cabrillo_item {
constexpr int kOffTime = 1000;
constexpr int kSoapBox = 1001;
constexpr int kAddress = 1003;
constexpr int kEmail = 1007;
constexpr int kClub = 1008;
constexpr int kOperators = 1009;
constexpr int kClaimed = 1010;
constexpr int kContest = 1011;
constexpr int kCallsign = 1012;
constexpr int kCategoryOperator = 1014;
constexpr int kCategoryPower = 1016;
constexpr int kCategoryBand = 1019;
constexpr int kCategoryMode = 1022;
constexpr int kCategoryTime = 1023;
constexpr int kCategoryTransmitter = 1024;
constexpr int kAddressCity = 1025;
constexpr int kAddressPostalCode = 1026;
constexpr int kAddressCountry = 1027;
constexpr int kCategoryOverlay = 1030;
constexpr int kCategoryStation = 1032;
constexpr int kName = 1207;
}  // namespace cabrillo_item

extern const char kCabrilloCaption[];  // "KVZ DIGI Contest"

// The open header dialog of this process; waits up to timeoutMs. Null if none.
HWND WaitForCabrilloDialog(DWORD timeoutMs);

// Replaces a control's whole text, as pasting over it would.
void SetItemText(HWND dialog, int controlId, const std::string& text);
// Types into an edit control key by key ('\r' is the Enter key); returns once
// the control shows `expected` or after timeoutMs, with what it shows.
std::string TypeIntoItem(HWND dialog, int controlId, const std::string& keys,
                         const std::string& expected, DWORD timeoutMs);

// The entries of a combo box's list, in list order.
std::vector<std::string> ComboEntries(HWND dialog, int controlId);
// The index of the selected list entry, or -1 (CB_ERR) when none is.
int ComboSelection(HWND dialog, int controlId);
// Drops the list down and closes it again: whether it showed every entry
// without scrolling.
bool ComboListShowsAll(HWND dialog, int controlId);
// Picks the list entry with exactly this text; false when there is none.
bool PickComboEntry(HWND dialog, int controlId, const std::string& entry);

LONG ItemStyle(HWND dialog, int controlId);
std::string ItemClassName(HWND dialog, int controlId);
// The control's rectangle in the dialog's client coordinates.
RECT ItemRect(HWND dialog, int controlId);

// A static text without an id of its own: the dialog's labels.
struct DialogLabel {
    HWND window;
    std::string text;
    RECT rect;  // client coordinates of the dialog
};
std::vector<DialogLabel> DialogLabels(HWND dialog);
