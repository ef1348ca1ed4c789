#include "ui/FrmOrbanil.h"

#include "core/CabinBox.h"
#include "core/InsideBlock.h"
#include "files/CodeFile.h"
#include "files/FileError.h"
#include "ui/CodeBox.h"
#include "ui/FrmBox.h"
#include "ui/Icons.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <optional>
#include <string>
#include <utility>

namespace orbanil {

namespace {

const QString noFileChosen = QStringLiteral("File:");
const QString fileChosenPrefix = QStringLiteral("File: ");

std::filesystem::path pathOf(const QString& name)
{
    return std::filesystem::path(name.toStdU16String());
}

// One range line of the cabin box; a dimension that does not read says so instead.
QString rangeText(const char* axisWord, const QString& dimension)
{
    const std::string d = dimension.toStdString();
    if (const std::optional<std::string> line = rangeLine(axisWord, d)) {
        return QString::fromStdString(*line);
    }
    return QString::fromUtf8(axisWord) + dimension + QStringLiteral(" m (no es un número válido)");
}

} // namespace

FrmOrbanil::FrmOrbanil(std::filesystem::path programFolder, UiServices services)
    : FixedWindow(QStringLiteral("Wagon Orbanil"), 9195, 7920, programIcon(), services.beep),
      m_programFolder(std::move(programFolder)), m_services(std::move(services))
{
    setObjectName(QStringLiteral("FrmOrbanil"));
    createParameterFrames();
    createCodeFrame();
    createSavePanel();
    createOpenPanel();
    createWindowButtons();
    setFocusOrder();

    connect(Timer1, &QTimer::timeout, this, &FrmOrbanil::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &FrmOrbanil::Timer2_Timer);
    connect(CmdGenerate, &QPushButton::clicked, this, &FrmOrbanil::CmdGenerate_Click);
    connect(CmdClip, &QPushButton::clicked, this, &FrmOrbanil::CmdClip_Click);
    connect(CmdClear, &QPushButton::clicked, this, &FrmOrbanil::CmdClear_Click);
    connect(CmdSaveFile, &QPushButton::clicked, this, &FrmOrbanil::CmdSaveFile_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FrmOrbanil::CmdCancel_Click);
    connect(CmdSave, &QPushButton::clicked, this, &FrmOrbanil::CmdSave_Click);
    connect(CmdOpenFile, &QPushButton::clicked, this, &FrmOrbanil::CmdOpenFile_Click);
    connect(CmdCancel2, &QPushButton::clicked, this, &FrmOrbanil::CmdCancel2_Click);
    connect(File1, &QListWidget::itemSelectionChanged, this, &FrmOrbanil::File1_Click);
    connect(CmdOpen, &QPushButton::clicked, this, &FrmOrbanil::CmdOpen_Click);
    connect(Command1, &QPushButton::clicked, this, &FrmOrbanil::shapePickerRequested);
    connect(Command2, &QPushButton::clicked, this, &FrmOrbanil::soundPickerRequested);
    connect(CmdDimensions, &QPushButton::clicked, this, &FrmOrbanil::dimensionsRequested);
    connect(CmdAyuda, &QPushButton::clicked, this, &FrmOrbanil::ayudaRequested);
    connect(CmdAbout, &QPushButton::clicked, this, &FrmOrbanil::aboutRequested);
    connect(CmdExit, &QPushButton::clicked, this, &FrmOrbanil::exitRequested);
    Timer1->start(100);
    Timer2->start(100);
}

void FrmOrbanil::createParameterFrames()
{
    Frame1 =
        addFrame(this, "Frame1", QStringLiteral("Nombre del archivo Shape"), 120, 120, 4095, 975);
    Label1 =
        addLabel(Frame1, "Label1", QStringLiteral("PassengerCabinFile ("), 240, 360, 1575, 255);
    Label1->setToolTip(QStringLiteral("Archivo que se usará para la vista interior."));
    txtShapeFile = addField(Frame1, "txtShapeFile", FilterKind::FreeText, 1800, 360, 1215, 285);
    Label2 = addLabel(Frame1, "Label2", QStringLiteral(")"), 3120, 360, 135, 255);
    Command1 = addButton(Frame1, "Command1", QStringLiteral("..."), 3360, 360, 255, 255);
    Command1->setToolTip(QStringLiteral("Haz Clic para buscar el archivo .S"));
    Timer1 = new QTimer(Frame1);
    Timer1->setObjectName(QStringLiteral("Timer1"));

    Frame2 =
        addFrame(this, "Frame2", QStringLiteral("Posición de la cámara"), 120, 1200, 4095, 1095);
    Label3 =
        addLabel(Frame2, "Label3", QStringLiteral("PassengerCabinHeadPos ("), 240, 480, 1935, 255);
    Label3->setToolTip(QStringLiteral("Posición de la cámara dentro del vagón."));
    txtCamPosX = addField(Frame2, "txtCamPosX", FilterKind::SignedDecimal, 2280, 480, 495, 285);
    txtCamPosY = addField(Frame2, "txtCamPosY", FilterKind::SignedDecimal, 2760, 480, 495, 285);
    txtCamPosZ = addField(Frame2, "txtCamPosZ", FilterKind::SignedDecimal, 3240, 480, 495, 285);
    Label4 = addLabel(Frame2, "Label4", QStringLiteral(")"), 3840, 480, 135, 255);

    Frame3 = addFrame(this, "Frame3", QStringLiteral("Limites de rotación de la cámara"), 120, 2400,
                      4095, 1095);
    Label5 = addLabel(Frame3, "Label5", QStringLiteral("RotationLimit ("), 240, 480, 1095, 255);
    Label5->setToolTip(QStringLiteral("Límites de rotación de la cámara."));
    txtRotLimX = addField(Frame3, "txtRotLimX", FilterKind::DigitsOnly, 1320, 480, 375, 285);
    txtRotLimY = addField(Frame3, "txtRotLimY", FilterKind::DigitsOnly, 1680, 480, 375, 285);
    txtRotLimZ = addField(Frame3, "txtRotLimZ", FilterKind::DigitsOnly, 2040, 480, 375, 285);
    Label6 = addLabel(Frame3, "Label6", QStringLiteral(")"), 2520, 480, 135, 255);

    Frame4 = addFrame(this, "Frame4", QStringLiteral("Dirección de inicio de la cámara"), 120, 3600,
                      4095, 1215);
    Label7 = addLabel(Frame4, "Label7", QStringLiteral("StartDirection ("), 240, 480, 1095, 255);
    Label7->setToolTip(
        QStringLiteral("Indica la dirección inicial de la cámara al cambiar a la vista nº 5."));
    txtStaDirX = addField(Frame4, "txtStaDirX", FilterKind::DigitsOnly, 1440, 480, 375, 285);
    txtStaDirY = addField(Frame4, "txtStaDirY", FilterKind::DigitsOnly, 1800, 480, 375, 285);
    txtStaDirZ = addField(Frame4, "txtStaDirZ", FilterKind::DigitsOnly, 2160, 480, 375, 285);
    Label8 = addLabel(Frame4, "Label8", QStringLiteral(")"), 2640, 480, 135, 255);

    Frame5 = addFrame(this, "Frame5", QStringLiteral("Archivo de sonido"), 120, 4920, 4095, 1095);
    Label9 = addLabel(Frame5, "Label9", QStringLiteral("Sound ("), 360, 480, 615, 255);
    Label9->setToolTip(QStringLiteral("Especifica el sonido de la vista número 5."));
    txtSound = addField(Frame5, "txtSound", FilterKind::FreeText, 1080, 480, 2175, 285);
    Label10 = addLabel(Frame5, "Label10", QStringLiteral(")"), 3360, 480, 135, 255);
    Command2 = addButton(Frame5, "Command2", QStringLiteral("..."), 3600, 480, 255, 255);
    Command2->setToolTip(QStringLiteral("Haz Clic para buscar el archivo .SMS"));

    Frame7 =
        addFrame(this, "Frame7", QStringLiteral("Dimensiones de la caja"), 120, 6120, 4095, 1695);
    lbl1 = addLabel(Frame7, "lbl1", QString(), 240, 360, 3615, 255);
    lbl2 = addLabel(Frame7, "lbl2", QString(), 240, 720, 3615, 255);
    lbl3 = addLabel(Frame7, "lbl3", QString(), 240, 1080, 3615, 255);
}

void FrmOrbanil::createCodeFrame()
{
    Frame6 = addFrame(this, "Frame6", QStringLiteral("Código generado"), 4320, 120, 4815, 5895);
    txtCode = new CodeBox(Frame6);
    txtCode->setObjectName(QStringLiteral("txtCode"));
    twips().place(txtCode, 120, 360, 4575, 2055);
    filterKeystrokes(txtCode, FilterKind::FreeText);
    CmdGenerate =
        addButton(Frame6, "CmdGenerate", QStringLiteral("&Generar Código"), 360, 2520, 1335, 495);
    CmdGenerate->setEnabled(false);
    CmdClip = addButton(Frame6, "CmdClip", QStringLiteral("&Copiar al Portapapeles"), 1800, 2520,
                        1335, 495);
    CmdClip->setEnabled(false);
    CmdSaveFile =
        addButton(Frame6, "CmdSaveFile", QStringLiteral("&Guardar"), 3240, 2520, 1335, 495);
    CmdSaveFile->setToolTip(QStringLiteral("Guardar el código en un archivo."));
    CmdSaveFile->setEnabled(false);
    CmdOpenFile = addButton(Frame6, "CmdOpenFile", QStringLiteral("&Abrir"), 360, 3120, 1335, 495);
    CmdOpenFile->setToolTip(QStringLiteral("Abrir archivo existente."));
    CmdClear =
        addButton(Frame6, "CmdClear", QStringLiteral("&Borrar Código"), 1800, 3120, 1335, 495);
}

void FrmOrbanil::createSavePanel()
{
    FraSave =
        addFrame(Frame6, "FraSave", QStringLiteral("Guardar en archivo"), 360, 3720, 4215, 2055);
    Label12 = addLabel(FraSave, "Label12",
                       QStringLiteral("Introduzca el nombre del archivo sin extensión:"), 240, 360,
                       3615, 255);
    Label11 = addLabel(FraSave, "Label11", QStringLiteral("Archivo:"), 240, 840, 855, 255);
    txtfilename = addField(FraSave, "txtfilename", FilterKind::FreeText, 1200, 840, 2775, 285);
    CmdSave = addButton(FraSave, "CmdSave", QStringLiteral("Guardar"), 2160, 1440, 855, 495);
    CmdCancel = addButton(FraSave, "CmdCancel", QStringLiteral("Cancelar"), 3120, 1440, 855, 495);
    FraSave->hide();
}

void FrmOrbanil::createOpenPanel()
{
    FraOpen = addFrame(Frame6, "FraOpen", QStringLiteral("Abrir archivo guardado"), 360, 3720, 4215,
                       2055);
    Label13 = addLabel(FraOpen, "Label13", QStringLiteral("Selecciona un archivo de la lista:"),
                       240, 360, 2775, 255);
    File1 = new QListWidget(FraOpen);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setSelectionMode(QAbstractItemView::SingleSelection);
    twips().place(File1, 240, 720, 1935, 1065);
    lblOpenFile = addLabel(FraOpen, "lblOpenFile", noFileChosen, 2280, 720, 1815, 255);
    CmdOpen = addButton(FraOpen, "CmdOpen", QStringLiteral("Abrir"), 2280, 1320, 855, 495);
    CmdCancel2 = addButton(FraOpen, "CmdCancel2", QStringLiteral("Cancelar"), 3240, 1320, 855, 495);
    Timer2 = new QTimer(FraOpen);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    FraOpen->hide();
}

void FrmOrbanil::createWindowButtons()
{
    CmdDimensions = addButton(this, "CmdDimensions", QStringLiteral("&Dimensiones de la caja"),
                              4320, 6120, 4815, 495);
    CmdDimensions->setToolTip(QStringLiteral("Modificar las dimensiones de la caja."));
    CmdAyuda = addButton(this, "CmdAyuda", QStringLiteral("A&yuda"), 4320, 6720, 2295, 495);
    CmdAbout = addButton(this, "CmdAbout", QStringLiteral("&Acerca de.."), 6720, 6720, 2415, 495);
    CmdExit = addButton(this, "CmdExit", QStringLiteral("&Salir"), 4320, 7320, 4815, 495);
}

void FrmOrbanil::setFocusOrder()
{
    QWidget* const order[] = {txtShapeFile, txtCamPosX, txtCamPosY,  txtCamPosZ,    txtRotLimX,
                              txtRotLimY,   txtRotLimZ, txtStaDirX,  txtStaDirY,    txtStaDirZ,
                              txtSound,     txtCode,    CmdGenerate, CmdClip,       CmdSaveFile,
                              txtfilename,  CmdSave,    CmdCancel,   CmdExit,       CmdOpenFile,
                              File1,        CmdOpen,    CmdCancel2,  CmdDimensions, CmdAbout,
                              Command1,     Command2,   CmdClear,    CmdAyuda};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    txtShapeFile->setFocus();
}

void FrmOrbanil::Form_Load(const FrmBox& box)
{
    readFileList();
    lbl1->setText(rangeText("Ancho: ", box.txtWidth->text()));
    lbl2->setText(rangeText("Alto: ", box.txtHeight->text()));
    lbl3->setText(rangeText("Largo: ", box.txtLong->text()));
    txtShapeFile->setToolTip(txtShapeFile->text());
    txtSound->setToolTip(txtSound->text());
}

ViewParams FrmOrbanil::viewParams() const
{
    const auto text = [](const QLineEdit* field) { return field->text().toStdString(); };
    return ViewParams{text(txtShapeFile), text(txtCamPosX), text(txtCamPosY), text(txtCamPosZ),
                      text(txtRotLimX),   text(txtRotLimY), text(txtRotLimZ), text(txtStaDirX),
                      text(txtStaDirY),   text(txtStaDirZ), text(txtSound)};
}

void FrmOrbanil::Timer1_Timer()
{
    // The readiness rule (every field non-empty), read without copying the eleven texts.
    bool ready = true;
    for (const QLineEdit* field :
         {txtShapeFile, txtCamPosX, txtCamPosY, txtCamPosZ, txtRotLimX, txtRotLimY, txtRotLimZ,
          txtStaDirX, txtStaDirY, txtStaDirZ, txtSound}) {
        ready = ready && !field->text().isEmpty();
    }
    setEnabledIfChanged(CmdGenerate, ready);
}

void FrmOrbanil::Timer2_Timer()
{
    setEnabledIfChanged(CmdOpen, lblOpenFile->text() != noFileChosen && File1->count() > 0);
    const bool hasCode = !txtCode->isEmpty();
    setEnabledIfChanged(CmdSaveFile, hasCode);
    setEnabledIfChanged(CmdClip, hasCode);
}

void FrmOrbanil::CmdGenerate_Click()
{
    txtCode->replaceCodeText(QString::fromStdString(generateInside(viewParams())));
}

void FrmOrbanil::CmdClip_Click()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(txtCode->codeText());
}

void FrmOrbanil::CmdClear_Click()
{
    txtCode->replaceCodeText(QString());
}

void FrmOrbanil::CmdSaveFile_Click()
{
    FraSave->show();
    txtfilename->setFocus();
}

void FrmOrbanil::CmdCancel_Click()
{
    FraSave->hide();
}

void FrmOrbanil::CmdSave_Click()
{
    const std::string name = txtfilename->text().toStdString();
    if (const std::optional<std::string> problem = savedNameProblem(name)) {
        warn(QStringLiteral("Guardar"), QString::fromStdString(*problem));
        return;
    }
    try {
        saveCodeFile(savedFilePath(m_programFolder, name), txtCode->codeText().toStdString());
    } catch (const FileError& error) {
        warn(QStringLiteral("Guardar"), QString::fromUtf8(error.what()));
        return;
    }
    FraSave->hide();
    readFileList();
    // Emptied only now that the file holds the code, and without an undo record: the file keeps
    // the text, and recording a large removal line by line costs more than the save itself.
    txtCode->clear();
}

void FrmOrbanil::CmdOpenFile_Click()
{
    FraOpen->show();
}

void FrmOrbanil::CmdCancel2_Click()
{
    FraOpen->hide();
}

void FrmOrbanil::File1_Click()
{
    const QList<QListWidgetItem*> selected = File1->selectedItems();
    if (!selected.isEmpty()) {
        lblOpenFile->setText(fileChosenPrefix + selected.first()->text());
    }
}

void FrmOrbanil::CmdOpen_Click()
{
    if (!txtCode->isEmpty()) {
        const QMessageBox::StandardButton answer = m_services.message(
            this,
            Message{QStringLiteral("Open"),
                    QStringLiteral("Do you want save the current code before opening the file?"),
                    QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes});
        if (answer != QMessageBox::No) {
            return;
        }
    }
    const QString name = fileToOpen();
    if (name.isEmpty()) {
        return;
    }
    std::string text;
    try {
        text = readCodeFile(m_programFolder / pathOf(name));
    } catch (const FileError& error) {
        // The code box keeps its text; the list shows what the folder holds now.
        warn(QStringLiteral("Abrir"), QString::fromUtf8(error.what()));
        readFileList();
        return;
    }
    txtCode->replaceCodeText(QString::fromStdString(text));
    FraOpen->hide();
}

QString FrmOrbanil::fileToOpen() const
{
    const QList<QListWidgetItem*> selected = File1->selectedItems();
    if (!selected.isEmpty()) {
        return selected.first()->text();
    }
    const QString caption = lblOpenFile->text();
    if (caption.startsWith(fileChosenPrefix)) {
        return caption.mid(fileChosenPrefix.size());
    }
    return {};
}

void FrmOrbanil::readFileList()
{
    File1->clear();
    try {
        for (const std::string& name : listSavedFiles(m_programFolder)) {
            File1->addItem(QString::fromStdString(name));
        }
    } catch (const FileError& error) {
        warn(QStringLiteral("Abrir"), QString::fromUtf8(error.what()));
    }
}

void FrmOrbanil::warn(const QString& title, const QString& text)
{
    m_services.message(
        this, Message{title, text, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok});
}

} // namespace orbanil
