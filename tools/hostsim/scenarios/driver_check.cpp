// The Setup-window driver against a small window of the simulator's own that
// is built like the plug-in's (a dialog on another thread with two self-drawn
// mode buttons, a check box and a code page 1251 title), so that a failing
// plug-in scenario points at the plug-in, not at the driver.

#include <windows.h>

#include <vector>

#include "checks.h"
#include "message_pump.h"
#include "plugin_loader.h"
#include "scenarios/scenarios.h"
#include "setup_window.h"
#include "ui_driver.h"

namespace {

const char kTitleBytes[] = "\xC2\xE8\xE4 \xF1\xE2\xFF\xE7\xE8";  // code page 1251

// An in-memory dialog template: header, then each item, DWORD-aligned.
class TemplateBuilder {
public:
    TemplateBuilder(short width, short height) {
        DLGTEMPLATE header = {};
        header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
        header.cx = width;
        header.cy = height;
        Append(&header, sizeof header);
        AppendWord(0);  // no menu
        AppendWord(0);  // the dialog class
        AppendWord(0);  // empty caption
        AppendWord(8);
        AppendText(L"MS Shell Dlg");
    }
    void AddItem(WORD id, DWORD style, short x, short y, short cx, short cy, WORD classAtom,
                 const wchar_t* text) {
        Align();
        DLGITEMTEMPLATE item = {};
        item.style = WS_CHILD | WS_VISIBLE | style;
        item.x = x;
        item.y = y;
        item.cx = cx;
        item.cy = cy;
        item.id = id;
        Append(&item, sizeof item);
        AppendWord(0xFFFF);
        AppendWord(classAtom);
        AppendText(text);
        AppendWord(0);  // no creation data
        reinterpret_cast<DLGTEMPLATE*>(m_bytes.data())->cdit++;
    }
    const DLGTEMPLATE* Get() {
        Align();
        return reinterpret_cast<const DLGTEMPLATE*>(m_bytes.data());
    }

private:
    void Append(const void* data, std::size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        m_bytes.insert(m_bytes.end(), bytes, bytes + size);
    }
    void AppendWord(WORD value) { Append(&value, sizeof value); }
    void AppendText(const wchar_t* text) { Append(text, (wcslen(text) + 1) * sizeof(wchar_t)); }
    void Align() {
        while (m_bytes.size() % 4 != 0) {
            m_bytes.push_back(0);
        }
    }
    std::vector<unsigned char> m_bytes;
};

constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kStaticAtom = 0x0082;

int g_chosenButton = setup_item::kRtty;

void PaintFace(const DRAWITEMSTRUCT& item) {
    COLORREF face = static_cast<int>(item.CtlID) == g_chosenButton ? kChosenFace : kPlainFace;
    HBRUSH brush = CreateSolidBrush(face);
    FillRect(item.hDC, &item.rcItem, brush);
    DeleteObject(brush);
    DrawEdge(item.hDC, const_cast<RECT*>(&item.rcItem), EDGE_RAISED, BF_RECT);
    SetBkMode(item.hDC, TRANSPARENT);
    wchar_t label[32] = {};
    GetWindowTextW(item.hwndItem, label, 32);
    DrawTextW(item.hDC, label, -1, const_cast<RECT*>(&item.rcItem),
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

INT_PTR CALLBACK StandInProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowPos(dialog, HWND_TOPMOST, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
            SetWindowTextW(dialog, FromCodePage1251(kTitleBytes).c_str());
            return TRUE;
        case WM_DRAWITEM:
            PaintFace(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == setup_item::kRtty || LOWORD(wParam) == setup_item::kBpsk63) {
                g_chosenButton = LOWORD(wParam);
                InvalidateRect(GetDlgItem(dialog, setup_item::kRtty), nullptr, TRUE);
                InvalidateRect(GetDlgItem(dialog, setup_item::kBpsk63), nullptr, TRUE);
            } else if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
            }
            return TRUE;
        default:
            return FALSE;
    }
}

DWORD WINAPI StandInThread(void*) {
    TemplateBuilder builder(132, 72);
    builder.AddItem(setup_item::kRtty, BS_PUSHBUTTON | BS_OWNERDRAW, 26, 10, 30, 15, kButtonAtom,
                    L"RTTY");
    builder.AddItem(setup_item::kBpsk63, BS_PUSHBUTTON | BS_OWNERDRAW, 67, 10, 30, 15, kButtonAtom,
                    L"BPSK63");
    builder.AddItem(setup_item::kToDisplay, SS_LEFT, 52, 36, 36, 8, kStaticAtom, L"To display");
    builder.AddItem(setup_item::kDxcc, BS_AUTOCHECKBOX, 2, 48, 54, 8, kButtonAtom, L"DXCC");
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), builder.Get(), nullptr, StandInProc, 0);
    return 0;
}

}  // namespace

void RunDriverCheck(LoadedPlugin&) {
    HANDLE thread = CreateThread(nullptr, 0, StandInThread, nullptr, 0, nullptr);
    HWND window = WaitForSetupWindow(5000);
    Check(window != nullptr, "the driver finds the window by its two mode buttons");
    if (window == nullptr) {
        return;
    }
    POINT origin = {};
    RECT rect = {};
    GetWindowRect(window, &rect);
    origin = {rect.left, rect.top};
    Check(origin.x == 30 && origin.y == 40, "the window's position reads back as placed");
    Check(StoredWindowText(window) == FromCodePage1251(kTitleBytes),
          "a code page 1251 title reads back exactly: " + DescribeWide(StoredWindowText(window)));
    LetWindowSettle(window);
    Check(ModeButtonFace(window, setup_item::kRtty) == kChosenFace,
          "the chosen button's face reads green: " +
              DescribeColour(ModeButtonFace(window, setup_item::kRtty)));
    Check(ModeButtonFace(window, setup_item::kBpsk63) == kPlainFace,
          "the other button's face reads grey: " +
              DescribeColour(ModeButtonFace(window, setup_item::kBpsk63)));
    PostButtonClick(window, setup_item::kBpsk63);
    PumpMessagesFor(500);
    Check(ModeButtonFace(window, setup_item::kBpsk63) == kChosenFace &&
              ModeButtonFace(window, setup_item::kRtty) == kPlainFace,
          "a posted click on a drawn button reaches its dialog and the faces swap");
    CheckEqual(ButtonCheckState(window, setup_item::kDxcc), BST_UNCHECKED, "the box starts clear");
    PostButtonClick(window, setup_item::kDxcc);
    PumpUntil([&] { return ButtonCheckState(window, setup_item::kDxcc) == BST_CHECKED; }, 2000);
    CheckEqual(ButtonCheckState(window, setup_item::kDxcc), BST_CHECKED,
               "a posted click ticks an auto check box");
    Check(SaveWindowBitmap(window, ArtifactPath("driver-check.bmp")), "screenshot saved");
    PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
    Check(WaitForWindowGone(window, 3000), "Esc posted to the window ends it");
    WaitForSingleObject(thread, 3000);
    CloseHandle(thread);
}
