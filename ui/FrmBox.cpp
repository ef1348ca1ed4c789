#include "ui/FrmBox.h"

#include "core/CabinBox.h"
#include "core/NumberText.h"
#include "ui/Icons.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <optional>
#include <string>
#include <utility>

namespace orbanil {

FrmBox::FrmBox(UiServices services)
    : FixedWindow(QStringLiteral("Orbanil - Dimensiones"), 4680, 4035, programIcon(),
                  services.beep),
      m_services(std::move(services))
{
    setObjectName(QStringLiteral("FrmBox"));

    Frame1 = addFrame(this, "Frame1", QStringLiteral("Dimensiones."), 120, 120, 4455, 2775);
    Label4 = addLabel(Frame1, "Label4",
                      QStringLiteral("Introduzca las dimensiones de la caja de la vista interior. "
                                     "Si no conoces estos valores, puede verlos abriendo el "
                                     "archivo .wag o .eng y mirarlo en la sección \"wagon\" en "
                                     "la linea Size ( X Y Z )."),
                      240, 360, 3855, 855);
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1 = addLabel(Frame1, "Label1", QStringLiteral("Largo ( eje Z ) :"), 240, 1440, 1335, 255);
    txtLong = addField(Frame1, "txtLong", FilterKind::BoxDimension, 1800, 1440, 1335, 285);
    Label2 = addLabel(Frame1, "Label2", QStringLiteral("Altura ( eje Y ) :"), 240, 1800, 1335, 255);
    txtHeight = addField(Frame1, "txtHeight", FilterKind::BoxDimension, 1800, 1800, 1335, 285);
    Label3 = addLabel(Frame1, "Label3", QStringLiteral("Ancho ( eje X ) :"), 240, 2160, 1335, 255);
    txtWidth = addField(Frame1, "txtWidth", FilterKind::BoxDimension, 1800, 2160, 1335, 285);
    Timer1 = new QTimer(Frame1);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Label5 = addLabel(this, "Label5",
                      QStringLiteral("Nota: se debe usar el símbolo \"coma\" para los decimales."),
                      120, 3000, 4455, 255);
    CmdNext = addButton(this, "CmdNext", QStringLiteral("&Siguiente"), 2520, 3480, 975, 495);
    CmdNext->setEnabled(false);
    CmdCancel = addButton(this, "CmdCancel", QStringLiteral("&Cerrar"), 3600, 3480, 975, 495);

    setTabOrder(txtLong, txtHeight);
    setTabOrder(txtHeight, txtWidth);
    setTabOrder(txtWidth, CmdNext);
    setTabOrder(CmdNext, CmdCancel);
    txtLong->setFocus();

    connect(Timer1, &QTimer::timeout, this, &FrmBox::Timer1_Timer);
    connect(CmdNext, &QPushButton::clicked, this, &FrmBox::CmdNext_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FrmBox::closeRequested);
    Timer1->start(100);
}

void FrmBox::Timer1_Timer()
{
    setEnabledIfChanged(CmdNext, !txtLong->text().isEmpty() && !txtHeight->text().isEmpty() &&
                                     !txtWidth->text().isEmpty());
}

void FrmBox::CmdNext_Click()
{
    struct Dimension
    {
        QLineEdit* field;
        const char* name; // with its article, as it opens a sentence
    };
    for (const Dimension& d : {Dimension{txtLong, "El largo"}, Dimension{txtHeight, "La altura"},
                               Dimension{txtWidth, "El ancho"}}) {
        if (!readDimension(d.field->text().toStdString())) {
            warnUnreadable(d.field, QString::fromUtf8(d.name));
            return;
        }
    }
    const std::optional<std::string> summary =
        boxSummary(txtLong->text().toStdString(), txtHeight->text().toStdString(),
                   txtWidth->text().toStdString());
    if (!summary) {
        warnUnreadable(txtLong, QStringLiteral("El largo"));
        return;
    }
    m_services.message(this,
                       Message{QStringLiteral("Dimensiones"), QString::fromStdString(*summary),
                               QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok});
    emit nextAccepted();
}

void FrmBox::warnUnreadable(QLineEdit* field, const QString& fieldName)
{
    const QString problem =
        field->text().isEmpty()
            ? QStringLiteral("%1 está en blanco.").arg(fieldName)
            : QStringLiteral("%1 «%2» no es un número válido.").arg(fieldName, field->text());
    const QString text =
        problem + QStringLiteral(" Escriba un número con coma decimal, por ejemplo 2,9.");
    m_services.message(this, Message{QStringLiteral("Dimensiones"), text, QMessageBox::Warning,
                                     QMessageBox::Ok, QMessageBox::Ok});
    field->setFocus();
    field->selectAll();
}

} // namespace orbanil
