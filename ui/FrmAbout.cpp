#include "ui/FrmAbout.h"

#include "ui/Icons.h"
#include "ui/Version.h"

#include <QLabel>
#include <QPushButton>
#include <utility>

namespace orbanil {

FrmAbout::FrmAbout(UiServices services)
    : FixedWindow(QStringLiteral("Orbanil - Acerca de.."), 4680, 1755, aboutIcon(),
                  std::move(services)),
      Picture1(addLabel(this, "Picture1", QString(), 120, 120, 540, 540)),
      Label1(addLabel(this, "Label1",
                      QStringLiteral("Orbanil Code para Microsoft© Train Simulator Ver 1.x "), 840,
                      120, 3615, 495)),
      Label2(
          addLabel(this, "Label2", QStringLiteral("Autor : Equipo Orbanil"), 840, 720, 3375, 255)),
      Label3(addLabel(this, "Label3",
                      QStringLiteral("Versión : %1  Español.").arg(QLatin1String(programVersion)),
                      840, 960, 2415, 255)),
      CmdOk(addButton(this, "CmdOk", QStringLiteral("&Aceptar"), 3480, 1200, 975, 375))
{
    setObjectName(QStringLiteral("FrmAbout"));
    // The picture box takes the picture's own size.
    const QPixmap picture = programPicture();
    Picture1->setPixmap(picture);
    Picture1->resize(picture.deviceIndependentSize().toSize());
    Label1->setWordWrap(true);
    closeOnEscape();
    connect(CmdOk, &QPushButton::clicked, this, &FrmAbout::CmdOk_Click);
}

void FrmAbout::CmdOk_Click()
{
    close();
}

} // namespace orbanil
