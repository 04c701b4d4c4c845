#include "windows/drawn_object.h"

void DrawnObject::DrawLabel(HDC dc, RECT rect, const std::wstring& text, COLORREF color) {
    COLORREF oldColor = SetTextColor(dc, color);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SetTextColor(dc, oldColor);
}
