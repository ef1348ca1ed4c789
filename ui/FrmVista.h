#pragma once

#include "core/block/ViewParams.h"
#include "core/view/CabinLight.h"
#include "core/view/PassengerCamera.h"
#include "core/view/TypedCamera.h"
#include "ui/FixedWindow.h"
#include "ui/ViewRenderThread.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>

class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace orbanil {

class PassengerViewWidget;

// What the main window tells the view: the viewpoint it shows and where the shape is found.
struct VistaInput
{
    ViewParams view;           // the shown viewpoint's nine numbers, the principal's two names
    std::size_t viewpoint = 0; // which viewpoint the numbers are, 0 the principal
    // Where the shape field's name is found from, when the main window knows it (the folder of
    // the file the picker chose); empty when it does not.
    std::filesystem::path shapeFolder;
};

// "Orbanil - Vista del pasajero": the interior shape drawn from the head position of the shown
// viewpoint as the simulator's passenger camera sees it, following every change of the main
// window's fields. The user looks around with the mouse, the wheel and the arrow keys, moves the
// head with the simulator's keys or a drag, sees the cabin by day or by night, and hands the
// direction and the head found back to the fields.
class FrmVista : public FixedWindow
{
    Q_OBJECT
public:
    // The shape and its textures are read through `files`, which outlives the window.
    FrmVista(std::filesystem::path programFolder, UiServices services, const FileAccess& files);

    // The view follows the fields as they stand; nothing is read or drawn while the window
    // waits for its drawing thread.
    void setInput(const VistaInput& input);

    // The camera the view looks through; nothing while the fields give none, or while a head
    // they leave unwritten waits for the shape that places it.
    std::optional<PassengerCamera> camera() const;
    // The folder the shape is found from; empty while none is known.
    const std::filesystem::path& wagonFolder() const { return m_folder; }
    // Whether what the window shows is drawn for the state it was last given.
    bool isUpToDate() const;

signals:
    // "Usar esta dirección": the direction the view looks in, for StartDirection X and Y of
    // that viewpoint.
    void directionTaken(std::size_t viewpoint, StartDirectionDegrees direction);
    // "Usar esta posición": the head as the view shows it, for PassengerCabinHeadPos of that
    // viewpoint.
    void positionTaken(std::size_t viewpoint, Vec3 head);
    // "Carpeta del vagón…" chose the folder the shape is found from.
    void folderChosen(const std::filesystem::path& folder);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CmdFolder_Click();
    void CmdReset_Click();
    void CmdUseDirection_Click();
    void CmdUsePosition_Click();
    void CmdSaveImage_Click();
    void CmdClose_Click();
    void picVista_Dragged(QPoint by);
    void picVista_Zoomed(double notches);
    void picVista_Turned(int right, int down);
    void picVista_HeadStepped(HeadDirection direction, StepPace pace);
    void picVista_HeadDragged(QPoint by);
    // Day or night, or the sun moved: the light as the controls give it.
    void Light_Change();

    // The image above, growing with the window; under it the notes, each keeping its line, and
    // the buttons.
    void layOut();
    // The camera turned or zoomed by the user: drawn again, the fields untouched.
    void look(const PassengerCamera& camera);
    // The head moved by the user, kept in the cabin: likewise.
    void moveHead(Vec3d step);
    // Asks for a frame of the state as it stands now.
    void requestFrame();
    void showFrame(std::shared_ptr<const ShownFrame> frame);
    void refreshDirection();
    void refreshFolder();
    // The head as the view shows it, when the window knows it.
    std::optional<Vec3> shownHead() const;
    // What places the head has changed: the frames asked for from now on show where.
    void headPlacedAnew();

    std::filesystem::path m_programFolder;
    ViewRenderThread* m_render;

    VistaInput m_input;
    std::filesystem::path m_folder;  // the folder the shape is found from
    unsigned m_readings = 0;         // counts the times the folder was chosen
    TypedCamera m_typed;             // the camera of the fields as typed
    PassengerCamera m_camera;        // where the user looks: the typed one, turned; its head
                                     // is shownHead()
    std::uint64_t m_requested = 0;   // the serial of the last state asked for
    std::uint64_t m_headFrom = 0;    // the serial from which frames show the head as placed now
    std::optional<Vec3> m_movedHead; // where the user moved the head; nothing: as placed
    CabinLight m_light;              // the view's own, never written to the fields
    std::shared_ptr<const ShownFrame> m_shown;

    QLabel* lblFolder;
    QPushButton* CmdFolder;
    QLabel* lblShape;
    PassengerViewWidget* picVista;
    QRadioButton* optDay;
    QRadioButton* optNight;
    QLabel* lblSunHeight;
    QSpinBox* spnSunHeight;
    QLabel* lblSunSide;
    QSpinBox* spnSunSide;
    QLabel* lblOutside;
    QLabel* lblHint;
    QLabel* lblTextures;
    QLabel* lblHead;
    QLabel* lblAssumed;
    QLabel* lblDirection;
    QLabel* lblDistances;
    QLabel* lblRotationLimit;
    QPushButton* CmdReset;
    QPushButton* CmdUseDirection;
    QPushButton* CmdUsePosition;
    QPushButton* CmdSaveImage;
    QPushButton* CmdClose;
};

} // namespace orbanil
