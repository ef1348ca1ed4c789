#include "tests/support/UiTestSupport.h"
#include "ui/CodeBox.h"
#include "ui/FrmAbout.h"
#include "ui/FrmAyuda.h"
#include "ui/FrmPicker.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>

using namespace orbanil;
using namespace orbanil::testing;

namespace {

void writeHelpFile(const QTemporaryDir& folder, const QByteArray& bytes)
{
    QFile file(folder.filePath(QStringLiteral("Ayuda.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QString shownHelp(const FrmAyuda* window)
{
    return window->findChild<QPlainTextEdit*>(QStringLiteral("Ayuda"))->toPlainText();
}

// Chooses `name` in a picker and presses "&Aceptar" once its timer allows it.
void acceptInPicker(FrmPicker* picker, const QString& name)
{
    picker->lblSelected->setText(name);
    QTRY_VERIFY(picker->CmdOk->isEnabled());
    QTest::mouseClick(picker->CmdOk, Qt::LeftButton);
}

} // namespace

class WindowSetTest : public QObject
{
    Q_OBJECT
private slots:
    void cerrarAtStartEndsTheRun_data();
    void cerrarAtStartEndsTheRun();
    void dimensionsAndBackKeepsTheMainWindow();
    void salirWithHelpOpenEndsWhenHelpCloses();
    void mainCloseBoxActsAsSalir();
    void dialogCloseBoxOnReturnVisitActsAsCerrar();
    void oneInstanceOfEachSecondaryWindow();
    void helpTextShownOnceAfterReopening();
    void pickersWriteOnlyTheirOwnField();
    void pickerLeftOpenAfterSalirWritesNowhere();
    void unloadedWindowsAreDestroyed();
    void windowsAwaitingDeletionGoWithTheSet();
};

void WindowSetTest::cerrarAtStartEndsTheRun_data()
{
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("Cerrar") << false;
    QTest::newRow("close box") << true;
}

void WindowSetTest::cerrarAtStartEndsTheRun()
{
    QFETCH(bool, byCloseBox);
    StartedRun run;
    QSignalSpy ended(run.windows.get(), &WindowSet::allUnloaded);
    if (byCloseBox) {
        QVERIFY(!run.box()->close());
    } else {
        QTest::mouseClick(run.box()->CmdCancel, Qt::LeftButton);
    }
    QCOMPARE(ended.size(), 1);
    QVERIFY(!run.windows->anyLoaded());
    QVERIFY(!run.main());
    QVERIFY(run.recorded.messages.isEmpty());
}

void WindowSetTest::dimensionsAndBackKeepsTheMainWindow()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    typeWorkedExample(main);
    QTRY_VERIFY(main->CmdGenerate->isEnabled());
    QTest::mouseClick(main->CmdGenerate, Qt::LeftButton);

    QTest::mouseClick(main->CmdDimensions, Qt::LeftButton);
    FrmBox* box = run.box();
    QVERIFY(!main->isVisible());
    QVERIFY(box->isVisible());
    QCOMPARE(box->txtLong->text(), QStringLiteral("12,5"));
    QCOMPARE(box->txtHeight->text(), QStringLiteral("3"));
    QCOMPARE(box->txtWidth->text(), QStringLiteral("2,9"));

    typeInto(box->txtWidth, QStringLiteral("3,1"));
    QTRY_VERIFY(box->CmdNext->isEnabled());
    QTest::mouseClick(box->CmdNext, Qt::LeftButton);
    QCOMPARE(run.recorded.messages.size(), 2);
    QVERIFY(
        run.recorded.messages.last().text.endsWith(QStringLiteral("Ancho: 3,1m ( 1,55 -1,55 )")));
    QCOMPARE(run.main(), main);
    QVERIFY(main->isVisible());
    QVERIFY(!box->isVisible());
    QCOMPARE(main->txtCamPosZ->text(), QStringLiteral("-5.25"));
    QCOMPARE(main->txtCode->codeText(), workedExampleCode);
    QCOMPARE(main->lbl1->text(), QStringLiteral("Ancho: 2,9 m Limites: -1,45 m / 1,45 m"));
}

void WindowSetTest::salirWithHelpOpenEndsWhenHelpCloses()
{
    StartedRun run;
    writeHelpFile(run.folder, "Ayuda\r\n");
    QSignalSpy ended(run.windows.get(), &WindowSet::allUnloaded);
    FrmOrbanil* main = openMainWindow(run);
    QTest::mouseClick(main->CmdAyuda, Qt::LeftButton);
    FrmAyuda* help = run.windows->frmAyuda();
    QVERIFY(help && help->isVisible());
    QVERIFY(!help->parentWidget() && !help->isModal());

    QTest::mouseClick(main->CmdExit, Qt::LeftButton);
    QVERIFY(!run.main() && !run.box());
    QCOMPARE(ended.size(), 0);
    QVERIFY(help->isVisible());

    QTest::mouseClick(help->findChild<QPushButton*>(QStringLiteral("CmdAceptar")), Qt::LeftButton);
    QCOMPARE(ended.size(), 1);
    QVERIFY(!run.windows->anyLoaded());
}

void WindowSetTest::mainCloseBoxActsAsSalir()
{
    StartedRun run;
    QSignalSpy ended(run.windows.get(), &WindowSet::allUnloaded);
    FrmOrbanil* main = openMainWindow(run);
    QVERIFY(!main->close());
    QVERIFY(!run.main() && !run.box());
    QCOMPARE(ended.size(), 1);
}

void WindowSetTest::dialogCloseBoxOnReturnVisitActsAsCerrar()
{
    StartedRun run;
    QSignalSpy ended(run.windows.get(), &WindowSet::allUnloaded);
    FrmOrbanil* main = openMainWindow(run);
    QTest::mouseClick(main->CmdDimensions, Qt::LeftButton);
    // Without this the hidden main window would stay loaded with nothing on screen.
    QVERIFY(!run.box()->close());
    QVERIFY(!run.main() && !run.box());
    QCOMPARE(ended.size(), 1);
}

void WindowSetTest::oneInstanceOfEachSecondaryWindow()
{
    StartedRun run;
    writeHelpFile(run.folder, "Ayuda\r\n");
    FrmOrbanil* main = openMainWindow(run);
    for (int i = 0; i < 2; ++i) {
        QTest::mouseClick(main->CmdAbout, Qt::LeftButton);
        QTest::mouseClick(main->CmdAyuda, Qt::LeftButton);
        QTest::mouseClick(main->Command1, Qt::LeftButton);
        QTest::mouseClick(main->Command2, Qt::LeftButton);
    }
    const QList<QWidget*> secondary{run.windows->frmAbout(), run.windows->frmAyuda(),
                                    run.windows->frmShape(), run.windows->frmSms()};
    for (QWidget* window : secondary) {
        QVERIFY(window && window->isVisible());
        QVERIFY(!window->parentWidget() && !window->isModal());
        QCOMPARE(QApplication::topLevelWidgets().count(window), 1);
    }
    QCOMPARE(run.windows->frmShape()->objectName(), QStringLiteral("FrmShape"));
    QCOMPARE(run.windows->frmSms()->objectName(), QStringLiteral("FrmSms"));
    int about = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        about += qobject_cast<FrmAbout*>(w) && !w->isHidden() ? 1 : 0;
    }
    QCOMPARE(about, 1);
    // The main window stays usable beside them.
    QVERIFY(main->isVisible() && main->isEnabled());
}

void WindowSetTest::helpTextShownOnceAfterReopening()
{
    StartedRun run;
    writeHelpFile(run.folder, "L\xednea uno\r\n  dos, \"tres\"");
    FrmOrbanil* main = openMainWindow(run);
    QTest::mouseClick(main->CmdAyuda, Qt::LeftButton);
    const QString first = shownHelp(run.windows->frmAyuda());
    QCOMPARE(first, QStringLiteral("Línea uno\n  dos, \"tres\"\n"));
    QVERIFY(!run.windows->frmAyuda()->close());
    QVERIFY(!run.windows->frmAyuda());
    QTest::mouseClick(main->CmdAyuda, Qt::LeftButton);
    QCOMPARE(shownHelp(run.windows->frmAyuda()), first);
}

void WindowSetTest::pickersWriteOnlyTheirOwnField()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    main->txtSound->setText(QStringLiteral("kept.sms"));
    QTest::mouseClick(main->Command1, Qt::LeftButton);
    QTest::mouseClick(main->Command2, Qt::LeftButton);
    acceptInPicker(run.windows->frmShape(), QStringLiteral("cab.s"));
    QCOMPARE(main->txtShapeFile->text(), QStringLiteral("cab.s"));
    QCOMPARE(main->txtSound->text(), QStringLiteral("kept.sms"));
    QVERIFY(!run.windows->frmShape());
    QVERIFY(run.windows->frmSms());
    acceptInPicker(run.windows->frmSms(), QStringLiteral("in.sms"));
    QCOMPARE(main->txtSound->text(), QStringLiteral("in.sms"));
    QCOMPARE(main->txtShapeFile->text(), QStringLiteral("cab.s"));
    QVERIFY(!run.windows->frmSms());
}

void WindowSetTest::pickerLeftOpenAfterSalirWritesNowhere()
{
    StartedRun run;
    QSignalSpy ended(run.windows.get(), &WindowSet::allUnloaded);
    FrmOrbanil* main = openMainWindow(run);
    QTest::mouseClick(main->Command2, Qt::LeftButton);
    QTest::mouseClick(main->CmdExit, Qt::LeftButton);
    QCOMPARE(ended.size(), 0);
    acceptInPicker(run.windows->frmSms(), QStringLiteral("in.sms"));
    QVERIFY(!run.main() && !run.box());
    QCOMPARE(ended.size(), 1);
    QCOMPARE(run.recorded.messages.size(), 1); // only the summary; no dialog loaded again
}

void WindowSetTest::unloadedWindowsAreDestroyed()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    QTest::mouseClick(main->CmdAbout, Qt::LeftButton);
    QPointer<QWidget> about = run.windows->frmAbout();
    QPointer<QWidget> box = run.box();
    QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("CmdOk")), Qt::LeftButton);
    QVERIFY(!run.windows->frmAbout());
    QTRY_VERIFY(!about);
    QPointer<QWidget> mainWindow = main;
    QTest::mouseClick(main->CmdExit, Qt::LeftButton);
    QTRY_VERIFY(!mainWindow && !box);
}

void WindowSetTest::windowsAwaitingDeletionGoWithTheSet()
{
    // The run may end (QApplication::quit) before the event loop deletes the last window.
    QPointer<QWidget> box;
    {
        StartedRun run;
        box = run.box();
        QTest::mouseClick(run.box()->CmdCancel, Qt::LeftButton);
        QVERIFY(!run.windows->anyLoaded());
        QVERIFY(box);
    }
    QVERIFY(!box);
}

QTEST_MAIN(WindowSetTest)
#include "WindowSetTest.moc"
