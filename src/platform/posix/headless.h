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

}  // namespace platform::headless
