#include "engine/bad_qso_file.h"

#include <vector>

#include "engine/text_file.h"

const char kBadQsoTitle[] = "KVZ DIGI Contest UBN file ";

const char kReasonWrongBand[] = "   WRONG BAND !!!";
const char kReasonWrongMode[] = "   WRONG MODE !!!";
const char kReasonNoRxNumber[] = "   NO RX NUMBER !!!";
const char kReasonDupe[] = "   DUPE !!!";

namespace {
const char kLinePrefix[] = "QSO: ";
const char kSeparator[] = "  ";

// Field positions after "QSO: ", counted between two-blank separators.
constexpr int kTimeField = 2;
constexpr int kCallField = 6;
}  // namespace

std::string BadQsoTime(const COleDateTime& time) {
    return time.Format("%Y-%m-%d %H%M");
}

std::string BadQsoFileName(const COleDateTime& contestEnd) {
    return "BadQSO_StatsKVZDIGI_" + contestEnd.Format("%d_%m_%Y") + ".txt";
}

std::string FormatBadQsoLine(const BadQsoFields& fields, std::string_view reason) {
    std::string line = kLinePrefix;
    // Four- and five-digit frequencies line up.
    if (fields.frequencyKhz < 10000)
        line += ' ';
    line += std::to_string(fields.frequencyKhz);
    for (std::string_view field :
         {fields.mode, fields.time, fields.ownCall, fields.rstSent, fields.exchangeSent,
          fields.call, fields.rstReceived, fields.exchangeReceived}) {
        line += kSeparator;
        line += field;
    }
    line += reason;
    return line;
}

void CreateBadQsoFile(const std::string& path) {
    if (path.empty())
        return;
    WriteLines(path, {kBadQsoTitle});
}

void AppendBadQsoLine(const std::string& path, const std::string& line) {
    if (path.empty())
        return;
    AppendLine(path, line);
}

bool IsLineOfQso(std::string_view line, std::string_view call, std::string_view time) {
    const std::string_view prefix = kLinePrefix;
    if (line.substr(0, prefix.size()) != prefix)
        return false;
    std::string_view rest = line.substr(prefix.size());
    const std::string_view separator = kSeparator;
    for (int field = 0; field <= kCallField; ++field) {
        const std::size_t end = rest.find(separator);
        if (end == std::string_view::npos)
            return false;
        const std::string_view text = rest.substr(0, end);
        if (field == kTimeField && text != time)
            return false;
        if (field == kCallField)
            return text == call;
        rest.remove_prefix(end + separator.size());
    }
    return false;
}

void RemoveBadQsoLines(const std::string& path, std::string_view call, std::string_view time) {
    if (path.empty())
        return;
    std::optional<std::vector<std::string>> lines = ReadLines(path);
    if (!lines)
        return;  // never lose lines we could not read
    std::vector<std::string> kept{kBadQsoTitle};
    bool removed = false;
    for (std::size_t at = 1; at < lines->size(); ++at) {
        if (IsLineOfQso((*lines)[at], call, time)) {
            removed = true;
        } else {
            kept.push_back(std::move((*lines)[at]));
        }
    }
    if (removed)
        RewriteLinesAtomically(path, kept);
}
