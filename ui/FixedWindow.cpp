#include "ui/FixedWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace orbanil {

FixedWindow::FixedWindow(const QString& caption, int clientWidthTwips, int clientHeightTwips,
                         const QIcon& icon)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      m_twips(font())
{
    setWindowTitle(caption);
    setWindowIcon(icon);
    setFixedSize(m_twips.px(clientWidthTwips), m_twips.px(clientHeightTwips));
}

void FixedWindow::showWindow()
{
    if (!m_placed) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
}

void FixedWindow::closeEvent(QCloseEvent* event)
{
    // The window set unloads the window (or more than one); Qt must not just hide it.
    event->ignore();
    emit closeBoxPressed();
}

} // namespace orbanil
