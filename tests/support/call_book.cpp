#include "support/call_book.h"

#include <fstream>
#include <sstream>
#include <unordered_map>

namespace {

const char kCallDatabase[] = "/usr/share/hamradio-files/MASTER.SCP";
const char kCountryFile[] = "/usr/share/hamradio-files/cty.dat";

struct Entity {
    std::string prefix;
    std::string continent;
};

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// Alias prefixes ("UA9", "=R9XX/P" for an exact call) with their entity. An
// alias may carry zone overrides in brackets, which do not matter here.
struct CountryFile {
    std::unordered_map<std::string, Entity> prefixes;
    std::unordered_map<std::string, Entity> exactCalls;
    std::size_t longestPrefix = 0;
};

CountryFile LoadCountryFile() {
    CountryFile file;
    std::ifstream in(kCountryFile);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::size_t at = 0;
    while ((at = text.find_first_not_of(" \t\r\n", at)) != std::string::npos) {
        const std::size_t headerEnd = text.find('\n', at);
        const std::size_t aliasesEnd = text.find(';', headerEnd);
        if (headerEnd == std::string::npos || aliasesEnd == std::string::npos)
            break;
        std::vector<std::string> fields;
        std::stringstream header(text.substr(at, headerEnd - at));
        for (std::string field; std::getline(header, field, ':');)
            fields.push_back(Trim(field));
        if (fields.size() >= 8) {
            Entity entity{fields[7], fields[3]};
            if (!entity.prefix.empty() && entity.prefix[0] == '*')
                entity.prefix.erase(0, 1);
            std::stringstream aliases(text.substr(headerEnd + 1, aliasesEnd - headerEnd - 1));
            for (std::string alias; std::getline(aliases, alias, ',');) {
                alias = Trim(alias);
                alias = alias.substr(0, alias.find_first_of("([<{~"));
                if (alias.empty())
                    continue;
                if (alias[0] == '=') {
                    file.exactCalls[alias.substr(1)] = entity;
                } else {
                    file.prefixes[alias] = entity;
                    file.longestPrefix = std::max(file.longestPrefix, alias.size());
                }
            }
        }
        at = aliasesEnd + 1;
    }
    return file;
}

const Entity* Lookup(const CountryFile& file, const std::string& call) {
    if (auto exact = file.exactCalls.find(call); exact != file.exactCalls.end()) {
        return &exact->second;
    }
    for (std::size_t length = std::min(call.size(), file.longestPrefix); length > 0; --length) {
        if (auto found = file.prefixes.find(call.substr(0, length)); found != file.prefixes.end()) {
            return &found->second;
        }
    }
    return nullptr;
}

}  // namespace

std::vector<Station> LoadStations(std::size_t count) {
    const CountryFile countries = LoadCountryFile();
    std::vector<Station> stations;
    std::ifstream in(kCallDatabase);
    for (std::string line; stations.size() < count && std::getline(in, line);) {
        line = Trim(line);
        if (line.empty() || line[0] == '#')
            continue;
        const Entity* entity = Lookup(countries, line);
        if (entity == nullptr)
            continue;
        stations.push_back({line, entity->prefix, entity->continent});
    }
    return stations;
}
