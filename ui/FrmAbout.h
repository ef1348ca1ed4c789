#pragma once

#include "ui/FixedWindow.h"

class QLabel;
class QPushButton;

namespace orbanil {

// The About window: program picture, name, author and version.
class FrmAbout : public FixedWindow
{
    Q_OBJECT
public:
    explicit FrmAbout(UiServices services = defaultUiServices());

private:
    void CmdOk_Click();

    QLabel* Picture1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QPushButton* CmdOk;
};

} // namespace orbanil
