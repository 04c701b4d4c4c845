#pragma once
// Loads Stats.dll and resolves its exports the way the host does: by plain
// alias, by declared name or by decorated name.

#include <windows.h>

#include <string>

#include "engine/plugin_exports.h"

// One exported function under each name the host may look it up by. The
// declared name equals the alias except for the three renamed functions.
struct ExportNames {
    const char* alias;
    const char* declared;
    const char* decorated;
};

extern const ExportNames kExportNames[];
extern const int kExportCount;

struct PluginApi {
    AddDataFn* addData = nullptr;
    RemoveDataFn* removeData = nullptr;
    ResetStatsFn* resetStats = nullptr;
    CheckCallFn* checkCall = nullptr;
    IsValidExchgFn* isValidExchg = nullptr;
    GetExchgCountFn* getExchgCount = nullptr;
    GetNumberOfSetsFn* getNumberOfSets = nullptr;
    GetSetNameFn* getSetName = nullptr;
    GetResultFn* getResult = nullptr;
    SetupSetFn* setupSet = nullptr;
    SetVersionFn* setVersion = nullptr;
};

class LoadedPlugin {
public:
    // Stats.dll from the folder of this program.
    LoadedPlugin();
    ~LoadedPlugin();
    LoadedPlugin(const LoadedPlugin&) = delete;
    LoadedPlugin& operator=(const LoadedPlugin&) = delete;

    bool IsLoaded() const { return m_module != nullptr; }
    HMODULE Module() const { return m_module; }
    const std::string& Path() const { return m_path; }
    const PluginApi& Api() const { return m_api; }
    FARPROC Lookup(const char* name) const;
    // Unloads now; the destructor then does nothing.
    void Unload();

private:
    std::string m_path;
    HMODULE m_module = nullptr;
    PluginApi m_api;
};

// The folder holding this executable, with a trailing backslash.
std::string ExecutableFolder();
