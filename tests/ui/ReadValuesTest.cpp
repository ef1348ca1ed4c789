#include "tests/support/UiTestSupport.h"
#include "ui/CodeBox.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>

using namespace orbanil;
using namespace orbanil::testing;

namespace {

QString fieldTexts(const FrmOrbanil* main)
{
    return viewFieldTexts(main).join(QLatin1Char('|'));
}

// Pastes `text` into the code box with Ctrl+V, as users bring a block from their files.
void pasteCode(FrmOrbanil* main, const QString& text)
{
    auto* code = control<CodeBox>(main, "txtCode");
    code->replaceCodeText(QString());
    QGuiApplication::clipboard()->setText(text);
    code->setFocus();
    QTest::keyClick(code, Qt::Key_V, Qt::ControlModifier);
}

void readValues(FrmOrbanil* main)
{
    QTest::mouseClick(control<QPushButton>(main, "CmdRead"), Qt::LeftButton);
}

void undoIn(FrmOrbanil* main, const char* field)
{
    QTest::keyClick(control<QLineEdit>(main, field), Qt::Key_Z, Qt::ControlModifier);
}

const QString alternates = QStringLiteral("ORTSAlternatePassengerViewPoints (\r\n"
                                          "ORTSAlternatePassengerViewPoint ( "
                                          "PassengerCabinHeadPos ( 1 2 3 ) RotationLimit ( 0 0 0 ) "
                                          "StartDirection ( 0 0 0 ) )\r\n"
                                          "ORTSAlternatePassengerViewPoint ( "
                                          "PassengerCabinHeadPos ( 4 5 6 ) RotationLimit ( 0 0 0 ) "
                                          "StartDirection ( 0 0 0 ) )\r\n)");

} // namespace

class ReadValuesTest : public QObject
{
    Q_OBJECT
private slots:
    void aPastedWagonIsReadSayingWhatChanged();
    void replacingEditedViewpointsAsksFirst_data();
    void replacingEditedViewpointsAsksFirst();
};

// A .wag as users have them: tab-indented, commented, a path with single backslashes, no
// rotation limits. The fields take what the simulator reads, one message says what changed,
// the code stays, and Ctrl+Z in a field takes back what was read over it.
void ReadValuesTest::aPastedWagonIsReadSayingWhatChanged()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    typeWorkedExample(main);
    pasteCode(main, QStringLiteral("SIMISA@@@@@@@@@@JINX0D0t______\r\n\r\nWagon ( BR_Mk1_FO\r\n"
                                   "\tcomment ( Inside ( PassengerCabinFile ( old.s ) ) )\r\n"
                                   "\tinside (\r\n"
                                   "\t\tSound ( \"..\\\\..\\\\SOUND\\\\Mk1.sms\" )\r\n"
                                   "\t\t_comment ( vista de primera )\r\n"
                                   "\t\tpassengercabinfile ( \"..\\Mk1\\Interior.s\" )\r\n"
                                   "\t\tPassengerCabinHeadPos ( -0.9 3.5 4.5 )\r\n"
                                   "\t\tStartDirection ( -5 -90 0 )\r\n"
                                   "\t)\r\n)\r\n"));
    const QString pasted = control<CodeBox>(main, "txtCode")->codeText();
    const int before = run.recorded.messages.size();
    readValues(main);

    QCOMPARE(fieldTexts(main),
             QStringLiteral(R"(..Mk1Interior.s|-0.9|3.5|4.5|0|0|0|-5|270|0|..\..\SOUND\Mk1.sms)"));
    QCOMPARE(control<CodeBox>(main, "txtCode")->codeText(), pasted);
    QCOMPARE(run.recorded.messages.size(), before + 1);
    const Message& said = run.recorded.messages.last();
    QCOMPARE(said.title, QStringLiteral("Leer Valores"));
    QCOMPARE(said.icon, QMessageBox::Information);
    // The core's table checks the wording; here, that the window shows it, names and all.
    QVERIFY2(said.text.contains(QStringLiteral("«\"..\\Mk1\\Interior.s\"» → «..Mk1Interior.s»")) &&
                 said.text.endsWith(QStringLiteral(
                     "RotationLimit: el simulador usa 0 0 0, y sus casillas también")),
             qPrintable(said.text));
    // The drawing follows the fields it read: the head is above the 3 m roof.
    QTRY_VERIFY(
        control<QWidget>(main, "picCameraView")->toolTip().contains(QStringLiteral("0,5 m")));

    undoIn(main, "txtShapeFile");
    undoIn(main, "txtCamPosY");
    undoIn(main, "txtRotLimY");
    QCOMPARE(fieldTexts(main),
             QStringLiteral(R"(interior.s|-0.9|2.3|4.5|0|60|0|-5|270|0|..\..\SOUND\Mk1.sms)"));

    // Nothing to read: the fields stay as they are.
    pasteCode(main, QStringLiteral("Wagon ( Mass ( 30t ) )"));
    readValues(main);
    QCOMPARE(run.recorded.messages.last().icon, QMessageBox::Warning);
    QCOMPARE(run.recorded.messages.last().text,
             QStringLiteral("El código no tiene ningún bloque «Inside ( … )». Pegue en el cuadro "
                            "de código el bloque, o el archivo .wag o .eng entero, y pulse otra "
                            "vez «Leer Valores»."));
    QCOMPARE(fieldTexts(main),
             QStringLiteral(R"(interior.s|-0.9|2.3|4.5|0|60|0|-5|270|0|..\..\SOUND\Mk1.sms)"));
}

void ReadValuesTest::replacingEditedViewpointsAsksFirst_data()
{
    QTest::addColumn<bool>("edited");        // the added viewpoint's numbers were changed
    QTest::addColumn<QList<int>>("answers"); // given to the question, if asked
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("replaced");

    using Answers = QList<int>;
    QTest::newRow("unedited: replaced unasked") << false << Answers{} << false << true;
    QTest::newRow("edited, Sí replaces them") << true << Answers{QMessageBox::Yes} << true << true;
    QTest::newRow("edited, No by default keeps them") << true << Answers{} << true << false;
    QTest::newRow("edited, Escape keeps them")
        << true << Answers{QMessageBox::Escape} << true << false;
}

void ReadValuesTest::replacingEditedViewpointsAsksFirst()
{
    QFETCH(bool, edited);
    QFETCH(QList<int>, answers);
    QFETCH(bool, asked);
    QFETCH(bool, replaced);
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    typeWorkedExample(main);
    QTest::mouseClick(control<QPushButton>(main, "CmdAddView"), Qt::LeftButton);
    if (edited) {
        typeInto(control<QLineEdit>(main, "txtCamPosX"), QStringLiteral("0.9"));
    }
    pasteCode(main, workedExampleCode + QStringLiteral("\r\n") + alternates);
    for (const int answer : answers) {
        run.recorded.answers.append(static_cast<QMessageBox::StandardButton>(answer));
    }
    const int before = run.recorded.messages.size();
    readValues(main);

    auto* views = control<QComboBox>(main, "cboVista");
    QCOMPARE(views->count(), replaced ? 3 : 2);
    QCOMPARE(views->currentIndex(), 0);
    QCOMPARE(run.recorded.messages.size(), before + (asked ? 2 : 1));
    if (asked) {
        const Message& question = run.recorded.messages.at(before);
        QCOMPARE(question.text,
                 QStringLiteral("¿Reemplazar las vistas añadidas por las 2 del bloque?"));
        QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(question.defaultButton, QMessageBox::No);
    }
    QCOMPARE(run.recorded.messages.last().text,
             replaced ? QStringLiteral("Las vistas añadidas son ahora las 2 del bloque "
                                       "ORTSAlternatePassengerViewPoints.")
                      : QStringLiteral("Las vistas añadidas se conservan: no se han reemplazado "
                                       "por las del bloque."));
    views->setFocus();
    QTest::keyClick(views, Qt::Key_End);
    QCOMPARE(viewFieldTexts(main, true).join(QLatin1Char(' ')),
             replaced ? QStringLiteral("4 5 6 0 0 0 0 0 0")
                      : QStringLiteral("%1 2.3 -5.25 20 60 0 10 0 0")
                            .arg(edited ? QStringLiteral("0.9") : QStringLiteral("0")));
}

QTEST_MAIN(ReadValuesTest)
#include "ReadValuesTest.moc"
