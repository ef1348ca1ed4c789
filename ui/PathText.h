#pragma once

#include <QString>
#include <filesystem>

namespace orbanil {

// A path as the user reads it, decoded the way the platform decodes file names.
QString pathText(const std::filesystem::path& path);

} // namespace orbanil
