#include "ui/ProgramFolder.h"

#include "ui/PathQString.h"

#include <QCoreApplication>
#include <QDir>

namespace orbanil {

std::filesystem::path programFolder()
{
    return qStringToPath(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
}

} // namespace orbanil
