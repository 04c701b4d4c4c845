#include "host_calls.h"

#include "framework/ole_date_time.h"

int CallResetStats(const PluginApi& api, const OperatorData& data) {
    COleDateTime start(data.contestStart, COleDateTime::valid);
    COleDateTime end(data.contestEnd, COleDateTime::valid);
    // The operator's information block: ten texts (the tenth is the own DXCC
    // prefix), three ints, two doubles, three texts (the second is the continent).
    return api.resetStats(data.hostFolder.c_str(), 0, data.call.c_str(), &start, &end, "", "", "",
                          "", "", "", "", "", "", data.ownPrefix.c_str(), 0, 0, 0, 0.0, 0.0, "",
                          data.continent.c_str(), "");
}
