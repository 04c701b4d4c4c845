#include "framework/wide_text.h"

std::wstring WideFromCodePage(const std::string& text, UINT codePage) {
    if (text.empty()) {
        return std::wstring();
    }
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) {
        MultiByteToWideChar(codePage, 0, text.data(), size, &wide[0], length);
    }
    return wide;
}

std::string CodePageFromWide(const std::wstring& text, UINT codePage) {
    if (text.empty()) {
        return std::string();
    }
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0) {
        WideCharToMultiByte(codePage, 0, text.data(), size, &narrow[0], length, nullptr, nullptr);
    }
    return narrow;
}
