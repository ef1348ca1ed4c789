#pragma once

#include "SavedFileText.h"
#include "ui/FrmBox.h"
#include "ui/FrmOrbanil.h"
#include "ui/UiServices.h"
#include "ui/WindowSet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace orbanil::bench {

// No beep; every question answered "No" (open without saving first), information taken with
// OK; a warning is a failure of the benchmark itself, so it is printed and the run ends.
inline UiServices quietServices()
{
    return UiServices{[] {},
                      [](QWidget*, const Message& message) {
                          if (message.buttons.testFlag(QMessageBox::No)) {
                              return QMessageBox::No;
                          }
                          if (message.icon == QMessageBox::Information) {
                              return QMessageBox::Ok;
                          }
                          std::fprintf(stderr, "unexpected message: %s\n",
                                       message.text.toLocal8Bit().constData());
                          std::exit(2);
                          return QMessageBox::Ok;
                      },
                      &availableScreenArea};
}

// The control of `window` named `name`; a missing one ends the run.
template <class Control> Control* control(const QWidget* window, const char* name)
{
    auto* found = window->findChild<Control*>(QString::fromLatin1(name));
    if (!found) {
        std::fprintf(stderr, "no control %s in %s\n", name, qPrintable(window->objectName()));
        std::exit(2);
    }
    return found;
}

// Runs the event loop until `done` holds; gives up (and ends the run) after `limitMs`.
inline void waitFor(const std::function<bool()>& done, const char* what, int limitMs = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs) {
            std::fprintf(stderr, "timed out waiting for %s\n", what);
            std::exit(2);
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

// Drains the events already queued (layout, paint) without waiting for new ones.
inline void settle()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// From the started dialog to the main window, as a user would: three dimensions, "&Siguiente".
inline FrmOrbanil& passDialog(WindowSet& windows)
{
    FrmBox* box = windows.frmBox();
    control<QLineEdit>(box, "txtLong")->setText(QStringLiteral("4"));
    control<QLineEdit>(box, "txtHeight")->setText(QStringLiteral("3"));
    control<QLineEdit>(box, "txtWidth")->setText(QStringLiteral("3"));
    auto* next = control<QPushButton>(box, "CmdNext");
    waitFor([next] { return next->isEnabled(); }, "Siguiente");
    next->click();
    return *windows.frmOrbanil();
}

// Fills the eleven view values and presses "&Generar Código" once the timer allows it.
inline void generateBlock(FrmOrbanil& main)
{
    const ViewParams p = sampleViewParams();
    for (const ViewField& field : viewFields) {
        control<QLineEdit>(&main, field.control)->setText(QString::fromStdString(p.*field.member));
    }
    auto* generate = control<QPushButton>(&main, "CmdGenerate");
    waitFor([generate] { return generate->isEnabled(); }, "Generar Código");
    generate->click();
}

} // namespace orbanil::bench
