#include "ui/Icons.h"

#include <QString>

// Q_INIT_RESOURCE cannot be used inside a namespace; this registers the images compiled
// into the static library, which the linker would otherwise leave unregistered.
static void registerOrbanilResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace orbanil {

namespace {

QPixmap resourcePixmap(const char* name)
{
    static const bool registered = (registerOrbanilResources(), true);
    static_cast<void>(registered);
    return QPixmap(QStringLiteral(":/orbanil/") + QString::fromLatin1(name));
}

} // namespace

QIcon programIcon()
{
    return QIcon(programPicture());
}

QIcon aboutIcon()
{
    return QIcon(resourcePixmap("about.png"));
}

QIcon ayudaIcon()
{
    return QIcon(resourcePixmap("ayuda.png"));
}

QPixmap programPicture()
{
    return resourcePixmap("program.png");
}

} // namespace orbanil
