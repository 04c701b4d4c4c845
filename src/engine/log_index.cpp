#include "engine/log_index.h"

#include "engine/contest_state.h"

LogIndex g_logIndex;

namespace {
// Texts from the host never hold a NUL, so it separates the parts of a key.
std::string Key(std::string_view a, std::string_view b, std::string_view c) {
    std::string key;
    key.reserve(a.size() + b.size() + c.size() + 2);
    key.append(a).append(1, '\0').append(b).append(1, '\0').append(c);
    return key;
}
}  // namespace

void LogIndex::Count(std::unordered_map<std::string, std::size_t>& counts, std::string key,
                     bool add) {
    if (add) {
        ++counts[std::move(key)];
        return;
    }
    auto found = counts.find(key);
    if (found != counts.end() && --found->second == 0)
        counts.erase(found);
}

void LogIndex::Add(const CInfo& qso) {
    Count(m_qsos, Key(qso.call, qso.band, qso.mode), true);
    Count(m_prefixes, Key(qso.band, qso.mode, qso.dxccPrefix), true);
}

void LogIndex::Remove(const CInfo& qso) {
    Count(m_qsos, Key(qso.call, qso.band, qso.mode), false);
    Count(m_prefixes, Key(qso.band, qso.mode, qso.dxccPrefix), false);
}

void LogIndex::Clear() {
    m_qsos.clear();
    m_prefixes.clear();
}

bool LogIndex::HasQso(std::string_view call, std::string_view band, std::string_view mode) const {
    return m_qsos.count(Key(call, band, mode)) != 0;
}

bool LogIndex::HasPrefix(std::string_view band, std::string_view mode,
                         std::string_view prefix) const {
    return m_prefixes.count(Key(band, mode, prefix)) != 0;
}

void AppendToLog(const CInfo& qso) {
    g_log.push_back(qso);
    g_logIndex.Add(qso);
}

void RemoveFromLog(std::size_t position) {
    g_logIndex.Remove(g_log[position]);
    g_log.erase(g_log.begin() + static_cast<std::ptrdiff_t>(position));
}

void ClearLog() {
    g_log.clear();
    g_logIndex.Clear();
}
