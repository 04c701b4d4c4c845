#pragma once
// The contest's band and mode tables and the indexes through which the reports
// and windows address per-band and per-band-and-mode data.

#include <cstddef>
#include <string_view>

// Six entries, the first two both "80m": row 0 of the display reads "80m" too,
// and there is no "160m" entry, so 160 m QSOs are refused.
inline constexpr const char* kBandNames[] = {"80m", "80m", "40m", "20m", "15m", "10m"};
inline constexpr std::size_t kBandCount = 6;
inline constexpr const char* kModeNames[] = {"RTTY", "BPSK63"};
inline constexpr std::size_t kModeCount = 2;
inline constexpr std::size_t kMultiplierListCount = kBandCount * kModeCount;

// "160m" 0, "80m" 1, "40m" 2, "20m" 3, "15m" 4, "10m" 5; exact comparison,
// -1 for any other text.
int BandIndex(std::string_view band);
// "RTTY" 0, "BPSK63" 1; exact comparison, -1 for any other text.
int ModeIndex(std::string_view mode);
// Element of g_multipliers for a band and mode index: band * 2 + mode.
inline constexpr int MultiplierListIndex(int bandIndex, int modeIndex) {
    return bandIndex * static_cast<int>(kModeCount) + modeIndex;
}
