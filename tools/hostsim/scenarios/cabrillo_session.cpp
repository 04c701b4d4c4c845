#include "scenarios/cabrillo_session.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "cabrillo_dialog.h"
#include "checks.h"
#include "plugin_loader.h"
#include "scenario_folder.h"
#include "support/host_calls.h"
#include "ui_driver.h"

namespace {

constexpr DWORD kWindowWaitMs = 10000;

struct HeaderJob {
    const std::function<void(HWND)>* acts;
    HWND dialog;
};

DWORD WINAPI WorkHeaderDialog(void* param) {
    auto* job = static_cast<HeaderJob*>(param);
    job->dialog = WaitForCabrilloDialog(kWindowWaitMs);
    if (job->dialog == nullptr) {
        GiveUp("no header dialog appeared");
    }
    (*job->acts)(job->dialog);
    return 0;
}

struct NoticeJob {
    std::string screenshot;
    std::string text;
};

DWORD WINAPI ReadNotice(void* param) {
    auto* job = static_cast<NoticeJob*>(param);
    HWND box = WaitForDialogCaptioned("Output", kWindowWaitMs);
    if (box == nullptr) {
        GiveUp("no \"Output\" box appeared");
    }
    job->text = MessageBoxText(box);
    if (!job->screenshot.empty()) {
        Photograph(box, job->screenshot);
    }
    ClickDialogButton(box, IDOK);
    return 0;
}

void AwaitOperator(HANDLE thread, const std::string& what) {
    if (WaitForSingleObject(thread, kWindowWaitMs) != WAIT_OBJECT_0) {
        GiveUp("the operator is still busy with " + what);
    }
    CloseHandle(thread);
}

std::string CurrentFolder() {
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    return std::string(folder) + "\\";
}

}  // namespace

void GiveUp(const std::string& why) {
    Check(false, why + "; giving up");
    FinishChecks();
    std::fflush(stdout);
    ExitProcess(1);
}

int ExportReset(LoadedPlugin& plugin, const char* callsign,
                const std::function<void(HWND)>& operatorActs) {
    const std::string hostFolder = CurrentFolder();
    host::Reset reset;
    reset.hostFolder = hostFolder.c_str();
    reset.exportRequest = 1;
    reset.stationCall = callsign;
    reset.start = COleDateTime(host::OleDays(2019, 2, 16, 0, 0), 0);
    reset.end = COleDateTime(host::OleDays(2019, 2, 17, 23, 59), 0);
    reset.ownDxccPrefix = "UA9";
    reset.ownContinent = "AS";
    return ExportReset(plugin, reset, operatorActs);
}

int ExportReset(LoadedPlugin& plugin, const host::Reset& reset,
                const std::function<void(HWND)>& operatorActs) {
    HeaderJob job{&operatorActs, nullptr};
    HANDLE thread = CreateThread(nullptr, 0, WorkHeaderDialog, &job, 0, nullptr);
    const int result = host::ResetStats(plugin.Api(), reset);  // modal until closed
    AwaitOperator(thread, "the header dialog");
    Check(job.dialog != nullptr && !IsWindow(job.dialog),
          "ResetStats0 returns once the header dialog has closed");
    return result;
}

std::string ExportResult(LoadedPlugin& plugin, int& out, const std::string& screenshot) {
    NoticeJob job{screenshot, ""};
    HANDLE thread = CreateThread(nullptr, 0, ReadNotice, &job, 0, nullptr);
    out = 0;
    plugin.Api().getResult(&out);  // modal until the box is closed
    AwaitOperator(thread, "the \"Output\" box");
    return job.text;
}

void WriteHostIni() {
    std::ofstream("Zolt2.ini", std::ios::binary) << "[Zolt]\r\nZolt=2.21\r\n";
}

void LogContestQsos(LoadedPlugin& plugin) {
    struct Entry {
        const char* call;
        int minute;
        unsigned int frequencyHz;
        const char* mode;
        const char* band;
        const char* sent;
        const char* received;
        const char* prefix;
        const char* continent;
    };
    const Entry entries[] = {
        {"UA9AA", 3, 14085000, "BPSK63", "20m", "001", "015", "UA9", "AS"},
        {"JA1ABC", 10, 7035400, "RTTY", "40m", "002", "107", "JA", "AS"},
        {"DL2ZZ", 15, 14080500, "RTTY", "20m", "003", "1234", "DL", "EU"},
        {"UA9AA", 20, 14086000, "BPSK63", "20m", "004", "016", "UA9", "AS"},
        {"W1AW", 25, 1830000, "RTTY", "160m", "005", "020", "K", "NA"},
    };
    for (const Entry& entry : entries) {
        host::Qso qso;
        qso.ownCall = "UA9XX";
        qso.call = entry.call;
        qso.time = COleDateTime(host::OleDays(2019, 2, 16, 12, entry.minute), 0);
        qso.frequencyHz = entry.frequencyHz;
        qso.mode = entry.mode;
        qso.band = entry.band;
        qso.exchangeSent = entry.sent;
        qso.exchangeReceived = entry.received;
        qso.dxccPrefix = entry.prefix;
        qso.continent = entry.continent;
        host::Add(plugin.Api(), qso);
    }
}

// The duplicate is written like any other QSO; the 160 m one never reached the log.
const char kContestQsoLines[] =
    "QSO: 14085 PS 2019-02-16 1203 UA9XX         599 0001   UA9AA         599 0015\r\n"
    "QSO:  7035 RY 2019-02-16 1210 UA9XX         599 0002   JA1ABC        599 0107\r\n"
    "QSO: 14080 RY 2019-02-16 1215 UA9XX         599 0003   DL2ZZ         599 1234\r\n"
    "QSO: 14086 PS 2019-02-16 1220 UA9XX         599 0004   UA9AA         599 0016\r\n";

void Photograph(HWND window, const std::string& name) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(400);
    Check(SaveWindowBitmap(window, ArtifactPath(name)), "screenshot " + name + " saved");
}
