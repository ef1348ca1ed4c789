#include "tests/support/UiTestSupport.h"
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
    void escapeAndCloseBoxGiveTheEscapeButton_data();
    void escapeAndCloseBoxGiveTheEscapeButton();
};

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
