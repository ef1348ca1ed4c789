#include "ui/WindowSet.h"

#include "core/block/ViewNumbers.h"
#include "core/screen/WindowPlacement.h"
#include "ui/FrmAbout.h"
#include "ui/FrmAyuda.h"
#include "ui/FrmBox.h"
#include "ui/FrmOrbanil.h"
#include "ui/FrmPicker.h"
#include "ui/FrmVista.h"

#include <utility>

namespace orbanil {

WindowSet::WindowSet(std::filesystem::path programFolder, UiServices services, QObject* parent)
    : QObject(parent), m_programFolder(std::move(programFolder)), m_services(std::move(services)),
      m_cabinShape(m_files)
{
    connect(&m_cabinShape, &CabinShapeReader::shapeRead, this, &WindowSet::shapeRead);
}

WindowSet::~WindowSet()
{
    delete m_main;
    delete m_box;
    delete m_about;
    delete m_shape;
    delete m_sms;
    delete m_ayuda;
    delete m_vista;
    for (const QPointer<QWidget>& window : std::as_const(m_unloading)) {
        delete window.data();
    }
}

bool WindowSet::anyLoaded() const
{
    return m_main || m_box || m_about || m_shape || m_sms || m_ayuda || m_vista;
}

void WindowSet::start()
{
    loadBox().showWindow();
}

template <class Window> void WindowSet::unload(Window*& slot)
{
    if (!slot) {
        return;
    }
    Window* window = std::exchange(slot, nullptr);
    disconnect(window, nullptr, this, nullptr);
    window->hide();
    // The window may be inside one of its own handlers: it is destroyed once that returns.
    window->deleteLater();
    m_unloading.removeAll(nullptr);
    m_unloading.append(window);
    if (!anyLoaded()) {
        emit allUnloaded();
    }
}

FrmBox& WindowSet::loadBox()
{
    if (!m_box) {
        m_box = new FrmBox(m_services);
        connect(m_box, &FrmBox::nextAccepted, this, &WindowSet::boxNext);
        connect(m_box, &FrmBox::closeRequested, this, &WindowSet::boxClose);
        connect(m_box, &FixedWindow::closeBoxPressed, this, &WindowSet::boxClose);
    }
    return *m_box;
}

FrmOrbanil& WindowSet::loadMain()
{
    if (!m_main) {
        // The load step reads the dialog's dimensions, so the dialog is loaded first.
        m_main = new FrmOrbanil(m_programFolder, m_services, loadBox().dimensions());
        connect(m_main, &FrmOrbanil::dimensionsRequested, this, &WindowSet::mainDimensions);
        connect(m_main, &FrmOrbanil::exitRequested, this, &WindowSet::mainExit);
        connect(m_main, &FixedWindow::closeBoxPressed, this, &WindowSet::mainExit);
        connect(m_main, &FrmOrbanil::aboutRequested, this, [this] { loadAbout().showWindow(); });
        connect(m_main, &FrmOrbanil::ayudaRequested, this, [this] { loadAyuda().showWindow(); });
        connect(m_main, &FrmOrbanil::shapePickerRequested, this,
                [this] { loadPicker(m_shape, FrmPicker::Kind::Shape).showWindow(); });
        connect(m_main, &FrmOrbanil::soundPickerRequested, this,
                [this] { loadPicker(m_sms, FrmPicker::Kind::Sms).showWindow(); });
        connect(m_main, &FrmOrbanil::passengerViewRequested, this, [this] {
            loadVista().showWindow(besideMain());
            tellVista();
        });
        connect(m_main, &FrmOrbanil::shownViewpointChanged, this, &WindowSet::tellVista);
        connect(m_main, &FrmOrbanil::shownViewpointChanged, this, [this] { followShape(); });
        // A passenger view left open from before shows this window's viewpoint from now on.
        tellVista();
    }
    return *m_main;
}

FrmAbout& WindowSet::loadAbout()
{
    if (!m_about) {
        m_about = new FrmAbout(m_services);
        connect(m_about, &FixedWindow::closeBoxPressed, this, [this] { unload(m_about); });
    }
    return *m_about;
}

FrmAyuda& WindowSet::loadAyuda()
{
    if (!m_ayuda) {
        m_ayuda = new FrmAyuda(m_programFolder, m_services);
        connect(m_ayuda, &FixedWindow::closeBoxPressed, this, [this] { unload(m_ayuda); });
    }
    return *m_ayuda;
}

FrmVista& WindowSet::loadVista()
{
    if (!m_vista) {
        m_vista = new FrmVista(m_programFolder, m_services, m_files);
        connect(m_vista, &FixedWindow::closeBoxPressed, this, [this] { unload(m_vista); });
        // The direction goes to the viewpoint it was found for, if that one still shows.
        connect(m_vista, &FrmVista::directionTaken, this,
                [this](std::size_t viewpoint, StartDirectionDegrees direction) {
                    if (m_main && m_main->viewpoints().shown() == viewpoint) {
                        m_main->setShownStartDirection(QString::number(direction.x),
                                                       QString::number(direction.y));
                    }
                });
        connect(m_vista, &FrmVista::positionTaken, this, [this](std::size_t viewpoint, Vec3 head) {
            if (m_main && m_main->viewpoints().shown() == viewpoint) {
                const auto text = [](float value) {
                    return QString::fromStdString(writeHeadCoordinate(value));
                };
                m_main->setShownHead(text(head.x), text(head.y), text(head.z));
            }
        });
        connect(m_vista, &FrmVista::folderChosen, this, [this](const std::filesystem::path& f) {
            if (m_main) {
                m_main->setShapeFolder(f);
                followShape(true);
            }
        });
    }
    return *m_vista;
}

FixedWindow::Placement WindowSet::besideMain() const
{
    // Asked for by the main window, which is loaded.
    return [this](QSize frame, QSize least, QRect area) {
        const auto screen = [](const QRect& r) {
            return ScreenRect{r.left(), r.top(), r.width(), r.height()};
        };
        const ScreenRect placed = besideWindow(screen(area), screen(m_main->frameGeometry()),
                                               screen(m_main->viewNumbersArea()), frame.width(),
                                               frame.height(), least.width());
        return QRect(placed.left, placed.top, placed.width, placed.height);
    };
}

void WindowSet::tellVista()
{
    // Left open after "&Salir", the view keeps what it showed last.
    if (!m_vista || !m_main) {
        return;
    }
    m_vista->setInput(
        VistaInput{m_main->shownViewpoint(), m_main->viewpoints().shown(), m_main->shapeFolder()});
}

void WindowSet::followShape(bool again)
{
    if (m_main) {
        m_cabinShape.read(m_main->shapeFolder(), m_main->viewpoints().principal().shapeFile, again);
    }
}

void WindowSet::shapeRead(const std::shared_ptr<const CabinShape>& shape)
{
    if (m_main) {
        m_main->setCabinShape(shape);
    }
    if (m_box) {
        m_box->setCabinShape(shape);
    }
}

FrmPicker& WindowSet::loadPicker(FrmPicker*& slot, FrmPicker::Kind kind)
{
    if (!slot) {
        std::filesystem::path& lastFolder =
            kind == FrmPicker::Kind::Shape ? m_lastShapeFolder : m_lastSmsFolder;
        slot = new FrmPicker(kind, m_services, volumeRoots(), lastFolder);
        FrmPicker** where = &slot;
        connect(slot, &FrmPicker::nameChosen, this,
                [this, kind, where, &lastFolder](const QString& name) {
                    lastFolder = (*where)->chosenFolder();
                    pickerNameChosen(kind, name);
                });
        connect(slot, &FixedWindow::closeBoxPressed, this, [this, where] { unload(*where); });
    }
    return *slot;
}

void WindowSet::boxNext()
{
    // On a return visit the main window keeps its work and takes the box as it is now.
    FrmOrbanil& main = loadMain();
    main.setBox(loadBox().dimensions());
    main.showWindow();
    if (m_box) {
        m_box->hide();
    }
}

bool WindowSet::leavingConfirmed(QWidget* parent) const
{
    if (!m_main || !m_main->holdsWork()) {
        return true;
    }
    return m_services.message(
               parent, Message{QStringLiteral("Salir"),
                               QStringLiteral("¿Salir de Orbanil? Se perderán los valores y el "
                                              "código que no haya guardado."),
                               QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No, QMessageBox::No}) == QMessageBox::Yes;
}

void WindowSet::boxClose()
{
    if (!leavingConfirmed(m_box)) {
        return;
    }
    unload(m_box);
    unload(m_main);
}

void WindowSet::mainDimensions()
{
    if (m_main) {
        m_main->hide();
    }
    loadBox().showWindow();
}

void WindowSet::mainExit()
{
    if (!leavingConfirmed(m_main)) {
        return;
    }
    unload(m_main);
    unload(m_box);
}

void WindowSet::pickerNameChosen(FrmPicker::Kind kind, const QString& name)
{
    // A picker left open after "&Salir" writes nowhere: the main window is not loaded again.
    if (!m_main) {
        return;
    }
    if (kind == FrmPicker::Kind::Shape) {
        m_main->setChosenShape(name, m_lastShapeFolder);
        tellVista();
        followShape();
    } else {
        m_main->setSoundFile(name);
    }
}

} // namespace orbanil
