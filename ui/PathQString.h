#pragma once

#include <QString>
#include <filesystem>

namespace orbanil {

// A path as the text a user reads, in any language of the system.
QString pathToQString(const std::filesystem::path& path);

// The path that a text names, as typed or as Qt gives it.
std::filesystem::path qStringToPath(const QString& text);

} // namespace orbanil
