// Declares every export as a global C++ function of its exact signature and
// takes its address, so that a compiler for the platform's usual C++ ABI emits
// the decorated name the host may look up.
#include "engine/plugin_exports.h"

AddDataFn AddData0;
RemoveDataFn RemoveData0;
ResetStatsFn ResetStats0;
CheckCallFn CheckCallFunc0;
IsValidExchgFn StatsIsValidExchg0;
GetExchgCountFn StatsGetExchgCount0;
GetNumberOfSetsFn GetNumberOfSets;
GetSetNameFn GetSetName;
GetResultFn GetResult0;
SetupSetFn SetupSet0;
SetVersionFn setVersion;

void* g_declaredExports[] = {
    reinterpret_cast<void*>(&AddData0),           reinterpret_cast<void*>(&RemoveData0),
    reinterpret_cast<void*>(&ResetStats0),        reinterpret_cast<void*>(&CheckCallFunc0),
    reinterpret_cast<void*>(&StatsIsValidExchg0), reinterpret_cast<void*>(&StatsGetExchgCount0),
    reinterpret_cast<void*>(&GetNumberOfSets),    reinterpret_cast<void*>(&GetSetName),
    reinterpret_cast<void*>(&GetResult0),         reinterpret_cast<void*>(&SetupSet0),
    reinterpret_cast<void*>(&setVersion),
};
