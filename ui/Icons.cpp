#include "ui/Icons.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <iterator>

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

// The program icon is on screen at start-up, where decoding a PNG would first make Qt look
// through its image format plugins: its pixels are compiled in instead.
constexpr std::uint32_t programPixels[] = {
#include "resources/icons/program_pixels.inc"
};
constexpr int programSide = 32;
static_assert(std::size(programPixels) == programSide * programSide);

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
    const QImage image(reinterpret_cast<const uchar*>(programPixels), programSide, programSide,
                       QImage::Format_ARGB32);
    return QPixmap::fromImage(image);
}

} // namespace orbanil
