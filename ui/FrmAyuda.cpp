#include "ui/FrmAyuda.h"

#include "files/FileError.h"
#include "files/HelpFile.h"
#include "ui/Icons.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <utility>

namespace orbanil {

namespace {

// The help text keeps CR LF line ends; the widget wants a bare line feed for each of them.
QString helpTextForDisplay(const std::string& text)
{
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The file error already names the file and the reason; the user also learns the remedy.
QString helpFileFailure(const FileError& error)
{
    return QStringLiteral("No se puede mostrar la ayuda.\n\n%1\n\n"
                          "El archivo Ayuda.txt debe estar en la carpeta del programa, "
                          "junto a Orbanil.")
        .arg(QString::fromStdString(error.what()));
}

} // namespace

FrmAyuda::FrmAyuda(const std::filesystem::path& programFolder, UiServices services)
    : FixedWindow(QStringLiteral("Orbanil - Ayuda"), 6375, 4680, ayudaIcon(), std::move(services)),
      // Created first, so it is first in the tab order and takes the focus.
      Ayuda(addTextBox(this, "Ayuda", 120, 120, 6135, 3855)),
      CmdAceptar(addButton(this, "CmdAceptar", QStringLiteral("&Cerrar"), 5160, 4080, 1095, 495))
{
    setObjectName(QStringLiteral("FrmAyuda"));
    Ayuda->setAccessibleName(QStringLiteral("Texto de ayuda"));
    Ayuda->setReadOnly(true);
    Ayuda->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Ayuda->setTabChangesFocus(true);
    closeOnEscape();

    connect(CmdAceptar, &QPushButton::clicked, this, &FrmAyuda::CmdAceptar_Click);

    Form_Load(programFolder);
}

void FrmAyuda::Form_Load(const std::filesystem::path& programFolder)
{
    const std::filesystem::path file = programFolder / "Ayuda.txt";
    try {
        Ayuda->setPlainText(helpTextForDisplay(readHelpFile(file)));
    } catch (const FileError& error) {
        // A missing help file must not stop the program; the window says what is wrong.
        Ayuda->setPlainText(helpFileFailure(error));
    }
}

void FrmAyuda::CmdAceptar_Click()
{
    close();
}

} // namespace orbanil
