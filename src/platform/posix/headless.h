#pragma once
// What the headless stand-ins of the Linux build did, for the tests to inspect.

#include <functional>
#include <string>
#include <vector>

#include "reports/cabrillo_header_values.h"

namespace platform::headless {

struct RecordedMessageBox {
    std::string text;
    std::string caption;  // "" when the system default was asked for
    bool defaultCaption = false;
    bool information = false;  // a notice with the information icon
};

std::vector<RecordedMessageBox> TakeMessageBoxes();

// The UI thread has no windows here: starting it only marks a Setup window as
// open, and posts to it are counted.
struct UiRecord {
    int starts = 0;         // StartUiThread calls that started a thread
    int stops = 0;          // StopUiThread calls that found one running
    int postedUpdates = 0;  // window-update messages posted
    bool running = false;   // a Setup window is open
};
UiRecord TakeUiRecord();  // returns the record and clears its counters
void CloseSetupWindow();  // as if the operator closed the Setup window

// The Cabrillo header dialog: each one shown is recorded with the values it
// was preset with, then answered at once by the answer the test chose. The
// answer may edit the values and returns true for OK; with no answer set the
// dialog is cancelled.
using HeaderDialogAnswer = std::function<bool(CabrilloHeaderValues&)>;
void SetHeaderDialogAnswer(HeaderDialogAnswer answer);
std::vector<CabrilloHeaderValues> TakeHeaderDialogs();  // as shown, oldest first

}  // namespace platform::headless
