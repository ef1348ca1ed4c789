#pragma once

#include "files/FileAccess.h"
#include "ui/CabinShapeReader.h"
#include "ui/FixedWindow.h"
#include "ui/FrmPicker.h"
#include "ui/UiServices.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <filesystem>

namespace orbanil {

class FrmAbout;
class FrmAyuda;
class FrmBox;
class FrmOrbanil;
class FrmVista;

// The windows of a run, one instance each, created on first use. Windows are shown
// without owner and never modal; the run is over when none is loaded, hidden ones included.
class WindowSet : public QObject
{
    Q_OBJECT
public:
    explicit WindowSet(std::filesystem::path programFolder,
                       UiServices services = defaultUiServices(), QObject* parent = nullptr);
    ~WindowSet() override;

    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    // Program start: the box dimensions dialog is loaded and shown.
    void start();

    // The loaded windows, nullptr when not loaded.
    FrmOrbanil* frmOrbanil() const { return m_main; }
    FrmBox* frmBox() const { return m_box; }
    FrmAbout* frmAbout() const { return m_about; }
    FrmPicker* frmShape() const { return m_shape; }
    FrmPicker* frmSms() const { return m_sms; }
    FrmAyuda* frmAyuda() const { return m_ayuda; }
    FrmVista* frmVista() const { return m_vista; }

    bool anyLoaded() const;

signals:
    // The last loaded window was unloaded: the program ends.
    void allUnloaded();

private:
    FrmBox& loadBox();
    FrmOrbanil& loadMain();
    FrmAbout& loadAbout();
    FrmAyuda& loadAyuda();
    FrmVista& loadVista();
    // The passenger view follows the main window's shown viewpoint and shape folder.
    void tellVista();
    // The passenger view opens beside the main window, or where it hides none of its numbers.
    FixedWindow::Placement besideMain() const;
    // The cabin's shape is read for the main window's shape name and folder, for its drawing
    // and the box dialog; `again` reads the files afresh.
    void followShape(bool again = false);
    void shapeRead(const std::shared_ptr<const CabinShape>& shape);
    FrmPicker& loadPicker(FrmPicker*& slot, FrmPicker::Kind kind);

    // Destroys the window in `slot` if there is one; ends the run when none is left.
    template <class Window> void unload(Window*& slot);

    // The one question of every way out: whether to leave although the main window holds
    // work; true without asking when it holds none.
    bool leavingConfirmed(QWidget* parent) const;

    void boxNext();
    // "&Cerrar" and the dialog's close box end the run once leaving is confirmed.
    void boxClose();
    void mainDimensions();
    // "&Salir" and the main window's close box, likewise.
    void mainExit();
    void pickerNameChosen(FrmPicker::Kind kind, const QString& name);

    std::filesystem::path m_programFolder;
    UiServices m_services;
    DiskFileAccess m_files; // what the passenger view and the drawing read the cabin through
    FrmOrbanil* m_main = nullptr;
    FrmBox* m_box = nullptr;
    FrmAbout* m_about = nullptr;
    FrmPicker* m_shape = nullptr;
    FrmPicker* m_sms = nullptr;
    FrmAyuda* m_ayuda = nullptr;
    FrmVista* m_vista = nullptr;
    // Where the last pick of each picker was, for the next opening; for this run only.
    std::filesystem::path m_lastShapeFolder;
    std::filesystem::path m_lastSmsFolder;
    // Unloaded windows waiting for their deferred deletion; destroyed with the set at the latest.
    QList<QPointer<QWidget>> m_unloading;
    // One reading of the cabin's shape for every window that shows or measures it.
    CabinShapeReader m_cabinShape;
};

} // namespace orbanil
