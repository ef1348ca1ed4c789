#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace orbanil {

// What a listing takes from a folder; links count as what they point to.
enum class EntryKind
{
    Folder,
    File, // a regular file
};

// The names of folder's entries of that kind that match pattern, hidden ones included, sorted
// without regard to case. Throws FileError saying why the folder cannot be read.
std::vector<std::filesystem::path> listFolder(const std::filesystem::path& folder, EntryKind kind,
                                              std::string_view pattern = "*");

// A picker's file list: listFolder's, or nothing when the folder cannot be read, since the
// picker then offers no files rather than another folder's.
std::optional<std::vector<std::filesystem::path>>
listMatchingFiles(const std::filesystem::path& folder, std::string_view pattern);

} // namespace orbanil
