#include "ui/WindowSet.h"

#include <QApplication>

#include <filesystem>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The window set, not the last visible window, decides when the run is over.
    QApplication::setQuitOnLastWindowClosed(false);

    orbanil::WindowSet windows(
        std::filesystem::path(QApplication::applicationDirPath().toStdU16String()));
    QObject::connect(&windows, &orbanil::WindowSet::allUnloaded, &app, &QApplication::quit);
    windows.start();
    return QApplication::exec();
}
