#pragma once

#include "core/block/CabinBox.h"
#include "core/block/ViewParams.h"
#include "core/block/Viewpoints.h"
#include "ui/FixedWindow.h"
#include "ui/UiServices.h"

#include <QHash>
#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace orbanil {

struct CabinShape;
struct HeadMove;
class CameraViewWidget;
class CodeBox;
class ViewpointControls;

// The main window: the view parameters, the code box with its save and open panels and the
// camera view drawn where neither panel is shown, the cabin box ranges, the viewpoints and the
// buttons that reach the other windows.
class FrmOrbanil : public FixedWindow
{
    Q_OBJECT
public:
    // Loads the window, whose load step shows the ranges of the box as typed in the dialog.
    FrmOrbanil(std::filesystem::path programFolder, UiServices services, const CabinBox& box);
    ~FrmOrbanil() override;

    // The bare names the file pickers hand back.
    void setShapeFile(const QString& name);
    void setSoundFile(const QString& name);
    // The shape the picker chose, in `folder`: the field shows its bare name, and the folder
    // is kept as the one the name is found from.
    void setChosenShape(const QString& name, const std::filesystem::path& folder);
    // Where the shape field's name is found from, for the passenger view: the folder of the
    // picker's last choice or the one chosen in the view, the later of the two; empty while
    // neither was. Kept for the run, whatever is typed.
    const std::filesystem::path& shapeFolder() const { return m_shapeFolder; }
    void setShapeFolder(const std::filesystem::path& folder) { m_shapeFolder = folder; }

    // The range lines and the drawing follow the box as the dialog holds it now.
    void setBox(const CabinBox& box);
    // The cabin's shape as read for the shape field's name and folder, which the drawing shows
    // under the box; nullptr while none is.
    void setCabinShape(std::shared_ptr<const CabinShape> shape);
    // Whether closing would lose work: a typed value, an added viewpoint, or code that no file
    // of this run holds (saved or opened as it stands). The values count even after a save:
    // the file holds the code, not the fields.
    bool holdsWork() const;

    // The viewpoints as they stand: the shown one as its fields hold it.
    const Viewpoints& viewpoints() const { return m_viewpoints; }
    // Every viewpoint, the principal first, each with the principal's names.
    std::vector<ViewParams> allViewpoints() const { return m_viewpoints.all(); }

    // For the passenger view window. The shown viewpoint's nine numbers and the principal's
    // names, as the fields hold them; shownViewpointChanged() tells of every change to them.
    ViewParams shownViewpoint() const { return m_viewpoints.shownParams(); }
    // Where on the screen the head, rotation limit and start direction fields are, for the
    // passenger view to open clear of them.
    QRect viewNumbersArea() const;
    // Writes StartDirection X and Y of the shown viewpoint, each as one edit that Ctrl+Z in its
    // field undoes, as typing does; a text the field's rule refuses is not written.
    void setShownStartDirection(const QString& x, const QString& y);
    // Writes PassengerCabinHeadPos X, Y and Z of the shown viewpoint, likewise.
    void setShownHead(const QString& x, const QString& y, const QString& z);

signals:
    // Buttons whose effect belongs to the window set.
    void shapePickerRequested();
    void soundPickerRequested();
    void dimensionsRequested();
    void ayudaRequested();
    void aboutRequested();
    void exitRequested();
    void passengerViewRequested();
    // A number or a name of the shown viewpoint changed, or another viewpoint is shown.
    void shownViewpointChanged();

private:
    // What the rectangle below the code buttons shows: one panel at most, else the drawing.
    enum class CodePanel
    {
        None,
        Save,
        Open,
    };

    void createParameterFrames();
    // The nine number fields, wide enough for eight characters, each frame's row with its ")".
    void createNumberRows(QGroupBox* const (&frames)[5]);
    // Frame6, which holds the code box, its note line and its buttons; the drawing under it.
    void createCodeFrame();
    void createSavePanel();
    void createOpenPanel();
    void createWindowButtons();
    // The column of the viewpoints, right of the code, and the passenger view's button.
    void createViewpointColumn();
    // The one place that decides what the shared rectangle shows.
    void showCodePanel(CodePanel panel);

    // The load step: the saved-file list, the range lines of the box and the drawing's box,
    // the tooltips.
    void Form_Load(const CabinBox& box);

    void Timer1_Timer();
    void Timer2_Timer();
    void CmdGenerate_Click();
    void CmdClip_Click();
    void CmdClear_Click();
    void CmdRead_Click();
    void CmdSaveFile_Click();
    void CmdCancel_Click();
    void CmdSave_Click();
    void CmdOpenFile_Click();
    void CmdCancel2_Click();
    void File1_Click();
    void CmdOpen_Click();
    void cboVista_Click(int index);
    void CmdAddView_Click();
    void CmdRemoveView_Click();
    void viewField_Change();
    void txtCode_Change();
    void picCameraView_HeadGrabbed();
    void picCameraView_HeadDragged(const HeadMove& move);

    // Shows another viewpoint's numbers in the fields.
    void showViewpoint(std::size_t viewpoint);
    // The fields show the shown viewpoint's numbers, as m_viewpoints holds them.
    void displayShownViewpoint();
    // The line under the code box: that the code is older than the values, else what was last
    // confirmed.
    void refreshCodeNote();
    void confirm(const QString& text);
    // The eleven fields as the generator reads them.
    ViewParams viewParams() const;
    QLineEdit* viewField(std::string ViewParams::*member) const;
    // A picker's name, the principal's whichever viewpoint shows, in its field and kept.
    void setName(std::string ViewParams::*member, const QString& name);
    // Reads the program folder's saved files into File1; a failure is told in a message.
    void readFileList();
    void warn(const QString& title, const QString& text);
    bool askYesNo(const QString& title, const QString& text);

    std::filesystem::path m_programFolder;
    UiServices m_services;

    CabinBox m_box; // as the range lines show it
    // The saved file "Abrir" opens, as lblOpenFile shows it; empty until one is chosen.
    QString m_chosenFile;
    // The code text that a file of this run holds, as saved or opened.
    std::optional<QString> m_fileCode;
    // The block Generate last wrote, and whether the code box still holds it as written.
    std::string m_generated;
    bool m_codeIsGenerated = false;
    // What the note line confirms ("Copiado al portapapeles."), until the code, a value or the
    // viewpoints change.
    QString m_confirmation;

    std::array<QLineEdit*, viewFields.size()> m_viewFields{}; // in the order of viewFields
    QPushButton* Command1;
    QPushButton* Command2;
    QLabel* lbl1;
    QLabel* lbl2;
    QLabel* lbl3;

    CodeBox* txtCode;
    QLabel* lblCodeNote;
    QPushButton* CmdGenerate;
    QPushButton* CmdClip;
    QPushButton* CmdSaveFile;
    QPushButton* CmdOpenFile;
    QPushButton* CmdClear;
    QPushButton* CmdRead;
    CameraViewWidget* picCameraView;

    QGroupBox* FraSave;
    QLineEdit* txtfilename;
    QPushButton* CmdSave;
    QPushButton* CmdCancel;

    QGroupBox* FraOpen;
    QListWidget* File1;
    QLabel* lblOpenFile;
    QPushButton* CmdOpen;
    QPushButton* CmdCancel2;

    QPushButton* CmdDimensions;
    QPushButton* CmdAyuda;
    QPushButton* CmdAbout;
    QPushButton* CmdExit;

    QComboBox* cboVista;
    QPushButton* CmdAddView;
    QPushButton* CmdRemoveView;
    QPushButton* CmdVista;
    std::filesystem::path m_shapeFolder;
    Viewpoints m_viewpoints;
    std::unique_ptr<ViewpointControls> m_viewpointControls;
    // While the fields are being given another viewpoint's numbers, or a drag's: one change,
    // told once.
    bool m_displaying = false;
    // The head fields the drag under way has written, with what it wrote: each holds one edit
    // of the drag, which its next move undoes before writing its own.
    QHash<QLineEdit*, QString> m_dragWritten;
};

} // namespace orbanil
