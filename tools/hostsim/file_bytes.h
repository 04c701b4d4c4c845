#pragma once
// Whole files as bytes, for comparing what the plug-in wrote.

#include <string>

// The file's bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);
// Creates or truncates the file; false when it could not be written.
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
