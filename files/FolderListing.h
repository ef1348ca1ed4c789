#pragma once

#include "files/Volumes.h" // for the callers that still take the volumes from here

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace orbanil {

// The names of folder's subfolders, sorted; nothing when the folder cannot be read.
std::optional<std::vector<std::filesystem::path>>
listSubfolders(const std::filesystem::path& folder);

// The names of folder's regular files that match pattern, sorted; nothing when the folder
// cannot be read.
std::optional<std::vector<std::filesystem::path>>
listMatchingFiles(const std::filesystem::path& folder, std::string_view pattern);

} // namespace orbanil
