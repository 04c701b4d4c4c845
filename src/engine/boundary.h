#pragma once
// What every export does before the core sees a call: nothing thrown crosses
// into the host, and a null text counts as the empty text.

#include <string_view>

inline std::string_view Text(const char* text) {
    return text != nullptr ? std::string_view(text) : std::string_view();
}

// Runs body; any exception gives fallback instead.
template <typename Result, typename Body>
Result Guarded(Result fallback, Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return fallback;
    }
}

template <typename Body>
void GuardedVoid(Body&& body) noexcept {
    try {
        body();
    } catch (...) {
    }
}
