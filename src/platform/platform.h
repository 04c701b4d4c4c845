#pragma once
// The operating-system seam: everything the core needs that only Windows has.
// win32/ implements it with the real system calls; posix/ is a headless
// stand-in for the Linux build that never blocks and never shows anything.

#include <cstddef>
#include <string>
#include <vector>

struct CabrilloHeaderValues;

namespace platform {

// Private-profile (INI) access with the system's rules: section and key match
// ignoring case; a missing key gives the default; at most bufferSize - 1
// characters come back. A relative file name with a folder resolves against the
// current directory.
std::string ReadProfileText(const std::string& file, const std::string& section,
                            const std::string& key, const std::string& defaultValue,
                            std::size_t bufferSize);
// Creates the file and the section when missing. Returns false when the file
// could not be written (callers treat settings writes as best-effort).
bool WriteProfileText(const std::string& file, const std::string& section, const std::string& key,
                      const std::string& value);

// Replaces the file `to` by the file `from` in one step, so a reader sees
// either the old or the new text, never a part of it. Returns false when the
// replace failed; `to` is then unchanged.
bool ReplaceFileAtomically(const std::string& from, const std::string& to);

// Names (without folder) of the entries matching a wildcard pattern such as
// "C:\Zolt\*.ini", in the order the system lists them; empty when none match.
std::vector<std::string> FindFileNames(const std::string& pattern);

// A modal OK message box owned by no window; a null caption takes the system's
// default one. Returns when the operator has closed it.
void ShowMessageBox(const std::string& text, const char* caption);

// A modal OK message box with the information icon, owned by the calling
// thread's active window (none when it has none). Returns when closed.
void ShowNotice(const std::string& text, const std::string& caption);

// The plug-in's UI thread, seen from the host's thread. Its windows' handlers
// take g_stateLock, so the two calls that wait for the thread must be made
// without holding it.
//
// Starts the UI thread with its Setup window, stopping a running one first;
// returns once the new thread is under way.
void StartUiThread();
// Closes the plug-in's windows and returns once the UI thread has ended
// (nothing to do when none runs).
void StopUiThread();
// Whether the Setup window exists. The caller holds g_stateLock, which the UI
// thread also holds while it sets or clears the window.
bool UiThreadRunning();
// Posts the window-update message to the Setup window when one exists and
// returns whether it did. The caller holds g_stateLock, so the window cannot
// go away in between.
bool PostWindowUpdate();

// The Cabrillo header dialog, modal on the calling thread, preset from
// `values`. True when the operator confirmed it with OK: `values` then holds
// the controls' texts. False otherwise, with `values` unchanged. Call without
// holding g_stateLock.
bool ShowCabrilloDialog(CabrilloHeaderValues& values);

}  // namespace platform
