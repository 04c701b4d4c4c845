#include "engine/bands_modes.h"

namespace {
constexpr std::string_view kIndexedBands[] = {"160m", "80m", "40m", "20m", "15m", "10m"};
}

int BandIndex(std::string_view band) {
    for (std::size_t i = 0; i < kBandCount; ++i) {
        if (band == kIndexedBands[i]) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int ModeIndex(std::string_view mode) {
    for (std::size_t i = 0; i < kModeCount; ++i) {
        if (mode == kModeNames[i]) {
            return static_cast<int>(i);
        }
    }
    return -1;
}
