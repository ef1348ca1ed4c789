#pragma once

#include <QMessageBox>
#include <QRect>
#include <QString>
#include <functional>

namespace orbanil {

// What a message box shows and the answers it offers.
struct Message
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Information;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    // The answer that Escape, the close box and Alt+F4 give; Qt chooses when none is named.
    QMessageBox::StandardButton escapeButton = QMessageBox::NoButton;
};

// A warning with a single OK button.
Message warning(const QString& title, const QString& text);

// What a standard file dialog is asked: its title, the folder or file it starts at and, for a
// file to save, the kinds offered ("Imagen PNG (*.png)").
struct FileQuestion
{
    QString title;
    QString start;
    QString filter;
};

// What the windows need from outside themselves: the ways the program speaks to the user
// besides its windows, and the room the screen leaves them. The window set passes one instance
// to every window; tests pass their own to hear the beep, answer messages and dialogs and fake
// a screen.
struct UiServices
{
    std::function<void()> beep;
    std::function<QMessageBox::StandardButton(QWidget* parent, const Message&)> message;
    // The part of the screen a window may take, in logical pixels.
    std::function<QRect(const QWidget& window)> screenArea;
    // The standard dialogs that choose a folder and a file to save: the path chosen, or an
    // empty text when the user cancelled. Services without them cancel every dialog.
    std::function<QString(QWidget* parent, const FileQuestion&)> chooseFolder = {};
    std::function<QString(QWidget* parent, const FileQuestion&)> chooseFileToSave = {};
};

// The available area of the window's screen: the screen without its task bars and docks.
QRect availableScreenArea(const QWidget& window);

// The real beep, a real modal message box, the real screen and the system's file dialogs.
UiServices defaultUiServices();

// The one place a message box is built and shown.
QMessageBox::StandardButton showMessage(QWidget* parent, const Message& message);

} // namespace orbanil
