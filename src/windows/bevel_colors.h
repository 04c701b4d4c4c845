#pragma once
// Grey levels of the bevel rings a drawn button paints around its face.

struct BevelRing {
    int light;  // grey level (0-255) of the lit edges
    int dark;   // grey level of the shaded edges
};

// Ring `ring` (1 = outermost) of a bevel `ringCount` rings deep.
BevelRing BevelRingGreys(int ring, int ringCount);
