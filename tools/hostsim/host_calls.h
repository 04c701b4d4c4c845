#pragma once
// The host's calls into the plug-in with the operator's data filled in the
// way the host fills them.

#include <string>

#include "plugin_loader.h"

struct OperatorData {
    std::string hostFolder;  // with a trailing backslash
    std::string call = "DL1ABC";
    std::string ownPrefix = "DL";  // the operator's own DXCC prefix
    std::string continent = "EU";
    double contestStart = 45976.5;  // 15 November 2025, 12:00
    double contestEnd = 45977.5;
};

int CallResetStats(const PluginApi& api, const OperatorData& data);
