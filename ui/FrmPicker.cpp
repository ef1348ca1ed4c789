#include "ui/FrmPicker.h"

#include "core/block/KeyFilter.h"
#include "files/FileError.h"
#include "files/FolderListing.h"
#include "ui/DirList.h"
#include "ui/Icons.h"
#include "ui/PathQString.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace orbanil {

namespace {

struct PickerLook
{
    const char* objectName;
    const char* caption;
    const char* frameCaption;
    const char* pattern;
    int clientHeight;
    int selectedWidth;
};

PickerLook lookOf(FrmPicker::Kind kind)
{
    if (kind == FrmPicker::Kind::Shape) {
        return {"FrmShape", "Seleccionar Archivo Shape", "Shape Seleccionado", "*.s", 4200, 2415};
    }
    return {"FrmSms", "Seleccionar Archivo Sonido", "Sms Seleccionado", "*.sms", 4185, 2295};
}

} // namespace

FrmPicker::FrmPicker(Kind kind, UiServices services, std::vector<std::filesystem::path> volumes,
                     const std::filesystem::path& lastPickFolder)
    : FixedWindow(QString::fromUtf8(lookOf(kind).caption), 7530, lookOf(kind).clientHeight,
                  programIcon(), std::move(services)),
      m_pattern(lookOf(kind).pattern), m_volumes(std::move(volumes))
{
    setObjectName(QString::fromLatin1(lookOf(kind).objectName));
    layOut(kind);
    // Escape leaves as "&Cancelar" does.
    closeOnEscape();

    // A picker opens where its last pick was while that folder can be read, else where the
    // process stands; it never changes the process's folder.
    std::filesystem::path start = currentFolder();
    if (start.empty() && !m_volumes.empty()) {
        start = volumeStartFolder(m_volumes.front());
    }
    const auto opens = [this](const std::filesystem::path& folder) {
        try {
            openFolder(folder);
            return true;
        } catch (const FileError&) {
            return false;
        }
    };
    if (!lastPickFolder.empty() && opens(lastPickFolder)) {
        start = lastPickFolder;
    } else if (!opens(start)) {
        // Still show where we are, so the user can climb to a folder that can be read.
        Dir1->showFolder(start, {});
        Dir1_Change();
    }
    fillDrive1(start);

    connect(Drive1, &QComboBox::currentIndexChanged, this, &FrmPicker::Drive1_Change);
    connect(Dir1, &DirList::folderRequested, this, &FrmPicker::Dir1_Request);
    connect(File1, &QListWidget::itemClicked, this, &FrmPicker::File1_Click);
    connect(File1, &QListWidget::itemSelectionChanged, this, &FrmPicker::File1_Click);
    connect(CmdOk, &QPushButton::clicked, this, &FrmPicker::CmdOk_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FrmPicker::CmdCancel_Click);
}

void FrmPicker::layOut(Kind kind)
{
    const PickerLook look = lookOf(kind);
    Drive1 = addComboBox(this, "Drive1", 120, 120, 3735, 315);
    Dir1 = addControl(new DirList(this), "Dir1", 120, 480, 3735, 2115);
    File1 = addList(this, "File1", 120, 2640, 3735, 1455);
    Drive1->setAccessibleName(QStringLiteral("Unidad"));
    Dir1->setAccessibleName(QStringLiteral("Carpetas"));
    File1->setAccessibleName(QStringLiteral("Archivos"));

    QGroupBox* Frame1 =
        addFrame(this, "Frame1", QString::fromUtf8(look.frameCaption), 3960, 120, 3495, 3975);
    addLabel(Frame1, "Label1", QStringLiteral("Archivo:"), 120, 720, 615, 255);
    lblSelected = addLabel(Frame1, "lblSelected", QString(), 840, 720, look.selectedWidth, 255);
    CmdOk = addButton(Frame1, "CmdOk", QStringLiteral("&Aceptar"), 1560, 3360, 855, 495);
    CmdOk->setEnabled(false);
    CmdCancel = addButton(Frame1, "CmdCancel", QStringLiteral("&Cancelar"), 2520, 3360, 855, 495);
    connect(addTimer(Frame1, "Timer1"), &QTimer::timeout, this, &FrmPicker::Timer1_Timer);

    std::vector<QWidget*> order{Drive1, Dir1, File1, CmdOk, CmdCancel};
    if (kind == Kind::Sms) {
        std::reverse(order.begin(), order.end());
    }
    setFocusOrder(order);
}

void FrmPicker::fillDrive1(const std::filesystem::path& start)
{
    for (const std::filesystem::path& root : m_volumes) {
        Drive1->addItem(pathToQString(root));
    }
    const std::filesystem::path holding = volumeHolding(start, m_volumes);
    const auto found = std::find(m_volumes.begin(), m_volumes.end(), holding);
    Drive1->setCurrentIndex(holding.empty() || found == m_volumes.end()
                                ? -1
                                : static_cast<int>(found - m_volumes.begin()));
}

void FrmPicker::openFolder(const std::filesystem::path& folder)
{
    // Listed first: a folder that cannot be read throws and leaves both lists as they are.
    const std::vector<std::filesystem::path> subfolders = listFolder(folder, EntryKind::Folder);
    Dir1->showFolder(folder, subfolders);
    Dir1_Change();
}

void FrmPicker::Drive1_Change()
{
    const int index = Drive1->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= m_volumes.size()) {
        return;
    }
    try {
        openFolder(volumeStartFolder(m_volumes[static_cast<std::size_t>(index)]));
    } catch (const FileError&) {
        // A drive that cannot be read (an empty drive, say) is ignored silently while the
        // user steps through the list; the drive list keeps the new choice.
    }
}

void FrmPicker::Dir1_Request(const std::filesystem::path& folder)
{
    try {
        openFolder(folder);
    } catch (const FileError& error) {
        services().message(this, warning(windowTitle(), QString::fromUtf8(error.what())));
    }
}

void FrmPicker::Dir1_Change()
{
    File1->clear();
    // Unreadable since Dir1 read it: no files to offer rather than another folder's.
    const std::optional<std::vector<std::filesystem::path>> files =
        listMatchingFiles(Dir1->folder(), m_pattern);
    if (files) {
        for (const std::filesystem::path& name : *files) {
            File1->addItem(pathToQString(name));
        }
    }
}

void FrmPicker::File1_Click()
{
    // Emptying the list on a folder change clears the selection but keeps the chosen name.
    const QList<QListWidgetItem*> selected = File1->selectedItems();
    if (!selected.isEmpty()) {
        m_chosen = selected.front()->text();
        m_chosenFolder = Dir1->folder();
        lblSelected->setText(m_chosen);
        // At once, so that a Tab pressed right after the choice reaches "&Aceptar".
        Timer1_Timer();
    }
}

void FrmPicker::Timer1_Timer()
{
    setEnabledIfChanged(CmdOk, !m_chosen.isEmpty());
}

void FrmPicker::CmdOk_Click()
{
    // A line break or a tab in the name would end or split the block's line: the same rule as
    // for a name typed into the field.
    if (!isAdmittedText(FilterKind::FreeText, m_chosen.toStdU16String())) {
        services().message(
            this, warning(windowTitle(),
                          QStringLiteral("El nombre del archivo elegido contiene un carácter de "
                                         "control (un salto de línea, un tabulador…), que el "
                                         "bloque Inside no puede llevar. Elija otro archivo o "
                                         "cámbiele el nombre.")));
        return;
    }
    // The receiver may unload this window while it handles the name.
    const QPointer<FrmPicker> alive(this);
    const QString name = m_chosen; // a copy: the window may be gone when the receiver reads it
    emit nameChosen(name);
    if (alive) {
        close();
    }
}

void FrmPicker::CmdCancel_Click()
{
    close();
}

} // namespace orbanil
