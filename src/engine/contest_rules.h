#pragma once
// A set of texts with case-insensitive membership, as the contest's accepted
// bands and modes are kept. Case folding covers ASCII and the Cyrillic letters
// of code page 1251, the same on every machine whatever its own code page.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

unsigned char FoldCase1251(unsigned char c);
bool EqualsIgnoreCase1251(std::string_view a, std::string_view b);

class CContestRules {
public:
    CContestRules() = default;
    // Every text of the table in order, duplicates included.
    CContestRules(const char* const* table, std::size_t count);

    bool Contains(std::string_view text) const;

    std::size_t GetSize() const { return m_items.size(); }
    const std::string& GetAt(std::size_t index) const { return m_items.at(index); }
    void Add(std::string text) { m_items.push_back(std::move(text)); }

private:
    std::vector<std::string> m_items;
};
