#include "windows/advanced_button.h"

#include <vector>

#include "framework/gdi.h"
#include "windows/drawn_rect.h"

namespace {
const int kLabelCapacity = 512;
}  // namespace

bool CAdvancedButton::AttachToDialogItem(int controlId, HWND parent, COLORREF faceColor,
                                         COLORREF labelColor, COLORREF disabledLabelColor) {
    if (!SubclassDlgItem(controlId, parent)) {
        return false;
    }
    m_faceColor = faceColor;
    m_labelColor = labelColor;
    m_disabledLabelColor = disabledLabelColor;
    m_shape = kShapeRectangle;
    return true;
}

void CAdvancedButton::Refresh() {
    if (m_hWnd != nullptr) {
        RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

void CAdvancedButton::PreSubclassWindow() {
    ModifyStyle(0, BS_OWNERDRAW);
}

std::unique_ptr<DrawnObject> CAdvancedButton::MakePainter() const {
    // Every shape value is drawn as a rectangle: nothing sets another one.
    return std::make_unique<DrawnRect>();
}

void CAdvancedButton::DrawItem(const DRAWITEMSTRUCT* item) {
    std::unique_ptr<DrawnObject> painter = MakePainter();
    std::vector<wchar_t> buffer(kLabelCapacity + 1, L'\0');
    int length = GetWindowTextW(m_hWnd, buffer.data(), kLabelCapacity);
    std::wstring label(buffer.data(), length > 0 ? length : 0);

    // Painted off-screen and copied in one step, so a repaint never flickers.
    CMemDC memory(item->hDC, item->rcItem);
    HDC dc = memory.GetSafeHdc();
    painter->Draw(dc, item->rcItem, item->itemState, m_faceColor);
    bool disabled = (item->itemState & ODS_DISABLED) != 0;
    painter->DrawLabel(dc, item->rcItem, label, disabled ? m_disabledLabelColor : m_labelColor);
}
