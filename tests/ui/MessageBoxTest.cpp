#include "tests/support/UiTestSupport.h"
#include "ui/QtTranslation.h"
#include "ui/UiServices.h"

#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>

using namespace orbanil;
using namespace orbanil::testing;

namespace {

// Shows `message` in the program's one message box and lets `act` answer it.
QMessageBox::StandardButton answerOf(const Message& message, std::function<void(QMessageBox*)> act)
{
    onNextMessageBox(std::move(act));
    return showMessage(nullptr, message);
}

const Message openQuestion{QStringLiteral("Open"), QStringLiteral("¿Seguro?"),
                           QMessageBox::Question,  QMessageBox::Yes | QMessageBox::No,
                           QMessageBox::Yes,       QMessageBox::Yes};

// The box keeps a sensible width and shows the whole text inside it; Ctrl+C copies it and a
// screen reader reads it as written. Then the box is answered.
void verifyLongWordsWrapInside(QMessageBox* box, const QString& word)
{
    auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    const QStringList spoken{QAccessible::queryAccessibleInterface(box)->text(QAccessible::Value),
                             QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name)};
    const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 100000),
                                                           Qt::TextWordWrap, label->text());
    const int boxWidth = box->width();
    const QString shown = label->text().remove(QChar(0x200B));
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    const QString copied = QGuiApplication::clipboard()->text();
    box->button(QMessageBox::Ok)->click();

    QVERIFY2(boxWidth <= 520, qPrintable(QString::number(boxWidth)));
    QVERIFY(needed.width() <= label->width() && needed.height() <= label->height());
    QVERIFY(shown.contains(word));
    QVERIFY(copied.contains(word));
    QVERIFY(!copied.contains(QChar(0x200B)));
    for (const QString& read : spoken) {
        QVERIFY2(read.contains(word) && !read.contains(QChar(0x200B)), qPrintable(read));
    }
}

} // namespace

class MessageBoxTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void buttonsSpeakSpanish_data();
    void buttonsSpeakSpanish();
    void escapeAndCloseBoxGiveTheEscapeButton_data();
    void escapeAndCloseBoxGiveTheEscapeButton();
    void longWordsWrapInsideTheBox_data();
    void longWordsWrapInsideTheBox();
    void theSimulatorsNamesStayWhole();
};

void MessageBoxTest::initTestCase()
{
    // As the program does at its start.
    installQtTranslation(*QCoreApplication::instance());
}

void MessageBoxTest::buttonsSpeakSpanish_data()
{
    QTest::addColumn<QMessageBox::StandardButtons>("buttons");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("OK") << QMessageBox::StandardButtons(QMessageBox::Ok) << QStringList{"Aceptar"};
    QTest::newRow("Yes and No") << (QMessageBox::Yes | QMessageBox::No) << QStringList{"Sí", "No"};
}

void MessageBoxTest::buttonsSpeakSpanish()
{
    QFETCH(QMessageBox::StandardButtons, buttons);
    QFETCH(QStringList, captions);
    QStringList shown;
    const Message message{QStringLiteral("Dimensiones"), QStringLiteral("Texto"),
                          QMessageBox::Information, buttons};
    answerOf(message, [&shown](QMessageBox* box) {
        for (QAbstractButton* button : box->buttons()) {
            shown.append(button->text().remove(QLatin1Char('&')));
        }
        box->buttons().first()->click();
    });
    shown.sort();
    captions.sort();
    QCOMPARE(shown, captions);
}

void MessageBoxTest::escapeAndCloseBoxGiveTheEscapeButton_data()
{
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("Escape") << false;
    QTest::newRow("close box") << true;
}

void MessageBoxTest::escapeAndCloseBoxGiveTheEscapeButton()
{
    QFETCH(bool, byCloseBox);
    const QMessageBox::StandardButton answer =
        answerOf(openQuestion, [byCloseBox](QMessageBox* box) {
            if (byCloseBox) {
                box->close();
            } else {
                QTest::keyClick(box, Qt::Key_Escape);
            }
        });
    QCOMPARE(answer, QMessageBox::Yes);
}

void MessageBoxTest::longWordsWrapInsideTheBox_data()
{
    QTest::addColumn<bool>("saving");
    QTest::addColumn<QString>("word");
    QTest::newRow("320-digit length") << false << QString(320, QLatin1Char('1'));
    QTest::newRow("300-character save name") << true << QString(300, QLatin1Char('n'));
}

void MessageBoxTest::longWordsWrapInsideTheBox()
{
    QFETCH(bool, saving);
    QFETCH(QString, word);
    // The real message boxes of a run, answered by the test.
    QTemporaryDir folder;
    UiServices services = defaultUiServices();
    services.beep = [] {};
    WindowSet windows(folderOf(folder), services);
    windows.start();
    FrmBox* box = windows.frmBox();
    bool checked = false;
    const auto check = [&checked, &word](QMessageBox* message) {
        verifyLongWordsWrapInside(message, word);
        checked = true;
    };
    if (!saving) {
        onNextMessageBox(check);
        passDialog(box, word, QStringLiteral("3"), QStringLiteral("2,9"));
        QVERIFY(checked);
        return;
    }
    onNextMessageBox([](QMessageBox* summary) { summary->button(QMessageBox::Ok)->click(); });
    passDialog(box, QStringLiteral("12,5"), QStringLiteral("3"), QStringLiteral("2,9"));
    FrmOrbanil* main = windows.frmOrbanil();
    QVERIFY(main);
    QTest::keyClicks(control<QPlainTextEdit>(main, "txtCode"), QStringLiteral("x"));
    auto* saveFile = control<QPushButton>(main, "CmdSaveFile");
    QTRY_VERIFY(saveFile->isEnabled());
    QTest::mouseClick(saveFile, Qt::LeftButton);
    QTest::keyClicks(control<QLineEdit>(main, "txtfilename"), word);
    onNextMessageBox(check);
    QTest::mouseClick(control<QPushButton>(main, "CmdSave"), Qt::LeftButton);
    QVERIFY(checked);
}

void MessageBoxTest::theSimulatorsNamesStayWhole()
{
    const QString name = QStringLiteral("ORTSAlternatePassengerViewPoints");
    const QString path = QString(60, QLatin1Char('n'));
    QString shown;
    answerOf(Message{QStringLiteral("Leer Valores"),
                     QStringLiteral("El bloque %1 va antes de cualquier bloque Inside: %2.")
                         .arg(name, path)},
             [&shown](QMessageBox* box) {
                 shown = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
                 box->button(QMessageBox::Ok)->click();
             });
    QVERIFY2(shown.contains(name), qPrintable(shown));
    // A run longer than any name still wraps.
    QVERIFY2(!shown.contains(path), qPrintable(shown));
}

QTEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
