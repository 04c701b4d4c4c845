#pragma once
// Identifiers of the module's resources and of the controls in its dialogs.
// Also included by the resource script, so only preprocessor definitions here.

#define IDI_STATS_ICON 109

#define IDD_SETUP 111
#define IDC_SETUP_TO_DISPLAY 1015
#define IDC_SETUP_DXCC 1031
#define IDC_SETUP_CLUB_MEMBER 1034
#define IDC_SETUP_EXTENDED_DXCC 1035
#define IDC_SETUP_CHOICE_MODE 1037
#define IDC_SETUP_WINDOW_ON_TOP 1038
#define IDC_SETUP_RTTY 1143
#define IDC_SETUP_BPSK63 1145
