#pragma once

#include "files/FolderListing.h"
#include "ui/FixedWindow.h"

#include <QString>
#include <filesystem>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace orbanil {

class DirList;

// The window that browses drives and folders for one kind of file and hands back its bare
// name: FrmShape for the cabin shape (*.s), FrmSms for the sound set (*.sms).
class FrmPicker : public FixedWindow
{
    Q_OBJECT
public:
    enum class Kind
    {
        Shape,
        Sms
    };

    // volumes are the roots offered in the drive list; tests pass their own.
    explicit FrmPicker(Kind kind, std::vector<std::filesystem::path> volumes = volumeRoots());

    QComboBox* Drive1 = nullptr;
    DirList* Dir1 = nullptr;
    QListWidget* File1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblSelected = nullptr;
    QPushButton* CmdOk = nullptr;
    QPushButton* CmdCancel = nullptr;
    QTimer* Timer1 = nullptr;

signals:
    // "&Aceptar" was pressed with this name selected; the window then asks to close.
    void nameChosen(const QString& name);

private:
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void Timer1_Timer();
    void CmdOk_Click();
    void CmdCancel_Click();

    void layOut(Kind kind);
    void setFocusOrder(Kind kind);
    void fillDrive1(const std::filesystem::path& start);
    bool openFolder(const std::filesystem::path& folder);

    std::string m_pattern;
    std::vector<std::filesystem::path> m_volumes;
};

} // namespace orbanil
