#pragma once
// A fresh folder that is the current directory for the life of the object,
// as the host's folder is for the plug-in; removed afterwards.

#include <filesystem>
#include <string>

class ScopedWorkingDirectory {
public:
    ScopedWorkingDirectory();
    ~ScopedWorkingDirectory();
    ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
    ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_previous;
    std::filesystem::path m_path;
};

std::string ReadWholeFile(const std::filesystem::path& path);
void WriteWholeFile(const std::filesystem::path& path, const std::string& bytes);
