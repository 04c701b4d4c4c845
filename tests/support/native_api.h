#pragma once
// The exports of the statically linked core, as a table of pointers like the
// one the host simulator fills from the real DLL.

#include "engine/plugin_exports.h"

extern "C" {
AddDataFn AddData0;
RemoveDataFn RemoveData0;
ResetStatsFn ResetStats0;
CheckCallFn CheckCallFunc0;
IsValidExchgFn StatsIsValidExchg0;
GetResultFn GetResult0;
SetVersionFn setVersion;
}

struct NativeApi {
    AddDataFn* addData = &AddData0;
    RemoveDataFn* removeData = &RemoveData0;
    ResetStatsFn* resetStats = &ResetStats0;
    CheckCallFn* checkCall = &CheckCallFunc0;
    IsValidExchgFn* isValidExchg = &StatsIsValidExchg0;
    GetResultFn* getResult = &GetResult0;
};
