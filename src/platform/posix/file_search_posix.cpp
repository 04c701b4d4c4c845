// File search for the Linux build: the pattern's last component is a wildcard
// matched ignoring case, as on Windows; the folder part may use '\'.

#include <dirent.h>
#include <fnmatch.h>

#include <algorithm>

#include "platform/platform.h"

namespace platform {

std::vector<std::string> FindFileNames(const std::string& pattern) {
    std::string path = pattern;
    std::replace(path.begin(), path.end(), '\\', '/');
    std::size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    std::string wildcard = slash == std::string::npos ? path : path.substr(slash + 1);

    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        return names;
    }
    while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        if (fnmatch(wildcard.c_str(), name.c_str(), FNM_CASEFOLD) == 0) {
            names.push_back(name);
        }
    }
    closedir(dir);
    // The directory's own order is arbitrary; a stable one keeps runs repeatable.
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace platform
