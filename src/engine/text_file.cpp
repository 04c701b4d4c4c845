#include "engine/text_file.h"

#include <cstdio>
#include <fstream>

#include "platform/platform.h"

namespace {
const char kLineEnd[] = "\r\n";

bool WriteAll(std::ofstream& out, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        out << line << kLineEnd;
        out.flush();
    }
    return static_cast<bool>(out);
}
}  // namespace

bool WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    bool written = WriteAll(out, lines);
    out.close();
    return written && !out.fail();
}

bool AppendLine(const std::string& path, const std::string& line) {
    std::ofstream out(path, std::ios::binary | std::ios::app);
    if (!out)
        return false;
    out << line << kLineEnd;
    out.close();
    return !out.fail();
}

std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    if (in.bad())
        return std::nullopt;
    return lines;
}

std::string WriteFileAtomically(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".tmp";
    std::string problem;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return "it could not be created";
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (out.fail())
            problem = "it could not be written completely";
    }
    if (problem.empty() && !platform::ReplaceFileAtomically(temporary, path))
        problem = "the old file could not be replaced";
    if (!problem.empty())
        std::remove(temporary.c_str());
    return problem;
}

bool RewriteLinesAtomically(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += kLineEnd;
    }
    return WriteFileAtomically(path, bytes).empty();
}
