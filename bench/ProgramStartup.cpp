// The program's own start-up (the same steps as main.cpp), ending as soon as the box
// dimensions dialog is on screen.
#include "ExposeQuit.h"
#include "ui/FrmBox.h"
#include "ui/ProgramFolder.h"
#include "ui/WindowSet.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    orbanil::WindowSet windows(orbanil::programFolder());
    QObject::connect(&windows, &orbanil::WindowSet::allUnloaded, &app, &QApplication::quit);
    windows.start();
    // The dialog's expose is queued by the platform, so watching it after start() sees it.
    ExposeQuit quitter;
    quitter.watch(*windows.frmBox());
    return QApplication::exec();
}
