#include "tests/support/UiTestSupport.h"
#include "ui/QtTranslation.h"
#include "ui/UiServices.h"

#include <QMessageBox>

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

QTEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
