#pragma once

#include "files/FileAccess.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orbanil {

// The file that a name in a simulator file stands for, found as the simulator finds it on
// Windows: relative to `folder`, "\" (or "/") between the parts, ".." the parent folder, every
// part compared without regard to case, since files copied from Windows keep odd cases.
// Nothing when a part is missing or the name leaves the relative tree (a drive, a leading "\").
std::optional<std::filesystem::path> findSimulatorFile(const FileAccess& files,
                                                       const std::filesystem::path& folder,
                                                       std::string_view name);

// The last part of such a name: "coche.s" of "..\Interiores\coche.s".
std::string simulatorFileName(std::string_view name);

} // namespace orbanil
