#include "framework/dialog.h"

#include "framework/button.h"
#include "framework/combo_list_data.h"
#include "framework/dispatch_error.h"
#include "framework/module_instance.h"
#include "framework/wide_text.h"

namespace {

std::string ControlText(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    const int copied = GetWindowTextW(control, &text[0], static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return CodePageFromWide(text, CP_ACP);
}

}  // namespace

void DDX_Check(CDataExchange* exchange, int controlId, int& value) {
    if (exchange->saveAndValidate) {
        value = IsDlgButtonChecked(exchange->dialog, controlId) == BST_CHECKED ? 1 : 0;
    } else {
        CheckDlgButton(exchange->dialog, controlId, value != 0 ? BST_CHECKED : BST_UNCHECKED);
    }
}

void DDX_Text(CDataExchange* exchange, int controlId, std::string& value) {
    HWND control = GetDlgItem(exchange->dialog, controlId);
    if (exchange->saveAndValidate) {
        value = ControlText(control);
    } else {
        SetWindowTextW(control, WideFromCodePage(value, CP_ACP).c_str());
    }
}

void DDX_CBString(CDataExchange* exchange, int controlId, std::string& value) {
    HWND box = GetDlgItem(exchange->dialog, controlId);
    if (exchange->saveAndValidate) {
        value = ControlText(box);
        return;
    }
    if (value.empty()) {
        // A prefix search for nothing would pick the first entry.
        SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        SetWindowTextW(box, L"");
        return;
    }
    const std::wstring text = WideFromCodePage(value, CP_ACP);
    if (SendMessageW(box, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(text.c_str())) == CB_ERR) {
        SetWindowTextW(box, text.c_str());
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

void CDialog::SetBackgroundColors(COLORREF background, COLORREF text) {
    m_backgroundColor = background;
    m_textColor = text;
    m_backgroundBrush.CreateSolidBrush(background);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK() {
    UpdateData(true);
    EndDialog(IDOK);
}

void CDialog::FillComboLists() {
    HMODULE module = ModuleInstance();
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(m_templateId), RT_RCDATA);
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        return;
    }
    const auto lists =
        ParseComboLists(static_cast<const unsigned char*>(bytes), SizeofResource(module, found));
    for (const ComboList& list : lists) {
        HWND box = GetDlgItem(m_hWnd, list.controlId);
        for (const std::string& entry : list.entries) {
            SendMessageW(box, CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(WideFromCodePage(entry, CP_ACP).c_str()));
        }
    }
}

INT_PTR CDialog::OnCtlColor(HDC dc) {
    SetTextColor(dc, m_textColor);
    SetBkColor(dc, m_backgroundColor);
    return reinterpret_cast<INT_PTR>(m_backgroundBrush.GetSafeHandle());
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
            FillComboLists();
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
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORMSGBOX:
            if (m_backgroundBrush.GetSafeHandle() == nullptr) {
                return FALSE;
            }
            return OnCtlColor(reinterpret_cast<HDC>(wParam));
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
