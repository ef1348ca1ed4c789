#pragma once

#include "ui/FixedWindow.h"
#include "ui/UiServices.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace orbanil {

// The box dimensions dialog: the first window of a run, holding the cabin box as three texts.
class FrmBox : public FixedWindow
{
    Q_OBJECT
public:
    explicit FrmBox(UiServices services);

    QGroupBox* Frame1;
    QLabel* Label4;
    QLabel* Label1;
    QLineEdit* txtLong;
    QLabel* Label2;
    QLineEdit* txtHeight;
    QLabel* Label3;
    QLineEdit* txtWidth;
    QTimer* Timer1;
    QLabel* Label5;
    QPushButton* CmdNext;
    QPushButton* CmdCancel;

signals:
    // The summary was shown: the main window is shown and this dialog hidden.
    void nextAccepted();
    // "&Cerrar": this dialog and the main window are unloaded.
    void closeRequested();

private:
    void Timer1_Timer();
    void CmdNext_Click();

    // Tells the user that a dimension does not read as a number and puts the focus there.
    void warnUnreadable(QLineEdit* field, const QString& fieldName);

    UiServices m_services;
};

} // namespace orbanil
