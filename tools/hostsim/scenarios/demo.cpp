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
#include "scenarios/demo_outputs.h"
#include "scenarios/demo_sample.h"
#include "scenarios/modal_operator.h"
#include "scenarios/scenarios.h"
#include "support/host_calls.h"

namespace {

const int kHeaderDialogId = 101;
const char kHeaderDialogCaption[] = "KVZ DIGI Contest";
const char kNoticeCaption[] = "Output";
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

struct ReplayTally {
    int accepted = 0;
    int rejected = 0;
    int warnedDupes = 0;     // CheckCall0 said "duplicate" and the QSO was logged
    int newMultipliers = 0;  // CheckCall0 said "new multiplier"
    int unknownAnswers = 0;  // CheckCall0 answers outside 0, 1, 2, 4
};

host::Reset ResetFor(const SampleContest& contest, const std::string& hostFolder,
                     int exportRequest) {
    host::Reset reset;
    reset.hostFolder = hostFolder.c_str();
    reset.exportRequest = exportRequest;
    reset.stationCall = contest.station.call.c_str();
    reset.start = contest.station.start;
    reset.end = contest.station.end;
    reset.ownDxccPrefix = contest.station.dxccPrefix.c_str();
    reset.ownContinent = contest.station.continent.c_str();
    return reset;
}

// Like the host: the call is checked while the operator types it, then logged.
ReplayTally Replay(const PluginApi& api, const SampleContest& contest) {
    ReplayTally tally;
    for (const SampleQso& sample : contest.qsos) {
        host::Check typed = host::Typed(sample.call.c_str(), sample.dxccPrefix.c_str(),
                                        sample.band.c_str(), sample.mode.c_str());
        typed.continent = sample.continent.c_str();
        const int answer = host::CheckCall(api, typed);

        host::Qso qso;
        qso.ownCall = contest.station.call.c_str();
        qso.call = sample.call.c_str();
        qso.time = sample.time;
        qso.frequencyHz = sample.frequencyHz;
        qso.mode = sample.mode.c_str();
        qso.rstSent = sample.rstSent.c_str();
        qso.rstReceived = sample.rstReceived.c_str();
        qso.exchangeSent = sample.exchangeSent.c_str();
        qso.exchangeReceived = sample.exchangeReceived.c_str();
        qso.dxccPrefix = sample.dxccPrefix.c_str();
        qso.continent = sample.continent.c_str();
        qso.band = sample.band.c_str();
        const bool accepted = host::Add(api, qso) == 1;

        (accepted ? tally.accepted : tally.rejected)++;
        tally.warnedDupes += answer == 0 && accepted ? 1 : 0;
        tally.newMultipliers += answer == 2 ? 1 : 0;
        tally.unknownAnswers += answer != 0 && answer != 1 && answer != 2 && answer != 4 ? 1 : 0;
    }
    return tally;
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

int CountLinesStartingWith(const std::vector<std::string>& lines, const std::string& start) {
    int count = 0;
    for (const std::string& line : lines) {
        count += StartsWith(line, start) ? 1 : 0;
    }
    return count;
}

int CountLinesEndingWith(const std::vector<std::string>& lines, const std::string& end) {
    int count = 0;
    for (const std::string& line : lines) {
        count += line.size() >= end.size() &&
                         line.compare(line.size() - end.size(), end.size(), end) == 0
                     ? 1
                     : 0;
    }
    return count;
}

std::string LineStartingWith(const std::vector<std::string>& lines, const std::string& start) {
    for (const std::string& line : lines) {
        if (StartsWith(line, start)) {
            return line;
        }
    }
    return std::string();
}

void CheckFileKept(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    Check(!error && size > 0, path + " written (" + std::to_string(error ? 0 : size) + " bytes)");
}

void PrintWithoutCarriageReturns(const std::string& text) {
    std::string shown;
    for (char c : text) {
        if (c != '\r') {
            shown += c;
        }
    }
    std::printf("%s\n", shown.c_str());
}

}  // namespace

void RunDemo(LoadedPlugin& plugin) {
    const PluginApi& api = plugin.Api();
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
    const std::string call = contest.station.call;
    const std::string badQsoName =
        "BadQSO_StatsKVZDIGI_" + contest.station.end.Format("%d_%m_%Y") + ".txt";
    const std::string cabrilloName = call + ".cbr";
    const std::string summaryTextPath = InFolder(outFolder, "summary.txt");
    const std::string summaryHtmlPath = InFolder(outFolder, "summary.html");
    const std::string cabrilloPath = InFolder(outFolder, cabrilloName);
    const std::string badQsoPath = InFolder(outFolder, badQsoName);
    std::error_code ignored;
    std::filesystem::create_directories(outFolder, ignored);
    for (const std::string& stale : {summaryTextPath, summaryHtmlPath, cabrilloPath, badQsoPath}) {
        std::filesystem::remove(stale, ignored);
    }
    std::printf("sample: %s, %s (%s, %s), %zu QSOs from %s to %s UTC\n", samplePath.c_str(),
                call.c_str(), contest.station.dxccPrefix.c_str(), contest.station.continent.c_str(),
                contest.qsos.size(), contest.station.start.Format("%Y-%m-%d %H%M").c_str(),
                contest.station.end.Format("%Y-%m-%d %H%M").c_str());

    // The host's folder is the scenario folder: its INI file says version 2.20.
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    const std::string hostFolder = InFolder(current, "");
    WriteFileBytes("Zolt2.ini", "[Zolt]\r\nZolt=2.20\r\n");
    // "Start" = 1: the reset toggles it and leaves the Setup window closed; the
    // demo is about the reports, and no automation object answers here.
    WritePrivateProfileStringA("Settings", "Start", "1", "Plugins\\KVZ-DIGI.ini");

    Identify(api);
    CheckEqual(host::ResetStats(api, ResetFor(contest, hostFolder, 0)), 1, "ResetStats0");
    const ReplayTally logged = Replay(api, contest);
    std::printf(
        "replayed %zu QSOs: %d logged, %d rejected; CheckCall0 warned of %d dupes and"
        " announced %d new multipliers\n",
        contest.qsos.size(), logged.accepted, logged.rejected, logged.warnedDupes,
        logged.newMultipliers);
    CheckEqual(logged.unknownAnswers, 0, "CheckCall0 answers only 0, 1, 2 or 4");
    Check(logged.accepted > 0 && logged.rejected > 0, "the sample has logged and rejected QSOs");

    int out = 0;
    const std::string summaryText = Result(api, out);
    CheckEqual(out, kOutUntouched, "GetResult0 leaves its out value alone without an export");
    Check(WriteFileBytes(summaryTextPath, summaryText), "summary text saved");
    CheckEqual(static_cast<long long>(api.setVersion("2.20")), 0, "setVersion(\"2.20\") answers 0");
    const std::string summaryHtml = Result(api, out);
    Check(WriteFileBytes(summaryHtmlPath, summaryHtml), "summary HTML saved");
    const std::string badQsoAfterReplay = ReadFileBytes(badQsoName);

    // The export: the header dialog opens inside the reset, the notice inside
    // GetResult0; both are modal on this thread, so an operator thread answers.
    const bool dialogBuiltIn =
        FindResourceA(plugin.Module(), MAKEINTRESOURCEA(kHeaderDialogId), RT_DIALOG) != nullptr;
    ModalWatch dialog;
    dialog.caption = kHeaderDialogCaption;
    dialog.appearWithinMs = dialogBuiltIn ? 10000 : 3000;
    dialog.screenshot = "demo-cabrillo-dialog.bmp";
    {
        ModalOperator operatorThread(dialog);
        CheckEqual(host::ResetStats(api, ResetFor(contest, hostFolder, 1)), 1,
                   "ResetStats0 with an export request");
        operatorThread.Join();
    }
    if (dialogBuiltIn || dialog.appeared) {
        Check(dialog.appeared, "the Cabrillo header dialog \"" + dialog.caption + "\" opened");
        Check(dialog.closed, "the header dialog closed on OK");
        Check(dialog.photographed, "screenshot of the header dialog saved");
    } else {
        std::printf(
            "note: this Stats.dll has no header dialog (resource %d) yet; the export "
            "goes on with the remembered header\n",
            kHeaderDialogId);
    }
    const ReplayTally exported = Replay(api, contest);
    CheckEqual(exported.accepted, logged.accepted, "the export replay logs the same QSOs");

    ModalWatch notice;
    notice.caption = kNoticeCaption;
    notice.screenshot = "demo-output-box.bmp";
    std::string exportResult;
    {
        ModalOperator operatorThread(notice);
        exportResult = Result(api, out);
        operatorThread.Join();
    }
    Check(notice.appeared, "GetResult0 in export mode shows the \"Output\" box");
    CheckEqual(notice.text, "File produced: " + cabrilloName, "the Output box names the file");
    Check(notice.photographed, "screenshot of the Output box saved");
    CheckEqual(out, -1, "GetResult0 in export mode stores -1 in its out value");
    Check(!exportResult.empty(), "GetResult0 in export mode still returns the summary");

    Check(CopyFileA(cabrilloName.c_str(), cabrilloPath.c_str(), FALSE) != 0,
          cabrilloName + " copied out");
    Check(CopyFileA(badQsoName.c_str(), badQsoPath.c_str(), FALSE) != 0,
          badQsoName + " copied out");

    std::printf("\n");
    PrintWithoutCarriageReturns(summaryText);
    std::printf("\nOutput box: \"%s\"\nwritten:\n  %s\n  %s\n  %s\n  %s\n\n", notice.text.c_str(),
                summaryTextPath.c_str(), summaryHtmlPath.c_str(), cabrilloPath.c_str(),
                badQsoPath.c_str());

    for (const std::string& path : {summaryTextPath, summaryHtmlPath, cabrilloPath, badQsoPath}) {
        CheckFileKept(path);
    }

    // The summary agrees with what the plug-in answered QSO by QSO.
    const SummaryNumbers numbers = ReadSummaryText(summaryText);
    Check(numbers.totals.found, "the summary has a \"Total\" line");
    Check(numbers.haveDupe && numbers.haveBad && numbers.haveScore,
          "the summary has its \"Dupe\", \"Bad QSO\" and \"Score\" lines");
    CheckEqual(numbers.bad, logged.rejected, "Bad QSO = QSOs AddData0 rejected");
    CheckEqual(numbers.dupes, logged.warnedDupes, "Dupe = logged QSOs CheckCall0 called dupes");
    CheckEqual(numbers.totals.qsos, logged.accepted - numbers.dupes,
               "Total QSOs = logged QSOs less dupes");
    CheckEqual(numbers.totals.rtty + numbers.totals.bpsk63, numbers.totals.qsos,
               "every counted QSO is RTTY or BPSK63");
    CheckEqual(numbers.scorePoints, numbers.totals.points, "the score uses the total points");
    CheckEqual(numbers.scoreMultipliers, numbers.totals.multipliers,
               "the score uses the total multipliers");
    CheckEqual(numbers.score, numbers.totals.points * numbers.totals.multipliers,
               "Score = points * multipliers");

    const SummaryTotals htmlTotals = ReadSummaryHtmlTotals(summaryHtml);
    Check(StartsWith(summaryHtml, "<html>") && summaryHtml.find("</html>") != std::string::npos,
          "the HTML summary is one page");
    Check(htmlTotals.found && htmlTotals.qsos == numbers.totals.qsos &&
              htmlTotals.points == numbers.totals.points &&
              htmlTotals.multipliers == numbers.totals.multipliers &&
              htmlTotals.rtty == numbers.totals.rtty && htmlTotals.bpsk63 == numbers.totals.bpsk63,
          "the HTML Total row holds the numbers of the text");

    const std::vector<std::string> badLines = SplitLines(ReadFileBytes(badQsoPath));
    CheckEqual(static_cast<long long>(badLines.size()), 1 + logged.rejected + logged.warnedDupes,
               "bad-QSO file: title, one line per rejected QSO and per dupe");
    CheckEqual(CountLinesEndingWith(badLines, "   DUPE !!!"), logged.warnedDupes,
               "bad-QSO file: one DUPE line per dupe");
    CheckEqual(ReadFileBytes(badQsoPath), badQsoAfterReplay,
               "the export replay writes the same bad-QSO file");

    const std::vector<std::string> cabrillo = SplitLines(ReadFileBytes(cabrilloPath));
    Check(!cabrillo.empty() && cabrillo.front() == "START-OF-LOG: 3.0",
          "the Cabrillo log starts with START-OF-LOG: 3.0");
    Check(!cabrillo.empty() && cabrillo.back() == "END-OF-LOG:",
          "the Cabrillo log ends with END-OF-LOG:");
    CheckEqual(LineStartingWith(cabrillo, "CALLSIGN:"), "CALLSIGN: " + call,
               "the Cabrillo log is the operator's");
    CheckEqual(CountLinesStartingWith(cabrillo, "QSO:"), exported.accepted,
               "one Cabrillo QSO line per logged QSO, dupes included");
    CheckEqual(LineStartingWith(cabrillo, "CLAIMED-SCORE:"),
               "CLAIMED-SCORE: " + std::to_string(numbers.score),
               "the claimed score is the summary's score");
}
