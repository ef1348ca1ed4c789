#include "ui/FrmPicker.h"

#include "files/FileError.h"
#include "ui/DirList.h"
#include "ui/Icons.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

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

template <typename Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

FrmPicker::FrmPicker(Kind kind, std::vector<std::filesystem::path> volumes)
    : FixedWindow(QString::fromUtf8(lookOf(kind).caption), 7530, lookOf(kind).clientHeight,
                  programIcon()),
      m_pattern(lookOf(kind).pattern), m_volumes(std::move(volumes))
{
    setObjectName(QString::fromLatin1(lookOf(kind).objectName));
    layOut(kind);
    setFocusOrder(kind);

    // A fresh picker starts where the process stands; the picker never changes that folder.
    std::filesystem::path start = currentFolder();
    if (start.empty() && !m_volumes.empty()) {
        start = volumeStartFolder(m_volumes.front());
    }
    fillDrive1(start);
    if (!openFolder(start)) {
        // Still show where we are, so the user can climb to a folder that can be read.
        Dir1->showFolder(start, {});
        Dir1_Change();
    }

    connect(Drive1, &QComboBox::currentIndexChanged, this, &FrmPicker::Drive1_Change);
    connect(Dir1, &DirList::folderRequested, this, &FrmPicker::openFolder);
    // A click, or moving through the names with the arrow keys, selects a name.
    connect(File1, &QListWidget::itemClicked, this, &FrmPicker::File1_Click);
    connect(File1, &QListWidget::itemSelectionChanged, this, &FrmPicker::File1_Click);
    connect(CmdOk, &QPushButton::clicked, this, &FrmPicker::CmdOk_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FrmPicker::CmdCancel_Click);
    connect(Timer1, &QTimer::timeout, this, &FrmPicker::Timer1_Timer);
    Timer1->start();
}

void FrmPicker::layOut(Kind kind)
{
    const PickerLook look = lookOf(kind);
    const Twips& t = twips();

    Drive1 = named(new QComboBox(this), "Drive1");
    t.place(Drive1, 120, 120, 3735, 315);
    Dir1 = named(new DirList(this), "Dir1");
    t.place(Dir1, 120, 480, 3735, 2115);
    File1 = named(new QListWidget(this), "File1");
    File1->setSelectionMode(QAbstractItemView::SingleSelection);
    t.place(File1, 120, 2640, 3735, 1455);

    Frame1 = named(new QGroupBox(QString::fromUtf8(look.frameCaption), this), "Frame1");
    t.place(Frame1, 3960, 120, 3495, 3975);
    Label1 = named(new QLabel(QStringLiteral("Archivo:"), Frame1), "Label1");
    t.place(Label1, 120, 720, 615, 255);
    lblSelected = named(new QLabel(Frame1), "lblSelected");
    t.place(lblSelected, 840, 720, look.selectedWidth, 255);

    CmdOk = named(new QPushButton(QStringLiteral("&Aceptar"), Frame1), "CmdOk");
    t.place(CmdOk, 1560, 3360, 855, 495);
    CmdOk->setEnabled(false);
    CmdCancel = named(new QPushButton(QStringLiteral("&Cancelar"), Frame1), "CmdCancel");
    t.place(CmdCancel, 2520, 3360, 855, 495);
    // Neither button is the window's default: Enter belongs to the lists.
    CmdOk->setAutoDefault(false);
    CmdCancel->setAutoDefault(false);

    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setInterval(100);
}

void FrmPicker::setFocusOrder(Kind kind)
{
    std::vector<QWidget*> order{Drive1, Dir1, File1, CmdOk, CmdCancel};
    if (kind == Kind::Sms) {
        std::reverse(order.begin(), order.end());
    }
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
    order.front()->setFocus();
}

void FrmPicker::fillDrive1(const std::filesystem::path& start)
{
    for (const std::filesystem::path& root : m_volumes) {
        Drive1->addItem(QString::fromStdString(pathText(root)));
    }
    const std::filesystem::path holding = volumeHolding(start, m_volumes);
    const auto found = std::find(m_volumes.begin(), m_volumes.end(), holding);
    Drive1->setCurrentIndex(holding.empty() || found == m_volumes.end()
                                ? -1
                                : static_cast<int>(found - m_volumes.begin()));
}

bool FrmPicker::openFolder(const std::filesystem::path& folder)
{
    // A folder that cannot be read leaves both lists as they are.
    const std::optional<std::vector<std::filesystem::path>> subfolders = listSubfolders(folder);
    if (!subfolders) {
        return false;
    }
    Dir1->showFolder(folder, *subfolders);
    Dir1_Change();
    return true;
}

void FrmPicker::Drive1_Change()
{
    const int index = Drive1->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= m_volumes.size()) {
        return;
    }
    // A drive that cannot be read is ignored silently; the drive list keeps the new choice.
    openFolder(volumeStartFolder(m_volumes[static_cast<std::size_t>(index)]));
}

void FrmPicker::Dir1_Change()
{
    File1->clear();
    // Unreadable since Dir1 read it: no files to offer rather than another folder's.
    const std::optional<std::vector<std::filesystem::path>> files =
        listMatchingFiles(Dir1->folder(), m_pattern);
    if (files) {
        for (const std::filesystem::path& name : *files) {
            File1->addItem(QString::fromStdString(pathText(name)));
        }
    }
}

void FrmPicker::File1_Click()
{
    // Emptying the list on a folder change clears the selection but keeps the chosen name.
    const QList<QListWidgetItem*> selected = File1->selectedItems();
    if (!selected.isEmpty()) {
        lblSelected->setText(selected.front()->text());
    }
}

void FrmPicker::Timer1_Timer()
{
    const bool wanted = !lblSelected->text().isEmpty();
    if (CmdOk->isEnabled() != wanted) {
        CmdOk->setEnabled(wanted);
    }
}

void FrmPicker::CmdOk_Click()
{
    // The receiver may unload this window while it handles the name.
    const QPointer<FrmPicker> alive(this);
    emit nameChosen(lblSelected->text());
    if (alive) {
        close();
    }
}

void FrmPicker::CmdCancel_Click()
{
    close();
}

} // namespace orbanil
