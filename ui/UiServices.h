#pragma once

#include <QMessageBox>
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

// The two ways the program speaks to the user besides its windows. The window set passes
// one instance to every window; tests pass their own to hear the beep and answer messages.
struct UiServices
{
    std::function<void()> beep;
    std::function<QMessageBox::StandardButton(QWidget* parent, const Message&)> message;
};

// The real beep and a real modal message box.
UiServices defaultUiServices();

// The one place a message box is built and shown.
QMessageBox::StandardButton showMessage(QWidget* parent, const Message& message);

} // namespace orbanil
