#include "ui/FrmOrbanil.h"

#include "core/block/CabinBox.h"
#include "core/block/InsideBlock.h"
#include "core/block/ViewNumbers.h"
#include "core/reader/InsideReadBack.h"
#include "core/reader/SimulatorReader.h"
#include "files/CodeFile.h"
#include "files/FileError.h"
#include "ui/CameraViewWidget.h"
#include "ui/CodeBox.h"
#include "ui/Icons.h"
#include "ui/PathQString.h"
#include "ui/ViewpointControls.h"

#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orbanil {

namespace {

// The number fields of a frame: where the first stands, the others following it, each sharing
// its left border with the one before, as in one box; then the frame's ")".
struct NumberRow
{
    int frame; // 2 for Frame2 ...
    int left;
    int top;
    const char* closing;
};

// PassengerCabinHeadPos and eight characters three times are wider than Frame2: its fields
// stand on the line under its label. The rotation limits line up with the start direction,
// clear of their label.
constexpr std::array<NumberRow, 3> numberRows{{
    {2, 240, 705, "Label4"},
    {3, 1440, 360, "Label6"},
    {4, 1440, 360, "Label8"},
}};

// The rectangle below the code and the viewpoints, across both, that the drawing shares with the
// save and open panels: wide enough for a 20 m car at 20 pixels a metre from above and from the
// side, under each other.
constexpr int sharedLeft = 4320;
constexpr int sharedTop = 3735;
constexpr int sharedWidth = 7335;
constexpr int sharedHeight = 2955;

// The widest text a number field shows whole: eight digits, wider than a sign or a point.
const QString eightCharacters = QStringLiteral("00000000");

constexpr int fieldHeight = 285;
constexpr int sharedBorder = 15;
constexpr int closingGap = 105; // between the last field and its ")"

// One range line of the cabin box; a dimension that does not read says so instead.
QString rangeText(const char* axisWord, const std::string& dimension)
{
    if (const std::optional<std::string> line = rangeLine(axisWord, dimension)) {
        return QString::fromStdString(*line);
    }
    return QString::fromUtf8(axisWord) + QString::fromStdString(dimension) +
           QStringLiteral(" m (no es un número válido)");
}

// What RotationLimit's label and fields say: the two simulators differ.
const QString rotationLimitTip =
    QStringLiteral("Límites de rotación de la cámara. Microsoft Train Simulator limita con ellos "
                   "el giro de la vista; Open Rails los lee, pero no limita el giro.");

} // namespace

FrmOrbanil::FrmOrbanil(std::filesystem::path programFolder, UiServices services,
                       const CabinBox& box)
    : FixedWindow(QStringLiteral("Wagon Orbanil"), 11775, 6795, programIcon(), services),
      m_programFolder(std::move(programFolder)), m_services(std::move(services))
{
    setObjectName(QStringLiteral("FrmOrbanil"));
    createParameterFrames();
    createCodeFrame();
    createSavePanel();
    createOpenPanel();
    showCodePanel(CodePanel::None);
    createWindowButtons();
    createViewpointColumn();

    std::vector<QWidget*> order(m_viewFields.begin(), m_viewFields.end());
    order.insert(order.end(),
                 {txtCode,       CmdGenerate, CmdClip,     CmdSaveFile,   txtfilename, CmdSave,
                  CmdCancel,     CmdExit,     CmdOpenFile, File1,         CmdOpen,     CmdCancel2,
                  CmdDimensions, CmdAbout,    Command1,    Command2,      CmdClear,    CmdRead,
                  CmdAyuda,      cboVista,    CmdAddView,  CmdRemoveView, CmdVista});
    setFocusOrder(order);

    Form_Load(box);
}

FrmOrbanil::~FrmOrbanil() = default;

void FrmOrbanil::createParameterFrames()
{
    QGroupBox* Frame1 =
        addFrame(this, "Frame1", QStringLiteral("Nombre del archivo Shape"), 120, 105, 4095, 780);
    addLabel(Frame1, "Label1", QStringLiteral("PassengerCabinFile ("), 240, 360, 1575, 255)
        ->setToolTip(QStringLiteral("Archivo que se usará para la vista interior."));
    addLabel(Frame1, "Label2", QStringLiteral(")"), 3120, 360, 135, 255);
    Command1 = addButton(Frame1, "Command1", QStringLiteral("..."), 3360, 360, 255, 255);
    Command1->setToolTip(QStringLiteral("Haz Clic para buscar el archivo .S"));
    Command1->setAccessibleName(QStringLiteral("Buscar el archivo Shape"));
    connect(Command1, &QPushButton::clicked, this, &FrmOrbanil::shapePickerRequested);
    connect(addTimer(Frame1, "Timer1"), &QTimer::timeout, this, &FrmOrbanil::Timer1_Timer);

    QGroupBox* Frame2 =
        addFrame(this, "Frame2", QStringLiteral("Posición de la cámara"), 120, 975, 4095, 1095);
    addLabel(Frame2, "Label3", QStringLiteral("PassengerCabinHeadPos ("), 240, 360, 1935, 255)
        ->setToolTip(QStringLiteral("Posición de la cámara dentro del vagón."));

    QGroupBox* Frame3 = addFrame(this, "Frame3", QStringLiteral("Limites de rotación de la cámara"),
                                 120, 2160, 4095, 780);
    addLabel(Frame3, "Label5", QStringLiteral("RotationLimit ("), 240, 360, 1095, 255)
        ->setToolTip(rotationLimitTip);

    QGroupBox* Frame4 = addFrame(this, "Frame4", QStringLiteral("Dirección de inicio de la cámara"),
                                 120, 3030, 4095, 780);
    addLabel(Frame4, "Label7", QStringLiteral("StartDirection ("), 240, 360, 1095, 255)
        ->setToolTip(
            QStringLiteral("Indica la dirección inicial de la cámara al cambiar a la vista nº 5."));

    QGroupBox* Frame5 =
        addFrame(this, "Frame5", QStringLiteral("Archivo de sonido"), 120, 3900, 4095, 780);
    addLabel(Frame5, "Label9", QStringLiteral("Sound ("), 360, 360, 615, 255)
        ->setToolTip(QStringLiteral("Especifica el sonido de la vista número 5."));
    addLabel(Frame5, "Label10", QStringLiteral(")"), 3360, 360, 135, 255);
    Command2 = addButton(Frame5, "Command2", QStringLiteral("..."), 3600, 360, 255, 255);
    Command2->setToolTip(QStringLiteral("Haz Clic para buscar el archivo .SMS"));
    Command2->setAccessibleName(QStringLiteral("Buscar el archivo de sonido"));
    connect(Command2, &QPushButton::clicked, this, &FrmOrbanil::soundPickerRequested);

    QGroupBox* const frames[] = {Frame1, Frame2, Frame3, Frame4, Frame5};
    const auto nameField = [this, &frames](std::string ViewParams::*member, int frame, int left,
                                           int top, int width) {
        const ViewField& field = viewFieldOf(member);
        const std::size_t i = static_cast<std::size_t>(&field - viewFields.data());
        m_viewFields[i] =
            addField(frames[frame - 1], field.control, QString::fromUtf8(field.spokenName),
                     field.keys, left, top, width, fieldHeight);
    };
    nameField(&ViewParams::shapeFile, 1, 1800, 360, 1215);
    createNumberRows(frames);
    for (auto member :
         {&ViewParams::rotationLimitX, &ViewParams::rotationLimitY, &ViewParams::rotationLimitZ}) {
        viewField(member)->setToolTip(rotationLimitTip);
    }
    nameField(&ViewParams::soundFile, 5, 1080, 360, 2175);
    for (QLineEdit* field : m_viewFields) {
        connect(field, &QLineEdit::textChanged, this, &FrmOrbanil::viewField_Change);
    }

    QGroupBox* Frame7 =
        addFrame(this, "Frame7", QStringLiteral("Dimensiones de la caja"), 120, 4770, 4095, 1335);
    lbl1 = addLabel(Frame7, "lbl1", QString(), 240, 360, 3615, 255);
    lbl2 = addLabel(Frame7, "lbl2", QString(), 240, 660, 3615, 255);
    lbl3 = addLabel(Frame7, "lbl3", QString(), 240, 960, 3615, 255);
}

void FrmOrbanil::createNumberRows(QGroupBox* const (&frames)[5])
{
    // The design's 495 twips, or what eight characters take in this font.
    const int width = std::max(495, fieldWidthFor(eightCharacters));
    std::size_t i = 1; // the nine numbers follow the shape name in viewFields
    for (const NumberRow& row : numberRows) {
        QGroupBox* frame = frames[row.frame - 1];
        int left = row.left;
        for (int n = 0; n < 3; ++n, ++i, left += width - sharedBorder) {
            const ViewField& field = viewFields[i];
            m_viewFields[i] = addField(frame, field.control, QString::fromUtf8(field.spokenName),
                                       field.keys, left, row.top, width, fieldHeight);
        }
        addLabel(frame, row.closing, QStringLiteral(")"), left + sharedBorder + closingGap, row.top,
                 135, 255);
    }
}

void FrmOrbanil::createCodeFrame()
{
    QGroupBox* Frame6 =
        addFrame(this, "Frame6", QStringLiteral("Código generado"), 4320, 105, 4815, 3540);
    txtCode = addControl(new CodeBox(Frame6), "txtCode", 120, 360, 4575, 1620);
    txtCode->setAccessibleName(QStringLiteral("Código generado"));
    filterKeystrokes(txtCode, FilterKind::FreeText);
    // Under the code box, where Copiar and Guardar are pressed.
    lblCodeNote = addLabel(Frame6, "lblCodeNote", QString(), 120, 2010, 4575, 255);
    CmdGenerate =
        addButton(Frame6, "CmdGenerate", QStringLiteral("&Generar Código"), 360, 2340, 1335, 495);
    CmdGenerate->setEnabled(false);
    CmdClip = addButton(Frame6, "CmdClip", QStringLiteral("&Copiar al Portapapeles"), 1800, 2340,
                        1335, 495);
    CmdClip->setEnabled(false);
    CmdSaveFile =
        addButton(Frame6, "CmdSaveFile", QStringLiteral("&Guardar"), 3240, 2340, 1335, 495);
    CmdSaveFile->setToolTip(QStringLiteral("Guardar el código en un archivo."));
    CmdSaveFile->setEnabled(false);
    CmdOpenFile = addButton(Frame6, "CmdOpenFile", QStringLiteral("&Abrir"), 360, 2940, 1335, 495);
    CmdOpenFile->setToolTip(QStringLiteral("Abrir archivo existente."));
    CmdClear =
        addButton(Frame6, "CmdClear", QStringLiteral("&Borrar Código"), 1800, 2940, 1335, 495);
    CmdRead = addButton(Frame6, "CmdRead", QStringLiteral("&Leer Valores"), 3240, 2940, 1335, 495);
    CmdRead->setToolTip(QStringLiteral("Leer los valores del bloque Inside del código."));
    CmdRead->setAccessibleName(QStringLiteral("Leer los valores del bloque Inside"));

    // Under the two panels, in the rectangle they share; it takes no focus.
    picCameraView = addControl(new CameraViewWidget(this), "picCameraView", sharedLeft, sharedTop,
                               sharedWidth, sharedHeight);

    connect(CmdGenerate, &QPushButton::clicked, this, &FrmOrbanil::CmdGenerate_Click);
    connect(CmdClip, &QPushButton::clicked, this, &FrmOrbanil::CmdClip_Click);
    connect(CmdSaveFile, &QPushButton::clicked, this, &FrmOrbanil::CmdSaveFile_Click);
    connect(CmdOpenFile, &QPushButton::clicked, this, &FrmOrbanil::CmdOpenFile_Click);
    connect(CmdClear, &QPushButton::clicked, this, &FrmOrbanil::CmdClear_Click);
    connect(CmdRead, &QPushButton::clicked, this, &FrmOrbanil::CmdRead_Click);
    connect(txtCode, &QPlainTextEdit::textChanged, this, &FrmOrbanil::txtCode_Change);
    connect(picCameraView, &CameraViewWidget::headGrabbed, this,
            &FrmOrbanil::picCameraView_HeadGrabbed);
    connect(picCameraView, &CameraViewWidget::headDragged, this,
            &FrmOrbanil::picCameraView_HeadDragged);
}

void FrmOrbanil::createSavePanel()
{
    FraSave = addFrame(this, "FraSave", QStringLiteral("Guardar en archivo"), sharedLeft, sharedTop,
                       sharedWidth, sharedHeight);
    addLabel(FraSave, "Label12", QStringLiteral("Introduzca el nombre del archivo sin extensión:"),
             240, 360, 3615, 255);
    addLabel(FraSave, "Label11", QStringLiteral("Archivo:"), 240, 840, 855, 255);
    txtfilename = addField(FraSave, "txtfilename", QStringLiteral("Nombre del archivo"),
                           FilterKind::FreeText, 1200, 840, 2775, 285);
    CmdSave = addButton(FraSave, "CmdSave", QStringLiteral("Guardar"), 2160, 1440, 855, 495);
    CmdCancel = addButton(FraSave, "CmdCancel", QStringLiteral("Cancelar"), 3120, 1440, 855, 495);
    // Other buttons of the window carry the same captions.
    FraSave->setAccessibleName(QStringLiteral("Guardar en archivo"));
    CmdSave->setAccessibleName(QStringLiteral("Guardar el archivo"));
    CmdCancel->setAccessibleName(QStringLiteral("Cancelar el guardado"));

    // Enter in the name presses "Guardar", so it does all that a click does.
    connect(txtfilename, &QLineEdit::returnPressed, CmdSave, &QPushButton::click);
    connect(CmdSave, &QPushButton::clicked, this, &FrmOrbanil::CmdSave_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FrmOrbanil::CmdCancel_Click);
}

void FrmOrbanil::createOpenPanel()
{
    FraOpen = addFrame(this, "FraOpen", QStringLiteral("Abrir archivo guardado"), sharedLeft,
                       sharedTop, sharedWidth, sharedHeight);
    addLabel(FraOpen, "Label13", QStringLiteral("Selecciona un archivo de la lista:"), 240, 360,
             2775, 255);
    File1 = addList(FraOpen, "File1", 240, 720, 1935, 1065);
    File1->setAccessibleName(QStringLiteral("Archivos guardados"));
    lblOpenFile = addLabel(FraOpen, "lblOpenFile", QStringLiteral("File:"), 2280, 720, 1815, 255);
    CmdOpen = addButton(FraOpen, "CmdOpen", QStringLiteral("Abrir"), 2280, 1320, 855, 495);
    CmdCancel2 = addButton(FraOpen, "CmdCancel2", QStringLiteral("Cancelar"), 3240, 1320, 855, 495);
    FraOpen->setAccessibleName(QStringLiteral("Abrir archivo guardado"));
    CmdOpen->setAccessibleName(QStringLiteral("Abrir el archivo elegido"));
    CmdCancel2->setAccessibleName(QStringLiteral("Cancelar la apertura"));

    // Whatever makes an entry current (a click, the arrow keys, Home, End) chooses it.
    connect(File1, &QListWidget::currentItemChanged, this, &FrmOrbanil::File1_Click);
    // Enter or a double click on an entry presses "Abrir".
    connect(File1, &QListWidget::itemActivated, CmdOpen, &QPushButton::click);
    connect(CmdOpen, &QPushButton::clicked, this, &FrmOrbanil::CmdOpen_Click);
    connect(CmdCancel2, &QPushButton::clicked, this, &FrmOrbanil::CmdCancel2_Click);
    connect(addTimer(FraOpen, "Timer2"), &QTimer::timeout, this, &FrmOrbanil::Timer2_Timer);
}

void FrmOrbanil::showCodePanel(CodePanel panel)
{
    // A panel that closes with the focus inside hands it to the code box: left to itself the
    // focus would move on to "Salir", where one more Enter would end the program.
    const QWidget* focused = focusWidget();
    if ((panel != CodePanel::Save && FraSave->isAncestorOf(focused)) ||
        (panel != CodePanel::Open && FraOpen->isAncestorOf(focused))) {
        txtCode->setFocus();
    }
    // The two panels and the drawing share one rectangle: showing one hides the others.
    FraSave->setVisible(panel == CodePanel::Save);
    FraOpen->setVisible(panel == CodePanel::Open);
    picCameraView->setVisible(panel == CodePanel::None);
}

void FrmOrbanil::createWindowButtons()
{
    // Under the box's ranges, which it changes.
    CmdDimensions = addButton(this, "CmdDimensions", QStringLiteral("&Dimensiones de la caja"), 120,
                              6195, 4095, 495);
    CmdDimensions->setToolTip(QStringLiteral("Modificar las dimensiones de la caja."));
    // At the foot of the column of the viewpoints, over the drawing.
    CmdAyuda = addButton(this, "CmdAyuda", QStringLiteral("A&yuda"), 9240, 2505, 1155, 495);
    CmdAbout = addButton(this, "CmdAbout", QStringLiteral("&Acerca de.."), 10500, 2505, 1155, 495);
    CmdExit = addButton(this, "CmdExit", QStringLiteral("&Salir"), 9240, 3075, 2415, 495);

    connect(CmdDimensions, &QPushButton::clicked, this, &FrmOrbanil::dimensionsRequested);
    connect(CmdAyuda, &QPushButton::clicked, this, &FrmOrbanil::ayudaRequested);
    connect(CmdAbout, &QPushButton::clicked, this, &FrmOrbanil::aboutRequested);
    connect(CmdExit, &QPushButton::clicked, this, &FrmOrbanil::exitRequested);
}

void FrmOrbanil::createViewpointColumn()
{
    // At the top, seen without scrolling on the smallest screens.
    QLabel* lblVista = addLabel(this, "lblVista", QStringLiteral("&Vista:"), 9240, 105, 2415, 255);
    cboVista = addComboBox(this, "cboVista", 9240, 375, 2415, 345);
    cboVista->setAccessibleName(QStringLiteral("Vista mostrada"));
    lblVista->setBuddy(cboVista);
    CmdAddView =
        addButton(this, "CmdAddView", QStringLiteral("Añad&ir vista"), 9240, 795, 2415, 495);
    CmdAddView->setAccessibleName(QStringLiteral("Añadir al final una copia de la vista mostrada"));
    CmdRemoveView =
        addButton(this, "CmdRemoveView", QStringLiteral("&Quitar vista"), 9240, 1365, 2415, 495);
    CmdRemoveView->setAccessibleName(QStringLiteral("Quitar la vista mostrada"));
    CmdVista =
        addButton(this, "CmdVista", QStringLiteral("Vista del &pasajero"), 9240, 1935, 2415, 495);
    CmdVista->setAccessibleName(QStringLiteral("Abrir la vista del pasajero"));
    CmdVista->setToolTip(QStringLiteral("Ver el interior desde la cabeza, como en Open Rails."));
    m_viewpointControls = std::make_unique<ViewpointControls>(
        cboVista, CmdRemoveView, viewField(&ViewParams::shapeFile), Command1,
        viewField(&ViewParams::soundFile), Command2);
    m_viewpointControls->show(m_viewpoints);

    connect(cboVista, &QComboBox::currentIndexChanged, this, &FrmOrbanil::cboVista_Click);
    connect(CmdAddView, &QPushButton::clicked, this, &FrmOrbanil::CmdAddView_Click);
    connect(CmdRemoveView, &QPushButton::clicked, this, &FrmOrbanil::CmdRemoveView_Click);
    connect(CmdVista, &QPushButton::clicked, this, &FrmOrbanil::passengerViewRequested);
}

void FrmOrbanil::Form_Load(const CabinBox& box)
{
    readFileList();
    setBox(box);
    for (QLineEdit* field :
         {viewField(&ViewParams::shapeFile), viewField(&ViewParams::soundFile)}) {
        field->setToolTip(field->text());
    }
    // Generate says from the start what it waits for.
    Timer1_Timer();
}

void FrmOrbanil::setBox(const CabinBox& box)
{
    lbl1->setText(rangeText("Ancho: ", box.width));
    lbl2->setText(rangeText("Alto: ", box.height));
    lbl3->setText(rangeText("Largo: ", box.length));
    m_box = box;
    picCameraView->setViewInput(allViewpoints(), m_viewpoints.shown(), m_box);
}

bool FrmOrbanil::holdsWork() const
{
    const bool codeInFile =
        txtCode->isEmpty() || (m_fileCode && *m_fileCode == txtCode->codeText());
    return !codeInFile || m_viewpoints.size() > 1 ||
           std::ranges::any_of(m_viewFields,
                               [](const QLineEdit* field) { return !field->text().isEmpty(); });
}

void FrmOrbanil::setShapeFile(const QString& name)
{
    setName(&ViewParams::shapeFile, name);
}

void FrmOrbanil::setChosenShape(const QString& name, const std::filesystem::path& folder)
{
    m_shapeFolder = folder;
    setShapeFile(name);
}

void FrmOrbanil::setCabinShape(std::shared_ptr<const CabinShape> shape)
{
    picCameraView->setCabinShape(std::move(shape));
}

void FrmOrbanil::setSoundFile(const QString& name)
{
    setName(&ViewParams::soundFile, name);
}

void FrmOrbanil::setName(std::string ViewParams::*member, const QString& name)
{
    // A picker left open may answer while an added viewpoint shows, whose names the fields do
    // not give: the name is kept here as well as shown.
    ViewParams names = m_viewpoints.principal();
    names.*member = name.toStdString();
    m_viewpoints.setNames(names);
    viewField(member)->setText(name);
}

QRect FrmOrbanil::viewNumbersArea() const
{
    const auto onScreen = [](const QWidget* frame) {
        return QRect(frame->mapToGlobal(QPoint()), frame->size());
    };
    // The frames of the first and the last of them.
    return onScreen(viewField(&ViewParams::headX)->parentWidget())
        .united(onScreen(viewField(&ViewParams::startDirectionZ)->parentWidget()));
}

void FrmOrbanil::setShownStartDirection(const QString& x, const QString& y)
{
    replaceFieldText(viewField(&ViewParams::startDirectionX), x);
    replaceFieldText(viewField(&ViewParams::startDirectionY), y);
}

void FrmOrbanil::setShownHead(const QString& x, const QString& y, const QString& z)
{
    replaceFieldText(viewField(&ViewParams::headX), x);
    replaceFieldText(viewField(&ViewParams::headY), y);
    replaceFieldText(viewField(&ViewParams::headZ), z);
}

QLineEdit* FrmOrbanil::viewField(std::string ViewParams::*member) const
{
    return m_viewFields[static_cast<std::size_t>(&viewFieldOf(member) - viewFields.data())];
}

ViewParams FrmOrbanil::viewParams() const
{
    ViewParams params;
    for (std::size_t i = 0; i < viewFields.size(); ++i) {
        params.*viewFields[i].member = m_viewFields[i]->text().toStdString();
    }
    return params;
}

void FrmOrbanil::viewField_Change()
{
    if (m_displaying) {
        return;
    }
    m_viewpoints.setShownParams(viewParams());
    m_confirmation.clear();
    // At once as well, so that a Tab pressed right after the last keystroke reaches
    // "Generar Código".
    Timer1_Timer();
    emit shownViewpointChanged();
}

void FrmOrbanil::picCameraView_HeadGrabbed()
{
    m_dragWritten.clear();
}

void FrmOrbanil::picCameraView_HeadDragged(const HeadMove& move)
{
    m_displaying = true;
    for (const auto& [member, at] : {std::pair{&ViewParams::headX, move.x},
                                     {&ViewParams::headY, move.y},
                                     {&ViewParams::headZ, move.z}}) {
        if (!at) {
            continue;
        }
        QLineEdit* field = viewField(member);
        // The drag's own edit, unless the user has typed over it since.
        if (const auto written = m_dragWritten.constFind(field);
            written != m_dragWritten.cend() && *written == field->text()) {
            field->undo();
        }
        m_dragWritten.remove(field);
        const QString text = QString::fromStdString(writeRoundedPoint(*at));
        if (field->text() != text) {
            replaceFieldText(field, text);
            m_dragWritten.insert(field, text);
        }
    }
    m_displaying = false;
    viewField_Change();
}

void FrmOrbanil::txtCode_Change()
{
    // A text far longer than the block cannot be it, and is not read out to compare.
    const QTextDocument* document = txtCode->document();
    m_codeIsGenerated =
        !m_generated.empty() &&
        static_cast<std::size_t>(document->characterCount()) <= m_generated.size() + 1 &&
        txtCode->codeText().toStdString() == m_generated;
    m_confirmation.clear();
    refreshCodeNote();
    // The copy and save buttons follow the code at once, as "Generar Código" follows the fields.
    Timer2_Timer();
}

void FrmOrbanil::Timer1_Timer()
{
    const std::vector<ViewParams> added = m_viewpoints.added();
    const std::optional<std::string> missing = missingValuesText(m_viewpoints.principal(), added);
    setEnabledIfChanged(CmdGenerate, !missing);
    // Disabled, it says why; a screen reader reads the same.
    const QString why = missing ? QString::fromStdString(*missing) : QString();
    if (CmdGenerate->toolTip() != why) {
        CmdGenerate->setToolTip(why);
        CmdGenerate->setAccessibleDescription(why);
    }
    picCameraView->setViewInput(allViewpoints(), m_viewpoints.shown(), m_box);
    refreshCodeNote();
}

void FrmOrbanil::refreshCodeNote()
{
    // Being told the code is old matters more than a confirmation of what was done with it.
    const QString note =
        m_codeIsGenerated &&
                isStaleBlock(m_generated, m_viewpoints.principal(), m_viewpoints.added())
            ? QStringLiteral("El código no refleja los últimos cambios: pulse «Generar Código».")
            : m_confirmation;
    if (lblCodeNote->text() != note) {
        lblCodeNote->setText(note);
    }
}

void FrmOrbanil::confirm(const QString& text)
{
    m_confirmation = text;
    refreshCodeNote();
}

void FrmOrbanil::Timer2_Timer()
{
    setEnabledIfChanged(CmdOpen, !m_chosenFile.isEmpty() && File1->count() > 0);
    const bool hasCode = !txtCode->isEmpty();
    setEnabledIfChanged(CmdSaveFile, hasCode);
    setEnabledIfChanged(CmdClip, hasCode);
}

void FrmOrbanil::CmdGenerate_Click()
{
    const ViewParams typed = m_viewpoints.principal();
    const std::vector<ViewParams> added = m_viewpoints.added();
    if (const std::optional<BlockProblem> problem = viewpointsProblem(typed, added)) {
        warn(QStringLiteral("Generar Código"), QString::fromStdString(problem->message));
        showViewpoint(problem->viewpoint);
        QLineEdit* field = viewField(problem->field);
        field->setFocus();
        field->selectAll();
        return;
    }
    m_generated = generateViewpoints(blockValues(typed), added);
    txtCode->replaceCodeText(QString::fromStdString(m_generated));
}

void FrmOrbanil::CmdClip_Click()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(txtCode->codeText());
    confirm(QStringLiteral("Copiado al portapapeles."));
}

void FrmOrbanil::CmdClear_Click()
{
    txtCode->replaceCodeText(QString());
}

void FrmOrbanil::CmdRead_Click()
{
    const QString title = QStringLiteral("Leer Valores");
    const std::optional<InsideReading> reading = readFirstInside(txtCode->codeText().toStdString());
    if (!reading) {
        warn(title, QStringLiteral("El código no tiene ningún bloque «Inside ( … )». Pegue en el "
                                   "cuadro de código el bloque, o el archivo .wag o .eng entero, "
                                   "y pulse otra vez «Leer Valores»."));
        return;
    }
    // The block's Inside is the principal viewpoint, whose numbers the fields then show.
    showViewpoint(0);
    // Only "Sí" replaces added viewpoints with edits; Escape and the close box keep them.
    const bool replaceAdded =
        reading->alternates.empty() || !m_viewpoints.anyAddedChanged() ||
        askYesNo(title, QString::fromStdString(replaceAddedQuestion(*reading)));
    const InsideReadBack readBack =
        readBackInside(*reading, viewParams(), m_viewpoints.added(), replaceAdded);
    if (readBack.readAlternates) {
        m_viewpoints.replaceAdded(readBack.added);
        m_confirmation.clear();
        m_viewpointControls->show(m_viewpoints);
        Timer1_Timer();
    }
    for (std::size_t i = 0; i < viewFields.size(); ++i) {
        replaceFieldText(m_viewFields[i],
                         QString::fromStdString(readBack.fields.*viewFields[i].member));
    }
    if (const std::string message = readBackMessage(readBack); !message.empty()) {
        m_services.message(this,
                           Message{title, QString::fromStdString(message), QMessageBox::Information,
                                   QMessageBox::Ok, QMessageBox::Ok});
    }
}

void FrmOrbanil::CmdSaveFile_Click()
{
    showCodePanel(CodePanel::Save);
    txtfilename->setFocus();
}

void FrmOrbanil::CmdCancel_Click()
{
    showCodePanel(CodePanel::None);
}

void FrmOrbanil::CmdSave_Click()
{
    const QString title = QStringLiteral("Guardar");
    const std::string name = txtfilename->text().toStdString();
    if (const std::optional<std::string> problem = savedNameProblem(name)) {
        warn(title, QString::fromStdString(*problem));
        return;
    }
    const std::filesystem::path path = savedFilePath(m_programFolder, name);
    const QString code = txtCode->codeText();
    try {
        // "No", Escape and the close box keep the file, the code and the panel.
        if (const std::optional<std::string> existing = replacedSavedFile(m_programFolder, name);
            existing && !askYesNo(title, QStringLiteral("Ya existe «%1». ¿Reemplazarlo?")
                                             .arg(QString::fromStdString(*existing)))) {
            return;
        }
        saveCodeFile(path, code.toStdString());
    } catch (const FileError& error) {
        warn(title, QString::fromUtf8(error.what()));
        return;
    }
    m_fileCode = code;
    showCodePanel(CodePanel::None);
    readFileList();
    // Emptied only now that the file holds the code, and without an undo record: the file keeps
    // the text, and recording a large removal line by line costs more than the save itself.
    txtCode->clear();
    confirm(QStringLiteral("Guardado en %1.").arg(pathToQString(path.filename())));
}

void FrmOrbanil::CmdOpenFile_Click()
{
    // Files copied into the folder since it was last shown appear.
    readFileList();
    showCodePanel(CodePanel::Open);
}

void FrmOrbanil::CmdCancel2_Click()
{
    showCodePanel(CodePanel::None);
}

void FrmOrbanil::File1_Click()
{
    // Emptying the list on a save leaves no current entry but keeps the chosen file.
    QListWidgetItem* current = File1->currentItem();
    if (!current) {
        return;
    }
    current->setSelected(true);
    m_chosenFile = current->text();
    lblOpenFile->setText(QStringLiteral("File: ") + m_chosenFile);
    Timer2_Timer();
}

void FrmOrbanil::CmdOpen_Click()
{
    if (m_chosenFile.isEmpty()) {
        return;
    }
    if (!txtCode->isEmpty()) {
        // Only an explicit "No" replaces the code; Escape and the close box change nothing.
        const QMessageBox::StandardButton answer = m_services.message(
            this,
            Message{QStringLiteral("Open"),
                    QStringLiteral("Do you want save the current code before opening the file?"),
                    QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes,
                    QMessageBox::Yes});
        if (answer != QMessageBox::No) {
            return;
        }
    }
    std::string text;
    try {
        text = readCodeFile(m_programFolder / qStringToPath(m_chosenFile));
    } catch (const FileError& error) {
        // The code box keeps its text; the list shows what the folder holds now.
        warn(QStringLiteral("Abrir"), QString::fromUtf8(error.what()));
        readFileList();
        return;
    }
    m_fileCode = QString::fromStdString(text);
    txtCode->replaceCodeText(*m_fileCode);
    showCodePanel(CodePanel::None);
}

void FrmOrbanil::readFileList()
{
    {
        // The chosen file stays chosen while the list holds it.
        const QSignalBlocker quiet(File1);
        File1->clear();
        try {
            for (const std::string& name : listSavedFiles(m_programFolder)) {
                File1->addItem(QString::fromStdString(name));
            }
        } catch (const FileError& error) {
            warn(QStringLiteral("Abrir"), QString::fromUtf8(error.what()));
        }
        const QList<QListWidgetItem*> chosen = File1->findItems(m_chosenFile, Qt::MatchExactly);
        if (!m_chosenFile.isEmpty() && !chosen.isEmpty()) {
            File1->setCurrentItem(chosen.front());
        }
    }
    Timer2_Timer();
}

void FrmOrbanil::warn(const QString& title, const QString& text)
{
    m_services.message(
        this, Message{title, text, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok});
}

bool FrmOrbanil::askYesNo(const QString& title, const QString& text)
{
    return m_services.message(this, Message{title, text, QMessageBox::Question,
                                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                                            QMessageBox::No}) == QMessageBox::Yes;
}

void FrmOrbanil::displayShownViewpoint()
{
    const ViewParams shown = m_viewpoints.shownParams();
    m_displaying = true;
    for (std::size_t i = 0; i < viewFields.size(); ++i) {
        if (isNumberField(viewFields[i])) {
            m_viewFields[i]->setText(QString::fromStdString(shown.*viewFields[i].member));
        }
    }
    m_displaying = false;
    m_viewpointControls->show(m_viewpoints);
    // Generate and the drawing follow at once, as they follow typing.
    Timer1_Timer();
    emit shownViewpointChanged();
}

void FrmOrbanil::showViewpoint(std::size_t viewpoint)
{
    if (viewpoint != m_viewpoints.shown()) {
        m_viewpoints.show(viewpoint);
        displayShownViewpoint();
    }
}

void FrmOrbanil::cboVista_Click(int index)
{
    if (index >= 0) {
        showViewpoint(static_cast<std::size_t>(index));
    }
}

void FrmOrbanil::CmdAddView_Click()
{
    m_viewpoints.add();
    m_confirmation.clear();
    displayShownViewpoint();
}

void FrmOrbanil::CmdRemoveView_Click()
{
    if (m_viewpoints.namesEditable()) {
        return;
    }
    if (const std::optional<std::string> question = m_viewpoints.removeQuestion();
        question && !askYesNo(QStringLiteral("Quitar vista"), QString::fromStdString(*question))) {
        return;
    }
    m_viewpoints.removeShown();
    m_confirmation.clear();
    displayShownViewpoint();
}

} // namespace orbanil
