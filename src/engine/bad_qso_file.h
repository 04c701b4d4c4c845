#pragma once
// The bad-QSO (UBN) report: a title line and one line per rejected or
// duplicate QSO, in a layout close to a Cabrillo QSO line followed by the
// reason. It lives in the current directory under a name taken from the
// contest end, and is opened only while a line is written or rewritten.

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/ole_date_time.h"

extern const char kBadQsoTitle[];  // "KVZ DIGI Contest UBN file "

extern const char kReasonWrongBand[];
extern const char kReasonWrongMode[];
extern const char kReasonNoRxNumber[];
extern const char kReasonDupe[];

// "%Y-%m-%d %H%M" of a QSO time, the form bad-QSO lines carry.
std::string BadQsoTime(const COleDateTime& time);

// "BadQSO_StatsKVZDIGI_<dd_mm_yyyy>.txt" for the contest end.
std::string BadQsoFileName(const COleDateTime& contestEnd);

// The QSO fields as the host gave them, not normalised.
struct BadQsoFields {
    std::uint32_t frequencyKhz = 0;
    std::string_view mode;
    std::string_view time;  // BadQsoTime of the QSO
    std::string_view ownCall;
    std::string_view rstSent;
    std::string_view exchangeSent;
    std::string_view call;
    std::string_view rstReceived;
    std::string_view exchangeReceived;
};

std::string FormatBadQsoLine(const BadQsoFields& fields, std::string_view reason);

// Creates or truncates the file to its title line.
void CreateBadQsoFile(const std::string& path);

// Appends one line; nothing happens when there is no file name yet.
void AppendBadQsoLine(const std::string& path, const std::string& line);

// Takes out the lines of one deleted QSO: those whose worked-call field is
// exactly `call` and whose date-time field is exactly `time`. The file is
// rewritten in one step, and only when a line goes; a file that cannot be read
// is left as it is.
void RemoveBadQsoLines(const std::string& path, std::string_view call, std::string_view time);

// Whether a line of the file is the line of this call at this time.
bool IsLineOfQso(std::string_view line, std::string_view call, std::string_view time);
