#include "engine/host_version.h"

#include <vector>

#include "engine/text_file.h"
#include "platform/platform.h"

namespace {
const char kHostIniName[] = "Zolt2.ini";
const char kVersionKey[] = "Zolt=";
const char kNoIniVersion[] = "Zolt";
}  // namespace

std::optional<std::string> FindHostVersion(std::string_view hostFolder) {
    bool found = false;
    for (const std::string& name : platform::FindFileNames(std::string(hostFolder) + "*.ini")) {
        if (name.find(kHostIniName) != std::string::npos) {
            found = true;
            break;
        }
    }
    if (!found)
        return std::string(kNoIniVersion);

    // The host's INI file is read by its bare name, from the current directory.
    std::optional<std::vector<std::string>> lines = ReadLines(kHostIniName);
    if (!lines)
        return std::nullopt;
    for (const std::string& line : *lines) {
        if (line.find(kVersionKey) != std::string::npos)
            return line.substr(5);
    }
    return std::nullopt;
}
