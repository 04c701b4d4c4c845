#pragma once
// Realistic stations for the tools that need many: calls from the contest
// community's call database (MASTER.SCP) with their DXCC prefix and continent
// from the country file (cty.dat), both from the hamradio-files package.

#include <string>
#include <vector>

struct Station {
    std::string call;
    std::string dxccPrefix;  // the entity's primary prefix, e.g. "UA9"
    std::string continent;   // "EU", "AS", ...
};

// Up to `count` stations in the database's order; empty when the files are
// missing.
std::vector<Station> LoadStations(std::size_t count);
