#include "ui/UiServices.h"

#include <QApplication>

namespace orbanil {

QMessageBox::StandardButton showMessage(QWidget* parent, const Message& message)
{
    // Message texts use CR LF like every text of the program; the label breaks lines at LF.
    QString text = message.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(message.icon, message.title, text, message.buttons, parent);
    // Texts that hold typed input or file names are never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setObjectName(QStringLiteral("messageBox"));
    if (message.defaultButton != QMessageBox::NoButton) {
        box.setDefaultButton(message.defaultButton);
    }
    if (message.escapeButton != QMessageBox::NoButton) {
        box.setEscapeButton(message.escapeButton);
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

UiServices defaultUiServices()
{
    return UiServices{[] { QApplication::beep(); }, &showMessage};
}

} // namespace orbanil
