#include "engine/settings.h"

#include <climits>
#include <cstddef>

#include "engine/contest_state.h"
#include "platform/platform.h"

namespace {
// Every settings read goes through a buffer of this many characters, the
// terminator included.
constexpr std::size_t kSettingBufferSize = 100;
// Far beyond anything an operator types into one header field.
constexpr std::size_t kLongestSetting = std::size_t{1} << 20;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
}  // namespace

std::string ReadSetting(const std::string& key) {
    return platform::ReadProfileText(g_iniFile, g_iniSection, key, "", kSettingBufferSize);
}

std::string ReadWholeSetting(const std::string& key, const std::string& defaultValue) {
    // The system cuts a value to the buffer without saying so: a value that
    // fills the buffer is read again with a larger one.
    for (std::size_t bufferSize = 1024;; bufferSize *= 2) {
        std::string value =
            platform::ReadProfileText(g_iniFile, g_iniSection, key, defaultValue, bufferSize);
        if (value.size() + 1 < bufferSize || bufferSize >= kLongestSetting)
            return value;
    }
}

int ReadSettingNumber(const std::string& key) {
    return ParseSettingNumber(ReadSetting(key));
}

int ParseSettingNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    long long value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

void WriteSetting(const std::string& key, const std::string& value) {
    platform::WriteProfileText(g_iniFile, g_iniSection, key, value);
}
