#include "ui/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace orbanil {

std::filesystem::path programFolder()
{
    const QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    return std::filesystem::path(folder.toStdU16String());
}

} // namespace orbanil
