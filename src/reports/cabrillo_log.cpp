#include "reports/cabrillo_log.h"

#include "engine/contest_state.h"
#include "engine/text_file.h"
#include "reports/printf_text.h"
#include "reports/score_summary.h"

CabrilloLog g_cabrillo;

namespace {
const char kLineEnd[] = "\r\n";

bool EndsWithLineEnd(const std::string& text) {
    return text.size() >= 2 && text.compare(text.size() - 2, 2, kLineEnd) == 0;
}

// The file's bytes: header, QSO lines, end. Every text ends in exactly one
// carriage return and line feed.
std::string FileText(const CabrilloLog& log) {
    std::string text;
    auto line = [&text](const std::string& tag, const std::string& value) {
        text += tag;
        text += value;
        if (!EndsWithLineEnd(text))
            text += kLineEnd;
    };
    line("START-OF-LOG: 3.0", "");
    line("CONTEST: KVZ-DIGI", "");
    line("CALLSIGN: ", log.callsign);
    line("CATEGORY-OPERATOR: ", log.categoryOperator);
    if (log.categoryOperator == "MULTI-OP") {
        line("CATEGORY-TRANSMITTER: ", log.categoryTransmitter);
    } else {
        line("CATEGORY-BAND: ", log.categoryBand);
        line("CATEGORY-POWER: ", log.categoryPower);
        line("CATEGORY-MODE: ", log.categoryMode);
        line("CATEGORY-OVERLAY: ", log.categoryOverlay);
    }
    line("CLAIMED-SCORE: ", std::to_string(g_claimedScore));
    line("CREATED-BY: Zolt ", g_hostVersion);
    line("NAME: ", log.name);
    line("ADDRESS: ", log.address);
    line("ADDRESS-CITY: ", log.addressCity);
    line("ADDRESS-POSTALCODE: ", log.addressPostalCode);
    line("ADDRESS-COUNTRY: ", log.addressCountry);
    line("EMAIL: ", log.email);
    line("SOAPBOX: ", log.soapBox);
    for (const std::string& qso : log.qsoLines)
        line(qso, "");
    line("END-OF-LOG:", "");
    return text;
}

}  // namespace

void CabrilloLog::AddQsoLine(std::string call, std::int32_t frequencyKhz, std::string modeCode,
                             const COleDateTime* time, std::string rstSent,
                             std::string exchangeSent, std::string rstReceived,
                             std::string exchangeReceived) {
    const std::string when = COleDateTime::CopyFrom(time).Format("%Y-%m-%d %H%M");
    qsoLines.push_back(PrintfText("QSO: %5i %2s %s %-13s %-3s %-6s %-13s %-3s %s\r\n",
                                  static_cast<int>(frequencyKhz), modeCode, when, callsign, rstSent,
                                  exchangeSent, call, rstReceived, exchangeReceived));
}

std::string CabrilloLog::Write() {
    const std::string fileName = fileBase + ".cbr";
    const std::string problem = WriteFileAtomically(fileName, FileText(*this));
    if (!problem.empty())
        return "File not produced: " + fileName + "\r\n(" + problem + ")";
    return "File produced: " + fileName;
}

std::string CabrilloLog::ReplaceAll(std::string text, const std::string& from,
                                    const std::string& to) {
    if (from.empty() || from == to)
        return text;
    std::string result;
    std::size_t at = 0;
    for (std::size_t found; (found = text.find(from, at)) != std::string::npos;
         at = found + from.size()) {
        result.append(text, at, found - at);
        result += to;
    }
    result.append(text, at, std::string::npos);
    return result;
}
