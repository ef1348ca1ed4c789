#pragma once

#include "files/FileAccess.h"

#include <algorithm>
#include <map>

namespace orbanil {

// An absolute folder for files kept in memory; nothing on disk is looked at there.
inline const std::filesystem::path memoryRoot = std::filesystem::absolute("en-memoria");

// Files kept in memory by absolute path; a folder is there while a file is somewhere under it.
struct MemoryFiles final : FileAccess
{
    explicit MemoryFiles(std::map<std::filesystem::path, std::string> held) : files(std::move(held))
    {}

    std::map<std::filesystem::path, std::string> files;

    std::optional<EntryKind> kindOf(const std::filesystem::path& path) const override
    {
        for (const EntryKind kind : {EntryKind::File, EntryKind::Folder}) {
            if (std::ranges::count(entries(path.parent_path(), kind), path.filename()) > 0) {
                return kind;
            }
        }
        return std::nullopt;
    }
    std::vector<std::filesystem::path> entries(const std::filesystem::path& folder,
                                               EntryKind kind) const override
    {
        std::vector<std::filesystem::path> names;
        for (const auto& [file, bytes] : files) {
            // Empty, "." or "../…" for a file that is not under the folder.
            const std::filesystem::path rest = file.lexically_relative(folder);
            const bool isFile = std::distance(rest.begin(), rest.end()) == 1;
            if (!rest.empty() && *rest.begin() != "." && *rest.begin() != ".." &&
                isFile == (kind == EntryKind::File) &&
                std::ranges::count(names, *rest.begin()) == 0) {
                names.push_back(*rest.begin());
            }
        }
        return names;
    }
    // Asked only of the files found above.
    std::string bytes(const std::filesystem::path& file) const override { return files.at(file); }
};

} // namespace orbanil
