#pragma once

#include "files/FileAccess.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace orbanil {

// Where the simulator takes a shape's textures from, as it names them ("asiento.ace",
// "..\Comun\asiento.ace"), relative to the folder it looks in: for a wagon's interior, the
// wagon's folder, wherever the shape itself is.

// The day texture in summer: <folder>\<name> as a .dds, else as a .ace, whichever of the two
// the name ends in; while neither is there and the name's folder is a season's (Autumn,
// AutumnSnow, Snow, Spring, SpringSnow, Winter, WinterSnow), the same file one folder up, five
// folders at most. Nothing when none is found, or the name is not a .ace or .dds.
std::optional<std::filesystem::path>
findDayTexture(const FileAccess& files, const std::filesystem::path& folder, std::string_view name);

// The night texture of such a name: in the Night folder beside it, or in the one of the folder
// above when that Night holds neither the name nor its .dds; a .dds first, then a .ace.
std::optional<std::filesystem::path> findNightTexture(const FileAccess& files,
                                                      const std::filesystem::path& folder,
                                                      std::string_view name);

} // namespace orbanil
