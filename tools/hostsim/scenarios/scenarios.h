#pragma once
// Each scenario drives the loaded plug-in through one piece of the host's
// behaviour and records its verdicts with Check().

class LoadedPlugin;

// Prints what the plug-in answers to the host's identification calls.
void RunIdentify(const LoadedPlugin& plugin);
// Looks every export up under each of its names and calls each with null texts.
void RunExportLookup(const LoadedPlugin& plugin);
// The date-time formatter of the Windows build against the shared table.
void RunDateFormat(const LoadedPlugin& plugin);
// The system's settings-file functions against the stand-in's shared cases.
void RunSettingsFile(const LoadedPlugin& plugin);
// SetupSet0 shows its owner-less box; an operator reads it and presses OK.
void RunSetupMessage(const LoadedPlugin& plugin);
// A contest session with duplicates, rejects and deletions: every answer and
// the bad-QSO file, byte for byte as in the native tests.
void RunReplay(const LoadedPlugin& plugin);
