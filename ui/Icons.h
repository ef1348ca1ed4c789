#pragma once

#include <QIcon>
#include <QPixmap>

namespace orbanil {

// The program's icon: main window, dialog, pickers and the executable.
QIcon programIcon();
// The About window's own icon.
QIcon aboutIcon();
// The help window's own icon.
QIcon ayudaIcon();
// The program icon's 32 x 32 image, as the About window shows it.
QPixmap programPicture();

} // namespace orbanil
