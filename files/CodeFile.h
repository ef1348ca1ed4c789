#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orbanil {

// Program folder, separator, the name exactly as typed, ".obn".
std::filesystem::path savedFilePath(const std::filesystem::path& folder, std::string_view name);

// Writes the code text and one CR LF in Windows-1252, atomically. Throws FileError.
void saveCodeFile(const std::filesystem::path& path, std::string_view codeText);

// The code text that opening gives: every field of the file followed by CR LF. Throws FileError.
std::string readCodeFile(const std::filesystem::path& path);

// Names in the folder ending in ".obn" (any case), hidden files included, sorted. Throws FileError.
std::vector<std::string> listSavedFiles(const std::filesystem::path& folder);

} // namespace orbanil
