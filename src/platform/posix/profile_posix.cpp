// Private-profile functions for the Linux build, following the Windows rules
// the plug-in relies on. Files are read and written whole on every call.

#include <cstdio>
#include <fstream>
#include <sstream>

#include "engine/contest_rules.h"
#include "platform/platform.h"

namespace platform {
namespace {

// "Plugins\KVZ-DIGI.ini" is "Plugins/KVZ-DIGI.ini" under the current directory.
std::string LocalPath(const std::string& file) {
    std::string path = file;
    for (char& c : path) {
        if (c == '\\') {
            c = '/';
        }
    }
    return path;
}

std::string Trim(const std::string& text) {
    const char* blanks = " \t\r\n";
    std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return std::string();
    }
    std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

bool ReadLines(const std::string& path, std::vector<std::string>& lines) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return true;
}

// "[name]" gives name; other lines give false.
bool SectionName(const std::string& line, std::string& name) {
    std::string trimmed = Trim(line);
    if (trimmed.size() < 2 || trimmed.front() != '[') {
        return false;
    }
    std::size_t close = trimmed.find(']');
    if (close == std::string::npos) {
        return false;
    }
    name = Trim(trimmed.substr(1, close - 1));
    return true;
}

// "key=value" gives the trimmed key and value; comments and blank lines false.
bool SplitEntry(const std::string& line, std::string& key, std::string& value) {
    std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';') {
        return false;
    }
    std::size_t equals = trimmed.find('=');
    key = Trim(trimmed.substr(0, equals));
    value = equals == std::string::npos ? std::string() : Trim(trimmed.substr(equals + 1));
    return true;
}

std::string StripMatchingQuotes(const std::string& value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::string CutToBuffer(std::string text, std::size_t bufferSize) {
    if (bufferSize == 0) {
        return std::string();
    }
    if (text.size() > bufferSize - 1) {
        text.resize(bufferSize - 1);
    }
    return text;
}

}  // namespace

std::string ReadProfileText(const std::string& file, const std::string& section,
                            const std::string& key, const std::string& defaultValue,
                            std::size_t bufferSize) {
    std::string fallback = defaultValue;
    fallback.erase(fallback.find_last_not_of(' ') + 1);
    std::vector<std::string> lines;
    if (!ReadLines(LocalPath(file), lines)) {
        return CutToBuffer(fallback, bufferSize);
    }
    bool inSection = false;
    for (const std::string& line : lines) {
        std::string name;
        if (SectionName(line, name)) {
            inSection = EqualsIgnoreCase1251(name, section);
            continue;
        }
        std::string entryKey;
        std::string value;
        if (inSection && SplitEntry(line, entryKey, value) && EqualsIgnoreCase1251(entryKey, key)) {
            return CutToBuffer(StripMatchingQuotes(value), bufferSize);
        }
    }
    return CutToBuffer(fallback, bufferSize);
}

bool WriteProfileText(const std::string& file, const std::string& section, const std::string& key,
                      const std::string& value) {
    std::string path = LocalPath(file);
    std::vector<std::string> lines;
    ReadLines(path, lines);

    std::string entry = key + "=" + value;
    bool inSection = false;
    bool sectionFound = false;
    std::size_t insertAt = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string name;
        if (SectionName(lines[i], name)) {
            if (inSection) {
                break;  // end of our section: insert after its last entry
            }
            inSection = EqualsIgnoreCase1251(name, section);
            if (inSection) {
                sectionFound = true;
                insertAt = i + 1;
            }
            continue;
        }
        if (!inSection) {
            continue;
        }
        std::string entryKey;
        std::string oldValue;
        if (SplitEntry(lines[i], entryKey, oldValue)) {
            if (EqualsIgnoreCase1251(entryKey, key)) {
                lines[i] = entryKey + "=" + value;
                insertAt = lines.size() + 1;  // replaced in place
                break;
            }
            insertAt = i + 1;
        }
    }
    if (!sectionFound) {
        lines.push_back("[" + section + "]");
        lines.push_back(entry);
    } else if (insertAt <= lines.size()) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
    }

    std::ostringstream text;
    for (const std::string& line : lines) {
        text << line << "\r\n";
    }
    // Written beside the file and renamed over it, so a crash never leaves
    // half a settings file. The folder itself is not created, as on Windows.
    std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return false;
        }
        out << text.str();
        out.flush();
        if (!out) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

}  // namespace platform
