#include "cabrillo_dialog.h"

#include "ui_driver.h"

const char kCabrilloCaption[] = "KVZ DIGI Contest";

HWND WaitForCabrilloDialog(DWORD timeoutMs) {
    return WaitForDialogCaptioned(kCabrilloCaption, timeoutMs);
}

void SetItemText(HWND dialog, int controlId, const std::string& text) {
    SendMessageA(GetDlgItem(dialog, controlId), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(text.c_str()));
}

std::string TypeIntoItem(HWND dialog, int controlId, const std::string& keys,
                         const std::string& expected, DWORD timeoutMs) {
    HWND item = GetDlgItem(dialog, controlId);
    const DWORD start = GetTickCount();
    auto timeLeft = [&] { return IsWindow(dialog) && GetTickCount() - start < timeoutMs; };
    for (char key : keys) {
        // One key at a time: the dialog's loop turns Enter into a character
        // message of its own, queued behind whatever was posted before it.
        const int before = GetWindowTextLengthA(item);
        if (key == '\r') {
            // Through the dialog's own message loop, which decides whether
            // Enter belongs to the control or presses the default button.
            const UINT scanCode = MapVirtualKeyA(VK_RETURN, MAPVK_VK_TO_VSC);
            PostMessageA(item, WM_KEYDOWN, VK_RETURN, 1 | (scanCode << 16));
            PostMessageA(item, WM_KEYUP, VK_RETURN, 1 | (scanCode << 16) | 0xC0000000u);
        } else {
            PostMessageA(item, WM_CHAR, static_cast<unsigned char>(key), 1);
        }
        while (GetWindowTextLengthA(item) == before && timeLeft()) {
            Sleep(20);
        }
    }
    std::string shown = DialogItemText(dialog, controlId);
    while (shown != expected && timeLeft()) {
        Sleep(50);
        shown = DialogItemText(dialog, controlId);
    }
    return shown;
}

std::vector<std::string> ComboEntries(HWND dialog, int controlId) {
    HWND box = GetDlgItem(dialog, controlId);
    std::vector<std::string> entries;
    const LRESULT count = SendMessageA(box, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageA(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length == CB_ERR) {
            break;
        }
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        const LRESULT copied = SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(i),
                                            reinterpret_cast<LPARAM>(&text[0]));
        text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
        entries.push_back(text);
    }
    return entries;
}

int ComboSelection(HWND dialog, int controlId) {
    return static_cast<int>(SendMessageA(GetDlgItem(dialog, controlId), CB_GETCURSEL, 0, 0));
}

bool ComboListShowsAll(HWND dialog, int controlId) {
    HWND box = GetDlgItem(dialog, controlId);
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(box, &info) || info.hwndList == nullptr) {
        return false;
    }
    SendMessageA(box, CB_SHOWDROPDOWN, TRUE, 0);
    RECT list = {};
    GetClientRect(info.hwndList, &list);
    const bool shown = IsWindowVisible(info.hwndList) != FALSE;
    SendMessageA(box, CB_SHOWDROPDOWN, FALSE, 0);
    const LRESULT count = SendMessageA(box, CB_GETCOUNT, 0, 0);
    const LRESULT itemHeight = SendMessageA(box, CB_GETITEMHEIGHT, 0, 0);
    return shown && count > 0 && itemHeight > 0 && list.bottom >= count * itemHeight;
}

bool PickComboEntry(HWND dialog, int controlId, const std::string& entry) {
    HWND box = GetDlgItem(dialog, controlId);
    const LRESULT index = SendMessageA(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(entry.c_str()));
    return index != CB_ERR &&
           SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0) == index;
}

LONG ItemStyle(HWND dialog, int controlId) {
    return GetWindowLongA(GetDlgItem(dialog, controlId), GWL_STYLE);
}

std::string ItemClassName(HWND dialog, int controlId) {
    char name[64] = {};
    GetClassNameA(GetDlgItem(dialog, controlId), name, sizeof name);
    return name;
}

namespace {

RECT ClientRectOf(HWND dialog, HWND item) {
    RECT rect = {};
    GetWindowRect(item, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

struct LabelSearch {
    HWND dialog;
    std::vector<DialogLabel> labels;
};

BOOL CALLBACK CollectLabel(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<LabelSearch*>(param);
    char className[64] = {};
    GetClassNameA(child, className, sizeof className);
    if (GetParent(child) == search->dialog && std::string(className) == "Static" &&
        (GetDlgCtrlID(child) & 0xFFFF) == 0xFFFF) {
        search->labels.push_back(
            DialogLabel{child, WindowText(child), ClientRectOf(search->dialog, child)});
    }
    return TRUE;
}

}  // namespace

RECT ItemRect(HWND dialog, int controlId) {
    return ClientRectOf(dialog, GetDlgItem(dialog, controlId));
}

std::vector<DialogLabel> DialogLabels(HWND dialog) {
    LabelSearch search{dialog, {}};
    EnumChildWindows(dialog, CollectLabel, reinterpret_cast<LPARAM>(&search));
    return search.labels;
}
