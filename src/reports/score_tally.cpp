#include "reports/score_tally.h"

#include <cmath>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "engine/contest_state.h"
#include "engine/text_file.h"

namespace {
// Band texts are padded with leading zeros to this width before they are
// compared, so that "160m" sorts as a longer wavelength than "80m".
constexpr std::size_t kBandSortWidth = 20;

std::string BandSortKey(const std::string& band) {
    if (band.size() >= kBandSortWidth)
        return band;
    return std::string(kBandSortWidth - band.size(), '0') + band;
}

// Descending, by exchanging pairs in place: longest wavelength first.
void SortWorkedBands() {
    const std::size_t count = g_workedBands.size();
    for (std::size_t i = 0; i + 1 < count; ++i) {
        for (std::size_t j = i + 1; j < count; ++j) {
            if (BandSortKey(g_workedBands[i]) < BandSortKey(g_workedBands[j]))
                std::swap(g_workedBands[i], g_workedBands[j]);
        }
    }
}

// Lines of the bad-QSO file that list a rejected QSO: neither the title (it
// carries "UBN") nor a duplicate line counts.
int CountRejectedQsos() {
    const std::optional<std::vector<std::string>> lines = ReadLines(g_badQsoFile);
    if (!lines)
        return 0;
    int count = 0;
    for (const std::string& line : *lines) {
        const std::size_t dupe = line.find("DUPE");
        const std::size_t ubn = line.find("UBN");
        const bool excluded =
            (dupe != std::string::npos && dupe > 0) || (ubn != std::string::npos && ubn > 0);
        if (!excluded)
            ++count;
    }
    return count;
}

// Days on one straight scale: before 30 December 1899 the stored value
// counts whole days backwards but the time of day forwards.
double LinearDays(double days) {
    if (days >= 0)
        return days;
    const double whole = std::ceil(days);
    return whole + (whole - days);
}

// Whole minutes from `entry` to `reference`, rounded to the second first and
// truncated toward zero; NaN when either time is unusable.
double MinutesBefore(const COleDateTime& reference, const COleDateTime& entry) {
    if (reference.m_status != COleDateTime::valid || entry.m_status != COleDateTime::valid)
        return std::nan("");
    const double halfSecond = 0.5 / 86400.0;
    double days = LinearDays(reference.m_dt) - LinearDays(entry.m_dt);
    days += days >= 0 ? halfSecond : -halfSecond;
    return std::trunc(days * 1440.0);
}

// A band text of no known band shares the lists of the row before it.
int BandIndexOfRow(const std::string& band, int previous) {
    const int index = BandIndex(band);
    return index >= 0 ? index : previous;
}

const std::string* MultiplierKey(const CInfo& entry) {
    if (!entry.dxccPrefix.empty())
        return &entry.dxccPrefix;
    if (!entry.clubMultiplier.empty() && entry.clubMember == 1)
        return &entry.clubMultiplier;
    return nullptr;
}
}  // namespace

int QsoPoints(const CInfo& entry, bool operatorIsMember, const std::string& ownContinent) {
    if (entry.clubMember == 1)
        return operatorIsMember ? 1 : 10;
    return entry.continent == ownContinent ? 1 : 2;
}

ScoreTally TallyScore() {
    ScoreTally tally;
    SortWorkedBands();
    g_badQsoCount = CountRejectedQsos();
    tally.badQsos = g_badQsoCount;

    // One walk of the log sorts the entries into their band rows.
    const std::size_t rowCount = g_workedBands.size();
    std::unordered_map<std::string_view, std::size_t> rowOfBand;
    for (std::size_t row = 0; row < rowCount; ++row)
        rowOfBand.emplace(g_workedBands[row], row);
    std::vector<std::vector<const CInfo*>> entriesOfRow(rowCount);
    for (const CInfo& entry : g_log) {
        if (entry.call.empty())
            continue;
        const auto found = rowOfBand.find(entry.band);
        if (found != rowOfBand.end())
            entriesOfRow[found->second].push_back(&entry);
    }

    const CInfo* last = g_log.empty() ? nullptr : &g_log.back();
    const bool countRates = g_exportMode == 0;
    const bool operatorIsMember = g_clubMember != 0;
    int bandIndex = 0;
    int modeIndex = 0;  // the last recognised mode, carried from row to row
    for (std::size_t row = 0; row < rowCount; ++row) {
        BandTally band;
        band.band = g_workedBands[row];
        bandIndex = BandIndexOfRow(band.band, bandIndex);
        StringList* lists[2] = {&g_multipliers[MultiplierListIndex(bandIndex, 0)],
                                &g_multipliers[MultiplierListIndex(bandIndex, 1)]};
        lists[0]->clear();
        lists[1]->clear();
        std::unordered_set<std::string_view> counted[2];

        for (const CInfo* entry : entriesOfRow[row]) {
            band.dupes += entry->dupe;
            if (entry->invalid != 0)
                continue;
            const int points = QsoPoints(*entry, operatorIsMember, g_ownContinent);
            ++band.qsos;
            band.points += points;
            if (entry->band == last->band) {
                tally.lastQsoPoints = points;
                const double minutes = countRates ? MinutesBefore(last->time, entry->time) : NAN;
                if (minutes < 60) {
                    ++tally.hourQsos;
                    tally.hourPoints += points;
                }
                if (minutes < 10) {
                    ++tally.tenMinuteQsos;
                    tally.tenMinutePoints += points;
                }
            }
            if (entry->mode == "RTTY") {
                ++band.rttyQsos;
                modeIndex = 0;
            } else if (entry->mode == "BPSK63") {
                ++band.bpsk63Qsos;
                modeIndex = 1;
            }
            if (const std::string* key = MultiplierKey(*entry)) {
                if (counted[modeIndex].insert(*key).second) {
                    lists[modeIndex]->push_back(*key);
                    ++band.multipliers;
                }
            }
        }

        tally.total.qsos += band.qsos;
        tally.total.points += band.points;
        tally.total.multipliers += band.multipliers;
        tally.total.rttyQsos += band.rttyQsos;
        tally.total.bpsk63Qsos += band.bpsk63Qsos;
        tally.total.dupes += band.dupes;
        tally.rows.push_back(std::move(band));
    }
    // Wraps like the 32-bit product it is, never undefined.
    tally.score = static_cast<std::int32_t>(static_cast<std::uint32_t>(tally.total.points) *
                                            static_cast<std::uint32_t>(tally.total.multipliers));
    return tally;
}
