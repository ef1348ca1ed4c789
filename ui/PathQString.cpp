#include "ui/PathQString.h"

namespace orbanil {

QString pathToQString(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return QString::fromUtf8(reinterpret_cast<const char*>(text.data()),
                             static_cast<qsizetype>(text.size()));
}

std::filesystem::path qStringToPath(const QString& text)
{
    return std::filesystem::path(text.toStdU16String());
}

} // namespace orbanil
