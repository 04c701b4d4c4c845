#pragma once
// Owners of GDI objects: a solid brush and an off-screen device context.

#include <windows.h>

class CBrush {
public:
    CBrush() = default;
    ~CBrush() { DeleteObject(); }
    CBrush(const CBrush&) = delete;
    CBrush& operator=(const CBrush&) = delete;

    bool CreateSolidBrush(COLORREF color);
    void DeleteObject();
    HBRUSH GetSafeHandle() const { return m_brush; }

private:
    HBRUSH m_brush = nullptr;
};

// Drawing goes to a bitmap of the rectangle's size; the destructor copies the
// result onto the target in one step, so the target never shows half a paint.
// The coordinates stay those of the target.
class CMemDC {
public:
    CMemDC(HDC target, const RECT& area);
    ~CMemDC();
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    HDC GetSafeHdc() const { return m_memory != nullptr ? m_memory : m_target; }

private:
    HDC m_target;
    RECT m_area;
    HDC m_memory = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
};
