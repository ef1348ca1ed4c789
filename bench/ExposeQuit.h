#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <QWindow>

// Quits the application as soon as the watched window is first exposed on screen.
class ExposeQuit : public QObject
{
public:
    using QObject::QObject;

    // Watches the native window of `window`, creating it if it does not exist yet; a window
    // that is exposed already (platforms that expose while showing) quits at once.
    void watch(QWidget& window)
    {
        window.winId();
        QWindow* handle = window.windowHandle();
        handle->installEventFilter(this);
        if (handle->isExposed()) {
            quitSoon();
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            quitSoon();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // Queued, so the expose that fired it is painted before the loop ends.
    void quitSoon()
    {
        if (m_done) {
            return;
        }
        m_done = true;
        QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    }

    bool m_done = false;
};
