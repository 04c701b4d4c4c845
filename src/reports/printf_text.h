#pragma once
// printf-style formatting into a text of any length, for the report layouts
// that are given as printf formats. Arguments are ints and texts.

#include <cstdio>
#include <string>

namespace printf_text {
inline int Pass(int value) {
    return value;
}
inline const char* Pass(const std::string& value) {
    return value.c_str();
}
inline const char* Pass(const char* value) {
    return value;
}
}  // namespace printf_text

template <typename... Args>
std::string PrintfText(const char* format, const Args&... args) {
    const int length = std::snprintf(nullptr, 0, format, printf_text::Pass(args)...);
    if (length <= 0)
        return std::string();
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format, printf_text::Pass(args)...);
    return text;
}

// Appends the formatted text.
template <typename... Args>
void AppendPrintf(std::string& to, const char* format, const Args&... args) {
    to += PrintfText(format, args...);
}
