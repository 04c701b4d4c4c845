#include "ui/setup_choices.h"

#include "engine/settings.h"

int SetupPositionFromSetting(const std::string& text) {
    int position = ParseSettingNumber(text);
    return position == 0 ? 10 : position;
}

ModeChoice ModeToRestore(const std::string& storedMode) {
    if (storedMode.empty() || storedMode == "RTTY") {
        return ModeChoice::Rtty;
    }
    if (storedMode == "BPSK63") {
        return ModeChoice::Bpsk63;
    }
    return ModeChoice::None;
}
