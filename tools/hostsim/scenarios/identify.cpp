#include <cstdio>

#include "checks.h"
#include "plugin_loader.h"
#include "scenarios/scenarios.h"

void RunIdentify(LoadedPlugin& plugin) {
    const PluginApi& api = plugin.Api();
    std::printf("Loaded %s\n", plugin.Path().c_str());

    int sets = api.getNumberOfSets();
    std::printf("GetNumberOfSets() = %d\n", sets);
    CheckEqual(sets, 1, "GetNumberOfSets answers one contest");

    const char* name = api.getSetName(0);
    std::printf("GetSetName(0) = \"%s\"\n", name);
    CheckEqual(name, "KVZ DIGI Contest", "GetSetName(0) names the contest");
    CheckEqual(api.getSetName(1), "", "GetSetName(1) is empty");

    int exchanges = api.getExchgCount("RTTY", "20m", "");
    std::printf("GetExchgCount0(\"RTTY\", \"20m\", \"\") = %d\n", exchanges);
    CheckEqual(exchanges, 1, "GetExchgCount0 answers one exchange");

    unsigned long version = api.setVersion("2.20");
    std::printf("setVersion(\"2.20\") = %lu\n", version);
    CheckEqual(static_cast<long long>(version), 0, "setVersion answers 0");
}
