#include "windows/bevel_colors.h"

BevelRing BevelRingGreys(int ring, int ringCount) {
    if (ringCount == 1) {
        return BevelRing{255, 128};
    }
    // Deeper bevels fade inwards: each ring is a little darker than the last.
    return BevelRing{63 / ring + 192, 255 / (ring + 1)};
}
