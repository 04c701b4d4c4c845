#pragma once
// Paints the parts of a drawn control in one shape. Every operation takes the
// device context and the rectangle first; the rectangle is a copy.

#include <windows.h>

#include <string>

class DrawnObject {
public:
    virtual ~DrawnObject() = default;

    // The whole face: fill, bevel and, with the focus, the focus mark.
    virtual void Draw(HDC dc, RECT rect, UINT itemState, COLORREF faceColor) = 0;
    // The label, centred on one line.
    virtual void DrawLabel(HDC dc, RECT rect, const std::wstring& text, COLORREF color);
    // depth > 0 raised, depth < 0 sunken, |depth| rings of one pixel.
    virtual void DrawBorder(HDC dc, RECT rect, int depth) = 0;
    virtual void Fill(HDC dc, RECT rect, COLORREF color) = 0;
    virtual void DrawFocus(HDC dc, RECT rect, COLORREF color) = 0;
};
