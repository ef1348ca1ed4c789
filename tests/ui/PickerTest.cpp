#include "tests/support/UiTestSupport.h"
#include "ui/DirList.h"
#include "ui/FrmPicker.h"

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
    void nameClickedBeforeOpeningAnotherFolderIsStillHandedBack();
    void doubleClickOnAFileSelectsItAndKeepsTheWindowOpen();
    void arrowKeysInTheFileListSelectButTabbingInDoesNot();
    void cancelHandsBackNothing();
    void aceptarStaysDisabledUntilANameIsClicked();
    void folderRemovedBeforeItIsOpenedLeavesTheListsAsTheyWere();
    void driveListStartsOnTheVolumeHoldingTheCurrentFolder();
    void unreadableDriveIsIgnoredWhileTheDriveListKeepsTheChoice();
    void realDriveListStartsWithTheRootAndHoldsTheCurrentFolder();

private:
    std::unique_ptr<FrmPicker> openPicker(FrmPicker::Kind kind);

    std::unique_ptr<QTemporaryDir> m_temp;
    QString m_oldCurrent;
    fs::path m_root;
};

void PickerTest::init()
{
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
    auto picker = std::make_unique<FrmPicker>(kind);
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
    QCOMPARE(picker->objectName(), objectName);
    QCOMPARE(picker->windowTitle(), caption);
    QCOMPARE(picker->Frame1->title(), frameCaption);
    QCOMPARE(picker->Dir1->folder(), m_root);
    QCOMPARE(listTexts(picker->File1), files);
    QVERIFY(picker->lblSelected->text().isEmpty());
    QVERIFY(!picker->CmdOk->isEnabled());

    // The path down to the folder, the folder itself marked as the open one, then its subfolders.
    const QStringList dirs = listTexts(picker->Dir1);
    QCOMPARE(dirs.mid(dirs.size() - 2), (QStringList{"gone", "sub"}));
    const int open = dirs.size() - 3;
    QCOMPARE(picker->Dir1->entryFolder(open), m_root);
    QCOMPARE(picker->Dir1->entryFolder(0), m_root.root_path());
    QCOMPARE(picker->Dir1->currentRow(), open);
    QVERIFY(picker->Dir1->item(open)->font().bold());
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
    QVERIFY(QTest::qWaitForWindowActive(picker.get()));
    // Aceptar is disabled at first and takes no focus; select a name so the whole chain shows.
    QVERIFY(picker->File1->count() > 0);
    clickItem(picker->File1, picker->File1->item(0)->text());
    QTRY_VERIFY(picker->CmdOk->isEnabled());
    picker->findChild<QWidget*>(order.front())->setFocus();

    QStringList visited;
    for (int i = 0; i < order.size(); ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, order);

    const auto fresh = openPicker(kind);
    QCOMPARE(fresh->focusWidget()->objectName(), order.front());
}

void PickerTest::clickedNameIsHandedBackBareAndTheWindowAsksToClose()
{
    const auto picker = openPicker(FrmPicker::Kind::Shape);
    QSignalSpy chosen(picker.get(), &FrmPicker::nameChosen);
    QSignalSpy closing(picker.get(), &FrmPicker::closeBoxPressed);

    clickItem(picker->File1, "CAB.S");
    QCOMPARE(picker->lblSelected->text(), QString("CAB.S"));
    QTRY_VERIFY(picker->CmdOk->isEnabled());
    QTest::mouseClick(picker->CmdOk, Qt::LeftButton);

    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).toString(), QString("CAB.S"));
    QCOMPARE(closing.count(), 1);
}

void PickerTest::nameClickedBeforeOpeningAnotherFolderIsStillHandedBack()
{
    const auto picker = openPicker(FrmPicker::Kind::Sms);
    QSignalSpy chosen(picker.get(), &FrmPicker::nameChosen);

    clickItem(picker->File1, "a.SMS");
    doubleClickItem(picker->Dir1, "sub");
    QCOMPARE(picker->Dir1->folder(), m_root / "sub");
    QCOMPARE(listTexts(picker->File1), QStringList{"other.sms"});
    QCOMPARE(picker->lblSelected->text(), QString("a.SMS"));

    // An ancestor entry climbs back up.
    doubleClickItem(picker->Dir1, m_root.filename().c_str());
    QCOMPARE(picker->Dir1->folder(), m_root);
    QCOMPARE(listTexts(picker->File1), (QStringList{"a.SMS", "x.sms"}));

    QTRY_VERIFY(picker->CmdOk->isEnabled());
    QTest::mouseClick(picker->CmdOk, Qt::LeftButton);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).toString(), QString("a.SMS"));
}

void PickerTest::doubleClickOnAFileSelectsItAndKeepsTheWindowOpen()
{
    const auto picker = openPicker(FrmPicker::Kind::Shape);
    QSignalSpy chosen(picker.get(), &FrmPicker::nameChosen);
    QSignalSpy closing(picker.get(), &FrmPicker::closeBoxPressed);

    doubleClickItem(picker->File1, "b.s");
    QCOMPARE(picker->lblSelected->text(), QString("b.s"));
    QTRY_VERIFY(picker->CmdOk->isEnabled());
    QCOMPARE(chosen.count(), 0);
    QCOMPARE(closing.count(), 0);
}

void PickerTest::arrowKeysInTheFileListSelectButTabbingInDoesNot()
{
    const auto picker = openPicker(FrmPicker::Kind::Shape);
    QVERIFY(QTest::qWaitForWindowActive(picker.get()));
    picker->Dir1->setFocus();
    QTest::keyClick(picker->Dir1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), picker->File1);
    QVERIFY(picker->lblSelected->text().isEmpty());

    QTest::keyClick(picker->File1, Qt::Key_Down);
    QTest::keyClick(picker->File1, Qt::Key_Down);
    QCOMPARE(picker->lblSelected->text(), QString("CAB.S"));
    QTest::keyClick(picker->File1, Qt::Key_Up);
    QCOMPARE(picker->lblSelected->text(), QString("b.s"));
}

void PickerTest::cancelHandsBackNothing()
{
    const auto picker = openPicker(FrmPicker::Kind::Shape);
    QSignalSpy chosen(picker.get(), &FrmPicker::nameChosen);
    QSignalSpy closing(picker.get(), &FrmPicker::closeBoxPressed);

    clickItem(picker->File1, "CAB.S");
    QTest::mouseClick(picker->CmdCancel, Qt::LeftButton);
    QCOMPARE(closing.count(), 1);
    QCOMPARE(chosen.count(), 0);
}

void PickerTest::aceptarStaysDisabledUntilANameIsClicked()
{
    const auto picker = openPicker(FrmPicker::Kind::Shape);
    QSignalSpy ticks(picker->Timer1, &QTimer::timeout);
    QTRY_VERIFY(ticks.count() >= 2);
    QVERIFY(!picker->CmdOk->isEnabled());

    // Pressing the disabled button hands back nothing.
    QSignalSpy chosen(picker.get(), &FrmPicker::nameChosen);
    QTest::mouseClick(picker->CmdOk, Qt::LeftButton);
    QCOMPARE(chosen.count(), 0);

    clickItem(picker->File1, "b.s");
    QTRY_VERIFY(picker->CmdOk->isEnabled());
}

void PickerTest::folderRemovedBeforeItIsOpenedLeavesTheListsAsTheyWere()
{
    const auto picker = openPicker(FrmPicker::Kind::Shape);
    clickItem(picker->File1, "b.s");
    const QStringList dirsBefore = listTexts(picker->Dir1);
    const QStringList filesBefore = listTexts(picker->File1);
    QVERIFY(dirsBefore.contains("gone"));

    // Removal works against root too, who would read an unreadable folder anyway.
    fs::remove(m_root / "gone");
    doubleClickItem(picker->Dir1, "gone");

    QCOMPARE(picker->Dir1->folder(), m_root);
    QCOMPARE(listTexts(picker->Dir1), dirsBefore);
    QCOMPARE(listTexts(picker->File1), filesBefore);
    QCOMPARE(picker->lblSelected->text(), QString("b.s"));
    QVERIFY(picker->isVisible());
}

void PickerTest::driveListStartsOnTheVolumeHoldingTheCurrentFolder()
{
    const std::vector<fs::path> volumes{m_root, m_root / "sub", m_root / "gone"};
    QVERIFY(QDir::setCurrent(QString::fromStdString((m_root / "sub").string())));
    FrmPicker picker(FrmPicker::Kind::Shape, volumes);
    QCOMPARE(picker.Drive1->count(), 3);
    QCOMPARE(picker.Drive1->currentIndex(), 1);
    QCOMPARE(picker.Dir1->folder(), m_root / "sub");
    QCOMPARE(listTexts(picker.File1), QStringList{"inner.s"});
}

void PickerTest::unreadableDriveIsIgnoredWhileTheDriveListKeepsTheChoice()
{
    const std::vector<fs::path> volumes{m_root, m_root / "sub", m_root / "gone"};
    FrmPicker picker(FrmPicker::Kind::Shape, volumes);
    picker.showWindow();
    QCOMPARE(picker.Drive1->currentIndex(), 0);

    picker.Drive1->setFocus();
    QTest::keyClick(picker.Drive1, Qt::Key_Down);
    QCOMPARE(picker.Drive1->currentIndex(), 1);
    QCOMPARE(picker.Dir1->folder(), m_root / "sub");
    QCOMPARE(listTexts(picker.File1), QStringList{"inner.s"});

    fs::remove(m_root / "gone");
    const QStringList dirsBefore = listTexts(picker.Dir1);
    QTest::keyClick(picker.Drive1, Qt::Key_Down);
    QCOMPARE(picker.Drive1->currentIndex(), 2);
    QCOMPARE(picker.Dir1->folder(), m_root / "sub");
    QCOMPARE(listTexts(picker.Dir1), dirsBefore);
    QCOMPARE(listTexts(picker.File1), QStringList{"inner.s"});
}

void PickerTest::realDriveListStartsWithTheRootAndHoldsTheCurrentFolder()
{
    FrmPicker picker(FrmPicker::Kind::Shape);
    QVERIFY(picker.Drive1->count() >= 1);
#ifndef _WIN32
    QCOMPARE(picker.Drive1->itemText(0), QString("/"));
#endif
    const QString current = picker.Drive1->currentText();
    QVERIFY(!current.isEmpty());
    // The chosen volume holds the current folder.
    const fs::path inside = m_root.lexically_relative(current.toStdString());
    QVERIFY2(!inside.empty() && *inside.begin() != "..", qPrintable(current));
}

QTEST_MAIN(PickerTest)
#include "PickerTest.moc"
