#pragma once

#include <filesystem>
#include <string>

namespace orbanil {

// Every line of the help file followed by CR LF, decoded from Windows-1252. Throws FileError.
std::string readHelpFile(const std::filesystem::path& path);

} // namespace orbanil
