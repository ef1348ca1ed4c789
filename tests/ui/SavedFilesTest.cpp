#include "tests/files/OnWindows.h"
#include "tests/support/UiTestSupport.h"
#include "ui/CodeBox.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTimer>

using namespace orbanil;
using namespace orbanil::testing;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList listed(const FrmOrbanil* main)
{
    const auto* list = control<QListWidget>(main, "File1");
    QStringList names;
    for (int i = 0; i < list->count(); ++i) {
        names.append(list->item(i)->text());
    }
    return names;
}

void generateExample(FrmOrbanil* main)
{
    typeWorkedExample(main);
    auto* generate = control<QPushButton>(main, "CmdGenerate");
    QTRY_VERIFY(generate->isEnabled());
    QTest::mouseClick(generate, Qt::LeftButton);
}

// Presses "&Guardar" once the timer allows it, showing the save panel.
void showSavePanel(FrmOrbanil* main)
{
    auto* saveFile = control<QPushButton>(main, "CmdSaveFile");
    QTRY_VERIFY(saveFile->isEnabled());
    QTest::mouseClick(saveFile, Qt::LeftButton);
}

void saveAs(FrmOrbanil* main, const QString& name)
{
    showSavePanel(main);
    control<QLineEdit>(main, "txtfilename")->setText(name);
    QTest::mouseClick(control<QPushButton>(main, "CmdSave"), Qt::LeftButton);
}

void clickListed(FrmOrbanil* main, const QString& name)
{
    auto* list = control<QListWidget>(main, "File1");
    const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(items.first()).center());
}

// Shows the open panel, clicks `name` in its list and presses "Abrir" once the timer allows it.
void openListed(FrmOrbanil* main, const QString& name)
{
    auto* open = control<QPushButton>(main, "CmdOpen");
    QTest::mouseClick(control<QPushButton>(main, "CmdOpenFile"), Qt::LeftButton);
    clickListed(main, name);
    QTRY_VERIFY(open->isEnabled());
    QTest::mouseClick(open, Qt::LeftButton);
}

const QString exampleOpened = QString::fromStdString(workedExampleOpened);

} // namespace

class SavedFilesTest : public QObject
{
    Q_OBJECT
private slots:
    void saveListAndOpenTheWorkedExample();
    void replacingASavedFileAsksFirst_data();
    void replacingASavedFileAsksFirst();
    void questionBeforeReplacingCode_data();
    void questionBeforeReplacingCode();
    void failedSaveKeepsCodePanelAndOldFile_data();
    void failedSaveKeepsCodePanelAndOldFile();
    void refusedNamesWriteNothing_data();
    void refusedNamesWriteNothing();
    void enterInTheNameFieldSaves();
    void keysInTheListChooseAndEnterOrDoubleClickOpens();
    void listedFileRemovedBeforeOpening();
    void withoutSelectionTheNamedFileOpens();
    void onePanelAtATime();
    void savedFilesAreListedWithoutRegardToCase();
    void generateDiscardsAnOpenedFile();
    void codeEmptiedWhileSavingSavesALineEnd();
    void zeroByteFileOpensToAnEmptyCodeBox();
    void filesFromNotepadOpenAsWritten();
    void closingPanelLeavesTheFocusInTheCodeBox_data();
    void closingPanelLeavesTheFocusInTheCodeBox();
    void namesWithCommasComeBackThroughLeerValores();
};

void SavedFilesTest::saveListAndOpenTheWorkedExample()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    auto* saveFile = control<QPushButton>(main, "CmdSaveFile");
    auto* savePanel = control<QGroupBox>(main, "FraSave");
    auto* fileName = control<QLineEdit>(main, "txtfilename");
    auto* code = control<CodeBox>(main, "txtCode");
    auto* openFile = control<QPushButton>(main, "CmdOpenFile");
    auto* openPanel = control<QGroupBox>(main, "FraOpen");
    auto* open = control<QPushButton>(main, "CmdOpen");
    QVERIFY(listed(main).isEmpty());
    generateExample(main);
    QTRY_VERIFY(saveFile->isEnabled());
    QTest::mouseClick(saveFile, Qt::LeftButton);
    QVERIFY(savePanel->isVisible());
    QCOMPARE(main->focusWidget(), fileName);
    QTest::keyClicks(fileName, QStringLiteral("vagon"));
    QTest::mouseClick(control<QPushButton>(main, "CmdSave"), Qt::LeftButton);

    const QByteArray saved = bytesOf(run.folder.filePath(QStringLiteral("vagon.obn")));
    QCOMPARE(saved.size(), 194);
    QCOMPARE(saved, workedExampleCode.toLatin1() + "\r\n");
    QVERIFY(code->isEmpty());
    QVERIFY(!savePanel->isVisible());
    QCOMPARE(fileName->text(), QStringLiteral("vagon"));
    QCOMPARE(listed(main), QStringList{"vagon.obn"});
    QTRY_VERIFY(!saveFile->isEnabled() && !control<QPushButton>(main, "CmdClip")->isEnabled());

    QTest::mouseClick(openFile, Qt::LeftButton);
    QVERIFY(openPanel->isVisible());
    QTest::qWait(250);
    QVERIFY(!open->isEnabled());
    clickListed(main, QStringLiteral("vagon.obn"));
    QCOMPARE(control<QLabel>(main, "lblOpenFile")->text(), QStringLiteral("File: vagon.obn"));
    QTRY_VERIFY(open->isEnabled());
    QTest::mouseClick(open, Qt::LeftButton);
    QCOMPARE(run.recorded.messages.size(), 1); // the summary only: an empty box asks nothing
    QCOMPARE(code->codeText(), exampleOpened);
    QCOMPARE(code->codeText().size(), 169);
    QVERIFY(!openPanel->isVisible());

    // "Abrir" stays available for the next time the panel is shown, whose list is read again:
    // a file copied into the folder meanwhile is in it.
    writeBytes(run.folder.filePath(QStringLiteral("copiado.obn")), "x\r\n");
    QTest::mouseClick(openFile, Qt::LeftButton);
    QCOMPARE(listed(main), (QStringList{"copiado.obn", "vagon.obn"}));
    QTest::qWait(250);
    QVERIFY(open->isEnabled());
}

void SavedFilesTest::replacingASavedFileAsksFirst_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::newRow("a new name") << "otro" << false << QMessageBox::NoButton;
    QTest::newRow("the name, Sí") << "coche" << true << QMessageBox::Yes;
    QTest::newRow("the name, No") << "coche" << true << QMessageBox::No;
    QTest::newRow("the name, Escape") << "coche" << true << QMessageBox::Escape;
    // One name to Windows, two elsewhere.
    QTest::newRow("in other case, Sí") << "COCHE" << onWindows << QMessageBox::Yes;
}

void SavedFilesTest::replacingASavedFileAsksFirst()
{
    QFETCH(QString, name);
    QFETCH(bool, asks);
    QFETCH(QMessageBox::StandardButton, answer);
    StartedRun run;
    writeBytes(run.folder.filePath(QStringLiteral("coche.obn")), "antes\r\n");
    FrmOrbanil* main = openMainWindow(run);
    auto* code = control<CodeBox>(main, "txtCode");
    code->replaceCodeText(QStringLiteral("nuevo"));
    run.recorded.answers = {answer};
    saveAs(main, name);

    const bool saved = !asks || answer == QMessageBox::Yes;
    QCOMPARE(run.recorded.messages.size(), asks ? 2 : 1);
    if (asks) {
        const Message& question = run.recorded.messages.last();
        QCOMPARE(question.title, QStringLiteral("Guardar"));
        QCOMPARE(question.text, QStringLiteral("Ya existe «coche.obn». ¿Reemplazarlo?"));
        QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(question.defaultButton, QMessageBox::No);
        QCOMPARE(question.escapeButton, QMessageBox::No);
    }
    const QString written = run.folder.filePath(name + QStringLiteral(".obn"));
    QCOMPARE(bytesOf(written), saved ? QByteArray("nuevo\r\n") : QByteArray("antes\r\n"));
    QCOMPARE(code->codeText(), saved ? QString() : QStringLiteral("nuevo"));
    QCOMPARE(control<QGroupBox>(main, "FraSave")->isVisible(), !saved);
    QCOMPARE(control<QLabel>(main, "lblCodeNote")->text(),
             saved ? QStringLiteral("Guardado en %1.obn.").arg(name) : QString());
}

void SavedFilesTest::questionBeforeReplacingCode_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("Yes") << int(QMessageBox::Yes);
    QTest::newRow("No") << int(QMessageBox::No);
    // Escape, the close box and Alt+F4 change nothing, as "Yes" does.
    QTest::newRow("Escape") << int(QMessageBox::Escape);
}

void SavedFilesTest::questionBeforeReplacingCode()
{
    QFETCH(int, answer);
    StartedRun run;
    writeBytes(run.folder.filePath(QStringLiteral("a.obn")), "uno, dos\r\n");
    FrmOrbanil* main = openMainWindow(run);
    auto* code = control<CodeBox>(main, "txtCode");
    auto* openPanel = control<QGroupBox>(main, "FraOpen");
    QTest::keyClicks(code, QStringLiteral("mine"));
    run.recorded.answers = {static_cast<QMessageBox::StandardButton>(answer)};
    openListed(main, QStringLiteral("a.obn"));

    QCOMPARE(run.recorded.messages.size(), 2);
    const Message& question = run.recorded.messages.last();
    QCOMPARE(question.title, QStringLiteral("Open"));
    QCOMPARE(question.text,
             QStringLiteral("Do you want save the current code before opening the file?"));
    QCOMPARE(question.icon, QMessageBox::Question);
    QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(question.defaultButton, QMessageBox::Yes);
    if (answer != QMessageBox::No) {
        QCOMPARE(code->codeText(), QStringLiteral("mine"));
        QVERIFY(openPanel->isVisible());
    } else {
        QCOMPARE(code->codeText(), QStringLiteral("uno, dos\r\n"));
        QVERIFY(!openPanel->isVisible());
        // The replaced code comes back with Ctrl+Z.
        QTest::keyClick(code, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(code->codeText(), QStringLiteral("mine"));
    }
}

void SavedFilesTest::failedSaveKeepsCodePanelAndOldFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("expectedInMessage");

    // A folder in the way fails even for root, who ignores permission bits.
    QTest::newRow("folder in the way") << "carpeta"
                                       << "nuevo"
                                       << "carpeta.obn";
    QTest::newRow("not in Windows-1252") << "viejo"
                                         << "Ω nuevo"
                                         << "Windows-1252";
    QTest::newRow("name too long") << QString(300, QLatin1Char('n')) << "nuevo"
                                   << "nnnn";
}

void SavedFilesTest::failedSaveKeepsCodePanelAndOldFile()
{
    QFETCH(QString, name);
    QFETCH(QString, code);
    QFETCH(QString, expectedInMessage);
    StartedRun run;
    QVERIFY(QDir(run.folder.path()).mkdir(QStringLiteral("carpeta.obn")));
    writeBytes(run.folder.filePath(QStringLiteral("viejo.obn")), "old\r\n");
    FrmOrbanil* main = openMainWindow(run);
    control<CodeBox>(main, "txtCode")->replaceCodeText(code);
    // Replacing viejo.obn is asked first, and agreed to.
    const bool replacing = name == QLatin1String("viejo");
    if (replacing) {
        run.recorded.answers = {QMessageBox::Yes};
    }
    saveAs(main, name);

    QCOMPARE(run.recorded.messages.size(), replacing ? 3 : 2);
    const Message& warning = run.recorded.messages.last();
    QCOMPARE(warning.icon, QMessageBox::Warning);
    QVERIFY2(warning.text.contains(QStringLiteral("No se pudo guardar")), qPrintable(warning.text));
    QVERIFY2(warning.text.contains(expectedInMessage), qPrintable(warning.text));
    QCOMPARE(control<CodeBox>(main, "txtCode")->codeText(), code);
    QVERIFY(control<QGroupBox>(main, "FraSave")->isVisible());
    QCOMPARE(bytesOf(run.folder.filePath(QStringLiteral("viejo.obn"))), QByteArray("old\r\n"));
    QVERIFY(QFileInfo(run.folder.filePath(QStringLiteral("carpeta.obn"))).isDir());
}

void SavedFilesTest::refusedNamesWriteNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("slash") << "sub/vagon";
    QTest::newRow("backslash") << "sub\\vagon";
    QTest::newRow("up a folder") << "../vagon";
    QTest::newRow("tab") << "va\tgon";
    // It would make a file called ".obn", hidden on Linux and nameless in the list.
    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << "   ";
}

void SavedFilesTest::refusedNamesWriteNothing()
{
    QFETCH(QString, name);
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    generateExample(main);
    saveAs(main, name);
    QCOMPARE(run.recorded.messages.size(), 2);
    QCOMPARE(run.recorded.messages.last().title, QStringLiteral("Guardar"));
    QCOMPARE(run.recorded.messages.last().icon, QMessageBox::Warning);
    QVERIFY(run.recorded.messages.last().text.startsWith(QStringLiteral("El nombre no puede")));
    QCOMPARE(control<CodeBox>(main, "txtCode")->codeText(), workedExampleCode);
    QVERIFY(control<QGroupBox>(main, "FraSave")->isVisible());
    QCOMPARE(
        QDir(run.folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList());
    QVERIFY(!QFile::exists(run.folder.filePath(QStringLiteral("../vagon.obn"))));
}

void SavedFilesTest::enterInTheNameFieldSaves()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    generateExample(main);
    showSavePanel(main);
    auto* fileName = control<QLineEdit>(main, "txtfilename");
    QTest::keyClicks(fileName, QStringLiteral("vagon"));
    QTest::keyClick(fileName, Qt::Key_Return);
    QCOMPARE(bytesOf(run.folder.filePath(QStringLiteral("vagon.obn"))).size(), 194);
    QVERIFY(!control<QGroupBox>(main, "FraSave")->isVisible());
}

void SavedFilesTest::keysInTheListChooseAndEnterOrDoubleClickOpens()
{
    StartedRun run;
    for (const char* name : {"a.obn", "b.obn", "c.obn"}) {
        writeBytes(run.folder.filePath(QString::fromLatin1(name)), QByteArray(name) + "\r\n");
    }
    FrmOrbanil* main = openMainWindow(run);
    auto* list = control<QListWidget>(main, "File1");
    auto* chosen = control<QLabel>(main, "lblOpenFile");
    auto* open = control<QPushButton>(main, "CmdOpen");
    auto* code = control<CodeBox>(main, "txtCode");
    QTest::mouseClick(control<QPushButton>(main, "CmdOpenFile"), Qt::LeftButton);
    list->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    list->setFocus();
    // Each key that moves the highlight chooses the entry, as a click does.
    const std::pair<Qt::Key, const char*> moves[] = {{Qt::Key_Down, "b.obn"},
                                                     {Qt::Key_End, "c.obn"},
                                                     {Qt::Key_Up, "b.obn"},
                                                     {Qt::Key_Home, "a.obn"}};
    for (const auto& [key, name] : moves) {
        QTest::keyClick(list, key);
        QCOMPARE(chosen->text(), QStringLiteral("File: ") + QString::fromLatin1(name));
        QVERIFY(open->isEnabled());
    }
    // The label only shows the choice: what it reads plays no part.
    chosen->setText(QStringLiteral("File:"));
    QSignalSpy ticks(control<QTimer>(main, "Timer2"), &QTimer::timeout);
    QTRY_VERIFY(ticks.count() >= 2);
    QVERIFY(open->isEnabled());
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(code->codeText(), QStringLiteral("a.obn\r\n"));
    QVERIFY(!control<QGroupBox>(main, "FraOpen")->isVisible());

    // A double click opens as "Abrir" does, asking first since the code box holds text.
    QTest::mouseClick(control<QPushButton>(main, "CmdOpenFile"), Qt::LeftButton);
    run.recorded.answers = {QMessageBox::No};
    doubleClickItem(list, QStringLiteral("c.obn"));
    QCOMPARE(run.recorded.messages.size(), 2);
    QCOMPARE(run.recorded.messages.last().title, QStringLiteral("Open"));
    QCOMPARE(code->codeText(), QStringLiteral("c.obn\r\n"));
}

void SavedFilesTest::listedFileRemovedBeforeOpening()
{
    StartedRun run;
    writeBytes(run.folder.filePath(QStringLiteral("gone.obn")), "x\r\n");
    writeBytes(run.folder.filePath(QStringLiteral("stays.obn")), "y\r\n");
    FrmOrbanil* main = openMainWindow(run);
    auto* code = control<CodeBox>(main, "txtCode");
    auto* open = control<QPushButton>(main, "CmdOpen");
    QCOMPARE(listed(main), (QStringList{"gone.obn", "stays.obn"}));
    QTest::keyClicks(code, QStringLiteral("mine"));
    QTest::mouseClick(control<QPushButton>(main, "CmdOpenFile"), Qt::LeftButton);
    clickListed(main, QStringLiteral("gone.obn"));
    QTRY_VERIFY(open->isEnabled());
    QVERIFY(QFile::remove(run.folder.filePath(QStringLiteral("gone.obn"))));
    run.recorded.answers = {QMessageBox::No};
    QTest::mouseClick(open, Qt::LeftButton);

    QCOMPARE(run.recorded.messages.size(), 3);
    const Message& warning = run.recorded.messages.last();
    QCOMPARE(warning.title, QStringLiteral("Abrir"));
    QCOMPARE(warning.icon, QMessageBox::Warning);
    QVERIFY2(warning.text.contains(QStringLiteral("gone.obn")), qPrintable(warning.text));
    QCOMPARE(code->codeText(), QStringLiteral("mine"));
    QVERIFY(control<QGroupBox>(main, "FraOpen")->isVisible());
    QCOMPARE(listed(main), QStringList{"stays.obn"});
}

void SavedFilesTest::withoutSelectionTheNamedFileOpens()
{
    StartedRun run;
    writeBytes(run.folder.filePath(QStringLiteral("a.obn")), "uno\r\n");
    FrmOrbanil* main = openMainWindow(run);
    auto* code = control<CodeBox>(main, "txtCode");
    auto* openFile = control<QPushButton>(main, "CmdOpenFile");
    auto* open = control<QPushButton>(main, "CmdOpen");
    QTest::mouseClick(openFile, Qt::LeftButton);
    clickListed(main, QStringLiteral("a.obn"));
    // A save reads the list again, and the chosen file stays chosen in it.
    code->replaceCodeText(QStringLiteral("otro"));
    saveAs(main, QStringLiteral("b"));
    QCOMPARE(control<QListWidget>(main, "File1")->currentItem()->text(), QStringLiteral("a.obn"));
    QCOMPARE(control<QLabel>(main, "lblOpenFile")->text(), QStringLiteral("File: a.obn"));
    QTRY_VERIFY(open->isEnabled());
    QTest::mouseClick(open, Qt::LeftButton);
    QCOMPARE(code->codeText(), QStringLiteral("uno\r\n"));

    // The named file gone: the same message, and the code box keeps its text.
    QVERIFY(QFile::remove(run.folder.filePath(QStringLiteral("a.obn"))));
    code->replaceCodeText(QString());
    QTest::mouseClick(openFile, Qt::LeftButton);
    QTest::mouseClick(open, Qt::LeftButton);
    QCOMPARE(run.recorded.messages.last().icon, QMessageBox::Warning);
    QVERIFY(run.recorded.messages.last().text.contains(QStringLiteral("a.obn")));
    QVERIFY(code->isEmpty());
    QCOMPARE(listed(main), QStringList{"b.obn"});
}

void SavedFilesTest::onePanelAtATime()
{
    StartedRun run;
    writeBytes(run.folder.filePath(QStringLiteral("a.obn")), "uno\r\n");
    FrmOrbanil* main = openMainWindow(run);
    auto* saveFile = control<QPushButton>(main, "CmdSaveFile");
    auto* openFile = control<QPushButton>(main, "CmdOpenFile");
    auto* savePanel = control<QGroupBox>(main, "FraSave");
    auto* openPanel = control<QGroupBox>(main, "FraOpen");
    auto* fileName = control<QLineEdit>(main, "txtfilename");
    auto* openLabel = control<QLabel>(main, "lblOpenFile");
    control<CodeBox>(main, "txtCode")->replaceCodeText(QStringLiteral("x"));
    QTRY_VERIFY(saveFile->isEnabled());

    QTest::mouseClick(saveFile, Qt::LeftButton);
    QTest::keyClicks(fileName, QStringLiteral("vagon"));
    QTest::mouseClick(openFile, Qt::LeftButton);
    QVERIFY(openPanel->isVisible());
    QVERIFY(!savePanel->isVisible());
    clickListed(main, QStringLiteral("a.obn"));

    QTest::mouseClick(saveFile, Qt::LeftButton);
    QVERIFY(savePanel->isVisible());
    QVERIFY(!openPanel->isVisible());
    QCOMPARE(main->focusWidget(), fileName);
    // Nothing else about either panel changed.
    QCOMPARE(fileName->text(), QStringLiteral("vagon"));
    QCOMPARE(openLabel->text(), QStringLiteral("File: a.obn"));
    QTest::mouseClick(openFile, Qt::LeftButton);
    QVERIFY(!savePanel->isVisible());
    QCOMPARE(listed(main), QStringList{"a.obn"});
    QCOMPARE(control<QListWidget>(main, "File1")->currentItem()->text(), QStringLiteral("a.obn"));
    QCOMPARE(openLabel->text(), QStringLiteral("File: a.obn"));
}

void SavedFilesTest::savedFilesAreListedWithoutRegardToCase()
{
    StartedRun run;
    // Byte order would give B, _x, a, c.
    for (const char* name : {"c.obn", "B.obn", "a.obn", "_x.obn"}) {
        writeBytes(run.folder.filePath(QString::fromLatin1(name)), "x\r\n");
    }
    FrmOrbanil* main = openMainWindow(run);
    QCOMPARE(listed(main), (QStringList{"_x.obn", "a.obn", "B.obn", "c.obn"}));
    // The list read again after a save keeps that order.
    control<CodeBox>(main, "txtCode")->replaceCodeText(QStringLiteral("y"));
    saveAs(main, QStringLiteral("Ba"));
    QCOMPARE(listed(main), (QStringList{"_x.obn", "a.obn", "B.obn", "Ba.obn", "c.obn"}));
}

void SavedFilesTest::generateDiscardsAnOpenedFile()
{
    StartedRun run;
    writeBytes(run.folder.filePath(QStringLiteral("a.obn")), "uno, dos\r\n");
    FrmOrbanil* main = openMainWindow(run);
    auto* code = control<CodeBox>(main, "txtCode");
    openListed(main, QStringLiteral("a.obn"));
    QCOMPARE(code->codeText(), QStringLiteral("uno, dos\r\n"));

    generateExample(main);
    QCOMPARE(code->codeText(), workedExampleCode);
}

void SavedFilesTest::codeEmptiedWhileSavingSavesALineEnd()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    generateExample(main);
    showSavePanel(main);
    QTest::keyClicks(control<QLineEdit>(main, "txtfilename"), QStringLiteral("vacio"));
    QTest::mouseClick(control<QPushButton>(main, "CmdClear"), Qt::LeftButton);
    QTRY_VERIFY(!control<QPushButton>(main, "CmdSaveFile")->isEnabled());
    // The panel's own button still saves.
    QTest::mouseClick(control<QPushButton>(main, "CmdSave"), Qt::LeftButton);
    QCOMPARE(bytesOf(run.folder.filePath(QStringLiteral("vacio.obn"))), QByteArray("\r\n"));
    QVERIFY(!control<QGroupBox>(main, "FraSave")->isVisible());
    QCOMPARE(listed(main), QStringList{"vacio.obn"});
}

void SavedFilesTest::zeroByteFileOpensToAnEmptyCodeBox()
{
    StartedRun run;
    writeBytes(run.folder.filePath(QStringLiteral("cero.obn")), QByteArray());
    FrmOrbanil* main = openMainWindow(run);
    openListed(main, QStringLiteral("cero.obn"));
    QVERIFY(control<CodeBox>(main, "txtCode")->isEmpty());
    QVERIFY(!control<QGroupBox>(main, "FraOpen")->isVisible());
    QCOMPARE(run.recorded.messages.size(), 1); // the summary only
}

void SavedFilesTest::filesFromNotepadOpenAsWritten()
{
    StartedRun run;
    writeBytes(run.folder.filePath(QStringLiteral("utf8.obn")),
               "\xEF\xBB\xBFInside (\r\n\tSound ( \"se\xC3\xB1"
               "al.sms\" )\r\n)\r\n");
    writeBytes(run.folder.filePath(QStringLiteral("utf16.obn")),
               QByteArray("\xFF\xFE\xA9\x03\r\0\n\0", 8));
    // Notepad's default: UTF-8 without a mark.
    writeBytes(run.folder.filePath(QStringLiteral("sin marca.obn")), "Interior_\xC3\xB1.s\r\n");
    FrmOrbanil* main = openMainWindow(run);
    auto* code = control<CodeBox>(main, "txtCode");
    openListed(main, QStringLiteral("utf8.obn"));
    QCOMPARE(code->codeText(), QStringLiteral("Inside (\r\nSound ( \"señal.sms\" )\r\n)\r\n"));

    code->clear();
    openListed(main, QStringLiteral("utf16.obn"));
    QCOMPARE(code->codeText(), QStringLiteral("Ω\r\n"));

    code->clear();
    openListed(main, QStringLiteral("sin marca.obn"));
    QCOMPARE(code->codeText(), QStringLiteral("Interior_ñ.s\r\n"));
}

void SavedFilesTest::closingPanelLeavesTheFocusInTheCodeBox_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("closer");
    QTest::newRow("saved") << "CmdSaveFile"
                           << "CmdSave";
    QTest::newRow("save cancelled") << "CmdSaveFile"
                                    << "CmdCancel";
    QTest::newRow("opened") << "CmdOpenFile"
                            << "CmdOpen";
    QTest::newRow("open cancelled") << "CmdOpenFile"
                                    << "CmdCancel2";
}

void SavedFilesTest::closingPanelLeavesTheFocusInTheCodeBox()
{
    QFETCH(QString, opener);
    QFETCH(QString, closer);
    StartedRun run;
    writeBytes(run.folder.filePath(QStringLiteral("a.obn")), "uno\r\n");
    FrmOrbanil* main = openMainWindow(run);
    QSignalSpy exits(main, &FrmOrbanil::exitRequested);
    auto* code = control<CodeBox>(main, "txtCode");
    auto* openButton = control<QPushButton>(main, qPrintable(opener));
    auto* closeButton = control<QPushButton>(main, qPrintable(closer));
    if (opener == QStringLiteral("CmdSaveFile")) {
        QTest::keyClick(code, Qt::Key_X);
    }
    QTRY_VERIFY(openButton->isEnabled());
    QTest::keyClick(openButton, Qt::Key_Space);
    if (opener == QStringLiteral("CmdSaveFile")) {
        QTest::keyClicks(control<QLineEdit>(main, "txtfilename"), QStringLiteral("vagon"));
    } else {
        clickListed(main, QStringLiteral("a.obn"));
    }
    QTRY_VERIFY(closeButton->isEnabled());
    closeButton->setFocus();

    // Enter closes the panel; a second Enter, as a quick user gives it, ends nothing.
    QTest::keyClick(closeButton, Qt::Key_Return);
    QVERIFY(!closeButton->isVisible());
    QCOMPARE(main->focusWidget(), code);
    QTest::keyClick(main->focusWidget(), Qt::Key_Return);
    QCOMPARE(exits.count(), 0);
    QVERIFY(main->isVisible());
}

// A block saved and opened again reads back as typed: commas no longer split its lines.
void SavedFilesTest::namesWithCommasComeBackThroughLeerValores()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    typeWorkedExample(main);
    auto* shape = control<QLineEdit>(main, "txtShapeFile");
    auto* sound = control<QLineEdit>(main, "txtSound");
    typeInto(shape, QStringLiteral("Coche, interior.s"));
    typeInto(sound, QStringLiteral("Sonidos\\vagon, 2.sms"));
    auto* generate = control<QPushButton>(main, "CmdGenerate");
    QTRY_VERIFY(generate->isEnabled());
    QTest::mouseClick(generate, Qt::LeftButton);
    saveAs(main, QStringLiteral("comas"));
    openListed(main, QStringLiteral("comas.obn"));
    typeInto(shape, QStringLiteral("x"));
    typeInto(sound, QStringLiteral("y"));

    QTest::mouseClick(control<QPushButton>(main, "CmdRead"), Qt::LeftButton);
    QCOMPARE(shape->text(), QStringLiteral("Coche, interior.s"));
    QCOMPARE(sound->text(), QStringLiteral("Sonidos\\vagon, 2.sms"));
    QCOMPARE(run.recorded.messages.size(), 1); // the summary: nothing converted
}

QTEST_MAIN(SavedFilesTest)
#include "SavedFilesTest.moc"
