#pragma once
// Pieces shared by the Cabrillo export scenarios. The host's thread (this one)
// blocks inside the plug-in while its header dialog or its "Output" box is
// open; an operator thread works the window meanwhile.

#include <windows.h>

#include <functional>
#include <string>

#include "file_bytes.h"
#include "scenario_folder.h"
#include "support/host_calls.h"

class LoadedPlugin;

// Ends the run when the operator cannot go on: the host's thread would
// otherwise wait for ever in the plug-in's modal window.
[[noreturn]] void GiveUp(const std::string& why);

// ResetStats0 with an export request for `callsign`, from the host folder
// that WriteHostIni filled. `operatorActs` gets the header dialog on a thread
// of its own and must close it. Returns ResetStats0's result.
int ExportReset(LoadedPlugin& plugin, const char* callsign,
                const std::function<void(HWND)>& operatorActs);
// The same for any reset with an export request.
int ExportReset(LoadedPlugin& plugin, const host::Reset& reset,
                const std::function<void(HWND)>& operatorActs);

// GetResult0 in export mode: the operator reads the "Output" box, photographs
// it when `screenshot` names a file, and presses OK. Returns the box's text;
// `out` gets what GetResult0 stored there.
std::string ExportResult(LoadedPlugin& plugin, int& out, const std::string& screenshot = "");

// The host's INI file, version 2.21, in the current folder.
void WriteHostIni();

// The contest's QSOs, for an operator in Asia: BPSK63 and RTTY on 20 m, RTTY
// on 40 m, a duplicate and a rejected one on 160 m.
void LogContestQsos(LoadedPlugin& plugin);
// The QSO lines they give in the log of UA9XX, in log order.
extern const char kContestQsoLines[];

// Photographs a window once it has repainted.
void Photograph(HWND window, const std::string& name);
