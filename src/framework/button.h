#pragma once
// A push button object over an existing dialog control. Subclassing routes
// the control's messages through WindowProc; the parent dialog hands owner-draw
// requests back to the button (ReflectDrawItem).

#include <windows.h>

class CButton {
public:
    CButton() = default;
    virtual ~CButton();
    CButton(const CButton&) = delete;
    CButton& operator=(const CButton&) = delete;

    // Takes over the dialog control with this id; false when the parent has none.
    bool SubclassDlgItem(int controlId, HWND parent);
    HWND GetSafeHwnd() const { return m_hWnd; }
    void ModifyStyle(DWORD remove, DWORD add);

    // The parent's WM_DRAWITEM for a subclassed button; FALSE when the item is
    // not one of ours.
    static BOOL ReflectDrawItem(const DRAWITEMSTRUCT* item);

protected:
    // Called once the control is subclassed, before any message reaches it.
    virtual void PreSubclassWindow() {}
    virtual void DrawItem(const DRAWITEMSTRUCT*) {}
    // Every message of the control; the default passes it to the control's own procedure.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static CButton* FromHandle(HWND window);
    void Unsubclass();

    WNDPROC m_originalProc = nullptr;
};
