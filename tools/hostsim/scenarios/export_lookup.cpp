#include <windows.h>

#include <cstdio>
#include <string>

#include "checks.h"
#include "plugin_loader.h"
#include "scenarios/scenarios.h"

namespace {

std::string ExportDirectoryName(HMODULE module) {
    auto* base = reinterpret_cast<const unsigned char*>(module);
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& entry =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (entry.VirtualAddress == 0) {
        return std::string();
    }
    auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
    return reinterpret_cast<const char*>(base + exports->Name);
}

// Every export with every argument a null pointer or zero, as a careless host
// might call it: the plug-in must answer and not crash.
void CallWithNulls(const PluginApi& api) {
    CheckEqual(api.addData(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr,
                           nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                           nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0,
                           nullptr, nullptr, nullptr, nullptr, nullptr) >= 0,
               1, "AddData0 with null texts answers");
    CheckEqual(api.removeData(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr,
                              nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                              nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
                              0, 0.0, 0.0, nullptr, nullptr, nullptr, nullptr, nullptr),
               1, "RemoveData0 with null texts answers 1");
    CheckEqual(api.resetStats(nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                              nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
                              0, 0.0, 0.0, nullptr, nullptr, nullptr),
               1, "ResetStats0 with null texts answers 1");
    int check =
        api.checkCall(nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                      nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr,
                      nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    Check(check == 0 || check == 1 || check == 2 || check == 4,
          "CheckCall0 with null texts answers 0, 1, 2 or 4");
    int valid = api.isValidExchg(nullptr, nullptr, nullptr, nullptr, 0, 0, 0);
    Check(valid == 0 || valid == 1, "IsValidExchg0 with null texts answers 0 or 1");
    CheckEqual(api.getExchgCount(nullptr, nullptr, nullptr), 1, "GetExchgCount0 with nulls is 1");
    CheckEqual(api.getSetName(-1), "", "GetSetName(-1) is empty");
    int out = 12345;
    const char* result = api.getResult(&out);
    Check(result != nullptr, "GetResult0 answers a text");
    CheckEqual(static_cast<long long>(api.setVersion(nullptr)), 0, "setVersion(null) answers 0");
}

}  // namespace

void RunExportLookup(LoadedPlugin& plugin) {
    CheckEqual(ExportDirectoryName(plugin.Module()), "Stats.dll",
               "export directory names the module Stats.dll");

    for (int i = 0; i < kExportCount; ++i) {
        const ExportNames& names = kExportNames[i];
        FARPROC alias = plugin.Lookup(names.alias);
        FARPROC declared = plugin.Lookup(names.declared);
        FARPROC decorated = plugin.Lookup(names.decorated);
        std::printf("%-16s %p  %-20s %p  %s %p\n", names.alias, reinterpret_cast<void*>(alias),
                    names.declared, reinterpret_cast<void*>(declared), names.decorated,
                    reinterpret_cast<void*>(decorated));
        Check(alias != nullptr, std::string(names.alias) + " is exported");
        Check(declared != nullptr && declared == alias,
              std::string(names.declared) + " is the same function as " + names.alias);
        Check(decorated != nullptr && decorated == alias,
              std::string(names.decorated) + " is the same function as " + names.alias);
    }
    Check(plugin.Lookup("GetExchgCount0") == plugin.Lookup("GetNumberOfSets"),
          "GetExchgCount0 and GetNumberOfSets share one body");

    CallWithNulls(plugin.Api());
}
