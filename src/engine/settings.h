#pragma once
// The plug-in's own settings: section "Settings" of "Plugins\KVZ-DIGI.ini",
// read at the moment a value is needed and written at the moment it changes.
// Both threads use these; the file name and section are constants, so no lock
// is needed for them.

#include <string>
#include <string_view>

// A stored value, at most 99 characters, or "" when the key is missing.
std::string ReadSetting(const std::string& key);

// A stored value of any length (texts the operator typed, such as a soap box),
// or `defaultValue` when the key is missing.
std::string ReadWholeSetting(const std::string& key, const std::string& defaultValue);

// A stored value as a number: its leading sign and decimal digits, so an empty
// or non-numeric value gives 0. Values beyond the range of int saturate.
int ReadSettingNumber(const std::string& key);
int ParseSettingNumber(std::string_view text);

// Best-effort: a settings file that cannot be written changes nothing else.
void WriteSetting(const std::string& key, const std::string& value);
