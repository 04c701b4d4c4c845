// Private-profile access through the system's own functions.

#include <windows.h>

#include "platform/platform.h"

namespace platform {

std::string ReadProfileText(const std::string& file, const std::string& section,
                            const std::string& key, const std::string& defaultValue,
                            std::size_t bufferSize) {
    if (bufferSize == 0) {
        return std::string();
    }
    std::string buffer(bufferSize, '\0');
    DWORD length =
        GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), &buffer[0],
                                 static_cast<DWORD>(bufferSize), file.c_str());
    buffer.resize(length);
    return buffer;
}

bool WriteProfileText(const std::string& file, const std::string& section, const std::string& key,
                      const std::string& value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) !=
           FALSE;
}

}  // namespace platform
