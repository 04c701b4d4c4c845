#pragma once
// Line-oriented text files as the plug-in's reports use them: 8-bit text,
// every line ending in a carriage return and line feed on every platform, each
// file opened and closed within one call. Writers are best-effort and report
// success only so that callers can leave a file alone when it went wrong.

#include <optional>
#include <string>
#include <vector>

// Creates or truncates the file and writes the lines.
bool WriteLines(const std::string& path, const std::vector<std::string>& lines);

// Appends one line, creating the file when it is missing.
bool AppendLine(const std::string& path, const std::string& line);

// Every line without its line end (CR LF, LF or a final unterminated line);
// nothing when the file cannot be opened.
std::optional<std::vector<std::string>> ReadLines(const std::string& path);

// Writes the bytes to a temporary file beside the target and then replaces the
// target with it, so a crash or a full disk never leaves it half-written.
// Returns why that failed ("it could not be created", "it could not be written
// completely", "the old file could not be replaced"), or "" when the target
// now holds the bytes.
std::string WriteFileAtomically(const std::string& path, const std::string& bytes);

// The same for lines, each ending in a carriage return and line feed.
bool RewriteLinesAtomically(const std::string& path, const std::vector<std::string>& lines);
