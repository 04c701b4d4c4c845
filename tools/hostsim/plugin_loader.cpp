#include "plugin_loader.h"

const ExportNames kExportNames[] = {
    {"AddData0", "AddData0", "?AddData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z"},
    {"RemoveData0", "RemoveData0",
     "?RemoveData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z"},
    {"ResetStats0", "ResetStats0", "?ResetStats0@@YAHPBDH0PAVCOleDateTime@@10000000000HHHNN000@Z"},
    {"CheckCall0", "CheckCallFunc0", "?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z"},
    {"IsValidExchg0", "StatsIsValidExchg0", "?StatsIsValidExchg0@@YAHPBD000HHH@Z"},
    {"GetExchgCount0", "StatsGetExchgCount0", "?StatsGetExchgCount0@@YAHPBD00@Z"},
    {"GetNumberOfSets", "GetNumberOfSets", "?GetNumberOfSets@@YAHXZ"},
    {"GetSetName", "GetSetName", "?GetSetName@@YAPBDH@Z"},
    {"GetResult0", "GetResult0", "?GetResult0@@YAPBDPAH@Z"},
    {"SetupSet0", "SetupSet0", "?SetupSet0@@YAXXZ"},
    {"setVersion", "setVersion", "?setVersion@@YAKPBD@Z"},
};
const int kExportCount = sizeof kExportNames / sizeof kExportNames[0];

std::string ExecutableFolder() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    std::size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

namespace {
template <typename Fn>
void Resolve(HMODULE module, const char* name, Fn*& slot) {
    slot = reinterpret_cast<Fn*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
}  // namespace

LoadedPlugin::LoadedPlugin() : m_path(ExecutableFolder() + "Stats.dll") {
    m_module = LoadLibraryA(m_path.c_str());
    if (m_module == nullptr) {
        return;
    }
    Resolve(m_module, "AddData0", m_api.addData);
    Resolve(m_module, "RemoveData0", m_api.removeData);
    Resolve(m_module, "ResetStats0", m_api.resetStats);
    Resolve(m_module, "CheckCall0", m_api.checkCall);
    Resolve(m_module, "IsValidExchg0", m_api.isValidExchg);
    Resolve(m_module, "GetExchgCount0", m_api.getExchgCount);
    Resolve(m_module, "GetNumberOfSets", m_api.getNumberOfSets);
    Resolve(m_module, "GetSetName", m_api.getSetName);
    Resolve(m_module, "GetResult0", m_api.getResult);
    Resolve(m_module, "SetupSet0", m_api.setupSet);
    Resolve(m_module, "setVersion", m_api.setVersion);
}

LoadedPlugin::~LoadedPlugin() {
    Unload();
}

void LoadedPlugin::Unload() {
    if (m_module != nullptr) {
        FreeLibrary(m_module);
        m_module = nullptr;
        m_api = PluginApi();
    }
}

FARPROC LoadedPlugin::Lookup(const char* name) const {
    return m_module != nullptr ? GetProcAddress(m_module, name) : nullptr;
}
