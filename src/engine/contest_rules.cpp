#include "engine/contest_rules.h"

namespace {

// Upper-case letters of code page 1251 outside the two regular blocks, each
// with its lower-case partner.
struct LetterPair {
    unsigned char upper;
    unsigned char lower;
};
constexpr LetterPair kIrregularCyrillic[] = {
    {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D},
    {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4},
    {0xA8, 0xB8}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE},
};

}  // namespace

unsigned char FoldCase1251(unsigned char c) {
    if (c >= 'A' && c <= 'Z') {
        return static_cast<unsigned char>(c + ('a' - 'A'));
    }
    if (c >= 0xC0 && c <= 0xDF) {  // А..Я
        return static_cast<unsigned char>(c + 0x20);
    }
    for (const LetterPair& pair : kIrregularCyrillic) {
        if (c == pair.upper) {
            return pair.lower;
        }
    }
    return c;
}

bool EqualsIgnoreCase1251(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldCase1251(static_cast<unsigned char>(a[i])) !=
            FoldCase1251(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

CContestRules::CContestRules(const char* const* table, std::size_t count) {
    m_items.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        m_items.emplace_back(table[i] != nullptr ? table[i] : "");
    }
}

bool CContestRules::Contains(std::string_view text) const {
    for (const std::string& item : m_items) {
        if (EqualsIgnoreCase1251(item, text)) {
            return true;
        }
    }
    return false;
}
