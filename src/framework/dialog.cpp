#include "framework/dialog.h"

#include "framework/button.h"
#include "framework/dispatch_error.h"
#include "framework/module_instance.h"

void DDX_Check(CDataExchange* exchange, int controlId, int& value) {
    if (exchange->saveAndValidate) {
        value = IsDlgButtonChecked(exchange->dialog, controlId) == BST_CHECKED ? 1 : 0;
    } else {
        CheckDlgButton(exchange->dialog, controlId, value != 0 ? BST_CHECKED : BST_UNCHECKED);
    }
}

CDialog::~CDialog() {
    if (m_hWnd != nullptr && !m_modal) {
        DestroyWindow(m_hWnd);
    }
}

INT_PTR CDialog::DoModal(HWND parent) {
    m_modal = true;
    return DialogBoxParamW(ModuleInstance(), MAKEINTRESOURCEW(m_templateId), parent, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

bool CDialog::Create(HWND parent) {
    m_modal = false;
    return CreateDialogParamW(ModuleInstance(), MAKEINTRESOURCEW(m_templateId), parent, DialogProc,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::UpdateData(bool save) {
    CDataExchange exchange{m_hWnd, save};
    DoDataExchange(&exchange);
}

void CDialog::EndDialog(int result) {
    if (m_modal) {
        ::EndDialog(m_hWnd, result);
    } else {
        DestroyWindow(m_hWnd);
    }
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDOK) {
                OnOK();
                return TRUE;
            }
            if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDCANCEL) {
                OnCancel();
                return TRUE;
            }
            return FALSE;
        case WM_CLOSE:
            OnCancel();
            return TRUE;
        case WM_DRAWITEM:
            // Owner-drawn controls paint themselves.
            return CButton::ReflectDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        default:
            return FALSE;
    }
}

INT_PTR CDialog::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // A failed host call ends only the handler that made it, and nothing
    // thrown may unwind into the system's code.
    try {
        return HandleMessage(message, wParam, lParam);
    } catch (const CDispatchError&) {
    } catch (...) {
    }
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        self->m_hWnd = window;
        SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<CDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    }
    if (self == nullptr) {
        return FALSE;  // messages before WM_INITDIALOG
    }
    INT_PTR result = self->RouteMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, DWLP_USER, 0);
        self->m_hWnd = nullptr;
        self->OnWindowGone();
    }
    return result;
}
