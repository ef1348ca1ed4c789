#include "tests/support/UiTestSupport.h"
#include "ui/CodeBox.h"

#include <QClipboard>
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
    QGuiApplication::clipboard()->setText(text);
    code->setFocus();
    QTest::keyClick(code, Qt::Key_V, Qt::ControlModifier);
}

void readValues(FrmOrbanil* main)
{
    QTest::mouseClick(control<QPushButton>(main, "CmdRead"), Qt::LeftButton);
}

} // namespace

class ReadValuesTest : public QObject
{
    Q_OBJECT
private slots:
    void blocksAsUsersHaveThem_data();
    void blocksAsUsersHaveThem();
    void aReadIsUndoneFieldByField();
};

void ReadValuesTest::blocksAsUsersHaveThem_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("fields");  // the worked example where the block gives nothing
    QTest::addColumn<QString>("message"); // what the one message says, empty for none

    QTest::newRow("a tab-indented .wag with comments, a relative path and a negative start")
        << "SIMISA@@@@@@@@@@JINX0D0t______\r\n\r\nWagon ( BR_Mk1_FO\r\n"
           "\tcomment ( Inside ( PassengerCabinFile ( old.s ) ) )\r\n"
           "\tinside (\r\n"
           "\t\tSound ( \"..\\\\..\\\\SOUND\\\\Mk1.sms\" )\r\n"
           "\t\t_comment ( vista de primera )\r\n"
           "\t\tpassengercabinfile ( \"..\\\\Mk1PassengerViews\\\\Mk1FirstInterior.s\" )\r\n"
           "\t\tPassengerCabinHeadPos ( -0.9 2.90 4.5 )\r\n"
           "\t\tRotationLimit ( 30 90 0 )\r\n"
           "\t\tStartDirection ( -5 -90 0 )\r\n"
           "\t)\r\n)\r\n"
        << R"(..\Mk1PassengerViews\Mk1FirstInterior.s|-0.9|2.90|4.5|30|90|0|355|270|0|..\..\SOUND\Mk1.sms)"
        << "Estos valores se han escrito como los lee el simulador:\r\n"
           "StartDirection X: \"-5\" → 355\r\nStartDirection Y: \"-90\" → 270";
    QTest::newRow("an opened saved file, units and a thousands comma, LF line ends")
        << "Inside (\nPassengerCabinFile ( BR20TBrake01.s )\n"
           "PassengerCabinHeadPos ( 0 7.5ft \"1,5\" )\nRotationLimit (  20 60 0 )\n"
           "StartDirection ( 10 0 0 )\nSound ( \"interior.sms\" )\n)\n"
        << "BR20TBrake01.s|0|2.286|15|20|60|0|10|0|0|interior.sms"
        << "Estos valores se han escrito como los lee el simulador:\r\n"
           "PassengerCabinHeadPos Y: \"7.5ft\" → 2.286\r\n"
           "PassengerCabinHeadPos Z: \"1,5\" se lee como 15";
    QTest::newRow("values the fields cannot hold, and entries the block lacks")
        << "Inside ( PassengerCabinHeadPos ( abc 1e39 ) RotationLimit ( +20 12.5 -450 ) "
           "Sound ( \"a\\tb.sms\" ) )"
        << "interior.s|0|0|0|20|13|270|10|0|0|interior.sms"
        << "Estos valores se han escrito como los lee el simulador:\r\n"
           "PassengerCabinHeadPos X: \"abc\" no es un número; se lee como 0\r\n"
           "PassengerCabinHeadPos Y: \"1e39\" es demasiado grande; se lee como 0\r\n"
           "PassengerCabinHeadPos Z: falta; se lee como 0\r\n"
           "RotationLimit X: \"+20\" → 20\r\nRotationLimit Y: \"12.5\" → 13\r\n"
           "RotationLimit Z: \"-450\" → 270\r\n\r\n"
           "Sound: el nombre lleva un salto de línea o un tabulador (\\n, \\t), que la casilla "
           "no admite; la casilla se queda como estaba.\r\n\r\n"
           "El bloque no tiene PassengerCabinFile, StartDirection: sus casillas se quedan como "
           "estaban.";
    QTest::newRow("no Inside block at all")
        << "Wagon ( Mass ( 30t ) )"
        << "interior.s|0|2.3|-5.25|20|60|0|10|0|0|interior.sms"
        << "El código no tiene ningún bloque «Inside ( … )». Pegue en el cuadro de código el "
           "bloque, o el archivo .wag o .eng entero, y pulse otra vez «Leer Valores».";
}

void ReadValuesTest::blocksAsUsersHaveThem()
{
    QFETCH(QString, code);
    QFETCH(QString, fields);
    QFETCH(QString, message);
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    typeWorkedExample(main);
    pasteCode(main, code);
    const QString pasted = control<CodeBox>(main, "txtCode")->codeText();
    readValues(main);

    QCOMPARE(fieldTexts(main), fields);
    QCOMPARE(control<CodeBox>(main, "txtCode")->codeText(), pasted);
    QCOMPARE(run.recorded.messages.size(), message.isEmpty() ? 1 : 2); // after the summary
    if (!message.isEmpty()) {
        QCOMPARE(run.recorded.messages.last().title, QStringLiteral("Leer Valores"));
        QCOMPARE(run.recorded.messages.last().text, message);
    }
}

void ReadValuesTest::aReadIsUndoneFieldByField()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    typeWorkedExample(main);
    pasteCode(main, QStringLiteral("Inside ( PassengerCabinHeadPos ( 0 3.5 -5.25 ) )"));
    readValues(main);
    auto* y = control<QLineEdit>(main, "txtCamPosY");
    QCOMPARE(y->text(), QStringLiteral("3.5"));
    // The drawing follows the fields it read: the head is above the 3 m roof.
    QTRY_VERIFY(
        control<QWidget>(main, "picCameraView")->toolTip().contains(QStringLiteral("0,5 m")));

    QMenu* menu = openContextMenu(y);
    QVERIFY(menu);
    clickMenuEntry(menu, "&Undo");
    QCOMPARE(y->text(), QStringLiteral("2.3"));
    QCOMPARE(control<QLineEdit>(main, "txtCamPosZ")->text(), QStringLiteral("-5.25"));
}

QTEST_MAIN(ReadValuesTest)
#include "ReadValuesTest.moc"
