#include "files/CodeFile.h"
#include "tests/support/FaultInjection.h"
#include "tests/support/UiTestSupport.h"
#include "ui/CodeBox.h"
#include "ui/DirList.h"
#include "ui/FrmAyuda.h"
#include "ui/FrmPicker.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <filesystem>
#include <fstream>
#include <optional>

using namespace orbanil;
using namespace orbanil::testing;
namespace fs = std::filesystem;

namespace {

// The ways a file operation is made to fail; each one holds for root too unless it says so.
enum class Fault
{
    DiskFull,           // a 64 KiB tmpfs as the program folder
    NoFileEntryLeft,    // a tmpfs whose inodes are all taken
    ReadOnlyDisk,       // a tmpfs remounted read-only
    UnwritableFolder,   // read-only bind mount for root, no write permission for a user
    FileSizeLimit,      // RLIMIT_FSIZE while the save runs
    FolderRemoved,      // the program folder removed after the main window loaded
    FolderNowAFile,     // ... and a file put in its place
    NameTooLong,        // 256 bytes with ".obn", in 130 characters
    OutsideWindows1252, // a character the encoding cannot hold, in the code box
    NowAFolder,         // the listed file replaced by a folder
    LinkToNothing,      // ... by a symbolic link to a missing file
    LinkLoop,           // ... by a link to itself
    LinkToDevice,       // ... by a link to /dev/zero, which never ends
    NoReadPermission,   // no read permission; root held to the permission bits too
};

QByteArray bytesOf(const fs::path& path)
{
    QFile file(pathToQString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const fs::path& path, const QByteArray& bytes)
{
    std::ofstream(path, std::ios::binary).write(bytes.constData(), bytes.size());
}

QStringList namesIn(const fs::path& folder)
{
    return QDir(pathToQString(folder))
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

// Types any text, letters beyond ASCII included, one key press with its text per character.
void typeText(QWidget* field, const QString& typed)
{
    for (const QChar c : typed) {
        QTest::sendKeyEvent(QTest::Press, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// A run whose program folder is a subfolder of a temporary one, so that it can be mounted
// over, removed or replaced while the windows are loaded.
struct FaultRun
{
    QTemporaryDir base;
    fs::path program = folderOf(base) / "programa";
    faults::ScratchMount mount;
    std::optional<faults::WriteSizeLimit> limit;
    RecordedServices recorded;
    std::unique_ptr<WindowSet> windows;
    std::optional<faults::PermissionsBindRoot> bound; // gone first, before the folders go

    FaultRun() { fs::create_directory(program); }
    ~FaultRun()
    {
        windows.reset();
        std::error_code ignored;
        fs::permissions(program, fs::perms::owner_all, fs::perm_options::add, ignored);
    }

    // The main window, loaded over the program folder as it is now.
    FrmOrbanil* start()
    {
        windows = std::make_unique<WindowSet>(program, recorded.services());
        windows->start();
        passDialog(windows->frmBox(), QStringLiteral("12,5"), QStringLiteral("3"),
                   QStringLiteral("2,9"));
        return windows->frmOrbanil();
    }

    const Message& lastMessage() const { return recorded.messages.last(); }
};

// Puts a listed file or the program folder in the state of fault; says why it cannot, if so.
QString breakFile(FaultRun& run, const fs::path& file, Fault fault)
{
    switch (fault) {
    case Fault::FolderRemoved:
        fs::remove_all(run.program);
        break;
    case Fault::FolderNowAFile:
        fs::remove_all(run.program);
        writeFile(run.program, "otro");
        break;
    case Fault::NowAFolder:
        fs::remove(file);
        fs::create_directory(file);
        break;
    case Fault::LinkToNothing:
        fs::remove(file);
        fs::create_symlink("falta.obn", file);
        break;
    case Fault::LinkLoop:
        fs::remove(file);
        fs::create_symlink(file.filename(), file);
        break;
    case Fault::LinkToDevice:
        fs::remove(file);
        fs::create_symlink("/dev/zero", file);
        break;
    case Fault::NoReadPermission:
        run.bound.emplace();
        if (!run.bound->active()) {
            return QString::fromStdString(run.bound->whyNot());
        }
        fs::permissions(file, fs::perms::none);
        break;
    default:
        return QStringLiteral("not a reading fault");
    }
    return {};
}

const QString oldBytes = QStringLiteral("old\r\n");

} // namespace

class FileFaultUiTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();

    void failedSaveKeepsCodeNameOldFileAndPanel_data();
    void failedSaveKeepsCodeNameOldFileAndPanel();
    void failedOpenKeepsCodeAndReadsTheListAgain_data();
    void failedOpenKeepsCodeAndReadsTheListAgain();
    void helpWindowExplainsAnUnreadableHelpFile_data();
    void helpWindowExplainsAnUnreadableHelpFile();
    void pickerStartedInARemovedFolderOpensAndCancelKeepsTheField();
    void pickerSaysWhyAFolderCannotBeOpenedAndKeepsItsLists_data();
    void pickerSaysWhyAFolderCannotBeOpenedAndKeepsItsLists();

private:
    QString m_oldCurrent = QDir::currentPath();
};

void FileFaultUiTest::cleanup()
{
    QVERIFY(QDir::setCurrent(m_oldCurrent));
}

void FileFaultUiTest::failedSaveKeepsCodeNameOldFileAndPanel_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("oldFileStays");

    const QString block = workedExampleCode;
    const QString big = block.repeated(2000); // 384 KB
    QTest::newRow("disk full") << Fault::DiskFull << "viejo" << big
                               << "no queda espacio en el disco" << true;
    QTest::newRow("no file entry left")
        << Fault::NoFileEntryLeft << "viejo" << block << "no queda espacio en el disco" << true;
    QTest::newRow("read-only disk")
        << Fault::ReadOnlyDisk << "viejo" << block << "el disco es de solo lectura" << true;
    QTest::newRow("folder that cannot be written")
        << Fault::UnwritableFolder << "viejo" << block
        << (faults::runningAsRoot() ? "el disco es de solo lectura" : "no tiene permiso") << true;
    QTest::newRow("file size limit")
        << Fault::FileSizeLimit << "viejo" << big << "el archivo es demasiado grande" << true;
    QTest::newRow("program folder removed")
        << Fault::FolderRemoved << "viejo" << block << "no existe el archivo o la carpeta" << false;
    QTest::newRow("program folder now a file") << Fault::FolderNowAFile << "viejo" << block
                                               << "una parte de la ruta no es una carpeta" << false;
    QTest::newRow("name of 256 bytes") << Fault::NameTooLong << QStringLiteral("ñ").repeated(126)
                                       << block << "el nombre es demasiado largo" << true;
    QTest::newRow("CJK character")
        << Fault::OutsideWindows1252 << "viejo" << QStringLiteral("Sound ( \"汽笛.sms\" )")
        << "el texto contiene el carácter «汽» (U+6C7D), que la codificación Windows-1252 no "
           "admite"
        << true;
    QTest::newRow("character beyond 16 bits")
        << Fault::OutsideWindows1252 << "viejo" << block + QStringLiteral("\r\n🚂")
        << "el texto contiene el carácter «🚂» (U+1F682), que la codificación Windows-1252 no "
           "admite"
        << true;
}

void FileFaultUiTest::failedSaveKeepsCodeNameOldFileAndPanel()
{
    QFETCH(Fault, fault);
    QFETCH(QString, name);
    QFETCH(QString, code);
    QFETCH(QString, reason);
    QFETCH(bool, oldFileStays);

    FaultRun run;
    // Mounts and the old file come before the window lists the folder.
    if (fault == Fault::DiskFull || fault == Fault::ReadOnlyDisk) {
        if (!run.mount.mountTmpfs(run.program, "size=64k")) {
            QSKIP(run.mount.whyNot().c_str());
        }
    } else if (fault == Fault::NoFileEntryLeft) {
        if (!run.mount.mountTmpfs(run.program, "size=1m,nr_inodes=2")) {
            QSKIP(run.mount.whyNot().c_str());
        }
    }
    writeFile(run.program / "viejo.obn", oldBytes.toLatin1());
    if (fault == Fault::ReadOnlyDisk && !run.mount.remountReadOnly()) {
        QSKIP(run.mount.whyNot().c_str());
    }
    if (fault == Fault::UnwritableFolder) {
        if (!faults::runningAsRoot()) {
            fs::permissions(run.program, fs::perms::owner_write, fs::perm_options::remove);
        } else if (!run.mount.bindReadOnly(run.program)) {
            QSKIP(run.mount.whyNot().c_str());
        }
    }

    FrmOrbanil* main = run.start();
    auto* files = control<QListWidget>(main, "File1");
    auto* saveFile = control<QPushButton>(main, "CmdSaveFile");
    auto* fileName = control<QLineEdit>(main, "txtfilename");
    auto* save = control<QPushButton>(main, "CmdSave");
    auto* savePanel = control<QGroupBox>(main, "FraSave");
    QCOMPARE(listTexts(files), QStringList{"viejo.obn"});
    control<CodeBox>(main, "txtCode")->replaceCodeText(code);
    QTRY_VERIFY(saveFile->isEnabled());
    QTest::mouseClick(saveFile, Qt::LeftButton);
    typeText(fileName, name);
    if (fault == Fault::FolderRemoved || fault == Fault::FolderNowAFile) {
        QVERIFY(breakFile(run, {}, fault).isEmpty());
    }
    const QStringList before = namesIn(run.program);
    if (fault == Fault::FileSizeLimit) {
        run.limit.emplace(4096);
        QVERIFY(run.limit->active());
    }
    // Replacing viejo.obn, where the folder still holds it, is agreed to first.
    const bool replacing = name == QLatin1String("viejo") && fault != Fault::FolderRemoved &&
                           fault != Fault::FolderNowAFile;
    run.recorded.answers = {QMessageBox::Yes};
    QTest::mouseClick(save, Qt::LeftButton);
    run.limit.reset();

    // The box summary, the question, then the failure.
    QCOMPARE(run.recorded.messages.size(), replacing ? 3 : 2);
    const fs::path target = savedFilePath(run.program, name.toStdString());
    QCOMPARE(run.lastMessage().title, QStringLiteral("Guardar"));
    QCOMPARE(run.lastMessage().icon, QMessageBox::Warning);
    QCOMPARE(run.lastMessage().text,
             QStringLiteral("No se pudo guardar «%1»: %2.").arg(pathToQString(target), reason));
    // Nothing is lost: the code, the typed name, the panel, the old file, the list.
    QCOMPARE(control<CodeBox>(main, "txtCode")->codeText(), code);
    QCOMPARE(fileName->text(), name);
    QVERIFY(savePanel->isVisible());
    QCOMPARE(namesIn(run.program), before);
    if (oldFileStays) {
        QCOMPARE(bytesOf(run.program / "viejo.obn"), oldBytes.toLatin1());
    }
    QCOMPARE(listTexts(files), QStringList{"viejo.obn"});
    QTRY_VERIFY(saveFile->isEnabled());

    // Once the cause is gone, the same panel saves the same text.
    if (fault == Fault::NameTooLong || fault == Fault::OutsideWindows1252) {
        return;
    }
    run.mount.unmount();
    if (!fs::is_directory(run.program)) {
        fs::remove(run.program);
        fs::create_directory(run.program);
    }
    fs::permissions(run.program, fs::perms::owner_all, fs::perm_options::add);
    const int told = run.recorded.messages.size() + (fs::exists(target) ? 1 : 0);
    run.recorded.answers = {QMessageBox::Yes};
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(run.recorded.messages.size(), told);
    QCOMPARE(bytesOf(target), code.toLatin1() + "\r\n");
    QVERIFY(control<CodeBox>(main, "txtCode")->isEmpty());
    QVERIFY(!savePanel->isVisible());
    QVERIFY(listTexts(files).contains(QStringLiteral("viejo.obn")));
}

void FileFaultUiTest::failedOpenKeepsCodeAndReadsTheListAgain_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QStringList>("listAfter");

    QTest::newRow("now a folder") << Fault::NowAFolder << "es una carpeta, no un archivo"
                                  << QStringList{"b.obn"};
    QTest::newRow("link to nothing")
        << Fault::LinkToNothing << "no existe el archivo o la carpeta" << QStringList{"b.obn"};
    QTest::newRow("link to itself")
        << Fault::LinkLoop << "hay un bucle de enlaces simbólicos" << QStringList{"b.obn"};
    QTest::newRow("link to a device")
        << Fault::LinkToDevice << "no es un archivo normal" << QStringList{"b.obn"};
    QTest::newRow("no read permission")
        << Fault::NoReadPermission << "no tiene permiso" << QStringList{"a.obn", "b.obn"};
    QTest::newRow("program folder removed")
        << Fault::FolderRemoved << "no existe el archivo o la carpeta" << QStringList();
    QTest::newRow("program folder now a file")
        << Fault::FolderNowAFile << "una parte de la ruta no es una carpeta" << QStringList();
}

void FileFaultUiTest::failedOpenKeepsCodeAndReadsTheListAgain()
{
    QFETCH(Fault, fault);
    QFETCH(QString, reason);
    QFETCH(QStringList, listAfter);

    FaultRun run;
    writeFile(run.program / "a.obn", "uno\r\n");
    writeFile(run.program / "b.obn", "dos\r\n");
    FrmOrbanil* main = run.start();
    auto* code = control<CodeBox>(main, "txtCode");
    auto* files = control<QListWidget>(main, "File1");
    auto* open = control<QPushButton>(main, "CmdOpen");
    QTest::keyClicks(code, QStringLiteral("mine"));
    QTest::mouseClick(control<QPushButton>(main, "CmdOpenFile"), Qt::LeftButton);
    clickItem(files, QStringLiteral("a.obn"));
    QTRY_VERIFY(open->isEnabled());
    const QString skip = breakFile(run, run.program / "a.obn", fault);
    if (!skip.isEmpty()) {
        QSKIP(qPrintable(skip));
    }
    run.recorded.answers = {QMessageBox::No};
    QTest::mouseClick(open, Qt::LeftButton);

    const bool folderGone = fault == Fault::FolderRemoved || fault == Fault::FolderNowAFile;
    QCOMPARE(run.recorded.messages.size(), folderGone ? 4 : 3);
    const Message& warning = run.recorded.messages.at(2);
    QCOMPARE(warning.title, QStringLiteral("Abrir"));
    QCOMPARE(warning.icon, QMessageBox::Warning);
    QCOMPARE(warning.text, QStringLiteral("No se pudo leer «%1»: %2.")
                               .arg(pathToQString(run.program / "a.obn"), reason));
    if (folderGone) {
        QCOMPARE(run.lastMessage().text, QStringLiteral("No se pudo leer la carpeta «%1»: %2.")
                                             .arg(pathToQString(run.program), reason));
    }
    QCOMPARE(code->codeText(), QStringLiteral("mine"));
    QVERIFY(control<QGroupBox>(main, "FraOpen")->isVisible());
    QCOMPARE(listTexts(files), listAfter);
}

void FileFaultUiTest::helpWindowExplainsAnUnreadableHelpFile_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("reason");
    QTest::newRow("link to nothing") << Fault::LinkToNothing << "no existe el archivo o la carpeta";
    QTest::newRow("link to itself") << Fault::LinkLoop << "hay un bucle de enlaces simbólicos";
    QTest::newRow("link to a device") << Fault::LinkToDevice << "no es un archivo normal";
    QTest::newRow("no read permission") << Fault::NoReadPermission << "no tiene permiso";
    QTest::newRow("program folder removed")
        << Fault::FolderRemoved << "no existe el archivo o la carpeta";
}

void FileFaultUiTest::helpWindowExplainsAnUnreadableHelpFile()
{
    QFETCH(Fault, fault);
    QFETCH(QString, reason);

    FaultRun run;
    const fs::path help = run.program / "Ayuda.txt";
    writeFile(help, "Ayuda\r\n");
    FrmOrbanil* main = run.start();
    auto* code = control<CodeBox>(main, "txtCode");
    QTest::keyClicks(code, QStringLiteral("mine"));
    const QString skip = breakFile(run, help, fault);
    if (!skip.isEmpty()) {
        QSKIP(qPrintable(skip));
    }
    QTest::mouseClick(control<QPushButton>(main, "CmdAyuda"), Qt::LeftButton);

    FrmAyuda* window = run.windows->frmAyuda();
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QString explained = control<QPlainTextEdit>(window, "Ayuda")->toPlainText();
    QVERIFY2(explained.startsWith(QStringLiteral("No se puede mostrar la ayuda.")),
             qPrintable(explained));
    const QString failure =
        QStringLiteral("No se pudo leer «%1»: %2.").arg(pathToQString(help), reason);
    QVERIFY2(explained.contains(failure), qPrintable(explained));
    QCOMPARE(run.recorded.messages.size(), 1); // explained in the window, no message box

    QTest::mouseClick(control<QPushButton>(window, "CmdAceptar"), Qt::LeftButton);
    QTRY_VERIFY(!run.windows->frmAyuda());
    QCOMPARE(code->codeText(), QStringLiteral("mine"));
    QVERIFY(main->isVisible());
}

void FileFaultUiTest::pickerStartedInARemovedFolderOpensAndCancelKeepsTheField()
{
    FaultRun run;
    FrmOrbanil* main = run.start();
    auto* shapeFile = control<QLineEdit>(main, "txtShapeFile");
    typeInto(shapeFile, QStringLiteral("interior.s"));
    const fs::path gone = folderOf(run.base) / "gone";
    fs::create_directory(gone);
    QVERIFY(QDir::setCurrent(pathToQString(gone)));
    fs::remove(gone);

    QTest::mouseClick(control<QPushButton>(main, "Command1"), Qt::LeftButton);
    FrmPicker* picker = run.windows->frmShape();
    QVERIFY(picker);
    QVERIFY(QTest::qWaitForWindowExposed(picker));
    auto* folders = control<DirList>(picker, "Dir1");
    // Whatever it shows, the picker shows a folder and can move to another one.
    QVERIFY(!folders->folder().empty());
    QVERIFY(folders->count() > 0);
    QVERIFY(control<QLabel>(picker, "lblSelected")->text().isEmpty());
    QTest::mouseClick(control<QPushButton>(picker, "CmdCancel"), Qt::LeftButton);
    QTRY_VERIFY(!run.windows->frmShape());
    QCOMPARE(shapeFile->text(), QStringLiteral("interior.s"));
    QCOMPARE(run.recorded.messages.size(), 1);
}

void FileFaultUiTest::pickerSaysWhyAFolderCannotBeOpenedAndKeepsItsLists_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("entry"); // the folder list entry double-clicked
    QTest::addColumn<QString>("reason");
    QTest::newRow("subfolder now a file") << Fault::FolderNowAFile << "sub"
                                          << "una parte de la ruta no es una carpeta";
    QTest::newRow("subfolder without read permission") << Fault::NoReadPermission << "sub"
                                                       << "no tiene permiso";
    QTest::newRow("open folder removed") << Fault::FolderRemoved << "programa"
                                         << "no existe el archivo o la carpeta";
}

void FileFaultUiTest::pickerSaysWhyAFolderCannotBeOpenedAndKeepsItsLists()
{
    QFETCH(Fault, fault);
    QFETCH(QString, entry);
    QFETCH(QString, reason);

    FaultRun run;
    writeFile(run.program / "a.sms", "");
    writeFile(run.program / "b.SMS", "");
    fs::create_directory(run.program / "sub");
    writeFile(run.program / "sub" / "inner.sms", "");
    QVERIFY(QDir::setCurrent(pathToQString(run.program)));
    FrmOrbanil* main = run.start();
    auto* sound = control<QLineEdit>(main, "txtSound");
    typeInto(sound, QStringLiteral("interior.sms"));
    QTest::mouseClick(control<QPushButton>(main, "Command2"), Qt::LeftButton);
    FrmPicker* picker = run.windows->frmSms();
    QVERIFY(picker);
    QVERIFY(QTest::qWaitForWindowExposed(picker));
    auto* files = control<QListWidget>(picker, "File1");
    auto* ok = control<QPushButton>(picker, "CmdOk");
    QCOMPARE(listTexts(files), (QStringList{"a.sms", "b.SMS"}));
    clickItem(files, QStringLiteral("b.SMS"));

    const fs::path sub = run.program / "sub";
    if (fault == Fault::FolderNowAFile) {
        fs::remove_all(sub);
        writeFile(sub, "not a folder");
    } else if (fault == Fault::NoReadPermission) {
        run.bound.emplace();
        if (!run.bound->active()) {
            QSKIP(run.bound->whyNot().c_str());
        }
        fs::permissions(sub, fs::perms::none);
    } else {
        QVERIFY(QDir::setCurrent(pathToQString(folderOf(run.base))));
        fs::remove_all(run.program);
    }
    const QStringList dirsBefore = listTexts(control<DirList>(picker, "Dir1"));
    const fs::path folderBefore = control<DirList>(picker, "Dir1")->folder();
    doubleClickItem(control<DirList>(picker, "Dir1"), entry);
    run.bound.reset();
    std::error_code ignored;
    fs::permissions(sub, fs::perms::owner_all, fs::perm_options::add, ignored);

    QCOMPARE(run.recorded.messages.size(), 2); // the box summary, then why
    QCOMPARE(run.lastMessage().title, QStringLiteral("Seleccionar Archivo Sonido"));
    QCOMPARE(run.lastMessage().icon, QMessageBox::Warning);
    const fs::path asked = entry == QLatin1String("sub") ? sub : run.program;
    QCOMPARE(
        run.lastMessage().text,
        QStringLiteral("No se pudo leer la carpeta «%1»: %2.").arg(pathToQString(asked), reason));

    QCOMPARE(control<DirList>(picker, "Dir1")->folder(), folderBefore);
    QCOMPARE(listTexts(control<DirList>(picker, "Dir1")), dirsBefore);
    QCOMPARE(listTexts(files), (QStringList{"a.sms", "b.SMS"}));
    QCOMPARE(control<QLabel>(picker, "lblSelected")->text(), QStringLiteral("b.SMS"));
    QCOMPARE(sound->text(), QStringLiteral("interior.sms"));
    // The name chosen before still reaches the field, bare.
    QTRY_VERIFY(ok->isEnabled());
    QTest::mouseClick(ok, Qt::LeftButton);
    QTRY_VERIFY(!run.windows->frmSms());
    QCOMPARE(sound->text(), QStringLiteral("b.SMS"));
    QCOMPARE(run.recorded.messages.size(), 2);
}

QTEST_MAIN(FileFaultUiTest)
#include "FileFaultUiTest.moc"
