#include "ui/Program.h"

#include "ui/ProgramFolder.h"
#include "ui/QtTranslation.h"
#include "ui/WindowSet.h"

#include <QApplication>

namespace orbanil {

int runProgram(int& argc, char** argv, const std::function<void(WindowSet&)>& started)
{
    QApplication app(argc, argv);
    installQtTranslation(app);
    // The window set, not the last visible window, decides when the run is over.
    QApplication::setQuitOnLastWindowClosed(false);

    WindowSet windows(programFolder());
    QObject::connect(&windows, &WindowSet::allUnloaded, &app, &QApplication::quit);
    windows.start();
    if (started) {
        started(windows);
    }
    return QApplication::exec();
}

} // namespace orbanil
