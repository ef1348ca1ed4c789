#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace orbanil {

// The roots of the real volumes named in a mount table (the text of /proc/self/mounts):
// "/" first, then the other mount points sorted; pseudo and system file systems are left out.
std::vector<std::filesystem::path> volumeRootsFromMounts(std::string_view mountsText);

// The volumes a user can browse: the drives on Windows, the mounted volumes elsewhere.
std::vector<std::filesystem::path> volumeRoots();

// The volume among roots that holds folder: the longest root that is a prefix of it.
// Empty when none is.
std::filesystem::path volumeHolding(const std::filesystem::path& folder,
                                    const std::vector<std::filesystem::path>& roots);

// The folder to show when a volume is chosen: on Windows the drive's own current folder,
// elsewhere the volume's root.
std::filesystem::path volumeStartFolder(const std::filesystem::path& root);

// The process's current folder, or an empty path when it cannot be known (removed, say).
std::filesystem::path currentFolder();

// The folders from the root of folder's file system down to folder itself, one per entry.
std::vector<std::filesystem::path> pathFromRoot(const std::filesystem::path& folder);

} // namespace orbanil
