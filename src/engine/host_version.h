#pragma once
// Which host version runs: the host keeps it in its own INI file.

#include <optional>
#include <string>
#include <string_view>

// Searches "<hostFolder>*.ini" (the folder text as given, no separator added)
// for a name containing "Zolt2.ini". None found: "Zolt". Found: the first line
// of "Zolt2.ini" in the current directory that holds "Zolt=", without its first
// five characters; nothing when that file cannot be read or has no such line,
// so the caller keeps the version it had.
std::optional<std::string> FindHostVersion(std::string_view hostFolder);
