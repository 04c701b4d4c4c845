#pragma once
// Each scenario drives the loaded plug-in through one piece of the host's
// behaviour and records its verdicts with Check().

class LoadedPlugin;

// Prints what the plug-in answers to the host's identification calls.
void RunIdentify(LoadedPlugin& plugin);
// Looks every export up under each of its names and calls each with null texts.
void RunExportLookup(LoadedPlugin& plugin);
// The date-time formatter of the Windows build against the shared table.
void RunDateFormat(LoadedPlugin& plugin);
// The system's settings-file functions against the stand-in's shared cases.
void RunSettingsFile(LoadedPlugin& plugin);
// SetupSet0 shows its owner-less box; an operator reads it and presses OK.
void RunSetupMessage(LoadedPlugin& plugin);

// The simulator's automation object, reached from another apartment the way
// the plug-in reaches it.
void RunFakeHostCheck(LoadedPlugin& plugin);

// The Setup-window driver against a stand-in window of the simulator's own.
void RunDriverCheck(LoadedPlugin& plugin);

// The Setup window: first run without settings, mode clicks and check boxes.
void RunSetupFirstRun(LoadedPlugin& plugin);
// Stored modes: lower case sends nothing; "BPSK63" switches the host to it.
void RunSetupModeLowerCase(LoadedPlugin& plugin);
void RunSetupModeBpsk63(LoadedPlugin& plugin);
// Stored check-box options, "Window on top" included, come back ticked.
void RunSetupBoxesRestored(LoadedPlugin& plugin);
// The mouse over a moved window stores its position; over an unmoved one not.
void RunSetupPositionSaver(LoadedPlugin& plugin);
// An old host version gets no UI thread, but the start toggle still turns.
void RunSetupOldHost(LoadedPlugin& plugin);
// Stored positions 0 and negative, across an Esc and two further resets.
void RunSetupPosition(LoadedPlugin& plugin);
// The Russian title and labels.
void RunSetupRussian(LoadedPlugin& plugin);
// The host installed but not running, not installed, or refusing commands.
void RunSetupHostNotRunning(LoadedPlugin& plugin);
void RunSetupHostNotInstalled(LoadedPlugin& plugin);
void RunSetupHostRefuses(LoadedPlugin& plugin);
// Resets while the Setup window is open leave it alone.
void RunSetupResetWhileOpen(LoadedPlugin& plugin);
// FreeLibrary right after the reset that started the UI thread.
void RunUnloadWhileStarting(LoadedPlugin& plugin);
// The host's process ends promptly with the Setup window open (timed from a
// second hostsim process, RunExitChild).
void RunExitWithSetupOpen(LoadedPlugin& plugin);
void RunExitChild(LoadedPlugin& plugin);
// A contest session with duplicates, rejects and deletions: every answer and
// the bad-QSO file, byte for byte as in the native tests.
void RunReplay(LoadedPlugin& plugin);
// The shipped sample contest replayed as the host would, then every report an
// operator keeps, written to the output folder and checked against each other.
void RunDemo(LoadedPlugin& plugin);

// The Cabrillo header dialog on a first export: template, lists and presets;
// filled in, confirmed, and the log and settings it leaves.
void RunCabrilloDialog(LoadedPlugin& plugin);
// A cancelled header dialog leaves the settings alone; the export uses the
// loaded header.
void RunCabrilloCancel(LoadedPlugin& plugin);
// Exports whose file cannot be written say so and leave the earlier file.
void RunCabrilloNotProduced(LoadedPlugin& plugin);
