#include "framework/button.h"

namespace {
// The window property naming the object that owns a subclassed control.
const wchar_t kOwnerProperty[] = L"StatsButtonObject";
}  // namespace

CButton::~CButton() {
    Unsubclass();
}

bool CButton::SubclassDlgItem(int controlId, HWND parent) {
    HWND control = GetDlgItem(parent, controlId);
    if (control == nullptr || m_hWnd != nullptr) {
        return false;
    }
    m_hWnd = control;
    SetPropW(control, kOwnerProperty, this);
    PreSubclassWindow();
    m_originalProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
    return true;
}

void CButton::ModifyStyle(DWORD remove, DWORD add) {
    LONG_PTR style = GetWindowLongPtrW(m_hWnd, GWL_STYLE);
    SetWindowLongPtrW(m_hWnd, GWL_STYLE, (style & ~static_cast<LONG_PTR>(remove)) | add);
}

BOOL CButton::ReflectDrawItem(const DRAWITEMSTRUCT* item) {
    CButton* button = item != nullptr ? FromHandle(item->hwndItem) : nullptr;
    if (button == nullptr) {
        return FALSE;
    }
    button->DrawItem(item);
    return TRUE;
}

LRESULT CButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT CButton::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(m_originalProc, m_hWnd, message, wParam, lParam);
}

CButton* CButton::FromHandle(HWND window) {
    return static_cast<CButton*>(GetPropW(window, kOwnerProperty));
}

void CButton::Unsubclass() {
    if (m_hWnd == nullptr) {
        return;
    }
    if (m_originalProc != nullptr) {
        SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_originalProc));
    }
    RemovePropW(m_hWnd, kOwnerProperty);
    m_hWnd = nullptr;
    m_originalProc = nullptr;
}

LRESULT CALLBACK CButton::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CButton* self = FromHandle(window);
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        // The control is going: hand it back before its own procedure ends it.
        WNDPROC original = self->m_originalProc;
        self->Unsubclass();
        return CallWindowProcW(original, window, message, wParam, lParam);
    }
    try {
        return self->WindowProc(message, wParam, lParam);
    } catch (...) {
        return 0;  // nothing thrown may unwind into the system's code
    }
}
