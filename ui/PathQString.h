#pragma once

#include <QString>
#include <filesystem>

namespace orbanil {

// The one conversion between paths and Qt's texts, both ways, whatever letters the names
// hold: the windows show paths and file names, and Qt hands back folders as text.
QString pathToQString(const std::filesystem::path& path);
std::filesystem::path qStringToPath(const QString& text);

} // namespace orbanil
