#include "ui/FrmOrbanil.h"

#include "core/CabinBox.h"
#include "core/InsideBlock.h"
#include "core/InsideReadBack.h"
#include "core/SimulatorReader.h"
#include "files/CodeFile.h"
#include "files/FileError.h"
#include "ui/CameraViewWidget.h"
#include "ui/CodeBox.h"
#include "ui/Icons.h"
#include "ui/PathQString.h"

#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orbanil {

namespace {

// Where a view field stands: its frame (1 for Frame1 ...) and its place in that frame.
struct FieldPlace
{
    int frame;
    int left;
    int top;
    int width;
};

// The places of the eleven fields, in the order of viewFields; every field is 285 twips high.
constexpr std::array<FieldPlace, viewFields.size()> viewFieldPlaces{{
    {1, 1800, 360, 1215},
    {2, 2280, 480, 495},
    {2, 2760, 480, 495},
    {2, 3240, 480, 495},
    {3, 1320, 480, 375},
    {3, 1680, 480, 375},
    {3, 2040, 480, 375},
    {4, 1440, 480, 375},
    {4, 1800, 480, 375},
    {4, 2160, 480, 375},
    {5, 1080, 480, 2175},
}};

// One range line of the cabin box; a dimension that does not read says so instead.
QString rangeText(const char* axisWord, const std::string& dimension)
{
    if (const std::optional<std::string> line = rangeLine(axisWord, dimension)) {
        return QString::fromStdString(*line);
    }
    return QString::fromUtf8(axisWord) + QString::fromStdString(dimension) +
           QStringLiteral(" m (no es un número válido)");
}

} // namespace

FrmOrbanil::FrmOrbanil(std::filesystem::path programFolder, UiServices services,
                       const CabinBox& box)
    : FixedWindow(QStringLiteral("Wagon Orbanil"), 9195, 8520, programIcon(), services),
      m_programFolder(std::move(programFolder)), m_services(std::move(services))
{
    setObjectName(QStringLiteral("FrmOrbanil"));
    createParameterFrames();
    QGroupBox* Frame6 = createCodeFrame();
    createSavePanel(Frame6);
    createOpenPanel(Frame6);
    showCodePanel(CodePanel::None);
    createWindowButtons();
    createViewpointRow();

    std::vector<QWidget*> order(m_viewFields.begin(), m_viewFields.end());
    order.insert(order.end(),
                 {txtCode,       CmdGenerate, CmdClip,     CmdSaveFile,  txtfilename, CmdSave,
                  CmdCancel,     CmdExit,     CmdOpenFile, File1,        CmdOpen,     CmdCancel2,
                  CmdDimensions, CmdAbout,    Command1,    Command2,     CmdClear,    CmdRead,
                  CmdAyuda,      cboVista,    CmdAddView,  CmdRemoveView});
    setFocusOrder(order);

    Form_Load(box);
}

void FrmOrbanil::createParameterFrames()
{
    QGroupBox* Frame1 =
        addFrame(this, "Frame1", QStringLiteral("Nombre del archivo Shape"), 120, 120, 4095, 975);
    addLabel(Frame1, "Label1", QStringLiteral("PassengerCabinFile ("), 240, 360, 1575, 255)
        ->setToolTip(QStringLiteral("Archivo que se usará para la vista interior."));
    addLabel(Frame1, "Label2", QStringLiteral(")"), 3120, 360, 135, 255);
    Command1 = addButton(Frame1, "Command1", QStringLiteral("..."), 3360, 360, 255, 255);
    Command1->setToolTip(QStringLiteral("Haz Clic para buscar el archivo .S"));
    Command1->setAccessibleName(QStringLiteral("Buscar el archivo Shape"));
    connect(Command1, &QPushButton::clicked, this, &FrmOrbanil::shapePickerRequested);
    connect(addTimer(Frame1, "Timer1"), &QTimer::timeout, this, &FrmOrbanil::Timer1_Timer);

    QGroupBox* Frame2 =
        addFrame(this, "Frame2", QStringLiteral("Posición de la cámara"), 120, 1200, 4095, 1095);
    addLabel(Frame2, "Label3", QStringLiteral("PassengerCabinHeadPos ("), 240, 480, 1935, 255)
        ->setToolTip(QStringLiteral("Posición de la cámara dentro del vagón."));
    addLabel(Frame2, "Label4", QStringLiteral(")"), 3840, 480, 135, 255);

    QGroupBox* Frame3 = addFrame(this, "Frame3", QStringLiteral("Limites de rotación de la cámara"),
                                 120, 2400, 4095, 1095);
    addLabel(Frame3, "Label5", QStringLiteral("RotationLimit ("), 240, 480, 1095, 255)
        ->setToolTip(QStringLiteral("Límites de rotación de la cámara."));
    addLabel(Frame3, "Label6", QStringLiteral(")"), 2520, 480, 135, 255);

    QGroupBox* Frame4 = addFrame(this, "Frame4", QStringLiteral("Dirección de inicio de la cámara"),
                                 120, 3600, 4095, 1215);
    addLabel(Frame4, "Label7", QStringLiteral("StartDirection ("), 240, 480, 1095, 255)
        ->setToolTip(
            QStringLiteral("Indica la dirección inicial de la cámara al cambiar a la vista nº 5."));
    addLabel(Frame4, "Label8", QStringLiteral(")"), 2640, 480, 135, 255);

    QGroupBox* Frame5 =
        addFrame(this, "Frame5", QStringLiteral("Archivo de sonido"), 120, 4920, 4095, 1095);
    addLabel(Frame5, "Label9", QStringLiteral("Sound ("), 360, 480, 615, 255)
        ->setToolTip(QStringLiteral("Especifica el sonido de la vista número 5."));
    addLabel(Frame5, "Label10", QStringLiteral(")"), 3360, 480, 135, 255);
    Command2 = addButton(Frame5, "Command2", QStringLiteral("..."), 3600, 480, 255, 255);
    Command2->setToolTip(QStringLiteral("Haz Clic para buscar el archivo .SMS"));
    Command2->setAccessibleName(QStringLiteral("Buscar el archivo de sonido"));
    connect(Command2, &QPushButton::clicked, this, &FrmOrbanil::soundPickerRequested);

    QGroupBox* const frames[] = {Frame1, Frame2, Frame3, Frame4, Frame5};
    for (std::size_t i = 0; i < viewFields.size(); ++i) {
        const FieldPlace& at = viewFieldPlaces[i];
        m_viewFields[i] = addField(frames[at.frame - 1], viewFields[i].control,
                                   QString::fromUtf8(viewFields[i].spokenName), viewFields[i].keys,
                                   at.left, at.top, at.width, 285);
        // At once as well, so that a Tab pressed right after the last keystroke reaches
        // "Generar Código".
        connect(m_viewFields[i], &QLineEdit::textChanged, this, &FrmOrbanil::Timer1_Timer);
    }

    QGroupBox* Frame7 =
        addFrame(this, "Frame7", QStringLiteral("Dimensiones de la caja"), 120, 6120, 4095, 1695);
    lbl1 = addLabel(Frame7, "lbl1", QString(), 240, 360, 3615, 255);
    lbl2 = addLabel(Frame7, "lbl2", QString(), 240, 720, 3615, 255);
    lbl3 = addLabel(Frame7, "lbl3", QString(), 240, 1080, 3615, 255);
}

QGroupBox* FrmOrbanil::createCodeFrame()
{
    QGroupBox* Frame6 =
        addFrame(this, "Frame6", QStringLiteral("Código generado"), 4320, 120, 4815, 5895);
    txtCode = addControl(new CodeBox(Frame6), "txtCode", 120, 360, 4575, 2055);
    txtCode->setAccessibleName(QStringLiteral("Código generado"));
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
    CmdRead = addButton(Frame6, "CmdRead", QStringLiteral("&Leer Valores"), 3240, 3120, 1335, 495);
    CmdRead->setToolTip(QStringLiteral("Leer los valores del bloque Inside del código."));
    CmdRead->setAccessibleName(QStringLiteral("Leer los valores del bloque Inside"));

    // Under the two panels, in the rectangle they share; it takes no focus.
    picCameraView =
        addControl(new CameraViewWidget(Frame6), "picCameraView", 360, 3720, 4215, 2055);

    connect(CmdGenerate, &QPushButton::clicked, this, &FrmOrbanil::CmdGenerate_Click);
    connect(CmdClip, &QPushButton::clicked, this, &FrmOrbanil::CmdClip_Click);
    connect(CmdSaveFile, &QPushButton::clicked, this, &FrmOrbanil::CmdSaveFile_Click);
    connect(CmdOpenFile, &QPushButton::clicked, this, &FrmOrbanil::CmdOpenFile_Click);
    connect(CmdClear, &QPushButton::clicked, this, &FrmOrbanil::CmdClear_Click);
    connect(CmdRead, &QPushButton::clicked, this, &FrmOrbanil::CmdRead_Click);
    // The copy and save buttons follow the code at once, as "Generar Código" follows the fields.
    connect(txtCode, &QPlainTextEdit::textChanged, this, &FrmOrbanil::Timer2_Timer);
    return Frame6;
}

void FrmOrbanil::createSavePanel(QGroupBox* Frame6)
{
    FraSave =
        addFrame(Frame6, "FraSave", QStringLiteral("Guardar en archivo"), 360, 3720, 4215, 2055);
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

void FrmOrbanil::createOpenPanel(QGroupBox* Frame6)
{
    FraOpen = addFrame(Frame6, "FraOpen", QStringLiteral("Abrir archivo guardado"), 360, 3720, 4215,
                       2055);
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
    CmdDimensions = addButton(this, "CmdDimensions", QStringLiteral("&Dimensiones de la caja"),
                              4320, 6120, 4815, 495);
    CmdDimensions->setToolTip(QStringLiteral("Modificar las dimensiones de la caja."));
    CmdAyuda = addButton(this, "CmdAyuda", QStringLiteral("A&yuda"), 4320, 6720, 2295, 495);
    CmdAbout = addButton(this, "CmdAbout", QStringLiteral("&Acerca de.."), 6720, 6720, 2415, 495);
    CmdExit = addButton(this, "CmdExit", QStringLiteral("&Salir"), 4320, 7320, 4815, 495);

    connect(CmdDimensions, &QPushButton::clicked, this, &FrmOrbanil::dimensionsRequested);
    connect(CmdAyuda, &QPushButton::clicked, this, &FrmOrbanil::ayudaRequested);
    connect(CmdAbout, &QPushButton::clicked, this, &FrmOrbanil::aboutRequested);
    connect(CmdExit, &QPushButton::clicked, this, &FrmOrbanil::exitRequested);
}

void FrmOrbanil::createViewpointRow()
{
    QLabel* lblVista = addLabel(this, "lblVista", QStringLiteral("&Vista:"), 240, 8040, 735, 255);
    cboVista = addComboBox(this, "cboVista", 1080, 7995, 3015, 345);
    cboVista->setAccessibleName(QStringLiteral("Vista mostrada"));
    lblVista->setBuddy(cboVista);
    CmdAddView =
        addButton(this, "CmdAddView", QStringLiteral("Añad&ir vista"), 4320, 7920, 2295, 495);
    CmdAddView->setAccessibleName(QStringLiteral("Añadir una vista después de la mostrada"));
    CmdRemoveView =
        addButton(this, "CmdRemoveView", QStringLiteral("&Quitar vista"), 6720, 7920, 2415, 495);
    CmdRemoveView->setAccessibleName(QStringLiteral("Quitar la vista mostrada"));
    refreshViewpointControls();

    connect(cboVista, &QComboBox::currentIndexChanged, this, &FrmOrbanil::cboVista_Click);
    connect(CmdAddView, &QPushButton::clicked, this, &FrmOrbanil::CmdAddView_Click);
    connect(CmdRemoveView, &QPushButton::clicked, this, &FrmOrbanil::CmdRemoveView_Click);
}

void FrmOrbanil::Form_Load(const CabinBox& box)
{
    readFileList();
    setBox(box);
    for (QLineEdit* field :
         {viewField(&ViewParams::shapeFile), viewField(&ViewParams::soundFile)}) {
        field->setToolTip(field->text());
    }
}

void FrmOrbanil::setBox(const CabinBox& box)
{
    lbl1->setText(rangeText("Ancho: ", box.width));
    lbl2->setText(rangeText("Alto: ", box.height));
    lbl3->setText(rangeText("Largo: ", box.length));
    m_box = box;
    picCameraView->setViewInput(allViewpoints(), m_shown, m_box);
}

bool FrmOrbanil::holdsWork() const
{
    return !txtCode->isEmpty() || m_viewpoints.size() > 1 ||
           std::ranges::any_of(m_viewFields,
                               [](const QLineEdit* field) { return !field->text().isEmpty(); });
}

void FrmOrbanil::setShapeFile(const QString& name)
{
    viewField(&ViewParams::shapeFile)->setText(name);
}

void FrmOrbanil::setSoundFile(const QString& name)
{
    viewField(&ViewParams::soundFile)->setText(name);
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

void FrmOrbanil::Timer1_Timer()
{
    const std::vector<ViewParams> viewpoints = allViewpoints();
    setEnabledIfChanged(CmdGenerate, isReady(viewpoints.front(), addedViewpoints()));
    picCameraView->setViewInput(viewpoints, m_shown, m_box);
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
    const ViewParams typed = principalParams();
    const std::vector<ViewParams> added = addedViewpoints();
    if (const std::optional<BlockProblem> problem = viewpointsProblem(typed, added)) {
        warn(QStringLiteral("Generar Código"), QString::fromStdString(problem->message));
        showViewpoint(problem->viewpoint);
        QLineEdit* field = viewField(problem->field);
        field->setFocus();
        field->selectAll();
        return;
    }
    txtCode->replaceCodeText(QString::fromStdString(generateViewpoints(blockValues(typed), added)));
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
    bool replaceAdded = true;
    if (!reading->alternates.empty() && m_viewpoints.anyAddedChanged()) {
        // Only "Sí" replaces them; Escape and the close box keep them.
        replaceAdded =
            m_services.message(
                this, Message{title, QString::fromStdString(replaceAddedQuestion(*reading)),
                              QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No, QMessageBox::No}) == QMessageBox::Yes;
    }
    const InsideReadBack readBack =
        readBackInside(*reading, viewParams(), addedViewpoints(), replaceAdded);
    if (readBack.readAlternates) {
        m_viewpoints.replaceAdded(readBack.added);
        refreshViewpointControls();
        Timer1_Timer();
    }
    for (std::size_t i = 0; i < viewFields.size(); ++i) {
        const QString text = QString::fromStdString(readBack.fields.*viewFields[i].member);
        if (m_viewFields[i]->text() != text) {
            // As one edit that Ctrl+Z in the field undoes, like typing.
            m_viewFields[i]->selectAll();
            m_viewFields[i]->insert(text);
        }
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
    showCodePanel(CodePanel::None);
    readFileList();
    // Emptied only now that the file holds the code, and without an undo record: the file keeps
    // the text, and recording a large removal line by line costs more than the save itself.
    txtCode->clear();
}

void FrmOrbanil::CmdOpenFile_Click()
{
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
    txtCode->replaceCodeText(QString::fromStdString(text));
    showCodePanel(CodePanel::None);
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

ViewParams FrmOrbanil::principalParams() const
{
    const ViewParams fields = viewParams();
    return m_shown == 0 ? fields : withNumbersOf(fields, m_viewpoints.numbers(0));
}

std::vector<ViewParams> FrmOrbanil::addedViewpoints() const
{
    std::vector<ViewParams> added = m_viewpoints.added();
    if (m_shown > 0) {
        added[m_shown - 1] = withNumbersOf(ViewParams{}, viewParams());
    }
    return added;
}

std::vector<ViewParams> FrmOrbanil::allViewpoints() const
{
    const ViewParams principal = principalParams();
    std::vector<ViewParams> all{principal};
    for (const ViewParams& numbers : addedViewpoints()) {
        all.push_back(withNumbersOf(principal, numbers));
    }
    return all;
}

void FrmOrbanil::keepShownNumbers()
{
    m_viewpoints.setNumbers(m_shown, viewParams());
}

void FrmOrbanil::showViewpoint(std::size_t viewpoint)
{
    if (viewpoint == m_shown) {
        return;
    }
    keepShownNumbers();
    displayViewpoint(viewpoint);
}

void FrmOrbanil::displayViewpoint(std::size_t viewpoint)
{
    m_shown = viewpoint;
    const ViewParams& numbers = m_viewpoints.numbers(viewpoint);
    for (std::size_t i = 0; i < viewFields.size(); ++i) {
        if (isNumberField(viewFields[i])) {
            m_viewFields[i]->setText(QString::fromStdString(numbers.*viewFields[i].member));
        }
    }
    refreshViewpointControls();
    // Generate and the drawing follow at once, as they follow typing.
    Timer1_Timer();
}

void FrmOrbanil::refreshViewpointControls()
{
    {
        const QSignalBlocker quiet(cboVista);
        cboVista->clear();
        for (std::size_t i = 0; i < m_viewpoints.size(); ++i) {
            cboVista->addItem(QString::fromStdString(viewpointName(i)));
        }
        cboVista->setCurrentIndex(static_cast<int>(m_shown));
    }
    CmdRemoveView->setEnabled(m_shown > 0);

    QWidget* const names[] = {viewField(&ViewParams::shapeFile), Command1,
                              viewField(&ViewParams::soundFile), Command2};
    const bool locked = m_shown > 0;
    if (locked == viewField(&ViewParams::shapeFile)->isReadOnly()) {
        return;
    }
    for (std::size_t i = 0; i < std::size(names); ++i) {
        if (locked) {
            m_nameTips[i] = names[i]->toolTip();
        }
        names[i]->setToolTip(
            locked ? QStringLiteral("Las vistas añadidas usan los archivos de la vista principal.")
                   : m_nameTips[i]);
    }
    viewField(&ViewParams::shapeFile)->setReadOnly(locked);
    viewField(&ViewParams::soundFile)->setReadOnly(locked);
    Command1->setEnabled(!locked);
    Command2->setEnabled(!locked);
}

void FrmOrbanil::cboVista_Click(int index)
{
    if (index >= 0) {
        showViewpoint(static_cast<std::size_t>(index));
    }
}

void FrmOrbanil::CmdAddView_Click()
{
    keepShownNumbers();
    displayViewpoint(m_viewpoints.addAfter(m_shown));
}

void FrmOrbanil::CmdRemoveView_Click()
{
    if (m_shown == 0) {
        return;
    }
    keepShownNumbers();
    if (m_viewpoints.changedSinceAdded(m_shown)) {
        const QString name = QString::fromStdString(viewpointName(m_shown));
        const QMessageBox::StandardButton answer = m_services.message(
            this, Message{QStringLiteral("Quitar vista"),
                          name + QStringLiteral(" tiene números distintos de los que tenía al "
                                                "añadirla. ¿Quiere quitarla?"),
                          QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                          QMessageBox::No, QMessageBox::No});
        if (answer != QMessageBox::Yes) {
            return;
        }
    }
    const std::size_t removed = m_shown;
    m_viewpoints.remove(removed);
    displayViewpoint(removed - 1);
}

} // namespace orbanil
