// The UI thread's life as the host sees it: later resets leave an open Setup
// window alone, and the host's process ends promptly while the window is open.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "checks.h"
#include "message_pump.h"
#include "plugin_loader.h"
#include "scenarios/scenarios.h"
#include "scenarios/setup_session.h"
#include "setup_window.h"

namespace {

// Names of the two events the processes meet on: the child has its window
// open; the parent has looked at it and starts the clock.
const char kReadyEventVariable[] = "HOSTSIM_READY_EVENT";
const char kGoEventVariable[] = "HOSTSIM_GO_EVENT";
const UINT kChildExitCode = 7;

bool OtherSetupWindowAppears(HWND setup, DWORD waitMs) {
    return WaitForSetupWindow(waitMs, setup) != nullptr;
}

}  // namespace

// The host resets again while the Setup window is open (its log rescanned):
// whatever the start toggle says, the window stays, no second one opens and
// the mode is not sent again.
void RunSetupResetWhileOpen(LoadedPlugin& plugin) {
    SetupSession session("reset-while-open");
    Check(session.host.StartRunning(), "the host is running");
    HWND setup = session.ResetAndWaitForSetup(plugin);
    if (setup == nullptr) {
        return;
    }
    WaitForCommands(session.host, 2, 5000);
    std::size_t commands = session.host.Commands().size();
    for (const char* before : {"1", "0"}) {
        CheckEqual(session.folder.ReadSetting("Start"), before,
                   std::string("Start before the next reset is ") + before);
        CheckEqual(session.Reset(plugin), 1, "ResetStats0 answers 1");
        Check(!OtherSetupWindowAppears(setup, 1500),
              std::string("a reset with Start ") + before + " opens no second Setup window");
        Check(IsWindow(setup) && IsWindowVisible(setup), "the first Setup window stays open");
        CheckEqual(
            session.folder.ReadSetting("Start"), "0",
            std::string("a reset with the UI running and Start ") + before + " leaves Start 0");
    }
    CheckEqual(static_cast<long long>(session.host.Commands().size()),
               static_cast<long long>(commands), "the resets sent the host nothing");
    CheckUnloadWithin(plugin, 2000, "FreeLibrary with the Setup window open returns within 2 s");
    CheckHostReleased(session.host);
}

// A host whose INI file names an old version: ResetStats0 starts no UI thread
// but still turns the start toggle, so the next reset turns it back.
void RunSetupOldHost(LoadedPlugin& plugin) {
    SetupSession session("old-host");
    Check(session.host.StartRunning(), "the host is running");
    // Found by the search in the host folder, read by its bare name from the
    // current directory: here both are the scenario's folder.
    HANDLE file = CreateFileA((session.folder.Path() + "Zolt2.ini").c_str(), GENERIC_WRITE, 0,
                              nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    const char kVersionLine[] = "[Main]\r\nZolt=2.14R\r\n";
    DWORD written = 0;
    WriteFile(file, kVersionLine, sizeof kVersionLine - 1, &written, nullptr);
    CloseHandle(file);
    CheckEqual(session.Reset(plugin), 1, "ResetStats0 answers 1");
    PumpMessagesFor(1500);
    Check(FindSetupWindow() == nullptr, "host version 2.14R: no Setup window opens");
    CheckEqual(session.folder.ReadSetting("Start"), "1", "... and Start is still written 1");
    CheckEqual(static_cast<long long>(session.host.Calls().size()), 0,
               "... and the host is not called");
    CheckEqual(session.Reset(plugin), 1, "ResetStats0 answers 1");
    CheckEqual(session.folder.ReadSetting("Start"), "0", "the next reset turns Start back to 0");
}

// The host unloads the plug-in right after the reset that started its UI
// thread, while that thread may still be building the Setup window. A few
// rounds, each with a fresh load of the library, because the moment of the
// unload falls differently each time.
void RunUnloadWhileStarting(LoadedPlugin& plugin) {
    plugin.Unload();
    SetupSession session("unload-while-starting");
    Check(session.host.StartRunning(), "the host is running");
    const int kRounds = 6;
    for (int round = 1; round <= kRounds; ++round) {
        std::string name = "round " + std::to_string(round) + ": ";
        LoadedPlugin again;
        if (!again.IsLoaded()) {
            Check(false, name + "Stats.dll loads again");
            return;
        }
        session.folder.WriteSetting("Start", "0");
        CheckEqual(session.Reset(again), 1, name + "ResetStats0 answers 1");
        // On this thread and at once, as a host does that stops right away.
        DWORD start = GetTickCount();
        again.Unload();
        DWORD elapsed = GetTickCount() - start;
        Check(elapsed < 2000, name + "FreeLibrary right after the reset returns within 2 s (" +
                                  std::to_string(elapsed) + " ms)");
        PumpMessagesFor(300);
        Check(FindSetupWindow() == nullptr, name + "no Setup window is left behind");
    }
    CheckHostReleased(session.host);
}

// A second hostsim opens the Setup window, says so, and ends its process
// without unloading the plug-in; this one times the end.
void RunExitWithSetupOpen(LoadedPlugin&) {
    std::string readyName = "hostsim-ready-" + std::to_string(GetCurrentProcessId());
    std::string goName = "hostsim-go-" + std::to_string(GetCurrentProcessId());
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, readyName.c_str());
    HANDLE go = CreateEventA(nullptr, TRUE, FALSE, goName.c_str());
    SetEnvironmentVariableA(kReadyEventVariable, readyName.c_str());
    SetEnvironmentVariableA(kGoEventVariable, goName.c_str());
    std::string program = ExecutableFolder() + "hostsim.exe";
    std::string commandLine = "\"" + program + "\" exit-child";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child = {};
    bool started = CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0,
                                  nullptr, nullptr, &startup, &child) != 0;
    Check(started, "a second host process starts");
    if (!started) {
        CloseHandle(ready);
        CloseHandle(go);
        return;
    }
    HANDLE either[] = {ready, child.hProcess};
    DWORD first = WaitForMultipleObjects(2, either, FALSE, 60000);
    Check(first == WAIT_OBJECT_0, "the second host opened its Setup window");
    if (first == WAIT_OBJECT_0) {
        HWND childSetup = FindSetupWindowOf(child.dwProcessId);
        Check(childSetup != nullptr, "its Setup window is on the screen before it exits");
        DWORD start = GetTickCount();
        SetEvent(go);
        DWORD ended = WaitForSingleObject(child.hProcess, 10000);
        DWORD elapsed = GetTickCount() - start;
        Check(ended == WAIT_OBJECT_0 && elapsed < 2000,
              "its process ends within 2 s with the Setup window open (" + std::to_string(elapsed) +
                  " ms)");
        DWORD exitCode = 0;
        GetExitCodeProcess(child.hProcess, &exitCode);
        CheckEqual(static_cast<long long>(exitCode), kChildExitCode,
                   "it ends with the exit code it asked for, not a crash");
        Check(childSetup != nullptr && !IsWindow(childSetup), "its Setup window went with it");
    }
    if (WaitForSingleObject(child.hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(child.hProcess, 1);
    }
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    CloseHandle(ready);
    CloseHandle(go);
}

// The second process of RunExitWithSetupOpen; not run on its own.
void RunExitChild(LoadedPlugin& plugin) {
    const char* readyName = std::getenv(kReadyEventVariable);
    const char* goName = std::getenv(kGoEventVariable);
    HANDLE ready =
        readyName != nullptr ? OpenEventA(EVENT_MODIFY_STATE, FALSE, readyName) : nullptr;
    HANDLE go = goName != nullptr ? OpenEventA(SYNCHRONIZE, FALSE, goName) : nullptr;
    Check(ready != nullptr && go != nullptr, "exit child: the parent's events are there");
    SetupSession session("exit-child");
    Check(session.host.StartRunning(), "exit child: the host is running");
    HWND setup = session.ResetAndWaitForSetup(plugin);
    if (setup != nullptr) {
        WaitForCommands(session.host, 2, 5000);
    }
    std::fflush(stdout);
    if (ready != nullptr && go != nullptr && setup != nullptr) {
        SetEvent(ready);
        PumpUntilSignalled(go, 30000);
        ExitProcess(kChildExitCode);
    }
}
