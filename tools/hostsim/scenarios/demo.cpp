// The demo: a whole sample contest replayed through the real DLL the way the
// host does it, then the operator's reports: the score summary as text and as
// HTML, and the Cabrillo export with its header dialog and "Output" notice.
// Everything the operator would keep lands in the output folder.
//
//   HOSTSIM_DEMO_SAMPLE  the sample contest (tools/demo/sample_contest.txt)
//   HOSTSIM_DEMO_OUT     the output folder (created when missing)
// Both may be given as Linux paths; Wine sees "/" as drive Z:.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "checks.h"
#include "plugin_loader.h"
#include "scenarios/cabrillo_session.h"
#include "scenarios/demo_checks.h"
#include "scenarios/demo_outputs.h"
#include "scenarios/demo_replay.h"
#include "scenarios/demo_sample.h"
#include "scenarios/scenarios.h"
#include "ui_driver.h"

namespace {

// GetResult0 writes its out value only in export mode.
const int kOutUntouched = 12345;

// "/work/out" as Wine's "Z:\work\out"; a Windows path stays as it is.
std::string WindowsPath(std::string path) {
    if (path.empty() || path[0] != '/') {
        return path;
    }
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return "Z:" + path;
}

std::string PathFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? WindowsPath(value) : std::string();
}

std::string InFolder(std::string folder, const std::string& name) {
    if (!folder.empty() && folder.back() != '\\') {
        folder += '\\';
    }
    return folder + name;
}

// The names the plug-in writes in the current folder, and where the demo
// keeps them.
struct DemoFiles {
    std::string badQsoName;
    std::string cabrilloName;
    std::string summaryText;
    std::string summaryHtml;
    std::string badQso;
    std::string cabrillo;
};

DemoFiles FilesFor(const SampleContest& contest, const std::string& outFolder) {
    DemoFiles files;
    files.badQsoName = "BadQSO_StatsKVZDIGI_" + contest.station.end.Format("%d_%m_%Y") + ".txt";
    files.cabrilloName = contest.station.call + ".cbr";
    files.summaryText = InFolder(outFolder, "summary.txt");
    files.summaryHtml = InFolder(outFolder, "summary.html");
    files.badQso = InFolder(outFolder, files.badQsoName);
    files.cabrillo = InFolder(outFolder, files.cabrilloName);
    return files;
}

// Nothing of an earlier run may pass for this run's output.
void PrepareOutputFolder(const std::string& outFolder, const DemoFiles& files) {
    std::error_code ignored;
    std::filesystem::create_directories(outFolder, ignored);
    for (const std::string& stale :
         {files.summaryText, files.summaryHtml, files.badQso, files.cabrillo}) {
        std::filesystem::remove(stale, ignored);
    }
}

// The current folder as the host's folder, with the host's INI file in it.
std::string PrepareHostFolder() {
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    WriteFileBytes("Zolt2.ini", "[Zolt]\r\nZolt=2.20\r\n");
    // "Start" = 1: the reset toggles it and leaves the Setup window closed; the
    // demo is about the reports, and no automation object answers here.
    WriteSettingHere("Start", "1");
    return InFolder(current, "");
}

std::string Result(const PluginApi& api, int& out) {
    out = kOutUntouched;
    const char* text = api.getResult(&out);
    return text != nullptr ? std::string(text) : std::string();
}

void Identify(const PluginApi& api) {
    CheckEqual(api.getNumberOfSets(), 1, "GetNumberOfSets: one set");
    const char* name = api.getSetName(0);
    Check(name != nullptr && *name != '\0',
          std::string("GetSetName(0) names the set: ") + (name != nullptr ? name : "(null)"));
    CheckEqual(api.getExchgCount("", "", ""), 1, "GetExchgCount0: one exchange");
}

// The host's first pass: reset, replay, and the summary in both forms.
void ScoreTheLog(const PluginApi& api, const SampleContest& contest, const std::string& hostFolder,
                 const DemoFiles& files, DemoReports& reports) {
    Identify(api);
    CheckEqual(host::ResetStats(api, SampleReset(contest, hostFolder, 0)), 1, "ResetStats0");
    reports.logged = ReplaySample(api, contest);
    std::printf(
        "replayed %zu QSOs: %d logged, %d rejected; CheckCall0 warned of %d dupes and"
        " announced %d new multipliers\n",
        contest.qsos.size(), reports.logged.accepted, reports.logged.rejected,
        reports.logged.warnedDupes, reports.logged.newMultipliers);
    CheckEqual(reports.logged.unknownAnswers, 0, "CheckCall0 answers only 0, 1, 2 or 4");
    Check(reports.logged.accepted > 0 && reports.logged.rejected > 0,
          "the sample has logged and rejected QSOs");

    int out = 0;
    reports.summaryText = Result(api, out);
    CheckEqual(out, kOutUntouched, "GetResult0 leaves its out value alone without an export");
    Check(WriteFileBytes(files.summaryText, reports.summaryText), "summary text saved");
    CheckEqual(static_cast<long long>(api.setVersion("2.20")), 0, "setVersion(\"2.20\") answers 0");
    reports.summaryHtml = Result(api, out);
    Check(WriteFileBytes(files.summaryHtml, reports.summaryHtml), "summary HTML saved");
    reports.badQsoAfterReplay = ReadFileBytes(files.badQsoName);
}

// The reset with an export request opens the header dialog, and GetResult0
// then the "Output" box; both are modal on this thread, so an operator thread
// answers them.
void ConfirmHeaderDialog(LoadedPlugin& plugin, const SampleContest& contest,
                         const std::string& hostFolder) {
    CheckEqual(ExportReset(plugin, SampleReset(contest, hostFolder, 1),
                           [](HWND dialog) {
                               Photograph(dialog, "demo-cabrillo-dialog.bmp");
                               ClickDialogButton(dialog, IDOK);
                           }),
               1, "ResetStats0 with an export request");
}

// Returns the text of the "Output" box.
std::string Export(LoadedPlugin& plugin, const SampleContest& contest,
                   const std::string& hostFolder, const DemoFiles& files, DemoReports& reports) {
    ConfirmHeaderDialog(plugin, contest, hostFolder);
    reports.exported = ReplaySample(plugin.Api(), contest);
    CheckEqual(reports.exported.accepted, reports.logged.accepted,
               "the export replay logs the same QSOs");

    int out = 0;
    const std::string notice = ExportResult(plugin, out, "demo-output-box.bmp");
    CheckEqual(notice, "File produced: " + files.cabrilloName, "the Output box names the file");
    CheckEqual(out, -1, "GetResult0 in export mode stores -1 in its out value");

    Check(CopyFileA(files.cabrilloName.c_str(), files.cabrillo.c_str(), FALSE) != 0,
          files.cabrilloName + " copied out");
    Check(CopyFileA(files.badQsoName.c_str(), files.badQso.c_str(), FALSE) != 0,
          files.badQsoName + " copied out");
    return notice;
}

void PrintForOperator(const DemoReports& reports, const std::string& noticeText) {
    std::string shown;
    for (char c : reports.summaryText) {
        if (c != '\r') {
            shown += c;
        }
    }
    std::printf("\n%s\n\nOutput box: \"%s\"\nwritten:\n", shown.c_str(), noticeText.c_str());
    for (const std::string& path : reports.keptFiles) {
        std::printf("  %s\n", path.c_str());
    }
    std::printf("\n");
}

}  // namespace

void RunDemo(LoadedPlugin& plugin) {
    const std::string samplePath = PathFromEnvironment("HOSTSIM_DEMO_SAMPLE");
    const std::string outFolder = PathFromEnvironment("HOSTSIM_DEMO_OUT");
    if (samplePath.empty() || outFolder.empty()) {
        Check(false, "HOSTSIM_DEMO_SAMPLE and HOSTSIM_DEMO_OUT name the sample and the output");
        return;
    }
    SampleContest contest;
    std::string problem;
    if (!LoadSampleContest(samplePath, contest, problem)) {
        Check(false, "sample contest read: " + problem);
        return;
    }
    std::printf("sample: %s, %s (%s, %s), %zu QSOs from %s to %s UTC\n", samplePath.c_str(),
                contest.station.call.c_str(), contest.station.dxccPrefix.c_str(),
                contest.station.continent.c_str(), contest.qsos.size(),
                contest.station.start.Format("%Y-%m-%d %H%M").c_str(),
                contest.station.end.Format("%Y-%m-%d %H%M").c_str());

    const DemoFiles files = FilesFor(contest, outFolder);
    PrepareOutputFolder(outFolder, files);
    const std::string hostFolder = PrepareHostFolder();

    DemoReports reports;
    reports.call = contest.station.call;
    reports.badQsoPath = files.badQso;
    reports.cabrilloPath = files.cabrillo;
    reports.keptFiles = {files.summaryText, files.summaryHtml, files.cabrillo, files.badQso};
    ScoreTheLog(plugin.Api(), contest, hostFolder, files, reports);
    const std::string noticeText = Export(plugin, contest, hostFolder, files, reports);
    PrintForOperator(reports, noticeText);
    CheckDemoReports(reports);
}
