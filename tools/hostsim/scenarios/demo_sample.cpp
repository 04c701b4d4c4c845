#include "scenarios/demo_sample.h"

#include <cstdio>
#include <fstream>

#include "support/host_calls.h"

namespace {

// Empty fields are kept: a QSO without a received exchange has one.
std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t at = 0;
    for (std::size_t tab; (tab = line.find('\t', at)) != std::string::npos; at = tab + 1) {
        fields.push_back(line.substr(at, tab - at));
    }
    fields.push_back(line.substr(at));
    return fields;
}

// "YYYY-MM-DD HH:MM:SS" (UTC) as the host's date-time value.
bool ParseTime(const std::string& text, COleDateTime& time) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &year, &month, &day, &hour, &minute,
                    &second, &tail) != 6 ||
        month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 59) {
        return false;
    }
    time = COleDateTime(host::OleDays(year, month, day, hour, minute, second), COleDateTime::valid);
    return true;
}

bool ParseStation(const std::vector<std::string>& fields, SampleStation& station) {
    if (fields.size() != 6) {
        return false;
    }
    station.call = fields[1];
    station.dxccPrefix = fields[2];
    station.continent = fields[3];
    return !station.call.empty() && ParseTime(fields[4], station.start) &&
           ParseTime(fields[5], station.end);
}

bool ParseQso(const std::vector<std::string>& fields, SampleQso& qso) {
    if (fields.size() != 12 || !ParseTime(fields[1], qso.time)) {
        return false;
    }
    unsigned long frequency = 0;
    char tail = 0;
    if (std::sscanf(fields[2].c_str(), "%lu%c", &frequency, &tail) != 1) {
        return false;
    }
    qso.frequencyHz = static_cast<unsigned int>(frequency);
    qso.band = fields[3];
    qso.mode = fields[4];
    qso.call = fields[5];
    qso.rstSent = fields[6];
    qso.rstReceived = fields[7];
    qso.exchangeSent = fields[8];
    qso.exchangeReceived = fields[9];
    qso.dxccPrefix = fields[10];
    qso.continent = fields[11];
    return !qso.call.empty();
}

}  // namespace

bool LoadSampleContest(const std::string& path, SampleContest& contest, std::string& problem) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        problem = "cannot open " + path;
        return false;
    }
    bool haveStation = false;
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::vector<std::string> fields = SplitTabs(line);
        bool ok = false;
        if (fields[0] == "STATION") {
            ok = !haveStation && ParseStation(fields, contest.station);
            haveStation = true;
        } else if (fields[0] == "QSO") {
            SampleQso qso;
            ok = ParseQso(fields, qso);
            contest.qsos.push_back(qso);
        }
        if (!ok) {
            problem = path + ":" + std::to_string(lineNumber) + ": not a line of a sample contest";
            return false;
        }
    }
    if (!haveStation || contest.qsos.empty()) {
        problem = path + ": needs one STATION line and at least one QSO line";
        return false;
    }
    return true;
}
