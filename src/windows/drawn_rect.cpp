#include "windows/drawn_rect.h"

#include <cstdlib>

#include "windows/bevel_colors.h"

namespace {

COLORREF PaletteGrey(int level) {
    return PALETTERGB(level, level, level);
}

void FillStrip(HDC dc, int left, int top, int right, int bottom, COLORREF color) {
    SetBkColor(dc, color);
    RECT strip{left, top, right, bottom};
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &strip, nullptr, 0, nullptr);
}

// A one-pixel frame: top and left edges in one colour, bottom and right in the
// other, which also takes the two corners where they meet.
void Draw3dRect(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight) {
    COLORREF oldBackground = GetBkColor(dc);
    FillStrip(dc, rect.left, rect.top, rect.right - 1, rect.top + 1, topLeft);
    FillStrip(dc, rect.left, rect.top, rect.left + 1, rect.bottom - 1, topLeft);
    FillStrip(dc, rect.right - 1, rect.top, rect.right, rect.bottom, bottomRight);
    FillStrip(dc, rect.left, rect.bottom - 1, rect.right, rect.bottom, bottomRight);
    SetBkColor(dc, oldBackground);
}

}  // namespace

void DrawnRect::Draw(HDC dc, RECT rect, UINT itemState, COLORREF faceColor) {
    Fill(dc, rect, faceColor);
    DrawBorder(dc, rect, 2);
    if ((itemState & ODS_FOCUS) != 0) {
        if ((itemState & ODS_SELECTED) != 0) {
            DrawBorder(dc, rect, -1);  // pressed: the outer ring sinks
        }
        InflateRect(&rect, -2, -2);
        DrawFocus(dc, rect, faceColor);
    }
}

void DrawnRect::DrawBorder(HDC dc, RECT rect, int depth) {
    int rings = std::abs(depth);
    for (int ring = 1; ring <= rings; ++ring) {
        BevelRing greys = BevelRingGreys(ring, rings);
        COLORREF light = PaletteGrey(greys.light);
        COLORREF dark = PaletteGrey(greys.dark);
        if (depth > 0) {
            Draw3dRect(dc, rect, light, dark);
        } else {
            Draw3dRect(dc, rect, dark, light);
        }
        InflateRect(&rect, -1, -1);
    }
}

void DrawnRect::Fill(HDC dc, RECT rect, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void DrawnRect::DrawFocus(HDC dc, RECT rect, COLORREF) {
    DrawFocusRect(dc, &rect);
}
