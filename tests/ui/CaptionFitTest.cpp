#include "core/block/CabinBox.h"
#include "files/FileAccess.h"
#include "tests/support/UiTestSupport.h"
#include "ui/CommandButton.h"
#include "ui/ElidedLabel.h"
#include "ui/FrmAbout.h"
#include "ui/FrmAyuda.h"
#include "ui/FrmPicker.h"
#include "ui/FrmVista.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QScopeGuard>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QToolTip>

using namespace orbanil;
using namespace orbanil::testing;

namespace {

QString where(const QWidget* w)
{
    return w->window()->objectName() + QLatin1Char('.') + w->objectName();
}

// Fails when the caption of a button does not fit inside its frame at the current font.
void verifyButton(const QPushButton* button)
{
    const QFontMetrics metrics(button->font());
    if (const auto* command = qobject_cast<const CommandButton*>(button)) {
        const QRect area = command->captionRect();
        const QRect needed =
            metrics.boundingRect(area, CommandButton::captionFlags, command->text());
        QVERIFY2(area.contains(needed), qPrintable(where(button)));
        // Wrapping happens at blanks: no single word may be wider than the button.
        QString plain = command->text();
        plain.remove(QLatin1Char('&'));
        for (const QString& word : plain.split(QLatin1Char(' '))) {
            QVERIFY2(metrics.horizontalAdvance(word) <= area.width(), qPrintable(where(button)));
        }
        return;
    }
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = button->rect();
    const QRect area =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QSize needed = metrics.size(Qt::TextShowMnemonic, button->text());
    QVERIFY2(needed.width() <= area.width() && needed.height() <= area.height(),
             qPrintable(where(button)));
}

void verifyLabel(const QLabel* label)
{
    const QRect area = label->contentsRect();
    if (label->wordWrap()) {
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                 qPrintable(where(label)));
        return;
    }
    const QSize needed =
        QFontMetrics(label->font()).size(label->buddy() ? Qt::TextShowMnemonic : 0, label->text());
    QVERIFY2(needed.width() <= area.width() && needed.height() <= area.height(),
             qPrintable(where(label) + QStringLiteral(" needs %1x%2, has %3x%4")
                                           .arg(needed.width())
                                           .arg(needed.height())
                                           .arg(area.width())
                                           .arg(area.height())));
    // Given the room of its caption, a label draws it whole, its mnemonic underlined.
    const auto* elided = dynamic_cast<const ElidedLabel*>(label);
    QVERIFY2(!elided || !elided->isElided(), qPrintable(where(label)));
}

// The title fits the frame's top edge, and no control of the frame covers it.
void verifyFrame(const QGroupBox* frame)
{
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.rect = frame->rect();
    option.text = frame->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.lineWidth = 1;
    const QRect title = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                       QStyle::SC_GroupBoxLabel, frame);
    const int needed = QFontMetrics(frame->font()).horizontalAdvance(frame->title());
    QVERIFY2(title.width() >= needed && frame->rect().contains(title), qPrintable(where(frame)));
    for (const QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QVERIFY2(child->geometry().top() >= title.bottom(), qPrintable(where(child)));
    }
}

// Every control lies inside its container and every fixed caption is readable in full.
void verifyWindow(QWidget* window)
{
    window->show();
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child->isWindow() || child->objectName().isEmpty() ||
            child->objectName().startsWith(QLatin1String("qt_"))) {
            continue;
        }
        QVERIFY2(child->parentWidget()->rect().contains(child->geometry()),
                 qPrintable(where(child)));
        if (const auto* button = qobject_cast<QPushButton*>(child)) {
            verifyButton(button);
        } else if (const auto* label = qobject_cast<QLabel*>(child);
                   label && !label->text().isEmpty()) {
            verifyLabel(label);
        } else if (const auto* frame = qobject_cast<QGroupBox*>(child)) {
            verifyFrame(frame);
        }
        if (QTest::currentTestFailed()) {
            return;
        }
    }
}

// A label whose text does not fit draws it cut short with "…", keeps it whole as its text and
// shows it whole as its tooltip.
void verifyCutShort(QLabel* label, const QString& whole)
{
    QCOMPARE(label->text(), whole);
    QLabel reference(label->parentWidget());
    reference.setTextFormat(Qt::PlainText);
    reference.setText(
        label->fontMetrics().elidedText(whole, Qt::ElideRight, label->contentsRect().width()));
    QVERIFY(reference.text().endsWith(QChar(0x2026)));
    reference.setAlignment(label->alignment());
    reference.setGeometry(label->geometry());
    QVERIFY2(reference.grab().toImage() == label->grab().toImage(), qPrintable(where(label)));

    const QPoint at = label->rect().center();
    QHelpEvent hover(QEvent::ToolTip, at, label->mapToGlobal(at));
    QApplication::sendEvent(label, &hover);
    QTRY_VERIFY(QToolTip::isVisible());
    // Whole, and wrapped within the screen however long its words.
    QCOMPARE(QToolTip::text().remove(QChar(0x200B)), whole);
    int tips = 0;
    for (const QWidget* tip : QApplication::topLevelWidgets()) {
        if (tip->inherits("QTipLabel") && tip->isVisible()) {
            QVERIFY2(tip->width() <= label->screen()->geometry().width(), qPrintable(where(label)));
            ++tips;
        }
    }
    QCOMPARE(tips, 1);
    QToolTip::hideText();
}

} // namespace

class CaptionFitTest : public QObject
{
    Q_OBJECT
private slots:
    void dialogAndMainWindowWithPanelsAndRanges();
    void secondaryWindows();
    void wrappedButtonCaptionIsCaught();
    void numberFieldsShowEightCharactersWhole_data();
    void numberFieldsShowEightCharactersWhole();
    void longValuesAreCutShortWithTheWholeTextAsTooltip_data();
    void longValuesAreCutShortWithTheWholeTextAsTooltip();
};

void CaptionFitTest::dialogAndMainWindowWithPanelsAndRanges()
{
    StartedRun run;
    verifyWindow(run.box());
    if (QTest::currentTestFailed()) {
        return;
    }
    // Range lines of a long cabin with two decimals, and a chosen file name.
    passDialog(run.box(), QStringLiteral("25,75"), QStringLiteral("4,25"), QStringLiteral("3,15"));
    FrmOrbanil* main = run.main();
    QVERIFY(main);
    // The longest note under the code box: generated code the values no longer give.
    typeWorkedExample(main);
    auto* generate = control<QPushButton>(main, "CmdGenerate");
    QTRY_VERIFY(generate->isEnabled());
    QTest::mouseClick(generate, Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(main, "CmdAddView"), Qt::LeftButton);
    QVERIFY(control<QLabel>(main, "lblCodeNote")->text().startsWith(QStringLiteral("El código")));
    auto* savePanel = control<QGroupBox>(main, "FraSave");
    savePanel->show();
    control<QLabel>(main, "lblOpenFile")->setText(QStringLiteral("File: Vagon-12.obn"));
    verifyWindow(main);
    if (QTest::currentTestFailed()) {
        return;
    }
    savePanel->hide();
    control<QGroupBox>(main, "FraOpen")->show();
    verifyWindow(main);
}

void CaptionFitTest::secondaryWindows()
{
    QTemporaryDir folder;
    FrmAyuda help(folderOf(folder));
    verifyWindow(&help);
    FrmAbout about;
    verifyWindow(&about);
    FrmPicker shape(FrmPicker::Kind::Shape);
    verifyWindow(&shape);
    FrmPicker sms(FrmPicker::Kind::Sms);
    verifyWindow(&sms);
    RecordedServices recorded;
    const DiskFileAccess disk;
    FrmVista vista(folderOf(folder), recorded.services(), disk);
    verifyWindow(&vista);
}

void CaptionFitTest::wrappedButtonCaptionIsCaught()
{
    // The check itself must fail for a caption that cannot fit, or it proves nothing.
    QWidget window;
    window.setObjectName(QStringLiteral("probe"));
    CommandButton button(QStringLiteral("&Copiar al Portapapeles"), &window);
    button.setObjectName(QStringLiteral("tooSmall"));
    button.setGeometry(0, 0, 40, 20);
    const QRect area = button.captionRect();
    const QRect needed =
        QFontMetrics(button.font()).boundingRect(area, CommandButton::captionFlags, button.text());
    QVERIFY(!area.contains(needed));
}

void CaptionFitTest::numberFieldsShowEightCharactersWhole_data()
{
    QTest::addColumn<qreal>("fontScale");
    QTest::newRow("the platform's font") << 1.0;
    QTest::newRow("a font half as large again") << 1.5;
}

void CaptionFitTest::numberFieldsShowEightCharactersWhole()
{
    QFETCH(qreal, fontScale);
    const QFont kept = QApplication::font();
    const auto restore = qScopeGuard([&kept] { QApplication::setFont(kept); });
    QFont font = kept;
    font.setPointSizeF(kept.pointSizeF() * fontScale);
    QApplication::setFont(font);
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    QVERIFY(main);
    for (const ViewField& viewField : viewFields) {
        if (!isNumberField(viewField)) {
            continue;
        }
        auto* field = control<QLineEdit>(main, viewField.control);
        // Digits are a font's widest characters in a number.
        typeInto(field, QStringLiteral("12345678"));
        const QRect inside = field->contentsRect();
        const int middle = inside.center().y();
        // With the caret after the last, the first still shows, and the other way round.
        field->grab();
        QVERIFY2(field->cursorPositionAt(QPoint(inside.left() + 1, middle)) == 0,
                 viewField.control);
        QTest::keyClick(field, Qt::Key_Home);
        field->grab();
        QVERIFY2(field->cursorPositionAt(QPoint(inside.right() - 1, middle)) == 8,
                 viewField.control);
        // Inside its frame, clear of its neighbours: the labels and the next frame's fields.
        const QWidget* frame = field->parentWidget();
        QVERIFY2(frame->rect().contains(field->geometry()), viewField.control);
        for (const QLabel* label : frame->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(!label->geometry().intersects(field->geometry()),
                     qPrintable(where(field) + QStringLiteral(" and ") + label->objectName()));
        }
    }
}

void CaptionFitTest::longValuesAreCutShortWithTheWholeTextAsTooltip_data()
{
    QTest::addColumn<QString>("label");
    QTest::newRow("range line") << "lbl3";
    QTest::newRow("saved file to open") << "lblOpenFile";
    QTest::newRow("picked shape name") << "lblSelected";
}

void CaptionFitTest::longValuesAreCutShortWithTheWholeTextAsTooltip()
{
    QFETCH(QString, label);
    const QString longName = QString(120, QLatin1Char('n'));
    StartedRun run;
    QFile(run.folder.filePath(longName + QStringLiteral(".obn"))).open(QIODevice::WriteOnly);
    QFile(run.folder.filePath(longName + QStringLiteral(".s"))).open(QIODevice::WriteOnly);
    // A 300-digit length still reads as a number.
    const QString length(300, QLatin1Char('1'));
    passDialog(run.box(), length, QStringLiteral("3"), QStringLiteral("2,9"));
    FrmOrbanil* main = run.main();
    QVERIFY(main);

    if (label == QLatin1String("lbl3")) {
        const std::optional<std::string> line = rangeLine("Largo: ", length.toStdString());
        QVERIFY(line);
        verifyCutShort(control<QLabel>(main, "lbl3"), QString::fromStdString(*line));
    } else if (label == QLatin1String("lblOpenFile")) {
        QTest::mouseClick(control<QPushButton>(main, "CmdOpenFile"), Qt::LeftButton);
        clickItem(control<QListWidget>(main, "File1"), longName + QStringLiteral(".obn"));
        verifyCutShort(control<QLabel>(main, "lblOpenFile"),
                       QStringLiteral("File: ") + longName + QStringLiteral(".obn"));
    } else {
        // A fresh picker starts in the process's current folder.
        const QString kept = QDir::currentPath();
        const auto restore = qScopeGuard([&kept] { QDir::setCurrent(kept); });
        QVERIFY(QDir::setCurrent(run.folder.path()));
        QTest::mouseClick(control<QPushButton>(main, "Command1"), Qt::LeftButton);
        FrmPicker* picker = run.windows->frmShape();
        QVERIFY(picker);
        clickItem(control<QListWidget>(picker, "File1"), longName + QStringLiteral(".s"));
        verifyCutShort(control<QLabel>(picker, "lblSelected"), longName + QStringLiteral(".s"));
    }
}

QTEST_MAIN(CaptionFitTest)
#include "CaptionFitTest.moc"
