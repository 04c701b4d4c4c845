// The Setup window for an operator whose own prefix is Russian-speaking: the
// Russian title with the contest year and the Russian labels, shown as the
// code page 1251 texts mean whatever code page the system runs with.

#include <windows.h>

#include <cstdio>

#include "checks.h"
#include "plugin_loader.h"
#include "scenarios/scenarios.h"
#include "scenarios/setup_session.h"
#include "setup_window.h"
#include "ui_driver.h"

namespace {

// The expected texts as code page 1251 bytes, the way the plug-in keeps them.
const char kTitlePrefix[] = "\xD3\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE8 KVZ-DIGI-";

struct RussianLabel {
    int id;
    const char* bytes;
};

const RussianLabel kLabels[] = {
    {setup_item::kToDisplay, "\xCE\xF2\xEE\xE1\xF0\xE0\xE6\xE0\xF2\xFC"},
    {setup_item::kChoiceMode, "\xC2\xE8\xE4 \xF1\xE2\xFF\xE7\xE8"},
    {setup_item::kDxcc, "\xD1\xF2\xF0\xE0\xED\xFB DXCC"},
    {setup_item::kExtendedDxcc, "\xD0\xE0\xF1\xF8. DXCC"},
    {setup_item::kWindowOnTop, "\xCF\xEE\xE2\xE5\xF0\xF5 \xEE\xEA\xEE\xED"},
    {setup_item::kClubMember, "\xDF \xF7\xEB\xE5\xED KVZ"},
};

void CheckWide(const std::wstring& actual, const std::wstring& expected, const std::string& what) {
    Check(actual == expected,
          what + (actual == expected
                      ? ""
                      : ": got " + DescribeWide(actual) + ", expected " + DescribeWide(expected)));
}

void CheckMovedLabel(HWND setup) {
    RECT rect = {};
    GetWindowRect(GetDlgItem(setup, setup_item::kToDisplay), &rect);
    MapWindowPoints(nullptr, setup, reinterpret_cast<POINT*>(&rect), 2);
    Check(rect.left == 86 && rect.top == 62 && rect.right - rect.left == 100 &&
              rect.bottom - rect.top == 20,
          "the Russian \"To display\" label sits at (86, 62), 100 x 20 client pixels: (" +
              std::to_string(rect.left) + ", " + std::to_string(rect.top) + "), " +
              std::to_string(rect.right - rect.left) + " x " +
              std::to_string(rect.bottom - rect.top));
}

}  // namespace

void RunSetupRussian(LoadedPlugin& plugin) {
    SetupSession session("russian");
    Check(session.host.StartRunning(), "the host is running");
    session.reset.stationCall = "UA9XYZ";
    session.reset.ownDxccPrefix = "UA9";
    session.reset.ownContinent = "AS";
    // A contest of another year than today's: the title shows the contest's.
    session.reset.start = COleDateTime(host::OleDays(2025, 11, 15, 12, 0), COleDateTime::valid);
    session.reset.end = COleDateTime(host::OleDays(2025, 11, 16, 12, 0), COleDateTime::valid);
    HWND setup = session.ResetAndWaitForSetup(plugin);
    if (setup == nullptr) {
        return;
    }
    std::printf("system ANSI code page: %u\n", GetACP());
    CheckWide(StoredWindowText(setup), FromCodePage1251(kTitlePrefix) + L"2025",
              "Russian title with the contest year");
    for (const RussianLabel& label : kLabels) {
        CheckWide(StoredItemText(setup, label.id), FromCodePage1251(label.bytes),
                  "Russian label of control " + std::to_string(label.id));
    }
    CheckEqual(
        DialogItemText(setup, setup_item::kRtty) + " " + DialogItemText(setup, setup_item::kBpsk63),
        "RTTY BPSK63", "the mode buttons keep their names");
    CheckMovedLabel(setup);
    WaitForCommands(session.host, 2, 5000);
    CheckFace(setup, setup_item::kRtty, kChosenFace, "Russian window, no stored mode: RTTY");
    KeepScreenshot(setup, "setup-russian");
    CheckUnloadWithin(plugin, 2000, "FreeLibrary with the Setup window open returns within 2 s");
    CheckHostReleased(session.host);
}
