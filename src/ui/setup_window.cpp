#include "ui/setup_window.h"

#include <cstdio>
#include <mutex>
#include <string>

#include "engine/contest_state.h"
#include "engine/settings.h"
#include "framework/dispatch_error.h"
#include "framework/module_instance.h"
#include "framework/wide_text.h"
#include "resources/dialog_look.h"
#include "resources/resource_ids.h"
#include "ui/host_link.h"
#include "ui/setup_texts.h"
#include "ui/tool_windows.h"
#include "ui/ui_state.h"
#include "ui/ui_thread.h"

namespace {

// Posted to itself at the end of the initialisation; it arrives once the
// window is shown, before its first paint.
constexpr UINT WM_SETUP_WINDOW_UP = WM_APP + 1;
// How long a new window takes to settle after it is shown.
constexpr UINT_PTR kSettleTimer = 1;
constexpr UINT kSettleMs = 150;

const COLORREF kIdleFace = RGB(240, 240, 240);
const COLORREF kChosenFace = RGB(0, 255, 0);
const COLORREF kLabelColor = RGB(1, 1, 1);
const COLORREF kDisabledLabelColor = RGB(128, 128, 128);

// Code page 1251 text (plain ASCII included) in UTF-16.
std::wstring FromCodePage1251(const std::string& text) {
    return WideFromCodePage(text, 1251);
}

void WriteFlag(const std::string& key, int value) {
    WriteSetting(key, value != 0 ? "1" : "0");
}

}  // namespace

Setup::Setup() : CDialog(IDD_SETUP) {
    SetBackgroundColors(kDialogBackground, kDialogText);
}

INT_PTR Setup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_WINDOW_UPDATE:
            return OnWindowUpdate();
        case WM_SETUP_WINDOW_UP:
            OnWindowUp();
            return TRUE;
        case WM_TIMER:
            OnTimer(static_cast<UINT_PTR>(wParam));
            return TRUE;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return CDialog::HandleMessage(message, wParam, lParam);
        case WM_SETCURSOR:
            OnSetCursor();
            return FALSE;  // the cursor is then set as usual
        default:
            return CDialog::HandleMessage(message, wParam, lParam);
    }
}

void Setup::OnCommand(int controlId, int notification) {
    if (notification != BN_CLICKED) {
        return;
    }
    switch (controlId) {
        case IDC_SETUP_RTTY:
            OnRttyClicked();
            break;
        case IDC_SETUP_BPSK63:
            OnBpskClicked();
            break;
        case IDC_SETUP_DXCC:
            OnStatsClicked();
            break;
        case IDC_SETUP_EXTENDED_DXCC:
            OnDxccClicked();
            break;
        case IDC_SETUP_WINDOW_ON_TOP:
            OnWindowOnTopClicked();
            break;
        case IDC_SETUP_CLUB_MEMBER:
            OnClubMemberClicked();
            break;
        default:
            break;
    }
}

void Setup::DoDataExchange(CDataExchange* exchange) {
    DDX_Check(exchange, IDC_SETUP_DXCC, m_dxcc);
    DDX_Check(exchange, IDC_SETUP_EXTENDED_DXCC, m_extendedDxcc);
    DDX_Check(exchange, IDC_SETUP_WINDOW_ON_TOP, m_windowOnTop);
    DDX_Check(exchange, IDC_SETUP_CLUB_MEMBER, m_clubMember);
}

BOOL Setup::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!PublishWindow()) {
        EndDialog(IDCANCEL);  // the plug-in is stopping: never show the window
        return TRUE;
    }
    ReadStoredOptions();
    PlaceWindow();
    SetTexts();
    AttachModeButtons();
    UpdateData(false);
    NoteComInitialised(ConnectToHost());
    SendMessageW(
        m_hWnd, WM_SETICON, ICON_BIG,
        reinterpret_cast<LPARAM>(LoadIconW(ModuleInstance(), MAKEINTRESOURCEW(IDI_STATS_ICON))));
    g_rowBands = {"160m", "80m", "40m", "20m", "15m", "10m"};
    try {
        ChooseMode(ModeToRestore(ReadSetting("Mode")));
    } catch (const CDispatchError&) {
        // A host that refuses the mode commands leaves both buttons grey; the
        // window itself is still set up completely.
    }
    PostMessageW(m_hWnd, WM_WINDOW_UPDATE, 0, 0);
    EnableMenuItem(GetSystemMenu(m_hWnd, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_DISABLED);
    PostMessageW(m_hWnd, WM_SETUP_WINDOW_UP, 0, 0);
    return TRUE;
}

void Setup::ReadStoredOptions() {
    g_lastWindowX = SetupPositionFromSetting(ReadSetting("Setup_x"));
    g_lastWindowY = SetupPositionFromSetting(ReadSetting("Setup_y"));
    m_extendedDxcc = ReadSettingNumber("setup_view_dxcc_extended");
    m_dxcc = ReadSettingNumber("DXCC");
    m_clubMember = ReadSettingNumber("setup_KVZ");
    // Restored too, so that its box and what new tool windows read always agree.
    m_windowOnTop = ReadSettingNumber("setup_window_on_top") != 0 ? 1 : 0;
    g_windowOnTop = m_windowOnTop;
}

void Setup::OnWindowUp() {
    // The first paint, the activation and the input-method set-up that follow
    // a new window make the system load libraries and look up their entry
    // points under its loader lock, partly in answer to events that arrive a
    // little later. Let them all happen now, while the host's thread waits in
    // StartUiThread, and not under an unload that holds that lock.
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    SetTimer(m_hWnd, kSettleTimer, kSettleMs, nullptr);
}

void Setup::OnTimer(UINT_PTR timer) {
    if (timer == kSettleTimer) {
        KillTimer(m_hWnd, kSettleTimer);
        NoteSetupWindowUp();
    }
}

bool Setup::PublishWindow() {
    std::lock_guard<std::mutex> hold(g_stateLock);
    return PublishSetupWindow(m_hWnd);
}

void Setup::OnWindowGone() {
    std::lock_guard<std::mutex> hold(g_stateLock);
    PublishSetupWindow(nullptr);
}

void Setup::PlaceWindow() {
    SetWindowPos(m_hWnd, nullptr, g_lastWindowX, g_lastWindowY, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    // Always on top, whatever "Window on top" says: that option is for the
    // statistics and DXCC windows.
    SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Setup::SetTexts() {
    bool russian;
    std::string year;
    {
        std::lock_guard<std::mutex> hold(g_stateLock);
        russian = g_russianUi != 0;
        year = g_startYear;
    }
    const SetupTexts& texts = SetupTextsFor(russian);
    std::string title;
    if (russian) {
        int length = std::snprintf(nullptr, 0, texts.titleFormat, year.c_str());
        title.resize(length > 0 ? length : 0);
        std::snprintf(&title[0], title.size() + 1, texts.titleFormat, year.c_str());
        MoveWindow(GetDlgItem(m_hWnd, IDC_SETUP_TO_DISPLAY), 86, 62, 100, 20, TRUE);
    }
    SetWindowTextW(m_hWnd, FromCodePage1251(title).c_str());
    SetDlgItemTextW(m_hWnd, IDC_SETUP_TO_DISPLAY, FromCodePage1251(texts.toDisplay).c_str());
    SetDlgItemTextW(m_hWnd, IDC_SETUP_CHOICE_MODE, FromCodePage1251(texts.choiceMode).c_str());
    SetDlgItemTextW(m_hWnd, IDC_SETUP_DXCC, FromCodePage1251(texts.dxcc).c_str());
    SetDlgItemTextW(m_hWnd, IDC_SETUP_EXTENDED_DXCC, FromCodePage1251(texts.extendedDxcc).c_str());
    SetDlgItemTextW(m_hWnd, IDC_SETUP_WINDOW_ON_TOP, FromCodePage1251(texts.windowOnTop).c_str());
    SetDlgItemTextW(m_hWnd, IDC_SETUP_CLUB_MEMBER, FromCodePage1251(texts.clubMember).c_str());
}

void Setup::AttachModeButtons() {
    m_rttyButton.AttachToDialogItem(IDC_SETUP_RTTY, m_hWnd, kIdleFace, kLabelColor,
                                    kDisabledLabelColor);
    m_rttyButton.SetShape(CAdvancedButton::kShapeRectangle);
    m_rttyButton.Refresh();
    m_bpskButton.AttachToDialogItem(IDC_SETUP_BPSK63, m_hWnd, kIdleFace, kLabelColor,
                                    kDisabledLabelColor);
    m_bpskButton.SetShape(CAdvancedButton::kShapeRectangle);
    m_bpskButton.Refresh();
}

void Setup::ChooseMode(ModeChoice mode) {
    CAdvancedButton* chosen = nullptr;
    CAdvancedButton* other = nullptr;
    g_hostApp.AttachDispatch(g_hostDispatch);
    switch (mode) {
        case ModeChoice::Rtty:
            g_hostApp.SendCommand("<MODE:RTTY>");
            g_hostApp.SendCommand("<BAUDRATE:45.45>");
            chosen = &m_rttyButton;
            other = &m_bpskButton;
            break;
        case ModeChoice::Bpsk63:
            g_hostApp.SendCommand("<MODE:BPSK31>");
            g_hostApp.SendCommand("<BAUDRATE:63>");
            chosen = &m_bpskButton;
            other = &m_rttyButton;
            break;
        case ModeChoice::None:
            return;
    }
    chosen->SetFaceColor(kChosenFace);
    other->SetFaceColor(kIdleFace);
    other->SetLabelColor(kLabelColor);
}

void Setup::RequestWindowUpdate() {
    {
        std::lock_guard<std::mutex> hold(g_stateLock);
        g_updatePending = 1;
    }
    PostMessageW(m_hWnd, WM_WINDOW_UPDATE, 0, 0);
}

LRESULT Setup::OnWindowUpdate() {
    // The refresh of the statistics and DXCC windows arrives with those
    // windows; for now a run only lets the call check post the next one.
    std::lock_guard<std::mutex> hold(g_stateLock);
    g_updatePending = 1;
    return 0;
}

void Setup::OnRttyClicked() {
    ChooseMode(ModeChoice::Rtty);
    WriteSetting("Mode", "RTTY");
    RequestWindowUpdate();
}

void Setup::OnBpskClicked() {
    ChooseMode(ModeChoice::Bpsk63);
    WriteSetting("Mode", "BPSK63");
    RequestWindowUpdate();
}

void Setup::OnSetCursor() {
    GetWindowRect(m_hWnd, &g_windowRect);
    if (g_windowRect.left != g_lastWindowX) {
        g_lastWindowX = g_windowRect.left;
        WriteSetting("Setup_x", std::to_string(g_lastWindowX));
    }
    if (g_windowRect.top != g_lastWindowY) {
        g_lastWindowY = g_windowRect.top;
        WriteSetting("Setup_y", std::to_string(g_lastWindowY));
    }
}

void Setup::OnStatsClicked() {
    if (StatsWindowOpen()) {
        CloseStatsWindow();
        m_dxcc = 0;
        WriteFlag("DXCC", 0);
        return;
    }
    if (!OpenStatsWindow()) {
        // No window could open: the option simply follows the box.
        m_dxcc = IsDlgButtonChecked(m_hWnd, IDC_SETUP_DXCC) == BST_CHECKED ? 1 : 0;
        WriteFlag("DXCC", m_dxcc);
        return;
    }
    m_dxcc = 1;
    UpdateData(false);
    WriteFlag("DXCC", 1);
    RequestWindowUpdate();
}

void Setup::OnDxccClicked() {
    if (DxccWindowOpen()) {
        CloseDxccWindow();
        m_extendedDxcc = 0;
        WriteFlag("setup_view_dxcc_extended", 0);
        return;
    }
    if (!OpenDxccWindow()) {
        m_extendedDxcc = IsDlgButtonChecked(m_hWnd, IDC_SETUP_EXTENDED_DXCC) == BST_CHECKED ? 1 : 0;
        WriteFlag("setup_view_dxcc_extended", m_extendedDxcc);
        return;
    }
    m_extendedDxcc = 1;
    WriteFlag("setup_view_dxcc_extended", 1);
    RequestWindowUpdate();
}

void Setup::OnWindowOnTopClicked() {
    m_windowOnTop = m_windowOnTop != 0 ? 0 : 1;
    g_windowOnTop = m_windowOnTop;
    WriteFlag("setup_window_on_top", m_windowOnTop);
    // The next window update opens them again, now with the new setting.
    CloseStatsWindow();
    CloseDxccWindow();
    UpdateData(false);
    RequestWindowUpdate();
}

void Setup::OnClubMemberClicked() {
    m_clubMember = m_clubMember != 0 ? 0 : 1;
    {
        std::lock_guard<std::mutex> hold(g_stateLock);
        g_clubMember = m_clubMember;
    }
    WriteFlag("setup_KVZ", m_clubMember);
}
