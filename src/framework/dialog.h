#pragma once
// The least dialog class the plug-in's windows need: one object per window,
// created from a resource template either modally on the calling thread or as
// a modeless top-level window. One static dialog procedure finds the object
// and hands every message to its virtual HandleMessage.

#include <windows.h>

#include <string>

#include "framework/gdi.h"

// Which way UpdateData copies: members to controls, or back (save).
struct CDataExchange {
    HWND dialog;
    bool saveAndValidate;
};

// Binds a check box to a 0/1 member.
void DDX_Check(CDataExchange* exchange, int controlId, int& value);
// Binds an edit control to a text member (ANSI code page; a multi-line text
// has "\r\n" between its lines).
void DDX_Text(CDataExchange* exchange, int controlId, std::string& value);
// Binds a combo box with an edit field to a text member. Loading selects the
// first list entry that begins with the value, ignoring case, or else puts the
// value into the edit field; an empty value leaves the box empty. Saving takes
// the text the box shows.
void DDX_CBString(CDataExchange* exchange, int controlId, std::string& value);

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
    // The dialog's background and the text on it (labels, check boxes); input
    // fields keep the system's colours. Without a call the system's colours.
    void SetBackgroundColors(COLORREF background, COLORREF text);

protected:
    // Derived dialogs handle their messages in one switch here and pass the
    // rest on to this base. The result is the dialog procedure's result.
    virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Runs once the controls exist and their lists are filled: presets the
    // controls from the members.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange*) {}
    // Keeps the controls' values in the members, then closes with IDOK.
    virtual void OnOK();
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // Called once the window has gone; the object may delete itself here.
    virtual void OnWindowGone() {}

    void EndDialog(int result);
    bool IsModal() const { return m_modal; }

    HWND m_hWnd = nullptr;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR RouteMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Fills the combo boxes from the list resource of the template's id, if any.
    void FillComboLists();
    INT_PTR OnCtlColor(HDC dc);

    UINT m_templateId;
    bool m_modal = false;
    CBrush m_backgroundBrush;
    COLORREF m_backgroundColor = 0;
    COLORREF m_textColor = 0;
};
