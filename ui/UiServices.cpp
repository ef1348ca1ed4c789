#include "ui/UiServices.h"

#include <QApplication>

namespace orbanil {

QMessageBox::StandardButton showMessage(QWidget* parent, const MessageSpec& spec)
{
    QMessageBox box(spec.icon, spec.title, spec.text, spec.buttons, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    if (spec.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(spec.defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

UiServices defaultUiServices()
{
    return UiServices{[] { QApplication::beep(); }, &showMessage};
}

} // namespace orbanil
