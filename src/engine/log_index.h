#pragma once
// Indexes over g_log that answer the duplicate and the multiplier questions in
// constant time, whatever the log size. They count log entries per key, so a
// duplicate of a duplicate, and the removal of any one of them, stay exact.
// Every change to g_log goes through the functions below, under g_stateLock.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

#include "engine/qso_record.h"

class LogIndex {
public:
    void Add(const CInfo& qso);
    void Remove(const CInfo& qso);
    void Clear();

    // Entries with exactly this call, band and mode (case-sensitive).
    bool HasQso(std::string_view call, std::string_view band, std::string_view mode) const;
    // Entries on exactly this band and mode whose DXCC prefix is exactly this.
    bool HasPrefix(std::string_view band, std::string_view mode, std::string_view prefix) const;

private:
    static void Count(std::unordered_map<std::string, std::size_t>& counts, std::string key,
                      bool add);
    std::unordered_map<std::string, std::size_t> m_qsos;
    std::unordered_map<std::string, std::size_t> m_prefixes;
};

extern LogIndex g_logIndex;

// The only ways g_log changes.
void AppendToLog(const CInfo& qso);
// Removes the entry at `position`; later entries move up one place.
void RemoveFromLog(std::size_t position);
void ClearLog();
