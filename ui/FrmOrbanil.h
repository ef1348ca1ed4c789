#pragma once

#include "core/CabinBox.h"
#include "core/ViewParams.h"
#include "core/Viewpoints.h"
#include "ui/FixedWindow.h"
#include "ui/UiServices.h"

#include <array>
#include <filesystem>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace orbanil {

class CameraViewWidget;
class CodeBox;

// The main window: the view parameters, the code box with its save and open panels and the
// camera view drawn where neither panel is shown, the cabin box ranges and the buttons that
// reach the other windows.
class FrmOrbanil : public FixedWindow
{
    Q_OBJECT
public:
    // Loads the window, whose load step shows the ranges of the box as typed in the dialog.
    FrmOrbanil(std::filesystem::path programFolder, UiServices services, const CabinBox& box);

    // The bare names the file pickers hand back.
    void setShapeFile(const QString& name);
    void setSoundFile(const QString& name);

    // The range lines and the drawing follow the box as the dialog holds it now.
    void setBox(const CabinBox& box);
    // Whether anything is typed in the view fields or the code box, which closing would lose.
    bool holdsWork() const;

    // Every viewpoint as it stands, the principal first, the shown one as its fields hold it.
    std::vector<ViewParams> allViewpoints() const;

signals:
    // Buttons whose effect belongs to the window set.
    void shapePickerRequested();
    void soundPickerRequested();
    void dimensionsRequested();
    void ayudaRequested();
    void aboutRequested();
    void exitRequested();

private:
    // What the rectangle below the code buttons shows: one panel at most, else the drawing.
    enum class CodePanel
    {
        None,
        Save,
        Open,
    };

    void createParameterFrames();
    // Frame6, which holds the code box and its buttons.
    QGroupBox* createCodeFrame();
    void createSavePanel(QGroupBox* Frame6);
    void createOpenPanel(QGroupBox* Frame6);
    void createWindowButtons();
    // The row of the viewpoints, under everything else.
    void createViewpointRow();
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

    // The viewpoints: the fields show the numbers of the shown one and the principal's names;
    // the others wait in m_viewpoints.
    ViewParams principalParams() const;
    std::vector<ViewParams> addedViewpoints() const;
    // Keeps the fields' numbers for the viewpoint they show, then shows another's.
    void showViewpoint(std::size_t viewpoint);
    // Puts a viewpoint's numbers in the fields, what they showed being kept or dropped before.
    void displayViewpoint(std::size_t viewpoint);
    void keepShownNumbers();
    // The list and the buttons follow the viewpoints; the names lock while an added one shows.
    void refreshViewpointControls();
    // The eleven fields as the generator reads them.
    ViewParams viewParams() const;
    QLineEdit* viewField(std::string ViewParams::*member) const;
    // Reads the program folder's saved files into File1; a failure is told in a message.
    void readFileList();
    void warn(const QString& title, const QString& text);

    std::filesystem::path m_programFolder;
    UiServices m_services;

    CabinBox m_box; // as the range lines show it
    // The saved file "Abrir" opens, as lblOpenFile shows it; empty until one is chosen.
    QString m_chosenFile;

    std::array<QLineEdit*, viewFields.size()> m_viewFields{}; // in the order of viewFields
    QPushButton* Command1;
    QPushButton* Command2;
    QLabel* lbl1;
    QLabel* lbl2;
    QLabel* lbl3;

    CodeBox* txtCode;
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
    Viewpoints m_viewpoints;
    std::size_t m_shown = 0; // the viewpoint the fields show
    // The tooltips of the names and their "..." buttons while they are not locked.
    std::array<QString, 4> m_nameTips;
};

} // namespace orbanil
