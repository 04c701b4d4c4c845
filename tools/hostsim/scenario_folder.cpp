#include "scenario_folder.h"

#include <windows.h>

#include <filesystem>
#include <system_error>

const char kMissingSetting[] = "<missing>";

namespace {
std::string ReadSettingIn(const std::string& file, const std::string& key) {
    char value[512] = {};
    GetPrivateProfileStringA("Settings", key.c_str(), kMissingSetting, value, sizeof value,
                             file.c_str());
    return value;
}

void WriteSettingIn(const std::string& file, const std::string& key, const std::string& value) {
    WritePrivateProfileStringA("Settings", key.c_str(), value.c_str(), file.c_str());
}
}  // namespace

ScenarioFolder::ScenarioFolder(const std::string& name) {
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    m_previous = previous;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    m_path = std::string(temp) + "hostsim-" + name + "-" + std::to_string(GetCurrentProcessId()) +
             "-" + std::to_string(GetTickCount()) + "\\";
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
    std::filesystem::create_directories(m_path + "Plugins", ignored);
    SetCurrentDirectoryA(m_path.c_str());
}

ScenarioFolder::~ScenarioFolder() {
    SetCurrentDirectoryA(m_previous.c_str());
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string ScenarioFolder::SettingsFile() const {
    return m_path + "Plugins\\KVZ-DIGI.ini";
}

bool ScenarioFolder::SettingsFileExists() const {
    return GetFileAttributesA(SettingsFile().c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ScenarioFolder::ReadSetting(const std::string& key) const {
    return ReadSettingIn(SettingsFile(), key);
}

void ScenarioFolder::WriteSetting(const std::string& key, const std::string& value) const {
    WriteSettingIn(SettingsFile(), key, value);
}

std::string SettingsFileHere() {
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    return std::string(folder) + "\\Plugins\\KVZ-DIGI.ini";
}

std::string ReadSettingHere(const std::string& key) {
    return ReadSettingIn(SettingsFileHere(), key);
}

void WriteSettingHere(const std::string& key, const std::string& value) {
    WriteSettingIn(SettingsFileHere(), key, value);
}
