// File search through FindFirstFile/FindNextFile; the search handle is always closed.

#include <windows.h>

#include "platform/platform.h"

namespace platform {

std::vector<std::string> FindFileNames(const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        names.emplace_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

}  // namespace platform
