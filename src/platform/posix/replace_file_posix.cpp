#include <cstdio>

#include "platform/platform.h"

namespace platform {

bool ReplaceFileAtomically(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace platform
