#pragma once
// The Setup window: root of the UI thread, always on top. The operator picks
// the host's mode, the tool windows and their topmost option, and club
// membership; the engine's window-update requests arrive here as well.

#include "framework/dialog.h"
#include "ui/setup_choices.h"
#include "windows/advanced_button.h"

class Setup : public CDialog {
public:
    Setup();

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    void OnOK() override {}  // Enter does nothing
    void OnWindowGone() override;

private:
    // Message and control handlers, in routing order.
    LRESULT OnWindowUpdate();
    void OnRttyClicked();
    void OnBpskClicked();
    void OnSetCursor();
    void OnStatsClicked();
    void OnDxccClicked();
    void OnWindowOnTopClicked();
    void OnClubMemberClicked();

    void OnCommand(int controlId, int notification);
    void OnWindowUp();
    void OnTimer(UINT_PTR timer);
    bool PublishWindow();
    void ReadStoredOptions();
    void PlaceWindow();
    void SetTexts();
    void AttachModeButtons();
    // Sends the mode's commands to the host and colours the buttons for it.
    void ChooseMode(ModeChoice mode);
    void RequestWindowUpdate();

    int m_dxcc = 0;
    int m_windowOnTop = 0;
    int m_extendedDxcc = 0;
    CAdvancedButton m_rttyButton;
    CAdvancedButton m_bpskButton;
    int m_clubMember = 0;
};
