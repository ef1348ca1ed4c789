#include "tests/support/UiTestSupport.h"
#include "ui/CameraViewWidget.h"
#include "ui/CodeBox.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>

using namespace orbanil;
using namespace orbanil::testing;

namespace {

// The nine numbers the fields show, blank-separated, or typed from such a text.
QString shownNumbers(const FrmOrbanil* main)
{
    return viewFieldTexts(main, true).join(QLatin1Char(' '));
}

void typeNumbers(FrmOrbanil* main, const QString& numbers)
{
    QStringList texts = numbers.split(QLatin1Char(' '));
    for (const ViewField& field : viewFields) {
        if (isNumberField(field)) {
            typeInto(control<QLineEdit>(main, field.control), texts.takeFirst());
        }
    }
}

QComboBox* viewList(const FrmOrbanil* main)
{
    return control<QComboBox>(main, "cboVista");
}

// Chooses a viewpoint in the list with the keyboard.
void showView(FrmOrbanil* main, int index)
{
    QComboBox* list = viewList(main);
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < index; ++i) {
        QTest::keyClick(list, Qt::Key_Down);
    }
    QCOMPARE(list->currentIndex(), index);
}

void addView(FrmOrbanil* main)
{
    QTest::mouseClick(control<QPushButton>(main, "CmdAddView"), Qt::LeftButton);
}

QString generate(FrmOrbanil* main)
{
    auto* button = control<QPushButton>(main, "CmdGenerate");
    [button] { QTRY_VERIFY(button->isEnabled()); }();
    QTest::mouseClick(button, Qt::LeftButton);
    return control<CodeBox>(main, "txtCode")->codeText();
}

QString alternate(const QString& head, const QString& limits, const QString& start)
{
    return QStringLiteral("     ORTSAlternatePassengerViewPoint (\r\n"
                          "          PassengerCabinHeadPos (  %1 )\r\n"
                          "          RotationLimit (  %2 )\r\n"
                          "          StartDirection ( %3 )\r\n"
                          "     )\r\n")
        .arg(head, limits, start);
}

QString withAlternates(const QString& alternates)
{
    return workedExampleCode + QStringLiteral("\r\nORTSAlternatePassengerViewPoints (\r\n") +
           alternates + QStringLiteral(")");
}

} // namespace

class ViewpointsTest : public QObject
{
    Q_OBJECT
private slots:
    void addedViewpointsShareThePrincipalsNames();
    void generateWritesEveryViewpoint_data();
    void generateWritesEveryViewpoint();
    void generateRefusesNamingTheViewpoint();
    void removeAsksOnlyForAChangedViewpoint();
    void theNoteSaysWhenTheCodeIsOlderThanTheValues();
    void theShownViewpointForThePassengersView();
    void theDrawingNamesEachViewpoint();
    void readValuesTakesTheManualsExample();
};

void ViewpointsTest::addedViewpointsShareThePrincipalsNames()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    typeWorkedExample(main);
    auto* shape = control<QLineEdit>(main, "txtShapeFile");
    auto* remove = control<QPushButton>(main, "CmdRemoveView");
    QVERIFY(!remove->isEnabled());
    addView(main);
    QCOMPARE(viewList(main)->currentText(), QStringLiteral("Vista 2"));
    QCOMPARE(shownNumbers(main), QStringLiteral("0 2.3 -5.25 20 60 0 10 0 0"));
    QVERIFY(remove->isEnabled());
    QVERIFY(shape->toolTip().contains(QStringLiteral("vista principal")));
    QVERIFY(shape->isReadOnly() && !control<QPushButton>(main, "Command1")->isEnabled());
    QTest::keyClicks(shape, QStringLiteral("x"));
    QCOMPARE(shape->text(), QStringLiteral("interior.s"));
    // The principal's keystroke rule holds in an added viewpoint's fields.
    run.recorded.beeps = 0;
    QTest::keyClick(control<QLineEdit>(main, "txtRotLimX"), Qt::Key_Minus);
    QCOMPARE(run.recorded.beeps, 1);

    typeNumbers(main, QStringLiteral("0.9 2.3 -1.79 50 270 0 0 270 0"));
    showView(main, 0);
    QCOMPARE(shownNumbers(main), QStringLiteral("0 2.3 -5.25 20 60 0 10 0 0"));
    QVERIFY(!shape->isReadOnly() && control<QPushButton>(main, "Command1")->isEnabled());
    QCOMPARE(shape->toolTip(), QString());
    showView(main, 1);
    QCOMPARE(shownNumbers(main), QStringLiteral("0.9 2.3 -1.79 50 270 0 0 270 0"));
}

void ViewpointsTest::generateWritesEveryViewpoint_data()
{
    QTest::addColumn<QStringList>("added"); // the nine numbers of each, added after the last
    QTest::addColumn<QString>("code");
    QTest::newRow("none") << QStringList{} << workedExampleCode;
    QTest::newRow("the worked example with one")
        << QStringList{"0.9 2.3 -1.79 50 270 0 0 270 0"}
        << withAlternates(alternate("0.9 2.3 -1.79", "50 270 0", "0 270 0"));
    QTest::newRow("three") << QStringList{"1 2 3 4 5 6 7 8 9", "-1 2.5 -6 0 0 0 0 180 0",
                                          "0.5 1.8 4 90 90 0 5 355 0"}
                           << withAlternates(alternate("1 2 3", "4 5 6", "7 8 9") +
                                             alternate("-1 2.5 -6", "0 0 0", "0 180 0") +
                                             alternate("0.5 1.8 4", "90 90 0", "5 355 0"));
}

void ViewpointsTest::generateWritesEveryViewpoint()
{
    QFETCH(QStringList, added);
    QFETCH(QString, code);
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    typeWorkedExample(main);
    for (const QString& numbers : added) {
        addView(main);
        typeNumbers(main, numbers);
    }
    QCOMPARE(generate(main), code);
}

void ViewpointsTest::generateRefusesNamingTheViewpoint()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    typeWorkedExample(main);
    addView(main);
    addView(main);
    typeInto(control<QLineEdit>(main, "txtCamPosY"), QStringLiteral("2-"));
    // An empty number of an added viewpoint withholds Generate as the principal's does.
    typeInto(control<QLineEdit>(main, "txtStaDirZ"), QString());
    QVERIFY(!control<QPushButton>(main, "CmdGenerate")->isEnabled());
    typeInto(control<QLineEdit>(main, "txtStaDirZ"), QStringLiteral("0"));
    showView(main, 0);
    const QString before = control<CodeBox>(main, "txtCode")->codeText();

    QCOMPARE(generate(main), before);
    QVERIFY2(run.recorded.messages.last().text.startsWith(
                 QStringLiteral("Posición de la cámara Y de la vista 3: «2-»")),
             qPrintable(run.recorded.messages.last().text));
    QCOMPARE(viewList(main)->currentText(), QStringLiteral("Vista 3"));
    QCOMPARE(main->focusWidget(), control<QLineEdit>(main, "txtCamPosY"));
}

void ViewpointsTest::removeAsksOnlyForAChangedViewpoint()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    typeWorkedExample(main);
    auto* remove = control<QPushButton>(main, "CmdRemoveView");
    addView(main);
    typeNumbers(main, QStringLiteral("1 2 3 4 5 6 7 8 9"));
    addView(main); // a copy of Vista 2, unchanged
    const int messages = run.recorded.messages.size();
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(run.recorded.messages.size(), messages);
    QCOMPARE(viewList(main)->count(), 2);
    QCOMPARE(viewList(main)->currentText(), QStringLiteral("Vista 2"));

    // Vista 2 was changed after it was added: the question first, No by default.
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(run.recorded.messages.size(), messages + 1);
    const Message& question = run.recorded.messages.last();
    QCOMPARE(question.title, QStringLiteral("Quitar vista"));
    QCOMPARE(question.defaultButton, QMessageBox::No);
    QCOMPARE(viewList(main)->count(), 2);
    run.recorded.answers = {QMessageBox::Yes};
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(viewList(main)->count(), 1);
    QCOMPARE(viewList(main)->currentText(), QStringLiteral("Principal"));
    QCOMPARE(shownNumbers(main), QStringLiteral("0 2.3 -5.25 20 60 0 10 0 0"));
    QVERIFY(!remove->isEnabled());
}

void ViewpointsTest::theNoteSaysWhenTheCodeIsOlderThanTheValues()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    auto* note = control<QLabel>(main, "lblCodeNote");
    auto* code = control<CodeBox>(main, "txtCode");
    const QString stale =
        QStringLiteral("El código no refleja los últimos cambios: pulse «Generar Código».");
    typeWorkedExample(main);
    addView(main);
    const QString both = generate(main);
    QCOMPARE(note->text(), QString());

    // Quitar vista: Copiar would copy the block with that viewpoint, and the note says so; the
    // code stays as it is.
    QTest::mouseClick(control<QPushButton>(main, "CmdRemoveView"), Qt::LeftButton);
    QCOMPARE(note->text(), stale);
    QCOMPARE(code->codeText(), both);
    // Being old wins over the confirmation.
    QTest::mouseClick(control<QPushButton>(main, "CmdClip"), Qt::LeftButton);
    QCOMPARE(note->text(), stale);
    // A viewpoint like the one removed gives the block again.
    addView(main);
    QCOMPARE(note->text(), QString());
    QTest::mouseClick(control<QPushButton>(main, "CmdClip"), Qt::LeftButton);
    QCOMPARE(note->text(), QStringLiteral("Copiado al portapapeles."));
    // A change of a value ends the confirmation and makes the code old.
    typeInto(control<QLineEdit>(main, "txtCamPosZ"), QStringLiteral("-5.5"));
    QCOMPARE(note->text(), stale);
}

void ViewpointsTest::theShownViewpointForThePassengersView()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    typeWorkedExample(main);
    QSignalSpy changed(main, &FrmOrbanil::shownViewpointChanged);
    addView(main);
    QCOMPARE(changed.size(), 1); // another viewpoint shown: one signal
    typeInto(control<QLineEdit>(main, "txtCamPosX"), QStringLiteral("1"));
    QVERIFY(changed.size() >= 2);
    ViewParams expected = workedExampleParams();
    expected.headX.assign(1, '1'); // GCC 12 warns wrongly of a string assigned a literal
    QCOMPARE(main->shownViewpoint(), expected);

    // Each of the two is one edit of its own field, undone there alone.
    const int before = changed.size();
    main->setShownStartDirection(QStringLiteral("90"), QStringLiteral("270"));
    QCOMPARE(changed.size(), before + 2);
    auto* startY = control<QLineEdit>(main, "txtStaDirY");
    QCOMPARE(startY->text(), QStringLiteral("270"));
    QTest::keyClick(startY, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(startY->text(), QStringLiteral("0"));
    QCOMPARE(main->shownViewpoint().startDirectionX, "90");
    QCOMPARE(main->viewpoints().all().at(0).startDirectionX, "10");
}

void ViewpointsTest::theDrawingNamesEachViewpoint()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    typeWorkedExample(main);
    addView(main);
    typeNumbers(main, QStringLiteral("1.85 2.3 0 0 0 0 0 0 0"));
    addView(main);
    typeNumbers(main, QStringLiteral("0 2.3 -7 0 0 0 0 0 0"));
    auto* drawing = control<CameraViewWidget>(main, "picCameraView");
    const QString described =
        QStringLiteral("La vista principal está dentro de la caja.\n"
                       "La vista 2 está 0,4 m por fuera del lateral derecho.\n"
                       "La vista 3 está 0,75 m por detrás de la caja.");
    QTRY_COMPARE(drawing->toolTip(), described);
    QCOMPARE(drawing->sketch().above.others.size(), 2u);
    showView(main, 0);
    QTRY_COMPARE(drawing->sketch().above.others.size(), 2u);
    QCOMPARE(drawing->accessibleDescription(), described);
}

void ViewpointsTest::readValuesTakesTheManualsExample()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    typeWorkedExample(main);
    addView(main);
    auto* code = control<CodeBox>(main, "txtCode");
    const QString manual =
        QStringLiteral("ORTSAlternatePassengerViewPoints (\n"
                       "        ORTSAlternatePassengerViewPoint (\n"
                       "                PassengerCabinHeadPos ( -0.0 2.85801 -6.091 )\n"
                       "                RotationLimit ( 50 270 0 )\n"
                       "                StartDirection ( 0 0 0 )\n"
                       "        )\n"
                       "        ORTSAlternatePassengerViewPoint (\n"
                       "                PassengerCabinHeadPos ( 0.9 2.35801 -1.791 )\n"
                       "                RotationLimit ( 50 270 0 )\n"
                       "                StartDirection ( -5 -90 0 )\n"
                       "        )\n"
                       ")\n");
    // Pasted after the Inside block in a Wagon, as the help says.
    code->replaceCodeText(QStringLiteral("Wagon ( w\n") + workedExampleCode + QStringLiteral("\n") +
                          manual + QStringLiteral(")"));
    QTest::mouseClick(control<QPushButton>(main, "CmdRead"), Qt::LeftButton);
    QCOMPARE(viewList(main)->count(), 3);
    QCOMPARE(viewList(main)->currentText(), QStringLiteral("Principal"));
    QCOMPARE(run.recorded.messages.last().text,
             QStringLiteral("Estos valores no entran en su casilla tal como están en el bloque:\r\n"
                            "Vista 3, StartDirection Y: \"-90\" → 270, el mismo ángulo de 0 a "
                            "359 para la casilla (el simulador lee -90)\r\n\r\n"
                            "Las vistas añadidas son ahora las 2 del bloque "
                            "ORTSAlternatePassengerViewPoints."));
    showView(main, 1);
    QCOMPARE(shownNumbers(main), QStringLiteral("-0.0 2.85801 -6.091 50 270 0 0 0 0"));
    showView(main, 2);
    QCOMPARE(shownNumbers(main), QStringLiteral("0.9 2.35801 -1.791 50 270 0 -5 270 0"));

    // Before the Inside block the simulator skips the alternates, and the rest with them; the
    // reading says so, and the added viewpoints stay.
    code->replaceCodeText(manual + workedExampleCode);
    QTest::mouseClick(control<QPushButton>(main, "CmdRead"), Qt::LeftButton);
    QCOMPARE(viewList(main)->count(), 3);
    QVERIFY(run.recorded.messages.last().text.startsWith(
        QStringLiteral("El bloque ORTSAlternatePassengerViewPoints va antes de cualquier bloque "
                       "Inside")));
    QVERIFY(run.recorded.messages.last().text.contains(QStringLiteral("se conservan las 2")));
}

QTEST_MAIN(ViewpointsTest)
#include "ViewpointsTest.moc"
