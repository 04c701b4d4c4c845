#pragma once
// The Setup window's decisions that need no window: what to restore from its
// settings values.

#include <string>

// The stored left or top edge of the Setup window; a missing, empty or 0
// value puts the window at 10, any other number (negative ones too) is kept.
int SetupPositionFromSetting(const std::string& text);

enum class ModeChoice { None, Rtty, Bpsk63 };

// The mode to restore from the "Mode" setting: "RTTY" or nothing at all
// chooses RTTY, exactly "BPSK63" chooses BPSK63, anything else neither.
ModeChoice ModeToRestore(const std::string& storedMode);
