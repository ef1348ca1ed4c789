#include "tests/support/CabinFixture.h"
#include "tests/support/UiTestSupport.h"
#include "ui/CameraViewWidget.h"
#include "ui/CodeBox.h"
#include "ui/DirList.h"
#include "ui/FrmAbout.h"
#include "ui/FrmAyuda.h"
#include "ui/FrmPicker.h"
#include "ui/FrmVista.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTimer>

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
    return control<QPlainTextEdit>(window, "Ayuda")->toPlainText();
}

// A fresh picker starts in the process's current folder: the run's folder, holding `names`,
// until the guard returned goes.
[[nodiscard]] auto pickersStartIn(const QTemporaryDir& folder, const QStringList& names)
{
    for (const QString& name : names) {
        QFile(folder.filePath(name)).open(QIODevice::WriteOnly);
    }
    const QString kept = QDir::currentPath();
    QDir::setCurrent(folder.path());
    return qScopeGuard([kept] { QDir::setCurrent(kept); });
}

// Clicks `name` in a picker and presses "&Aceptar" once its timer allows it.
void acceptInPicker(FrmPicker* picker, const QString& name)
{
    clickItem(control<QListWidget>(picker, "File1"), name);
    auto* ok = control<QPushButton>(picker, "CmdOk");
    QTRY_VERIFY(ok->isEnabled());
    QTest::mouseClick(ok, Qt::LeftButton);
}

// The main window, the dialog and the four windows shown from the main window, in that order.
QList<QWidget*> openEveryWindow(StartedRun& run)
{
    FrmOrbanil* main = openMainWindow(run);
    for (const char* button : {"CmdAbout", "CmdAyuda", "Command1", "Command2"}) {
        QTest::mouseClick(control<QPushButton>(main, button), Qt::LeftButton);
    }
    return {main,
            run.box(),
            run.windows->frmAbout(),
            run.windows->frmAyuda(),
            run.windows->frmShape(),
            run.windows->frmSms()};
}

// Whether the whole control shows: no container, the window's scrolled page included, cuts it.
bool showsWhole(const QWidget* control)
{
    const QWidget* window = control->window();
    const QRect whole(control->mapTo(window, QPoint()), control->size());
    for (const QWidget* w = control->parentWidget(); w; w = w->parentWidget()) {
        if (!QRect(w->mapTo(window, QPoint()), w->size()).contains(whole)) {
            return false;
        }
    }
    return true;
}

// The window lies within the screen's free area, and Tab brings every control it reaches whole
// into view.
void verifyFitsAndShowsTheFocus(QWidget* window, const QRect& screen)
{
    QVERIFY2(screen.contains(window->frameGeometry()), qPrintable(window->objectName()));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QWidget* const first = QApplication::focusWidget();
    QVERIFY(first && window->isAncestorOf(first));
    QWidget* focused = first;
    int steps = 0;
    do {
        const QString where = window->objectName() + QLatin1Char('.') + focused->objectName();
        QVERIFY2(showsWhole(focused), qPrintable(where));
        QTest::keyClick(focused, Qt::Key_Tab);
        focused = QApplication::focusWidget();
    } while (focused != first && ++steps < 100);
    QVERIFY(steps < 100);
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
    void everyWayOutAsksBeforeWorkIsLost_data();
    void everyWayOutAsksBeforeWorkIsLost();
    void escapeClosesTheSecondaryWindowsFromAnyControl_data();
    void escapeClosesTheSecondaryWindowsFromAnyControl();
    void oneInstanceOfEachSecondaryWindow();
    void everyWindowFitsASmallScreenAndScrollsToTheFocus_data();
    void everyWindowFitsASmallScreenAndScrollsToTheFocus();
    void theMainWindowAndTheViewShowWholeWithoutScrolling_data();
    void theMainWindowAndTheViewShowWholeWithoutScrolling();
    void theCabinReadForTheShapeReachesTheDrawingAndTheBoxDialog();
    void thePassengerViewOpensClearOfTheNumbers();
    void everyControlNameIsUniqueInItsWindow();
    void enterPressesTheFocusedButtonInEveryWindow();
    void everyFocusableControlHasASpokenNameOfItsOwn();
    void helpTextShownOnceAfterReopening();
    void pickersWriteOnlyTheirOwnField();
    void pickerLeftOpenAfterSalirWritesNowhere();
    void eachPickerOpensWhereItsLastPickWasWithinARun();
    void pickerReopensAfreshAfterCancelOrCloseBox_data();
    void pickerReopensAfreshAfterCancelOrCloseBox();
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
        QTest::mouseClick(control<QPushButton>(run.box(), "CmdCancel"), Qt::LeftButton);
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
    auto* generate = control<QPushButton>(main, "CmdGenerate");
    typeWorkedExample(main);
    QTRY_VERIFY(generate->isEnabled());
    QTest::mouseClick(generate, Qt::LeftButton);

    QTest::mouseClick(control<QPushButton>(main, "CmdDimensions"), Qt::LeftButton);
    FrmBox* box = run.box();
    auto* width = control<QLineEdit>(box, "txtWidth");
    auto* next = control<QPushButton>(box, "CmdNext");
    QVERIFY(!main->isVisible());
    QVERIFY(box->isVisible());
    QCOMPARE(control<QLineEdit>(box, "txtLong")->text(), QStringLiteral("12,5"));
    QCOMPARE(control<QLineEdit>(box, "txtHeight")->text(), QStringLiteral("3"));
    QCOMPARE(width->text(), QStringLiteral("2,9"));

    typeInto(width, QStringLiteral("4,4"));
    QTRY_VERIFY(next->isEnabled());
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(run.recorded.messages.size(), 2);
    QVERIFY(run.recorded.messages.last().text.endsWith(QStringLiteral("Ancho: 4,4m ( 2,2 -2,2 )")));
    QCOMPARE(run.main(), main);
    QVERIFY(main->isVisible());
    QVERIFY(!box->isVisible());
    QCOMPARE(control<QLineEdit>(main, "txtCamPosZ")->text(), QStringLiteral("-5.25"));
    QCOMPARE(control<CodeBox>(main, "txtCode")->codeText(), workedExampleCode);
    // The range lines follow the new box.
    QCOMPARE(control<QLabel>(main, "lbl1")->text(),
             QStringLiteral("Ancho: 4,4 m Limites: -2,2 m / 2,2 m"));
    QCOMPARE(control<QLabel>(main, "lbl3")->text(),
             QStringLiteral("Largo: 12,5 m Limites: -6,25 m / 6,25 m"));
}

void WindowSetTest::salirWithHelpOpenEndsWhenHelpCloses()
{
    StartedRun run;
    writeHelpFile(run.folder, "Ayuda\r\n");
    QSignalSpy ended(run.windows.get(), &WindowSet::allUnloaded);
    FrmOrbanil* main = openMainWindow(run);
    QTest::mouseClick(control<QPushButton>(main, "CmdAyuda"), Qt::LeftButton);
    FrmAyuda* help = run.windows->frmAyuda();
    QVERIFY(help && help->isVisible());
    QVERIFY(!help->parentWidget() && !help->isModal());

    QTest::mouseClick(control<QPushButton>(main, "CmdExit"), Qt::LeftButton);
    QVERIFY(!run.main() && !run.box());
    QCOMPARE(ended.size(), 0);
    QVERIFY(help->isVisible());

    QTest::mouseClick(control<QPushButton>(help, "CmdAceptar"), Qt::LeftButton);
    QCOMPARE(ended.size(), 1);
    QVERIFY(!run.windows->anyLoaded());
}

void WindowSetTest::everyWayOutAsksBeforeWorkIsLost_data()
{
    QTest::addColumn<QString>("work"); // what the main window holds
    QTest::addColumn<QString>("way"); // the dialog's two on a return visit, the main window's three
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("asks");
    struct Way
    {
        const char* row;
        const char* work;
        const char* way;
        QMessageBox::StandardButton answer;
        bool asks;
    };
    const Way ways[] = {
        {"nothing, dialog close box", "", "box close box", QMessageBox::NoButton, false},
        {"nothing, main close box", "", "main close box", QMessageBox::NoButton, false},
        {"a field, Cerrar, No", "field", "CmdCancel", QMessageBox::No, true},
        {"code, dialog close box, Escape", "code", "box close box", QMessageBox::Escape, true},
        {"code, Cerrar, Yes", "code", "CmdCancel", QMessageBox::Yes, true},
        {"a field, Salir, No", "field", "CmdExit", QMessageBox::No, true},
        {"code, Salir, Yes", "code", "CmdExit", QMessageBox::Yes, true},
        {"code, main close box, Escape", "code", "main close box", QMessageBox::Escape, true},
        {"a field, main close box, Yes", "field", "main close box", QMessageBox::Yes, true},
        {"an added viewpoint, Salir, No", "viewpoint", "CmdExit", QMessageBox::No, true},
        // The file holds the code, not the fields: Tab, Enter after a save lands on a question.
        {"saved, Tab and Enter, No", "saved", "Tab Enter", QMessageBox::No, true},
        {"saved, Tab and Enter, Yes", "saved", "Tab Enter", QMessageBox::Yes, true},
        {"code saved by hand, Tab and Enter", "code saved", "Tab Enter", QMessageBox::NoButton,
         false},
        {"code opened, Salir", "opened", "CmdExit", QMessageBox::NoButton, false},
        {"code opened and changed, Salir, No", "opened changed", "CmdExit", QMessageBox::No, true},
    };
    for (const Way& w : ways) {
        QTest::newRow(w.row) << QString::fromLatin1(w.work) << QString::fromLatin1(w.way)
                             << w.answer << w.asks;
    }
}

void WindowSetTest::everyWayOutAsksBeforeWorkIsLost()
{
    QFETCH(QString, work);
    QFETCH(QString, way);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, asks);
    StartedRun run;
    QFile saved(run.folder.filePath(QStringLiteral("a.obn")));
    QVERIFY(saved.open(QIODevice::WriteOnly) && saved.write("uno\r\n") == 5);
    saved.close();
    QSignalSpy ended(run.windows.get(), &WindowSet::allUnloaded);
    FrmOrbanil* main = openMainWindow(run);
    auto* sound = control<QLineEdit>(main, "txtSound");
    auto* code = control<CodeBox>(main, "txtCode");
    const auto press = [main](const char* button) {
        auto* pressed = control<QPushButton>(main, button);
        QTRY_VERIFY(pressed->isEnabled());
        QTest::mouseClick(pressed, Qt::LeftButton);
    };
    if (work == QLatin1String("field")) {
        typeInto(sound, QStringLiteral("a.sms"));
    } else if (work.startsWith(QLatin1String("code"))) {
        QTest::keyClicks(code, QStringLiteral("x"));
    } else if (work == QLatin1String("viewpoint")) {
        press("CmdAddView");
    } else if (work == QLatin1String("saved")) {
        typeWorkedExample(main);
        press("CmdGenerate");
    } else if (work.startsWith(QLatin1String("opened"))) {
        press("CmdOpenFile");
        clickItem(control<QListWidget>(main, "File1"), QStringLiteral("a.obn"));
        press("CmdOpen");
        if (work.endsWith(QLatin1String("changed"))) {
            QTest::keyClicks(code, QStringLiteral("y"));
        }
    }
    if (work.endsWith(QLatin1String("saved"))) {
        press("CmdSaveFile");
        QTest::keyClicks(control<QLineEdit>(main, "txtfilename"), QStringLiteral("coche\r"));
        QVERIFY(code->isEmpty());
    }
    const int before = run.recorded.messages.size();
    const bool fromDialog = way == QLatin1String("CmdCancel") || way.startsWith("box");
    if (fromDialog) {
        QTest::mouseClick(control<QPushButton>(main, "CmdDimensions"), Qt::LeftButton);
    }
    QWidget* window = fromDialog ? static_cast<QWidget*>(run.box()) : main;
    run.recorded.answers = {answer};
    // Alt+F4 reaches the window as its close box does.
    if (way.endsWith(QLatin1String("close box"))) {
        QVERIFY(!window->close());
    } else if (way == QLatin1String("Tab Enter")) {
        for (int tabs = 0; main->focusWidget()->objectName() != QLatin1String("CmdExit"); ++tabs) {
            QVERIFY(tabs < 5);
            QTest::keyClick(main->focusWidget(), Qt::Key_Tab);
        }
        QTest::keyClick(main->focusWidget(), Qt::Key_Return);
    } else {
        QTest::mouseClick(control<QPushButton>(window, qPrintable(way)), Qt::LeftButton);
    }

    // Asked once, or not at all.
    QCOMPARE(run.recorded.messages.size(), before + (asks ? 1 : 0));
    if (asks) {
        const Message& question = run.recorded.messages.last();
        QCOMPARE(question.text, QStringLiteral("¿Salir de Orbanil? Se perderán los valores y el "
                                               "código que no haya guardado."));
        QCOMPARE(question.icon, QMessageBox::Question);
        QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(question.defaultButton, QMessageBox::No);
        QCOMPARE(question.escapeButton, QMessageBox::No);
    }
    // Without an end the hidden main window would stay loaded with nothing on screen.
    const bool ends = !asks || answer == QMessageBox::Yes;
    QCOMPARE(ended.size(), ends ? 1 : 0);
    QCOMPARE(run.windows->anyLoaded(), !ends);
    if (!ends) {
        QVERIFY(window->isVisible());
        QCOMPARE(run.main(), main);
        QCOMPARE(sound->text(), work == "field" ? "a.sms" : work == "saved" ? "interior.sms" : "");
        QCOMPARE(code->codeText(), work == "code"             ? "x"
                                   : work == "opened changed" ? "yuno\r\n"
                                                              : "");
    }
}

void WindowSetTest::escapeClosesTheSecondaryWindowsFromAnyControl_data()
{
    QTest::addColumn<QString>("button"); // the main window's button that shows it
    QTest::newRow("About") << "CmdAbout";
    QTest::newRow("help") << "CmdAyuda";
    QTest::newRow("shape picker") << "Command1";
    QTest::newRow("sound picker") << "Command2";
    QTest::newRow("passenger view") << "CmdVista";
}

void WindowSetTest::escapeClosesTheSecondaryWindowsFromAnyControl()
{
    QFETCH(QString, button);
    StartedRun run;
    writeHelpFile(run.folder, "Ayuda\r\n");
    FrmOrbanil* main = openMainWindow(run);
    auto* shapeFile = control<QLineEdit>(main, "txtShapeFile");
    shapeFile->setText(QStringLiteral("kept.s"));
    // The window the button shows: the one on screen besides the main window.
    const auto shown = [main]() -> QWidget* {
        const QList<QWidget*> all = QApplication::topLevelWidgets();
        const auto found = std::ranges::find_if(all, [main](QWidget* w) {
            return w != main && w->isVisible() && qobject_cast<FixedWindow*>(w);
        });
        return found == all.end() ? nullptr : *found;
    };
    auto* show = control<QPushButton>(main, qPrintable(button));
    QTest::mouseClick(show, Qt::LeftButton);
    QVERIFY(shown());
    for (const QString& name : focusChain(shown())) {
        if (!shown()) {
            QTest::mouseClick(show, Qt::LeftButton);
        }
        auto* focused = control<QWidget>(shown(), qPrintable(name));
        focused->setFocus();
        QTest::keyClick(focused, Qt::Key_Escape);
        QVERIFY2(!shown(), qPrintable(name)); // unloaded, as by the close box
    }
    QCOMPARE(shapeFile->text(), QStringLiteral("kept.s"));
    QVERIFY(main->isVisible());
}

void WindowSetTest::oneInstanceOfEachSecondaryWindow()
{
    StartedRun run;
    writeHelpFile(run.folder, "Ayuda\r\n");
    FrmOrbanil* main = openMainWindow(run);
    for (int i = 0; i < 2; ++i) {
        QTest::mouseClick(control<QPushButton>(main, "CmdAbout"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(main, "CmdAyuda"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(main, "Command1"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(main, "Command2"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(main, "CmdVista"), Qt::LeftButton);
    }
    const QList<QWidget*> secondary{run.windows->frmAbout(), run.windows->frmAyuda(),
                                    run.windows->frmShape(), run.windows->frmSms(),
                                    run.windows->frmVista()};
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

void WindowSetTest::everyWindowFitsASmallScreenAndScrollsToTheFocus_data()
{
    QTest::addColumn<QRect>("screen");
    // 1920 x 1080 at 150 % less a task bar below, and 1920 x 1200 at 200 % with a bar above.
    QTest::newRow("1280 x 680") << QRect(0, 0, 1280, 680);
    QTest::newRow("2x 1920 x 1200") << QRect(0, 24, 960, 576);
}

void WindowSetTest::everyWindowFitsASmallScreenAndScrollsToTheFocus()
{
    QFETCH(QRect, screen);
    StartedRun run(screen);
    writeHelpFile(run.folder, "Ayuda\r\n");
    QList<QWidget*> windows = openEveryWindow(run);
    windows.removeOne(run.box()); // hidden behind the main window until the end
    for (QWidget* window : std::as_const(windows)) {
        QVERIFY(window);
        verifyFitsAndShowsTheFocus(window, screen);
    }
    QTest::mouseClick(control<QPushButton>(run.main(), "CmdDimensions"), Qt::LeftButton);
    verifyFitsAndShowsTheFocus(run.box(), screen);
}

void WindowSetTest::theMainWindowAndTheViewShowWholeWithoutScrolling_data()
{
    QTest::addColumn<QRect>("screen");
    // 1366 x 768 and 1920 x 1080 at 150 %, each less a task bar (Windows 11's at 150 %).
    QTest::newRow("1366 x 728") << QRect(0, 0, 1366, 728);
    QTest::newRow("1.5x 1920 x 1080") << QRect(0, 0, 1280, 672);
}

void WindowSetTest::theMainWindowAndTheViewShowWholeWithoutScrolling()
{
    QFETCH(QRect, screen);
    StartedRun run(screen);
    FrmOrbanil* main = openMainWindow(run);
    QTest::mouseClick(control<QPushButton>(main, "CmdVista"), Qt::LeftButton);
    QTRY_VERIFY(run.windows->frmVista() && run.windows->frmVista()->isVisible());
    const QWidget* const windows[] = {main, run.windows->frmVista()};
    for (const QWidget* window : windows) {
        QVERIFY(screen.contains(window->frameGeometry()));
        for (const QWidget* shown : window->findChildren<QWidget*>()) {
            if (shown->isVisible() && !shown->objectName().isEmpty() &&
                !shown->objectName().startsWith(QLatin1String("qt_"))) {
                // Once the window system has sized the window and its scroll bars have followed.
                QTRY_VERIFY2(showsWhole(shown), qPrintable(shown->objectName()));
            }
        }
    }
}

void WindowSetTest::theCabinReadForTheShapeReachesTheDrawingAndTheBoxDialog()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    auto* drawing = control<CameraViewWidget>(main, "picCameraView");
    auto* fromShape = control<QPushButton>(run.box(), "CmdFromShape");
    QVERIFY(!fromShape->isEnabled());
    const FixtureFolder fixture = writeFixtureFolder(folderOf(run.folder), ShapeForm::TextUtf16);
    main->setChosenShape(QString::fromLatin1(fixtureCabinFile), fixture.wagonFolder);
    QTRY_VERIFY(fromShape->isEnabled());
    QVERIFY(drawing->cabinShape());
    QCOMPARE(drawing->cabinShape()->triangles.size(), 22u);

    // A name found nowhere takes it from both.
    typeInto(control<QLineEdit>(main, "txtShapeFile"), QStringLiteral("otro.s"));
    QTRY_VERIFY(!fromShape->isEnabled());
    QVERIFY(!drawing->cabinShape());
}

void WindowSetTest::thePassengerViewOpensClearOfTheNumbers()
{
    // Too narrow beside the main window: over its rest, clear of its numbers.
    const QRect screen(0, 0, 1366, 728);
    StartedRun run(screen);
    FrmOrbanil* main = openMainWindow(run);
    QTest::mouseClick(control<QPushButton>(main, "CmdVista"), Qt::LeftButton);
    const FrmVista* vista = run.windows->frmVista();
    QVERIFY(vista && vista->isVisible());
    QVERIFY(screen.contains(vista->frameGeometry()));
    QVERIFY(!vista->frameGeometry().intersects(main->viewNumbersArea()));
}

void WindowSetTest::everyControlNameIsUniqueInItsWindow()
{
    StartedRun run;
    for (const QWidget* window : openEveryWindow(run)) {
        QVERIFY(window);
        QStringList names;
        for (const QObject* child : window->findChildren<QObject*>()) {
            const QString name = child->objectName();
            if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_"))) {
                QVERIFY2(!names.contains(name), qPrintable(window->objectName() + ": " + name));
                names.append(name);
            }
        }
        QVERIFY2(names.size() >= 2, qPrintable(window->objectName()));
    }
}

void WindowSetTest::enterPressesTheFocusedButtonInEveryWindow()
{
    // Windows of their own, so that no press reaches the window set and closes the others.
    QTemporaryDir folder;
    RecordedServices recorded;
    FrmBox box(recorded.services());
    FrmOrbanil main(folderOf(folder), recorded.services(), CabinBox{"12,5", "3", "2,9"});
    FrmAbout about;
    FrmAyuda ayuda(folderOf(folder));
    FrmPicker shape(FrmPicker::Kind::Shape);
    FrmPicker sms(FrmPicker::Kind::Sms);
    const QList<FixedWindow*> windows{&box, &main, &about, &ayuda, &shape, &sms};
    for (FixedWindow* window : windows) {
        window->showWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        int pressed = 0;
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            if (!button->isVisible() || !button->isEnabled()) {
                continue;
            }
            const QString where = window->objectName() + QLatin1Char('.') + button->objectName();
            QSignalSpy clicked(button, &QPushButton::clicked);
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Return);
            QVERIFY2(clicked.count() == 1, qPrintable(where));
            QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
            QVERIFY2(clicked.count() == 2, qPrintable(where));
            // With a modifier Enter presses nothing.
            QTest::keyClick(button, Qt::Key_Return, Qt::ControlModifier);
            QVERIFY2(clicked.count() == 2, qPrintable(where));
            ++pressed;
        }
        QVERIFY2(pressed > 0, qPrintable(window->objectName()));
    }
}

void WindowSetTest::everyFocusableControlHasASpokenNameOfItsOwn()
{
    StartedRun run;
    const QList<QWidget*> windows = openEveryWindow(run);
    const auto spokenName = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    };
    for (QWidget* window : windows) {
        QVERIFY(window);
        QStringList names;
        // Hidden ones too: the controls of the panels.
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if ((w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus || w->objectName().isEmpty() ||
                w->objectName().startsWith(QLatin1String("qt_"))) {
                continue;
            }
            const QString name = spokenName(w);
            const QString where = window->objectName() + QLatin1Char('.') + w->objectName();
            QVERIFY2(!name.isEmpty(), qPrintable(where));
            QVERIFY2(!names.contains(name), qPrintable(where + QStringLiteral(": ") + name));
            names.append(name);
        }
    }
    const QList<QPair<const char*, QString>> named{
        {"txtCamPosX", "Posición de la cámara X"}, {"txtRotLimZ", "Límite de rotación Z"},
        {"txtSound", "Archivo de sonido"},         {"txtCode", "Código generado"},
        {"FraSave", "Guardar en archivo"},         {"FraOpen", "Abrir archivo guardado"}};
    for (const auto& [control, name] : named) {
        QCOMPARE(spokenName(orbanil::testing::control<QWidget>(run.main(), control)), name);
    }
    QCOMPARE(spokenName(control<QWidget>(run.box(), "txtLong")), QStringLiteral("Largo"));
}

void WindowSetTest::helpTextShownOnceAfterReopening()
{
    StartedRun run;
    writeHelpFile(run.folder, "L\xednea uno\r\n  dos, \"tres\"");
    FrmOrbanil* main = openMainWindow(run);
    auto* ayuda = control<QPushButton>(main, "CmdAyuda");
    QTest::mouseClick(ayuda, Qt::LeftButton);
    const QString first = shownHelp(run.windows->frmAyuda());
    QCOMPARE(first, QStringLiteral("Línea uno\n  dos, \"tres\"\n"));
    QVERIFY(!run.windows->frmAyuda()->close());
    QVERIFY(!run.windows->frmAyuda());
    QTest::mouseClick(ayuda, Qt::LeftButton);
    QCOMPARE(shownHelp(run.windows->frmAyuda()), first);
}

void WindowSetTest::pickersWriteOnlyTheirOwnField()
{
    StartedRun run;
    const auto restore =
        pickersStartIn(run.folder, {QStringLiteral("cab.s"), QStringLiteral("in.sms")});
    FrmOrbanil* main = openMainWindow(run);
    auto* sound = control<QLineEdit>(main, "txtSound");
    auto* shapeFile = control<QLineEdit>(main, "txtShapeFile");
    sound->setText(QStringLiteral("kept.sms"));
    QTest::mouseClick(control<QPushButton>(main, "Command1"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(main, "Command2"), Qt::LeftButton);
    acceptInPicker(run.windows->frmShape(), QStringLiteral("cab.s"));
    QCOMPARE(shapeFile->text(), QStringLiteral("cab.s"));
    QCOMPARE(sound->text(), QStringLiteral("kept.sms"));
    QVERIFY(!run.windows->frmShape());
    QVERIFY(run.windows->frmSms());
    // Left open while an added viewpoint shows, it names the file every viewpoint shares.
    QTest::mouseClick(control<QPushButton>(main, "CmdAddView"), Qt::LeftButton);
    acceptInPicker(run.windows->frmSms(), QStringLiteral("in.sms"));
    QTest::keyClick(control<QComboBox>(main, "cboVista"), Qt::Key_Home);
    QCOMPARE(sound->text(), QStringLiteral("in.sms"));
    QCOMPARE(shapeFile->text(), QStringLiteral("cab.s"));
    for (const ViewParams& viewpoint : main->allViewpoints()) {
        QCOMPARE(viewpoint.soundFile, std::string("in.sms"));
    }
    QVERIFY(!run.windows->frmSms());
}

void WindowSetTest::pickerLeftOpenAfterSalirWritesNowhere()
{
    StartedRun run;
    const auto restore = pickersStartIn(run.folder, {QStringLiteral("in.sms")});
    QSignalSpy ended(run.windows.get(), &WindowSet::allUnloaded);
    FrmOrbanil* main = openMainWindow(run);
    QTest::mouseClick(control<QPushButton>(main, "Command2"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(main, "CmdExit"), Qt::LeftButton);
    QCOMPARE(ended.size(), 0);
    acceptInPicker(run.windows->frmSms(), QStringLiteral("in.sms"));
    QVERIFY(!run.main() && !run.box());
    QCOMPARE(ended.size(), 1);
    QCOMPARE(run.recorded.messages.size(), 1); // only the summary; no dialog loaded again
}

void WindowSetTest::eachPickerOpensWhereItsLastPickWasWithinARun()
{
    StartedRun run;
    const auto restore = pickersStartIn(run.folder, {QStringLiteral("in.sms")});
    const std::filesystem::path start = std::filesystem::current_path();
    QVERIFY(QDir(run.folder.path()).mkpath(QStringLiteral("Cabinas")));
    QFile(run.folder.filePath(QStringLiteral("Cabinas/int.s"))).open(QIODevice::WriteOnly);
    FrmOrbanil* main = openMainWindow(run);
    StartedRun* playing = &run;
    const auto opened = [&playing](const char* button, FrmPicker* (WindowSet::*picker)() const) {
        QTest::mouseClick(control<QPushButton>(playing->main(), button), Qt::LeftButton);
        return ((*playing->windows).*picker)();
    };
    const auto shownFolder = [](FrmPicker* picker) {
        return control<DirList>(picker, "Dir1")->folder();
    };

    FrmPicker* shape = opened("Command1", &WindowSet::frmShape);
    QCOMPARE(shownFolder(shape), start);
    doubleClickItem(control<DirList>(shape, "Dir1"), QStringLiteral("Cabinas"));
    acceptInPicker(shape, QStringLiteral("int.s"));
    QCOMPARE(control<QLineEdit>(main, "txtShapeFile")->text(), QStringLiteral("int.s"));

    // Reopened where the pick was; a folder opened and left with "Cancelar" is no pick.
    shape = opened("Command1", &WindowSet::frmShape);
    QCOMPARE(shownFolder(shape), start / "Cabinas");
    QCOMPARE(listTexts(control<QListWidget>(shape, "File1")), QStringList{"int.s"});
    doubleClickItem(control<DirList>(shape, "Dir1"), pathToQString(start.filename()));
    QCOMPARE(shownFolder(shape), start);
    QTest::mouseClick(control<QPushButton>(shape, "CmdCancel"), Qt::LeftButton);
    QCOMPARE(shownFolder(opened("Command1", &WindowSet::frmShape)), start / "Cabinas");
    // The sound picker keeps a memory of its own.
    QCOMPARE(shownFolder(opened("Command2", &WindowSet::frmSms)), start);

    // A new run starts afresh: nothing outlives the window set.
    StartedRun next;
    playing = &next;
    openMainWindow(next);
    QCOMPARE(shownFolder(opened("Command1", &WindowSet::frmShape)), start);
}

void WindowSetTest::pickerReopensAfreshAfterCancelOrCloseBox_data()
{
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("Cancelar") << false;
    QTest::newRow("close box") << true;
}

void WindowSetTest::pickerReopensAfreshAfterCancelOrCloseBox()
{
    QFETCH(bool, byCloseBox);
    StartedRun run;
    const auto restore = pickersStartIn(run.folder, {QStringLiteral("cab.s")});
    FrmOrbanil* main = openMainWindow(run);
    auto* shapeFile = control<QLineEdit>(main, "txtShapeFile");
    auto* browse = control<QPushButton>(main, "Command1");
    shapeFile->setText(QStringLiteral("kept.s"));

    QTest::mouseClick(browse, Qt::LeftButton);
    QPointer<FrmPicker> first = run.windows->frmShape();
    clickItem(control<QListWidget>(first, "File1"), QStringLiteral("cab.s"));
    QTRY_VERIFY(control<QPushButton>(first, "CmdOk")->isEnabled());
    if (byCloseBox) {
        QVERIFY(!first->close());
    } else {
        QTest::mouseClick(control<QPushButton>(first, "CmdCancel"), Qt::LeftButton);
    }
    QVERIFY(!run.windows->frmShape());
    QTRY_VERIFY(!first);

    QTest::mouseClick(browse, Qt::LeftButton);
    FrmPicker* again = run.windows->frmShape();
    QVERIFY(again && again->isVisible());
    QVERIFY(control<QLabel>(again, "lblSelected")->text().isEmpty());
    QSignalSpy ticks(control<QTimer>(again, "Timer1"), &QTimer::timeout);
    QTRY_VERIFY(ticks.count() >= 2);
    QVERIFY(!control<QPushButton>(again, "CmdOk")->isEnabled());
    QCOMPARE(shapeFile->text(), QStringLiteral("kept.s"));
}

void WindowSetTest::unloadedWindowsAreDestroyed()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    QTest::mouseClick(control<QPushButton>(main, "CmdAbout"), Qt::LeftButton);
    QPointer<QWidget> about = run.windows->frmAbout();
    QPointer<QWidget> box = run.box();
    QTest::mouseClick(control<QPushButton>(about, "CmdOk"), Qt::LeftButton);
    QVERIFY(!run.windows->frmAbout());
    QTRY_VERIFY(!about);
    QPointer<QWidget> mainWindow = main;
    QTest::mouseClick(control<QPushButton>(main, "CmdExit"), Qt::LeftButton);
    QTRY_VERIFY(!mainWindow && !box);
}

void WindowSetTest::windowsAwaitingDeletionGoWithTheSet()
{
    // The run may end (QApplication::quit) before the event loop deletes the last window.
    QPointer<QWidget> box;
    {
        StartedRun run;
        box = run.box();
        QTest::mouseClick(control<QPushButton>(run.box(), "CmdCancel"), Qt::LeftButton);
        QVERIFY(!run.windows->anyLoaded());
        QVERIFY(box);
    }
    QVERIFY(!box);
}

QTEST_MAIN(WindowSetTest)
#include "WindowSetTest.moc"
