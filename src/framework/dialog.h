#pragma once
// The least dialog class the plug-in's windows need: one object per window,
// created from a resource template either modally on the calling thread or as
// a modeless top-level window. One static dialog procedure finds the object
// and hands every message to its virtual HandleMessage.

#include <windows.h>

// Which way UpdateData copies: only members-to-boxes is used here.
struct CDataExchange {
    HWND dialog;
    bool saveAndValidate;
};

// Binds a check box to a 0/1 member.
void DDX_Check(CDataExchange* exchange, int controlId, int& value);

class CDialog {
public:
    explicit CDialog(UINT templateId) : m_templateId(templateId) {}
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog modally on the calling thread; returns the EndDialog code
    // or -1 when the window could not be created.
    INT_PTR DoModal(HWND parent = nullptr);
    // Creates the dialog as a modeless window; false when that failed.
    bool Create(HWND parent = nullptr);

    HWND GetSafeHwnd() const { return m_hWnd; }
    // Copies the members into the controls (save false) or back.
    void UpdateData(bool save);

protected:
    // Derived dialogs handle their messages in one switch here and pass the
    // rest on to this base. The result is the dialog procedure's result.
    virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void DoDataExchange(CDataExchange*) {}
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // Called once the window has gone; the object may delete itself here.
    virtual void OnWindowGone() {}

    void EndDialog(int result);
    bool IsModal() const { return m_modal; }

    HWND m_hWnd = nullptr;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR RouteMessage(UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    bool m_modal = false;
};
