#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orbanil {

// The whole contents of a file, read in one go. Throws FileError.
std::string readFileBytes(const std::filesystem::path& path);

// Replaces (or creates) the file with the bytes through a temporary file in the same folder,
// written to disk before it is renamed over the target: a failure leaves any old file as it
// was and no temporary behind. Throws FileError.
void replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

} // namespace orbanil
