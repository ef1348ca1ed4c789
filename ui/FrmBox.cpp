#include "ui/FrmBox.h"

#include "core/shape/CabinShape.h"
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
                  std::move(services))
{
    setObjectName(QStringLiteral("FrmBox"));

    QGroupBox* Frame1 =
        addFrame(this, "Frame1", QStringLiteral("Dimensiones."), 120, 120, 4455, 2775);
    QLabel* Label4 =
        addLabel(Frame1, "Label4",
                 QStringLiteral("Introduzca las dimensiones de la caja de la vista interior. "
                                "Si no conoces estos valores, puede verlos abriendo el "
                                "archivo .wag o .eng y mirarlo en la sección \"wagon\" en "
                                "la linea Size ( X Y Z )."),
                 240, 360, 3855, 855);
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    addLabel(Frame1, "Label1", QStringLiteral("Largo ( eje Z ) :"), 240, 1440, 1335, 255);
    addLabel(Frame1, "Label2", QStringLiteral("Altura ( eje Y ) :"), 240, 1800, 1335, 255);
    addLabel(Frame1, "Label3", QStringLiteral("Ancho ( eje X ) :"), 240, 2160, 1335, 255);
    // One row of 360 twips for each field, beside its label.
    for (std::size_t i = 0; i < boxFields.size(); ++i) {
        m_fields[i] =
            addField(Frame1, boxFields[i].control, QString::fromUtf8(boxFields[i].spokenName),
                     FilterKind::BoxDimension, 1800, 1440 + 360 * static_cast<int>(i), 1335, 285);
    }
    QTimer* Timer1 = addTimer(Frame1, "Timer1");
    addLabel(this, "Label5",
             QStringLiteral("Nota: se debe usar el símbolo \"coma\" para los decimales."), 120,
             3000, 4455, 255);
    CmdNext = addButton(this, "CmdNext", QStringLiteral("&Siguiente"), 2520, 3480, 975, 495);
    CmdNext->setEnabled(false);
    QPushButton* CmdCancel =
        addButton(this, "CmdCancel", QStringLiteral("&Cerrar"), 3600, 3480, 975, 495);
    CmdFromShape =
        addButton(this, "CmdFromShape", QStringLiteral("&Tomar de la forma"), 120, 3480, 2295, 495);
    CmdFromShape->setAccessibleName(QStringLiteral("Tomar las dimensiones de la forma interior"));
    CmdFromShape->setToolTip(
        QStringLiteral("Escribe el largo, el alto y el ancho de la caja que contiene la forma "
                       "interior leída para la ventana principal."));
    CmdFromShape->setEnabled(false);

    // Last, so that Tab from the last field still reaches "Siguiente".
    setFocusOrder({m_fields[0], m_fields[1], m_fields[2], CmdNext, CmdCancel, CmdFromShape});

    connect(Timer1, &QTimer::timeout, this, &FrmBox::Timer1_Timer);
    // At once as well, so that a Tab pressed right after the last keystroke reaches the button.
    for (QLineEdit* field : m_fields) {
        connect(field, &QLineEdit::textChanged, this, &FrmBox::Timer1_Timer);
    }
    connect(CmdNext, &QPushButton::clicked, this, &FrmBox::CmdNext_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FrmBox::closeRequested);
    connect(CmdFromShape, &QPushButton::clicked, this, &FrmBox::CmdFromShape_Click);
}

void FrmBox::setCabinShape(std::shared_ptr<const CabinShape> shape)
{
    m_shape = std::move(shape);
    setEnabledIfChanged(CmdFromShape, m_shape && boxAroundShape(*m_shape));
}

void FrmBox::CmdFromShape_Click()
{
    const std::optional<CabinBox> box = m_shape ? boxAroundShape(*m_shape) : std::nullopt;
    if (!box) {
        return;
    }
    for (std::size_t i = 0; i < boxFields.size(); ++i) {
        replaceFieldText(m_fields[i], QString::fromStdString((*box).*boxFields[i].member));
    }
}

CabinBox FrmBox::dimensions() const
{
    CabinBox box;
    for (std::size_t i = 0; i < boxFields.size(); ++i) {
        box.*boxFields[i].member = m_fields[i]->text().toStdString();
    }
    return box;
}

void FrmBox::Timer1_Timer()
{
    setEnabledIfChanged(CmdNext, isReady(dimensions()));
}

void FrmBox::CmdNext_Click()
{
    const CabinBox box = dimensions();
    const std::optional<std::string> summary = boxSummary(box.length, box.height, box.width);
    if (!summary) {
        warnOfDimension(box);
        return;
    }
    services().message(this,
                       Message{QStringLiteral("Dimensiones"), QString::fromStdString(*summary),
                               QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok});
    emit nextAccepted();
}

void FrmBox::warnOfDimension(const CabinBox& box)
{
    for (std::size_t i = 0; i < boxFields.size(); ++i) {
        const std::optional<std::string> problem =
            dimensionProblem(boxFields[i], box.*boxFields[i].member);
        if (!problem) {
            continue;
        }
        services().message(
            this, warning(QStringLiteral("Dimensiones"), QString::fromStdString(*problem)));
        m_fields[i]->setFocus();
        m_fields[i]->selectAll();
        return;
    }
}

} // namespace orbanil
