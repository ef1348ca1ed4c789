#include "tests/support/UiTestSupport.h"
#include "ui/DirList.h"
#include "ui/FrmPicker.h"
#include "ui/PathQString.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <memory>

namespace fs = std::filesystem;
using orbanil::DirList;
using orbanil::FrmPicker;
using namespace orbanil::testing;

namespace {

void touch(const fs::path& file)
{
    std::ofstream(file) << "x";
}

} // namespace

class PickerTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void freshPickerShowsTheCurrentFolderMatchingItsPattern_data();
    void freshPickerShowsTheCurrentFolderMatchingItsPattern();
    void focusStartsAndMovesInEachPickersOrder_data();
    void focusStartsAndMovesInEachPickersOrder();
    void clickedNameIsHandedBackBareAndTheWindowAsksToClose();
    void labelsShowTextAsWrittenNotAsMarkup();
    void nameWithAControlCharacterIsRefusedWithAMessage();
    void deepFolderShowsItselfAndItsFirstSubfolders();
    void nameClickedBeforeOpeningAnotherFolderIsStillHandedBack();
    void doubleClickOnAFileSelectsItAndKeepsTheWindowOpen();
    void arrowKeysInTheFileListSelectButTabbingInDoesNot();
    void cancelHandsBackNothing();
    void aceptarStaysDisabledUntilANameIsClicked();
    void folderRemovedBeforeItIsOpenedIsToldAndTheListsStay();
    void driveListStartsOnTheVolumeHoldingTheCurrentFolder();
    void unreadableDriveIsIgnoredWhileTheDriveListKeepsTheChoice();
    void realDriveListStartsWithTheRootAndHoldsTheCurrentFolder();

private:
    std::unique_ptr<FrmPicker> openPicker(FrmPicker::Kind kind);

    RecordedServices m_recorded;
    std::unique_ptr<QTemporaryDir> m_temp;
    QString m_oldCurrent;
    fs::path m_root;
};

void PickerTest::init()
{
    m_recorded = RecordedServices();
    m_temp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_temp->isValid());
    m_oldCurrent = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_temp->path()));
    // The folder as the process itself names it (symbolic links resolved).
    m_root = fs::current_path();
    for (const char* name : {"CAB.S", "b.s", "x.sms", "a.SMS", "notas.txt"}) {
        touch(m_root / name);
    }
    fs::create_directory(m_root / "sub");
    touch(m_root / "sub" / "inner.s");
    touch(m_root / "sub" / "other.sms");
    fs::create_directory(m_root / "gone");
}

void PickerTest::cleanup()
{
    QVERIFY(QDir::setCurrent(m_oldCurrent));
    m_temp.reset();
}

std::unique_ptr<FrmPicker> PickerTest::openPicker(FrmPicker::Kind kind)
{
    auto picker = std::make_unique<FrmPicker>(kind, m_recorded.services());
    picker->showWindow();
    return picker;
}

void PickerTest::freshPickerShowsTheCurrentFolderMatchingItsPattern_data()
{
    QTest::addColumn<FrmPicker::Kind>("kind");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("frameCaption");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("shape") << FrmPicker::Kind::Shape << "FrmShape"
                           << "Seleccionar Archivo Shape"
                           << "Shape Seleccionado" << QStringList{"b.s", "CAB.S"};
    QTest::newRow("sms") << FrmPicker::Kind::Sms << "FrmSms"
                         << "Seleccionar Archivo Sonido"
                         << "Sms Seleccionado" << QStringList{"a.SMS", "x.sms"};
}

void PickerTest::freshPickerShowsTheCurrentFolderMatchingItsPattern()
{
    QFETCH(FrmPicker::Kind, kind);
    QFETCH(QString, objectName);
    QFETCH(QString, caption);
    QFETCH(QString, frameCaption);
    QFETCH(QStringList, files);

    const auto picker = openPicker(kind);
    auto* folders = control<DirList>(picker.get(), "Dir1");
    QCOMPARE(picker->objectName(), objectName);
    QCOMPARE(picker->windowTitle(), caption);
    QCOMPARE(control<QGroupBox>(picker.get(), "Frame1")->title(), frameCaption);
    QCOMPARE(folders->folder(), m_root);
    QCOMPARE(listTexts(control<QListWidget>(picker.get(), "File1")), files);
    QVERIFY(control<QLabel>(picker.get(), "lblSelected")->text().isEmpty());
    QVERIFY(!control<QPushButton>(picker.get(), "CmdOk")->isEnabled());

    // The path down to the folder, the folder itself marked as the open one, then its subfolders.
    const QStringList dirs = listTexts(folders);
    QCOMPARE(dirs.mid(dirs.size() - 2), (QStringList{"gone", "sub"}));
    const int open = dirs.size() - 3;
    QCOMPARE(folders->entryFolder(open), m_root);
    QCOMPARE(folders->entryFolder(0), m_root.root_path());
    QCOMPARE(folders->currentRow(), open);
    QVERIFY(folders->item(open)->font().bold());
}

void PickerTest::focusStartsAndMovesInEachPickersOrder_data()
{
    QTest::addColumn<FrmPicker::Kind>("kind");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("shape") << FrmPicker::Kind::Shape
                           << QStringList{"Drive1", "Dir1", "File1", "CmdOk", "CmdCancel"};
    QTest::newRow("sms") << FrmPicker::Kind::Sms
                         << QStringList{"CmdCancel", "CmdOk", "File1", "Dir1", "Drive1"};
}

void PickerTest::focusStartsAndMovesInEachPickersOrder()
{
    QFETCH(FrmPicker::Kind, kind);
    QFETCH(QStringList, order);

    const auto picker = openPicker(kind);
    auto* files = control<QListWidget>(picker.get(), "File1");
    QVERIFY(QTest::qWaitForWindowActive(picker.get()));
    // Aceptar is disabled at first and takes no focus; select a name so the whole chain shows.
    QVERIFY(files->count() > 0);
    clickItem(files, files->item(0)->text());
    QTRY_VERIFY(control<QPushButton>(picker.get(), "CmdOk")->isEnabled());
    control<QWidget>(picker.get(), qPrintable(order.front()))->setFocus();

    QStringList visited;
    for (int i = 0; i < order.size(); ++i) {
        // The window's own focus widget: the window need not stay the active one meanwhile.
        QWidget* focused = picker->focusWidget();
        QVERIFY(focused);
        visited << focused->objectName();
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    QCOMPARE(visited, order);

    const auto fresh = openPicker(kind);
    QCOMPARE(fresh->focusWidget()->objectName(), order.front());
}

void PickerTest::clickedNameIsHandedBackBareAndTheWindowAsksToClose()
{
    const auto picker = openPicker(FrmPicker::Kind::Shape);
    auto* ok = control<QPushButton>(picker.get(), "CmdOk");
    QSignalSpy chosen(picker.get(), &FrmPicker::nameChosen);
    QSignalSpy closing(picker.get(), &FrmPicker::closeBoxPressed);

    clickItem(control<QListWidget>(picker.get(), "File1"), "CAB.S");
    auto* shown = control<QLabel>(picker.get(), "lblSelected");
    QCOMPARE(shown->text(), QString("CAB.S"));
    // The label only shows the choice: what it reads plays no part.
    shown->clear();
    QTRY_VERIFY(ok->isEnabled());
    QTest::mouseClick(ok, Qt::LeftButton);

    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).toString(), QString("CAB.S"));
    QCOMPARE(closing.count(), 1);
}

void PickerTest::nameWithAControlCharacterIsRefusedWithAMessage()
{
#ifdef _WIN32
    QSKIP("Windows file names cannot hold control characters");
#endif
    touch(m_root / "mi\ncabina.s");
    const auto picker = openPicker(FrmPicker::Kind::Shape);
    auto* ok = control<QPushButton>(picker.get(), "CmdOk");
    QSignalSpy chosen(picker.get(), &FrmPicker::nameChosen);
    QSignalSpy closing(picker.get(), &FrmPicker::closeBoxPressed);
    clickItem(control<QListWidget>(picker.get(), "File1"), "mi\ncabina.s");
    QTRY_VERIFY(ok->isEnabled());
    QTest::mouseClick(ok, Qt::LeftButton);

    // A line break would split the block's PassengerCabinFile line in two.
    QCOMPARE(chosen.count(), 0);
    QCOMPARE(closing.count(), 0);
    QCOMPARE(m_recorded.messages.size(), 1);
    QCOMPARE(m_recorded.messages.first().title, QStringLiteral("Seleccionar Archivo Shape"));
    QCOMPARE(m_recorded.messages.first().icon, QMessageBox::Warning);
    QVERIFY(m_recorded.messages.first().text.startsWith(
        QStringLiteral("El nombre del archivo elegido contiene un carácter de control")));
}

void PickerTest::deepFolderShowsItselfAndItsFirstSubfolders()
{
    fs::path deep = m_root;
    for (int level = 1; level <= 15; ++level) {
        deep /= "nivel" + std::to_string(level);
    }
    for (const char* sub : {"a", "b", "c", "d", "e"}) {
        fs::create_directories(deep / sub);
    }
    QVERIFY(QDir::setCurrent(orbanil::pathToQString(deep)));
    const auto picker = openPicker(FrmPicker::Kind::Shape);
    QVERIFY(QTest::qWaitForWindowExposed(picker.get()));
    auto* folders = control<DirList>(picker.get(), "Dir1");
    QCOMPARE(folders->folder(), deep);
    const int open = folders->currentRow();
    QCOMPARE(folders->entryFolder(open), deep);
    // The open folder and the three subfolders after it, each whole in the list's view.
    for (int row = open; row <= open + 3; ++row) {
        QVERIFY2(folders->viewport()->rect().contains(folders->visualItemRect(folders->item(row))),
                 qPrintable(folders->item(row)->text()));
    }
}

void PickerTest::labelsShowTextAsWrittenNotAsMarkup()
{
#ifdef _WIN32
    QSKIP("Windows file names cannot hold < or >, so no listed name looks like markup");
#endif
    touch(m_root / "<b>x.s");
    const auto picker = openPicker(FrmPicker::Kind::Shape);
    clickItem(control<QListWidget>(picker.get(), "File1"), "<b>x.s");
    QCOMPARE(control<QLabel>(picker.get(), "lblSelected")->text(), QString("<b>x.s"));
    // Each label draws what a label of plain text in its place draws: "<b>" and all.
    for (QLabel* label : picker->findChildren<QLabel*>()) {
        QLabel plain(label->parentWidget());
        plain.setTextFormat(Qt::PlainText);
        plain.setText(label->text());
        plain.setAlignment(label->alignment());
        plain.setGeometry(label->geometry());
        QVERIFY2(plain.grab().toImage() == label->grab().toImage(),
                 qPrintable(label->objectName()));
    }
}

void PickerTest::nameClickedBeforeOpeningAnotherFolderIsStillHandedBack()
{
    const auto picker = openPicker(FrmPicker::Kind::Sms);
    auto* files = control<QListWidget>(picker.get(), "File1");
    auto* folders = control<DirList>(picker.get(), "Dir1");
    auto* ok = control<QPushButton>(picker.get(), "CmdOk");
    QSignalSpy chosen(picker.get(), &FrmPicker::nameChosen);

    clickItem(files, "a.SMS");
    doubleClickItem(folders, "sub");
    QCOMPARE(folders->folder(), m_root / "sub");
    QCOMPARE(listTexts(files), QStringList{"other.sms"});
    QCOMPARE(control<QLabel>(picker.get(), "lblSelected")->text(), QString("a.SMS"));

    // An ancestor entry climbs back up.
    doubleClickItem(folders, orbanil::pathToQString(m_root.filename()));
    QCOMPARE(folders->folder(), m_root);
    QCOMPARE(listTexts(files), (QStringList{"a.SMS", "x.sms"}));

    QTRY_VERIFY(ok->isEnabled());
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).toString(), QString("a.SMS"));
}

void PickerTest::doubleClickOnAFileSelectsItAndKeepsTheWindowOpen()
{
    const auto picker = openPicker(FrmPicker::Kind::Shape);
    QSignalSpy chosen(picker.get(), &FrmPicker::nameChosen);
    QSignalSpy closing(picker.get(), &FrmPicker::closeBoxPressed);

    doubleClickItem(control<QListWidget>(picker.get(), "File1"), "b.s");
    QCOMPARE(control<QLabel>(picker.get(), "lblSelected")->text(), QString("b.s"));
    QTRY_VERIFY(control<QPushButton>(picker.get(), "CmdOk")->isEnabled());
    QCOMPARE(chosen.count(), 0);
    QCOMPARE(closing.count(), 0);
}

void PickerTest::arrowKeysInTheFileListSelectButTabbingInDoesNot()
{
    const auto picker = openPicker(FrmPicker::Kind::Shape);
    auto* folders = control<DirList>(picker.get(), "Dir1");
    auto* files = control<QListWidget>(picker.get(), "File1");
    auto* selected = control<QLabel>(picker.get(), "lblSelected");
    QVERIFY(QTest::qWaitForWindowActive(picker.get()));
    folders->setFocus();
    QTest::keyClick(folders, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), files);
    QVERIFY(selected->text().isEmpty());

    QTest::keyClick(files, Qt::Key_Down);
    QTest::keyClick(files, Qt::Key_Down);
    QCOMPARE(selected->text(), QString("CAB.S"));
    QTest::keyClick(files, Qt::Key_Up);
    QCOMPARE(selected->text(), QString("b.s"));
    // No timer tick since the first choice: Tab still reaches "&Aceptar".
    QTest::keyClick(files, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control<QPushButton>(picker.get(), "CmdOk"));
}

void PickerTest::cancelHandsBackNothing()
{
    const auto picker = openPicker(FrmPicker::Kind::Shape);
    QSignalSpy chosen(picker.get(), &FrmPicker::nameChosen);
    QSignalSpy closing(picker.get(), &FrmPicker::closeBoxPressed);

    clickItem(control<QListWidget>(picker.get(), "File1"), "CAB.S");
    QTest::mouseClick(control<QPushButton>(picker.get(), "CmdCancel"), Qt::LeftButton);
    QCOMPARE(closing.count(), 1);
    QCOMPARE(chosen.count(), 0);
}

void PickerTest::aceptarStaysDisabledUntilANameIsClicked()
{
    const auto picker = openPicker(FrmPicker::Kind::Shape);
    auto* ok = control<QPushButton>(picker.get(), "CmdOk");
    QSignalSpy ticks(control<QTimer>(picker.get(), "Timer1"), &QTimer::timeout);
    QTRY_VERIFY(ticks.count() >= 2);
    QVERIFY(!ok->isEnabled());

    // Pressing the disabled button hands back nothing.
    QSignalSpy chosen(picker.get(), &FrmPicker::nameChosen);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(chosen.count(), 0);

    clickItem(control<QListWidget>(picker.get(), "File1"), "b.s");
    QTRY_VERIFY(ok->isEnabled());
}

void PickerTest::folderRemovedBeforeItIsOpenedIsToldAndTheListsStay()
{
    const auto picker = openPicker(FrmPicker::Kind::Shape);
    auto* files = control<QListWidget>(picker.get(), "File1");
    auto* folders = control<DirList>(picker.get(), "Dir1");
    clickItem(files, "b.s");
    const QStringList dirsBefore = listTexts(folders);
    const QStringList filesBefore = listTexts(files);
    QVERIFY(dirsBefore.contains("gone"));

    // Removal works against root too, who would read an unreadable folder anyway.
    fs::remove(m_root / "gone");
    doubleClickItem(folders, "gone");

    QCOMPARE(folders->folder(), m_root);
    QCOMPARE(listTexts(folders), dirsBefore);
    QCOMPARE(listTexts(files), filesBefore);
    QCOMPARE(control<QLabel>(picker.get(), "lblSelected")->text(), QString("b.s"));
    QVERIFY(picker->isVisible());
    QCOMPARE(m_recorded.messages.size(), 1);
    QCOMPARE(m_recorded.messages.first().text,
             QStringLiteral("No se pudo leer la carpeta «%1»: no existe el archivo o la carpeta.")
                 .arg(orbanil::pathToQString(m_root / "gone")));
}

void PickerTest::driveListStartsOnTheVolumeHoldingTheCurrentFolder()
{
    const std::vector<fs::path> volumes{m_root, m_root / "sub", m_root / "gone"};
    QVERIFY(QDir::setCurrent(orbanil::pathToQString(m_root / "sub")));
    FrmPicker picker(FrmPicker::Kind::Shape, m_recorded.services(), volumes);
    auto* drives = control<QComboBox>(&picker, "Drive1");
    auto* folders = control<DirList>(&picker, "Dir1");
    auto* files = control<QListWidget>(&picker, "File1");
    QCOMPARE(drives->count(), 3);
    QCOMPARE(drives->currentIndex(), 1);
    QCOMPARE(folders->folder(), m_root / "sub");
    QCOMPARE(listTexts(files), QStringList{"inner.s"});
}

void PickerTest::unreadableDriveIsIgnoredWhileTheDriveListKeepsTheChoice()
{
#ifdef _WIN32
    QSKIP("Volumes here are folders; on Windows a volume is a drive letter, which opens at the "
          "drive's own current folder instead");
#endif
    const std::vector<fs::path> volumes{m_root, m_root / "sub", m_root / "gone"};
    FrmPicker picker(FrmPicker::Kind::Shape, m_recorded.services(), volumes);
    auto* drives = control<QComboBox>(&picker, "Drive1");
    auto* folders = control<DirList>(&picker, "Dir1");
    auto* files = control<QListWidget>(&picker, "File1");
    picker.showWindow();
    QCOMPARE(drives->currentIndex(), 0);

    drives->setFocus();
    QTest::keyClick(drives, Qt::Key_Down);
    QCOMPARE(drives->currentIndex(), 1);
    QCOMPARE(folders->folder(), m_root / "sub");
    QCOMPARE(listTexts(files), QStringList{"inner.s"});

    fs::remove(m_root / "gone");
    const QStringList dirsBefore = listTexts(folders);
    QTest::keyClick(drives, Qt::Key_Down);
    QCOMPARE(drives->currentIndex(), 2);
    QCOMPARE(folders->folder(), m_root / "sub");
    QCOMPARE(listTexts(folders), dirsBefore);
    QCOMPARE(listTexts(files), QStringList{"inner.s"});
}

void PickerTest::realDriveListStartsWithTheRootAndHoldsTheCurrentFolder()
{
    FrmPicker picker(FrmPicker::Kind::Shape);
    auto* drives = control<QComboBox>(&picker, "Drive1");
    QVERIFY(drives->count() >= 1);
#ifndef _WIN32
    QCOMPARE(drives->itemText(0), QString("/"));
#endif
    const QString current = drives->currentText();
    QVERIFY(!current.isEmpty());
    // The chosen volume holds the current folder.
    const fs::path inside = m_root.lexically_relative(current.toStdString());
    QVERIFY2(!inside.empty() && *inside.begin() != "..", qPrintable(current));
}

QTEST_MAIN(PickerTest)
#include "PickerTest.moc"
