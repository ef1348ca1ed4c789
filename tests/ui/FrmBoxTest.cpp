#include "core/shape/CabinShape.h"
#include "tests/support/UiTestSupport.h"

#include <QClipboard>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QTimer>

using namespace orbanil;
using namespace orbanil::testing;

class FrmBoxTest : public QObject
{
    Q_OBJECT
private slots:
    void startsWithEmptyFieldsAndDisabledNext();
    void nextFollowsTheFieldsWhileShownAndHidden();
    void dimensionFilter_data();
    void dimensionFilter();
    void unmatchedAltIsRefusedAndMovingKeysAreSilent();
    void tabRightAfterTheLastKeystrokeReachesNext();
    void inputMethodTextIsFilteredCharacterByCharacter();
    void summaryOfTheExampleAndRangeLines();
    void zeroPaddedDimensionsAreShownAsTyped();
    void unreadableDimensionStaysInTheDialog_data();
    void unreadableDimensionStaysInTheDialog();
    void realMessageBoxIsAnsweredByItsButton();
    void takesTheBoxFromTheShapeOnceOneIsRead();
};

void FrmBoxTest::startsWithEmptyFieldsAndDisabledNext()
{
    StartedRun run;
    FrmBox* box = run.box();
    QVERIFY(box && box->isVisible());
    QVERIFY(!run.main());
    auto* next = control<QPushButton>(box, "CmdNext");
    QCOMPARE(box->windowTitle(), QStringLiteral("Orbanil - Dimensiones"));
    QCOMPARE(control<QGroupBox>(box, "Frame1")->title(), QStringLiteral("Dimensiones."));
    QCOMPARE(control<QLabel>(box, "Label5")->text(),
             QStringLiteral("Nota: se debe usar el símbolo \"coma\" para los decimales."));
    QCOMPARE(next->text(), QStringLiteral("&Siguiente"));
    QCOMPARE(control<QPushButton>(box, "CmdCancel")->text(), QStringLiteral("&Cerrar"));
    for (const char* field : {"txtLong", "txtHeight", "txtWidth"}) {
        QVERIFY2(control<QLineEdit>(box, field)->text().isEmpty(), field);
    }
    QVERIFY(!next->isEnabled());
    QVERIFY(!next->isDefault() && !next->autoDefault());
    QCOMPARE(box->focusWidget(), control<QLineEdit>(box, "txtLong"));
    QCOMPARE(focusChain(box->focusWidget()), (QStringList{"txtLong", "txtHeight", "txtWidth",
                                                          "CmdNext", "CmdCancel", "CmdFromShape"}));
    QCOMPARE(control<QTimer>(box, "Timer1")->interval(), 100);
}

void FrmBoxTest::nextFollowsTheFieldsWhileShownAndHidden()
{
    StartedRun run;
    FrmBox* box = run.box();
    auto* height = control<QLineEdit>(box, "txtHeight");
    auto* width = control<QLineEdit>(box, "txtWidth");
    auto* next = control<QPushButton>(box, "CmdNext");
    typeInto(control<QLineEdit>(box, "txtLong"), "2");
    typeInto(height, "3");
    QTest::qWait(250);
    QVERIFY(!next->isEnabled());
    typeInto(width, "4");
    QTRY_VERIFY(next->isEnabled());
    height->clear();
    QTRY_VERIFY(!next->isEnabled());

    // The timer keeps ticking while the dialog is hidden behind the main window.
    typeInto(height, "3");
    QTRY_VERIFY(next->isEnabled());
    QTest::mouseClick(next, Qt::LeftButton);
    QVERIFY(!box->isVisible());
    width->clear();
    QTRY_VERIFY(!next->isEnabled());
}

void FrmBoxTest::dimensionFilter_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("beeps");
    const Qt::KeyboardModifiers none;

    QTest::newRow("digit") << "1" << int(Qt::Key_5) << none << "15" << 0;
    QTest::newRow("comma") << "1" << int(Qt::Key_Comma) << none << "1," << 0;
    QTest::newRow("minus") << "" << int(Qt::Key_Minus) << none << "-" << 0;
    QTest::newRow("second comma") << "1,2" << int(Qt::Key_Comma) << none << "1,2," << 0;
    QTest::newRow("full stop") << "1" << int(Qt::Key_Period) << none << "1," << 0;
    QTest::newRow("letter") << "1" << int(Qt::Key_A) << none << "1" << 1;
    QTest::newRow("blank") << "1" << int(Qt::Key_Space) << none << "1" << 1;
    QTest::newRow("enter") << "1" << int(Qt::Key_Return) << none << "1" << 0;
    QTest::newRow("keypad enter") << "1" << int(Qt::Key_Enter) << none << "1" << 0;
    QTest::newRow("backspace") << "12" << int(Qt::Key_Backspace) << none << "1" << 0;
    QTest::newRow("escape") << "1" << int(Qt::Key_Escape) << none << "1" << 1;
    // Ctrl+Backspace types 127 and Ctrl+Enter 10: control codes, refused.
    QTest::newRow("ctrl+backspace") << "2,5" << int(Qt::Key_Backspace)
                                    << Qt::KeyboardModifiers(Qt::ControlModifier) << "2,5" << 1;
    QTest::newRow("ctrl+enter") << "1" << int(Qt::Key_Return)
                                << Qt::KeyboardModifiers(Qt::ControlModifier) << "1" << 1;
    // Keys that type nothing pass silently, although Qt gives Tab the text "\t".
    QTest::newRow("tab") << "1" << int(Qt::Key_Tab) << none << "1" << 0;
    QTest::newRow("backtab") << "1" << int(Qt::Key_Backtab) << none << "1" << 0;
    QTest::newRow("shift") << "1" << int(Qt::Key_Shift) << none << "1" << 0;
    QTest::newRow("f1") << "1" << int(Qt::Key_F1) << none << "1" << 0;
}

void FrmBoxTest::dimensionFilter()
{
    QFETCH(QString, before);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, after);
    QFETCH(int, beeps);
    StartedRun run;
    // The one rule serves all three fields.
    for (const char* name : {"txtLong", "txtHeight", "txtWidth"}) {
        auto* field = control<QLineEdit>(run.box(), name);
        run.recorded.beeps = 0;
        field->setText(before);
        QTest::keyClick(field, static_cast<Qt::Key>(key), modifiers);
        QCOMPARE(field->text(), after);
        QCOMPARE(run.recorded.beeps, beeps);
    }
}

void FrmBoxTest::unmatchedAltIsRefusedAndMovingKeysAreSilent()
{
    StartedRun run;
    QLineEdit* field = control<QLineEdit>(run.box(), "txtLong");
    field->setText(QStringLiteral("1"));
    // An Alt combination that no access key takes would type its letter: refused like the letter.
    QTest::keyClick(field, Qt::Key_A, Qt::AltModifier);
    QCOMPARE(field->text(), QStringLiteral("1"));
    QCOMPARE(run.recorded.beeps, 1);

    // Keys that type nothing move the caret as usual and make no sound.
    QTest::keyClick(field, Qt::Key_Home);
    QTest::keyClick(field, Qt::Key_2);
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Left);
    QTest::keyClick(field, Qt::Key_Delete);
    QCOMPARE(field->text(), QStringLiteral("2"));
    QCOMPARE(run.recorded.beeps, 1);
}

void FrmBoxTest::tabRightAfterTheLastKeystrokeReachesNext()
{
    StartedRun run;
    FrmBox* box = run.box();
    auto* width = control<QLineEdit>(box, "txtWidth");
    typeInto(control<QLineEdit>(box, "txtLong"), QStringLiteral("12,5"));
    typeInto(control<QLineEdit>(box, "txtHeight"), QStringLiteral("3"));
    // No timer tick in between: the keystroke and the Tab come at once.
    width->setFocus();
    QTest::keyClicks(width, QStringLiteral("2,9"));
    QTest::keyClick(width, Qt::Key_Tab);
    QCOMPARE(box->focusWidget(), control<QPushButton>(box, "CmdNext"));

    // And an emptied field disables it as promptly: Tab goes on to "Cerrar".
    width->setFocus();
    width->selectAll();
    QTest::keyClick(width, Qt::Key_Backspace);
    QTest::keyClick(width, Qt::Key_Tab);
    QCOMPARE(box->focusWidget(), control<QPushButton>(box, "CmdCancel"));
}

void FrmBoxTest::inputMethodTextIsFilteredCharacterByCharacter()
{
    StartedRun run;
    QLineEdit* field = control<QLineEdit>(run.box(), "txtWidth");
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("1a.5\r"));
    QApplication::sendEvent(field, &commit);
    QCOMPARE(field->text(), QStringLiteral("1,5"));
    QCOMPARE(run.recorded.beeps, 1);

    QInputMethodEvent clean;
    clean.setCommitString(QStringLiteral("0"));
    QApplication::sendEvent(field, &clean);
    QCOMPARE(field->text(), QStringLiteral("1,50"));
    QCOMPARE(run.recorded.beeps, 1);
}

void FrmBoxTest::summaryOfTheExampleAndRangeLines()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    QCOMPARE(run.recorded.messages.size(), 1);
    const Message& summary = run.recorded.messages.first();
    QCOMPARE(summary.title, QStringLiteral("Dimensiones"));
    QCOMPARE(summary.icon, QMessageBox::Information);
    QCOMPARE(summary.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(summary.text, QStringLiteral("Dimensiones: \r\n\r\n"
                                          "Largo: 12,5m ( 6,25 -6,25 )\r\n"
                                          "Alto: 3m ( 1,5 -1,5 )\r\n"
                                          "Ancho: 2,9m ( 1,45 -1,45 )"));
    QVERIFY(main && main->isVisible());
    QVERIFY(!run.box()->isVisible());
    QCOMPARE(control<QLabel>(main, "lbl1")->text(),
             QStringLiteral("Ancho: 2,9 m Limites: -1,45 m / 1,45 m"));
    QCOMPARE(control<QLabel>(main, "lbl2")->text(),
             QStringLiteral("Alto: 3 m Limites: -1,5 m / 1,5 m"));
    QCOMPARE(control<QLabel>(main, "lbl3")->text(),
             QStringLiteral("Largo: 12,5 m Limites: -6,25 m / 6,25 m"));
}

void FrmBoxTest::zeroPaddedDimensionsAreShownAsTyped()
{
    StartedRun run;
    passDialog(run.box(), QStringLiteral("02,50"), QStringLiteral("03"), QStringLiteral("0,5"));
    QCOMPARE(run.recorded.messages.size(), 1);
    QCOMPARE(run.recorded.messages.first().text, QStringLiteral("Dimensiones: \r\n\r\n"
                                                                "Largo: 02,50m ( 1,25 -1,25 )\r\n"
                                                                "Alto: 03m ( 1,5 -1,5 )\r\n"
                                                                "Ancho: 0,5m ( 0,25 -0,25 )"));
    QCOMPARE(control<QLabel>(run.main(), "lbl2")->text(),
             QStringLiteral("Alto: 03 m Limites: -1,5 m / 1,5 m"));
    QCOMPARE(control<QLabel>(run.main(), "lbl1")->text(),
             QStringLiteral("Ancho: 0,5 m Limites: -0,25 m / 0,25 m"));
}

void FrmBoxTest::unreadableDimensionStaysInTheDialog_data()
{
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("message");

    QTest::newRow("three parts") << "2"
                                 << "3"
                                 << "1,2,3"
                                 << "txtWidth"
                                 << "El ancho «1,2,3» no es un número válido. Escriba un número "
                                    "con coma decimal, por ejemplo 2,9.";
    QTest::newRow("lone minus") << "-"
                                << "3"
                                << "2"
                                << "txtLong"
                                << "El largo «-» no es un número válido. Escriba un número con "
                                   "coma decimal, por ejemplo 2,9.";
    QTest::newRow("minus after digits") << "2"
                                        << "1-2"
                                        << ","
                                        << "txtHeight"
                                        << "La altura «1-2» no es un número válido. Escriba un "
                                           "número con coma decimal, por ejemplo 2,9.";
    QTest::newRow("negative") << "-12,5"
                              << "3"
                              << "2,9"
                              << "txtLong"
                              << "El largo «-12,5» no es mayor que cero. Escriba la medida de la "
                                 "caja en metros, por ejemplo 2,9.";
    QTest::newRow("zero") << "12,5"
                          << "3"
                          << "0,0"
                          << "txtWidth"
                          << "El ancho «0,0» no es mayor que cero. Escriba la medida de la caja "
                             "en metros, por ejemplo 2,9.";
}

void FrmBoxTest::unreadableDimensionStaysInTheDialog()
{
    QFETCH(QString, length);
    QFETCH(QString, height);
    QFETCH(QString, width);
    QFETCH(QString, field);
    QFETCH(QString, message);
    StartedRun run;
    FrmBox* box = run.box();
    box->activateWindow();
    passDialog(box, length, height, width);
    QCOMPARE(run.recorded.messages.size(), 1);
    QCOMPARE(run.recorded.messages.first().title, QStringLiteral("Dimensiones"));
    QCOMPARE(run.recorded.messages.first().icon, QMessageBox::Warning);
    QCOMPARE(run.recorded.messages.first().text, message);
    QVERIFY(box->isVisible());
    QVERIFY(!run.main());
    QCOMPARE(box->focusWidget()->objectName(), field);
}

void FrmBoxTest::realMessageBoxIsAnsweredByItsButton()
{
    QTemporaryDir folder;
    int beeps = 0;
    UiServices services = defaultUiServices();
    services.beep = [&beeps] { ++beeps; };
    WindowSet windows(folderOf(folder), services);
    windows.start();
    FrmBox* box = windows.frmBox();

    QString shownText;
    onNextMessageBox([&shownText](QMessageBox* message) {
        shownText = message->text();
        QTest::mouseClick(message->button(QMessageBox::Ok), Qt::LeftButton);
    });
    passDialog(box, QStringLiteral("12,5"), QStringLiteral("3"), QStringLiteral("2,9"));
    QCOMPARE(shownText, QStringLiteral("Dimensiones: \n\nLargo: 12,5m ( 6,25 -6,25 )\n"
                                       "Alto: 3m ( 1,5 -1,5 )\nAncho: 2,9m ( 1,45 -1,45 )"));
    QVERIFY(windows.frmOrbanil() && windows.frmOrbanil()->isVisible());
    QVERIFY(!box->isVisible());
    QCOMPARE(beeps, 0);
}

void FrmBoxTest::takesTheBoxFromTheShapeOnceOneIsRead()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    QTest::mouseClick(control<QPushButton>(main, "CmdDimensions"), Qt::LeftButton);
    FrmBox* box = run.box();
    QVERIFY(QTest::qWaitForWindowActive(box));
    auto* take = control<QPushButton>(box, "CmdFromShape");
    QVERIFY(!take->isEnabled());
    auto shape = std::make_shared<CabinShape>();
    shape->triangles.resize(1);
    shape->boundsMin = Vec3{-1.4f, 1.1f, -10.2f};
    shape->boundsMax = Vec3{1.45f, 4.25f, 10.2f};
    box->setCabinShape(shape);
    QVERIFY(take->isEnabled());

    auto* length = control<QLineEdit>(box, "txtLong");
    QTest::keyClick(length, Qt::Key_T, Qt::AltModifier);
    const auto typed = [box] {
        QStringList texts;
        for (const BoxField& field : boxFields) {
            texts.append(control<QLineEdit>(box, field.control)->text());
        }
        return texts.join(QLatin1Char(' '));
    };
    QTRY_COMPARE(typed(), QStringLiteral("20,4 4,25 2,9")); // the button rises, then clicks
    // The user may still change them: Ctrl+Z gives back what was typed before.
    QTest::keyClick(length, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(typed(), QStringLiteral("12,5 4,25 2,9"));
    QTest::mouseClick(control<QPushButton>(box, "CmdNext"), Qt::LeftButton);
    QCOMPARE(control<QLabel>(main, "lbl2")->text(),
             QStringLiteral("Alto: 4,25 m Limites: -2,125 m / 2,125 m"));

    box->setCabinShape(nullptr);
    QVERIFY(!take->isEnabled());
}

QTEST_MAIN(FrmBoxTest)
#include "FrmBoxTest.moc"
