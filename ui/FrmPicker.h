#pragma once

#include "files/Volumes.h"
#include "ui/FixedWindow.h"

#include <QString>
#include <filesystem>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

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

    // volumes are the roots offered in the drive list; tests pass their own. The picker opens
    // in `lastPickFolder` when it is given and can still be read, else where the process stands.
    explicit FrmPicker(Kind kind, UiServices services = defaultUiServices(),
                       std::vector<std::filesystem::path> volumes = volumeRoots(),
                       const std::filesystem::path& lastPickFolder = {});

    // The folder the chosen name is in; empty until a name is chosen.
    const std::filesystem::path& chosenFolder() const { return m_chosenFolder; }

signals:
    // "&Aceptar" was pressed with this name selected; the window then asks to close.
    void nameChosen(const QString& name);

private:
    void Drive1_Change();
    // A folder of the list was chosen; one that cannot be read is told in a message.
    void Dir1_Request(const std::filesystem::path& folder);
    void Dir1_Change();
    void File1_Click();
    void Timer1_Timer();
    void CmdOk_Click();
    void CmdCancel_Click();

    void layOut(Kind kind);
    void fillDrive1(const std::filesystem::path& start);
    // Shows folder in both lists; throws FileError, the lists unchanged, when it cannot be read.
    void openFolder(const std::filesystem::path& folder);

    std::string m_pattern;
    // The file name "&Aceptar" hands back, as lblSelected shows it; empty until one is chosen.
    QString m_chosen;
    std::filesystem::path m_chosenFolder;
    std::vector<std::filesystem::path> m_volumes;

    QComboBox* Drive1;
    DirList* Dir1;
    QListWidget* File1;
    QLabel* lblSelected;
    QPushButton* CmdOk;
    QPushButton* CmdCancel;
};

} // namespace orbanil
