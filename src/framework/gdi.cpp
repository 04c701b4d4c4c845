#include "framework/gdi.h"

bool CBrush::CreateSolidBrush(COLORREF color) {
    DeleteObject();
    m_brush = ::CreateSolidBrush(color);
    return m_brush != nullptr;
}

void CBrush::DeleteObject() {
    if (m_brush != nullptr) {
        ::DeleteObject(m_brush);
        m_brush = nullptr;
    }
}

CMemDC::CMemDC(HDC target, const RECT& area) : m_target(target), m_area(area) {
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    m_memory = CreateCompatibleDC(target);
    m_bitmap = CreateCompatibleBitmap(target, width, height);
    if (m_memory == nullptr || m_bitmap == nullptr) {
        // Without the off-screen bitmap everything is drawn straight to the target.
        if (m_bitmap != nullptr) {
            DeleteObject(m_bitmap);
        }
        if (m_memory != nullptr) {
            DeleteDC(m_memory);
        }
        m_memory = nullptr;
        m_bitmap = nullptr;
        return;
    }
    m_oldBitmap = SelectObject(m_memory, m_bitmap);
    SetWindowOrgEx(m_memory, area.left, area.top, nullptr);
    SelectObject(m_memory, GetCurrentObject(target, OBJ_FONT));
}

CMemDC::~CMemDC() {
    if (m_memory == nullptr) {
        return;
    }
    BitBlt(m_target, m_area.left, m_area.top, m_area.right - m_area.left,
           m_area.bottom - m_area.top, m_memory, m_area.left, m_area.top, SRCCOPY);
    SelectObject(m_memory, m_oldBitmap);
    DeleteObject(m_bitmap);
    DeleteDC(m_memory);
}
