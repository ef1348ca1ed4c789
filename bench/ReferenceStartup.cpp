// The smallest Qt Widgets program with one fixed-size window and one line edit: the yardstick
// for the program's own start-up time and memory.
#include "ExposeQuit.h"

#include <QApplication>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Reference"));
    window.setFixedSize(312, 269);
    QLineEdit edit(&window);
    edit.setGeometry(120, 96, 89, 19);
    ExposeQuit quitter;
    quitter.watch(window); // before show, so the first expose is seen
    window.show();
    return QApplication::exec();
}
