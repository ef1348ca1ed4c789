#pragma once

#include "core/ViewParams.h"
#include "ui/FixedWindow.h"
#include "ui/UiServices.h"

#include <filesystem>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

namespace orbanil {

class CodeBox;
class FrmBox;

// The main window: the view parameters, the code box with its save and open panels, the
// cabin box ranges and the buttons that reach the other windows.
class FrmOrbanil : public FixedWindow
{
    Q_OBJECT
public:
    FrmOrbanil(std::filesystem::path programFolder, UiServices services);

    // The creation steps: the saved-file list, the range lines from the dialog, the tooltips.
    void Form_Load(const FrmBox& box);

    // The eleven fields as the generator reads them.
    ViewParams viewParams() const;

    QGroupBox* Frame1;
    QLabel* Label1;
    QLineEdit* txtShapeFile;
    QLabel* Label2;
    QPushButton* Command1;
    QTimer* Timer1;

    QGroupBox* Frame2;
    QLabel* Label3;
    QLineEdit* txtCamPosX;
    QLineEdit* txtCamPosY;
    QLineEdit* txtCamPosZ;
    QLabel* Label4;

    QGroupBox* Frame3;
    QLabel* Label5;
    QLineEdit* txtRotLimX;
    QLineEdit* txtRotLimY;
    QLineEdit* txtRotLimZ;
    QLabel* Label6;

    QGroupBox* Frame4;
    QLabel* Label7;
    QLineEdit* txtStaDirX;
    QLineEdit* txtStaDirY;
    QLineEdit* txtStaDirZ;
    QLabel* Label8;

    QGroupBox* Frame5;
    QLabel* Label9;
    QLineEdit* txtSound;
    QLabel* Label10;
    QPushButton* Command2;

    QGroupBox* Frame7;
    QLabel* lbl1;
    QLabel* lbl2;
    QLabel* lbl3;

    QGroupBox* Frame6;
    CodeBox* txtCode;
    QPushButton* CmdGenerate;
    QPushButton* CmdClip;
    QPushButton* CmdSaveFile;
    QPushButton* CmdOpenFile;
    QPushButton* CmdClear;

    QGroupBox* FraSave;
    QLabel* Label12;
    QLabel* Label11;
    QLineEdit* txtfilename;
    QPushButton* CmdSave;
    QPushButton* CmdCancel;

    QGroupBox* FraOpen;
    QLabel* Label13;
    QListWidget* File1;
    QLabel* lblOpenFile;
    QPushButton* CmdOpen;
    QPushButton* CmdCancel2;
    QTimer* Timer2;

    QPushButton* CmdDimensions;
    QPushButton* CmdAyuda;
    QPushButton* CmdAbout;
    QPushButton* CmdExit;

signals:
    // Buttons whose effect belongs to the window set.
    void shapePickerRequested(); // Command1
    void soundPickerRequested(); // Command2
    void dimensionsRequested();  // CmdDimensions
    void ayudaRequested();       // CmdAyuda
    void aboutRequested();       // CmdAbout
    void exitRequested();        // CmdExit

private:
    void createParameterFrames();
    void createCodeFrame();
    void createSavePanel();
    void createOpenPanel();
    void createWindowButtons();
    void setFocusOrder();

    void Timer1_Timer();
    void Timer2_Timer();
    void CmdGenerate_Click();
    void CmdClip_Click();
    void CmdClear_Click();
    void CmdSaveFile_Click();
    void CmdCancel_Click();
    void CmdSave_Click();
    void CmdOpenFile_Click();
    void CmdCancel2_Click();
    void File1_Click();
    void CmdOpen_Click();

    // Reads the program folder's saved files into File1; a failure is told in a message.
    void readFileList();
    // The saved file "Abrir" opens: the selected name, else the one lblOpenFile names.
    QString fileToOpen() const;
    void warn(const QString& title, const QString& text);

    std::filesystem::path m_programFolder;
    UiServices m_services;
};

} // namespace orbanil
