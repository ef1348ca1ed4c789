#include "ui/PathText.h"

#include <QFile>

namespace orbanil {

QString pathText(const std::filesystem::path& path)
{
#ifdef _WIN32
    return QString::fromStdWString(path.native());
#else
    // Never throws on names that are not valid UTF-8, unlike path::u16string().
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
#endif
}

} // namespace orbanil
