#include "ui/ProgramFolder.h"
#include "ui/WindowSet.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The window set, not the last visible window, decides when the run is over.
    QApplication::setQuitOnLastWindowClosed(false);

    orbanil::WindowSet windows(orbanil::programFolder());
    QObject::connect(&windows, &orbanil::WindowSet::allUnloaded, &app, &QApplication::quit);
    windows.start();
    return QApplication::exec();
}
