#pragma once
// The rectangular shape painter of the drawn buttons.

#include "windows/drawn_object.h"

class DrawnRect : public DrawnObject {
public:
    void Draw(HDC dc, RECT rect, UINT itemState, COLORREF faceColor) override;
    void DrawBorder(HDC dc, RECT rect, int depth) override;
    void Fill(HDC dc, RECT rect, COLORREF color) override;
    void DrawFocus(HDC dc, RECT rect, COLORREF color) override;
};
