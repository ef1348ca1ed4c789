#pragma once

#include "files/FolderListing.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orbanil {

// What finding and reading a cabin asks of the files, handed in so that a test can keep them in
// memory. Paths are absolute.
class FileAccess
{
public:
    virtual ~FileAccess() = default;

    // What stands at the path, links followed; nothing when nothing, or something else, does.
    virtual std::optional<EntryKind> kindOf(const std::filesystem::path& path) const = 0;
    // The names of the folder's entries of that kind, in any order. Throws FileError.
    virtual std::vector<std::filesystem::path> entries(const std::filesystem::path& folder,
                                                       EntryKind kind) const = 0;
    // The whole file. Throws FileError.
    virtual std::string bytes(const std::filesystem::path& file) const = 0;
};

// The files on disk, through the system's calls.
class DiskFileAccess final : public FileAccess
{
public:
    std::optional<EntryKind> kindOf(const std::filesystem::path& path) const override;
    std::vector<std::filesystem::path> entries(const std::filesystem::path& folder,
                                               EntryKind kind) const override;
    std::string bytes(const std::filesystem::path& file) const override;
};

} // namespace orbanil
