#pragma once
// What the headless stand-ins of the Linux build did, for the tests to inspect.

#include <string>
#include <vector>

namespace platform::headless {

struct RecordedMessageBox {
    std::string text;
    std::string caption;  // "" when the system default was asked for
    bool defaultCaption = false;
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

struct RecordedHeaderEdit {
    std::string call;
    double start = 0;
    double end = 0;
};
std::vector<RecordedHeaderEdit> TakeHeaderEdits();
void SetHeaderDialogAnswer(int answer);  // what the next dialogs return (0 at first)

}  // namespace platform::headless
