#include "ui/FrmVista.h"

#include "core/block/ViewNumbers.h"
#include "core/block/Viewpoints.h"
#include "files/FileBytes.h"
#include "files/FileError.h"
#include "files/PathText.h"
#include "files/SimulatorPath.h"
#include "ui/Icons.h"
#include "ui/PassengerViewWidget.h"
#include "ui/PathQString.h"

#include <QBuffer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStringList>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace orbanil {

namespace {

QString joinedLines(const std::vector<std::string>& lines)
{
    QStringList joined;
    for (const std::string& line : lines) {
        joined.append(QString::fromStdString(line));
    }
    return joined.join(QLatin1Char('\n'));
}

// Whole degrees, written with °.
QSpinBox* degreeBox(QWidget* parent, int least, int most, double value, const QString& spokenName)
{
    auto* box = new QSpinBox(parent);
    box->setRange(least, most);
    box->setSuffix(QStringLiteral("°"));
    box->setValue(static_cast<int>(std::lround(value)));
    box->setAccessibleName(spokenName);
    return box;
}

bool sameInput(const VistaInput& a, const VistaInput& b)
{
    return a.viewpoint == b.viewpoint && a.shapeFolder == b.shapeFolder &&
           a.view.shapeFile == b.view.shapeFile && sameNumbers(a.view, b.view);
}

} // namespace

FrmVista::FrmVista(std::filesystem::path programFolder, UiServices services,
                   const FileAccess& files)
    : FixedWindow(QStringLiteral("Orbanil - Vista del pasajero"), 9900, 9300, programIcon(),
                  std::move(services)),
      m_programFolder(std::move(programFolder)), m_render(new ViewRenderThread(files, this)),
      lblFolder(makeLabel(page(), "lblFolder", {})),
      CmdFolder(makeButton(page(), "CmdFolder", QStringLiteral("Carpeta del &vagón…"))),
      lblShape(makeLabel(page(), "lblShape", {})),
      picVista(makeControl(new PassengerViewWidget(page()), "picVista")),
      optDay(makeControl(new QRadioButton(QStringLiteral("&Día"), page()), "optDay")),
      optNight(makeControl(new QRadioButton(QStringLiteral("&Noche"), page()), "optNight")),
      lblSunHeight(makeLabel(page(), "lblSunHeight", QStringLiteral("&Altura del sol:"))),
      // By day the sun stands above the horizon; below it, the night's light begins.
      spnSunHeight(
          makeControl(degreeBox(page(), 0, 90, m_light.sunElevation,
                                QStringLiteral("Altura del sol en grados sobre el horizonte")),
                      "spnSunHeight")),
      lblSunSide(makeLabel(page(), "lblSunSide", QStringLiteral("&Lado del sol:"))),
      spnSunSide(makeControl(degreeBox(page(), -179, 180, m_light.sunAzimuth,
                                       QStringLiteral("Lado del sol en grados desde el frente "
                                                      "del vagón, positivo a la derecha")),
                             "spnSunSide")),
      lblOutside(makeLabel(
          page(), "lblOutside",
          QStringLiteral("El exterior no se dibuja: por las ventanas se ve un cielo liso."))),
      lblHint(
          makeLabel(page(), "lblHint",
                    QStringLiteral("Gire la vista arrastrando con el botón derecho o el "
                                   "izquierdo, o con las flechas. Mueva la cabeza arrastrando "
                                   "con el botón central, o con Mayús y el izquierdo, o con "
                                   "RePág, AvPág y Alt+flechas (Mayús mueve más, Ctrl menos)."))),
      lblTextures(makeLabel(page(), "lblTextures", {})), lblHead(makeLabel(page(), "lblHead", {})),
      lblAssumed(makeLabel(page(), "lblAssumed", {})),
      lblDirection(makeLabel(page(), "lblDirection", {})),
      lblDistances(makeLabel(page(), "lblDistances", {})),
      lblRotationLimit(makeLabel(
          page(), "lblRotationLimit",
          QStringLiteral("RotationLimit no limita el giro en Open Rails, que no lo usa; aquí la "
                         "vista gira sin límite, como allí. Microsoft Train Simulator sí "
                         "limitaba el giro con él."))),
      CmdReset(makeButton(page(), "CmdReset", QStringLiteral("&Restablecer"))),
      CmdUseDirection(
          makeButton(page(), "CmdUseDirection", QStringLiteral("&Usar esta dirección"))),
      CmdUsePosition(makeButton(page(), "CmdUsePosition", QStringLiteral("Usar esta &posición"))),
      CmdSaveImage(makeButton(page(), "CmdSaveImage", QStringLiteral("Guardar &imagen…"))),
      CmdClose(makeButton(page(), "CmdClose", QStringLiteral("&Cerrar")))
{
    setObjectName(QStringLiteral("FrmVista"));
    CmdFolder->setAccessibleName(QStringLiteral("Elegir la carpeta del vagón"));
    CmdReset->setAccessibleName(QStringLiteral(
        "Restablecer la posición de la cabeza, la dirección de inicio y el campo de visión"));
    CmdUseDirection->setAccessibleName(QStringLiteral("Usar esta dirección en StartDirection"));
    CmdUsePosition->setAccessibleName(
        QStringLiteral("Usar esta posición en PassengerCabinHeadPos"));
    CmdSaveImage->setAccessibleName(QStringLiteral("Guardar la imagen de la vista"));
    CmdClose->setAccessibleName(QStringLiteral("Cerrar la vista del pasajero"));
    optDay->setAccessibleName(QStringLiteral("Luz de día"));
    optNight->setAccessibleName(QStringLiteral("Luz de noche"));
    optDay->setChecked(!m_light.night);
    optNight->setChecked(m_light.night);
    lblSunHeight->setBuddy(spnSunHeight);
    lblSunSide->setBuddy(spnSunSide);
    // A full turn, each side of it once: up from 180, behind the car, comes -179.
    spnSunSide->setWrapping(true);
    layOut();
    makeResizable();
    closeOnEscape();
    setFocusOrder({picVista, optDay, optNight, spnSunHeight, spnSunSide, CmdFolder, CmdReset,
                   CmdUseDirection, CmdUsePosition, CmdSaveImage, CmdClose});
    // Nothing to save until the first picture comes.
    CmdSaveImage->setEnabled(false);

    connect(m_render, &ViewRenderThread::frameReady, this, &FrmVista::showFrame);
    connect(CmdFolder, &QPushButton::clicked, this, &FrmVista::CmdFolder_Click);
    connect(CmdReset, &QPushButton::clicked, this, &FrmVista::CmdReset_Click);
    connect(CmdUseDirection, &QPushButton::clicked, this, &FrmVista::CmdUseDirection_Click);
    connect(CmdUsePosition, &QPushButton::clicked, this, &FrmVista::CmdUsePosition_Click);
    connect(CmdSaveImage, &QPushButton::clicked, this, &FrmVista::CmdSaveImage_Click);
    connect(CmdClose, &QPushButton::clicked, this, &FrmVista::CmdClose_Click);
    connect(picVista, &PassengerViewWidget::dragged, this, &FrmVista::picVista_Dragged);
    connect(picVista, &PassengerViewWidget::zoomed, this, &FrmVista::picVista_Zoomed);
    connect(picVista, &PassengerViewWidget::turned, this, &FrmVista::picVista_Turned);
    connect(picVista, &PassengerViewWidget::headStepped, this, &FrmVista::picVista_HeadStepped);
    connect(picVista, &PassengerViewWidget::headDragged, this, &FrmVista::picVista_HeadDragged);
    connect(picVista, &PassengerViewWidget::resized, this, &FrmVista::requestFrame);
    connect(optNight, &QRadioButton::toggled, this, &FrmVista::Light_Change);
    connect(spnSunHeight, &QSpinBox::valueChanged, this, &FrmVista::Light_Change);
    connect(spnSunSide, &QSpinBox::valueChanged, this, &FrmVista::Light_Change);

    m_typed = typedCamera(m_input.view);
    refreshFolder();
    refreshDirection();
}

void FrmVista::layOut()
{
    auto* layout = new QGridLayout(page());
    layout->addWidget(lblFolder, 0, 0);
    layout->addWidget(CmdFolder, 0, 1);
    layout->addWidget(lblShape, 1, 0, 1, 2);
    layout->addWidget(picVista, 2, 0, 1, 2);
    auto* light = new QHBoxLayout;
    for (QWidget* control : std::initializer_list<QWidget*>{optDay, optNight, lblSunHeight,
                                                            spnSunHeight, lblSunSide, spnSunSide}) {
        light->addWidget(control);
    }
    light->addSpacing(lblOutside->fontMetrics().averageCharWidth() * 2);
    lblOutside->setWordWrap(true);
    light->addWidget(lblOutside, 1);
    layout->addLayout(light, 3, 0, 1, 2);
    int row = 4;
    // The notes wrap; a line is kept for each, so that one coming does not move the image.
    for (QLabel* label : {lblHint, lblTextures, lblHead, lblAssumed, lblDirection, lblDistances,
                          lblRotationLimit}) {
        label->setWordWrap(true);
        label->setMinimumHeight(label->fontMetrics().height());
        layout->addWidget(label, row++, 0, 1, 2);
    }
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {CmdReset, CmdUseDirection, CmdUsePosition, CmdSaveImage}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    buttons->addWidget(CmdClose);
    layout->addLayout(buttons, row, 0, 1, 2);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(0, 1);
}

void FrmVista::setInput(const VistaInput& input)
{
    if (sameInput(input, m_input)) {
        return;
    }
    // A new viewpoint, or a new start direction typed, turns the view there; a new head moves
    // it and leaves it looking where the user turned it.
    const bool turnToTyped = input.viewpoint != m_input.viewpoint ||
                             input.view.startDirectionX != m_input.view.startDirectionX ||
                             input.view.startDirectionY != m_input.view.startDirectionY ||
                             !m_typed.camera;
    // The main window's folder counts when it tells a new one; the last folder chosen here
    // stays until then.
    if (input.shapeFolder != m_input.shapeFolder && !input.shapeFolder.empty()) {
        m_folder = input.shapeFolder;
        headPlacedAnew();
    }
    // A new viewpoint, or a new head typed, puts the head where the fields say; a new shape
    // places an unwritten one anew.
    const ViewParams& view = input.view;
    if (input.viewpoint != m_input.viewpoint || view.headX != m_input.view.headX ||
        view.headY != m_input.view.headY || view.headZ != m_input.view.headZ) {
        m_movedHead.reset();
        headPlacedAnew();
    }
    if (view.shapeFile != m_input.view.shapeFile) {
        headPlacedAnew();
    }
    m_input = input;
    m_typed = typedCamera(input.view);
    if (m_typed.camera) {
        if (turnToTyped) {
            m_camera.pitch = m_typed.camera->pitch;
            m_camera.heading = m_typed.camera->heading;
        }
    }
    refreshFolder();
    refreshDirection();
    requestFrame();
}

std::optional<PassengerCamera> FrmVista::camera() const
{
    const std::optional<Vec3> head = shownHead();
    if (!head) {
        return std::nullopt;
    }
    PassengerCamera camera = m_camera;
    camera.eye = *head;
    return camera;
}

std::optional<Vec3> FrmVista::shownHead() const
{
    if (!m_typed.camera) {
        return std::nullopt;
    }
    if (m_movedHead) {
        return m_movedHead;
    }
    if (!m_typed.assumesHead()) {
        return m_typed.camera->eye;
    }
    // The shape places an unwritten head: the frames drawn for it say where.
    if (m_shown && m_shown->serial >= m_headFrom && m_shown->frame.camera) {
        return m_shown->frame.camera->eye;
    }
    return std::nullopt;
}

void FrmVista::headPlacedAnew()
{
    // The next state asked for is the first to show the head so.
    m_headFrom = m_requested + 1;
}

bool FrmVista::isUpToDate() const
{
    return m_shown && m_shown->serial == m_requested;
}

void FrmVista::showEvent(QShowEvent* event)
{
    FixedWindow::showEvent(event);
    requestFrame();
}

void FrmVista::requestFrame()
{
    // Until the window shows, the image has no size to be drawn at.
    if (!isVisible()) {
        return;
    }
    const QSize size = picVista->imageSize();
    const std::optional<PassengerCamera> looking =
        m_typed.camera ? std::optional(m_camera) : std::nullopt;
    PassengerViewState state{m_folder, m_input.view.shapeFile, m_readings,   m_typed,
                             looking,  size.width(),           size.height()};
    state.movedHead = m_movedHead;
    state.light = m_light;
    m_requested = m_render->request(std::move(state));
}

void FrmVista::showFrame(std::shared_ptr<const ShownFrame> frame)
{
    m_shown = std::move(frame);
    const PassengerViewFrame& shown = m_shown->frame;
    lblShape->setText(QString::fromStdString(shown.shapeLine));
    lblTextures->setText(QString::fromStdString(shown.texturesLine));
    lblHead->setText(QString::fromStdString(shown.headLine));
    lblAssumed->setText(QString::fromStdString(shown.assumedLine));
    lblDistances->setText(QString::fromStdString(shown.distancesLine));
    // The frame may be the first to place a head the fields leave unwritten.
    refreshDirection();
    const bool drawn = shown.status == ViewStatus::Drawn;
    if (drawn) {
        picVista->showImage(m_shown->image, lblDirection->text());
    } else {
        picVista->showLines(joinedLines(shown.lines));
    }
    setEnabledIfChanged(CmdSaveImage, drawn && !m_shown->image.isNull());
}

void FrmVista::refreshFolder()
{
    lblFolder->setText(m_folder.empty()
                           ? QStringLiteral("Carpeta del vagón: sin elegir")
                           : QStringLiteral("Carpeta del vagón: %1")
                                 .arg(QString::fromStdString(nativePathText(m_folder))));
}

void FrmVista::refreshDirection()
{
    const QString viewpoint = QString::fromStdString(viewpointName(m_input.viewpoint));
    const std::optional<Vec3> head = shownHead();
    if (!m_typed.camera) {
        lblDirection->setText(QStringLiteral("%1: faltan números para la cámara.").arg(viewpoint));
    } else {
        // The numbers as the fields would hold them, the head once the view has placed it.
        const std::string direction =
            (head ? headPositionText(*head) + ", " : std::string()) +
            startDirectionText(startDirectionOf(m_camera), m_input.view.startDirectionZ);
        lblDirection->setText(QStringLiteral("%1: %2, campo de visión %3°")
                                  .arg(viewpoint, QString::fromStdString(direction),
                                       QString::fromStdString(writeRounded(m_camera.fieldOfView))));
    }
    setEnabledIfChanged(CmdReset, head.has_value());
    setEnabledIfChanged(CmdUseDirection, head.has_value());
    setEnabledIfChanged(CmdUsePosition, head.has_value());
}

void FrmVista::look(const PassengerCamera& camera)
{
    if (!shownHead()) {
        return;
    }
    m_camera = camera;
    refreshDirection();
    requestFrame();
}

void FrmVista::moveHead(Vec3d step)
{
    const std::optional<Vec3> head = shownHead();
    // The cabin's bounds come with its image.
    if (!head || !m_shown || !m_shown->frame.bounds) {
        return;
    }
    m_movedHead = movedHead(*head, step, *m_shown->frame.bounds);
    refreshDirection();
    requestFrame();
}

void FrmVista::picVista_HeadStepped(HeadDirection direction, StepPace pace)
{
    moveHead(headStep(direction, pace));
}

void FrmVista::picVista_HeadDragged(QPoint by)
{
    moveHead(headDragStep(m_camera.heading, by.x(), -by.y()));
}

void FrmVista::picVista_Dragged(QPoint by)
{
    look(dragged(m_camera, by.x(), by.y()));
}

void FrmVista::picVista_Zoomed(double notches)
{
    look(zoomed(m_camera, notches));
}

void FrmVista::picVista_Turned(int right, int down)
{
    look(turnedByKeys(m_camera, right, down));
}

void FrmVista::Light_Change()
{
    m_light.night = optNight->isChecked();
    m_light.sunElevation = spnSunHeight->value();
    m_light.sunAzimuth = spnSunSide->value();
    // The night has no sun to place.
    for (QWidget* control :
         std::initializer_list<QWidget*>{lblSunHeight, spnSunHeight, lblSunSide, spnSunSide}) {
        setEnabledIfChanged(control, !m_light.night);
    }
    requestFrame();
}

void FrmVista::CmdFolder_Click()
{
    const std::filesystem::path start = m_folder.empty() ? m_programFolder : m_folder;
    const FileQuestion question{QStringLiteral("Carpeta del vagón"), pathToQString(start), {}};
    const QString chosen =
        services().chooseFolder ? services().chooseFolder(this, question) : QString();
    if (chosen.isEmpty()) {
        return;
    }
    m_folder = qStringToPath(chosen);
    // Choosing a folder again reads its files afresh: the shape may have been exported anew.
    ++m_readings;
    headPlacedAnew();
    refreshFolder();
    requestFrame();
    emit folderChosen(m_folder);
}

void FrmVista::CmdReset_Click()
{
    if (!m_typed.camera) {
        return;
    }
    m_camera = *m_typed.camera;
    m_movedHead.reset();
    headPlacedAnew();
    refreshDirection();
    requestFrame();
}

void FrmVista::CmdUseDirection_Click()
{
    if (shownHead()) {
        emit directionTaken(m_input.viewpoint, startDirectionOf(m_camera));
    }
}

void FrmVista::CmdUsePosition_Click()
{
    if (const std::optional<Vec3> head = shownHead()) {
        emit positionTaken(m_input.viewpoint, *head);
    }
}

void FrmVista::CmdSaveImage_Click()
{
    if (!m_shown || m_shown->image.isNull()) {
        return;
    }
    // "coche-vista.png" for the shape coche.s, in the program folder.
    const std::string stem =
        pathText(pathFromText(simulatorFileName(m_input.view.shapeFile)).stem());
    const std::filesystem::path offered =
        m_programFolder / pathFromText((stem.empty() ? "vista" : stem + "-vista") + ".png");
    const FileQuestion question{QStringLiteral("Guardar la imagen de la vista"),
                                pathToQString(offered), QStringLiteral("Imagen PNG (*.png)")};
    QString chosen =
        services().chooseFileToSave ? services().chooseFileToSave(this, question) : QString();
    if (chosen.isEmpty()) {
        return;
    }
    if (!chosen.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        chosen += QLatin1String(".png");
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    try {
        if (!m_shown->image.save(&buffer, "PNG")) {
            throw FileError(qStringToPath(chosen), "no se pudo preparar la imagen PNG",
                            FileAction::Save);
        }
        replaceFileAtomically(
            qStringToPath(chosen),
            std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
    } catch (const FileError& error) {
        services().message(
            this, warning(QStringLiteral("Guardar imagen"), QString::fromStdString(error.what())));
    }
}

void FrmVista::CmdClose_Click()
{
    close();
}

} // namespace orbanil
