#pragma once
// A fresh, empty working folder for one scenario, with the "Plugins" subfolder
// the plug-in keeps its settings in, made the current directory for as long as
// the object lives; so no run sees settings another run left behind.

#include <string>

class ScenarioFolder {
public:
    explicit ScenarioFolder(const std::string& name);
    ~ScenarioFolder();
    ScenarioFolder(const ScenarioFolder&) = delete;
    ScenarioFolder& operator=(const ScenarioFolder&) = delete;

    // The folder, with a trailing backslash.
    const std::string& Path() const { return m_path; }
    // The plug-in's settings file inside it.
    std::string SettingsFile() const;
    bool SettingsFileExists() const;

    // One value of section "Settings"; "<missing>" when the key is not there.
    std::string ReadSetting(const std::string& key) const;
    void WriteSetting(const std::string& key, const std::string& value) const;

private:
    std::string m_path;
    std::string m_previous;
};

extern const char kMissingSetting[];

// The same for the current folder, which is the scenario's folder while it runs.
std::string SettingsFileHere();
std::string ReadSettingHere(const std::string& key);
void WriteSettingHere(const std::string& key, const std::string& value);
