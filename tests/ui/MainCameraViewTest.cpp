#include "tests/support/UiTestSupport.h"
#include "ui/CameraViewWidget.h"
#include "ui/CodeBox.h"

#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QSignalSpy>
#include <cmath>

using namespace orbanil;
using namespace orbanil::testing;

namespace {

CameraViewWidget* drawingOf(const FrmOrbanil* main)
{
    return control<CameraViewWidget>(main, "picCameraView");
}

const QString inside = QStringLiteral("La cabeza está dentro de la caja.");

QPoint pixelOf(PixelPoint p)
{
    return QPoint(static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y)));
}

// Presses on the view's head and moves the pointer by `along` and `up` metres of the view in
// five steps, as a hand does, with the keys `held`, then lets go.
void dragHead(CameraViewWidget* drawing, const ViewSketch& view, double along, double up,
              Qt::KeyboardModifiers held = {})
{
    const PlotMapping map = *view.mapping;
    const auto [fromAlong, fromUp] = map.metresAt(view.head->centre);
    QTest::mousePress(drawing, Qt::LeftButton, held, pixelOf(view.head->centre));
    QPoint to;
    for (int step = 1; step <= 5; ++step) {
        to = pixelOf(map.at(fromAlong + along * step / 5, fromUp + up * step / 5));
        QTest::mouseEvent(QTest::MouseMove, drawing, Qt::NoButton, held, to);
    }
    QTest::mouseRelease(drawing, Qt::LeftButton, held, to);
}
const QString behind = QStringLiteral("La cabeza está 0,75 m por detrás de la caja.");

} // namespace

class MainCameraViewTest : public QObject
{
    Q_OBJECT
private slots:
    void tellsWhereTheHeadIsAsItIsTyped();
    void showsWhereNeitherPanelIs();
    void tabNeverLandsOnTheDrawing();
    void warningsNeverBlockGenerateCopyOrSave();
    void idleTicksDoNotRepaint();
    void draggingTheHeadWritesItsFieldsAsOneEditEach();
};

void MainCameraViewTest::tellsWhereTheHeadIsAsItIsTyped()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    CameraViewWidget* drawing = drawingOf(main);
    QCOMPARE(drawing->accessibleName(), QStringLiteral("Vista de la cámara"));
    // From the load on: the box is known, the head not yet.
    QCOMPARE(drawing->accessibleDescription(),
             QStringLiteral("Las coordenadas X, Y y Z de la cabeza aún no son números."));
    typeWorkedExample(main);

    const QString aboveAndBehind = QStringLiteral(
        "La cabeza está 0,4 m por encima de la caja y 0,75 m por detrás de la caja.");
    const QList<std::tuple<const char*, const char*, QString>> steps{
        {"txtCamPosZ", "-5.25", inside},
        {"txtCamPosZ", "-7", behind},
        {"txtCamPosY", "-",
         behind + QStringLiteral(" La coordenada Y de la cabeza aún no es un número.")},
        {"txtCamPosY", "3.4", aboveAndBehind},
        {"txtCamPosX", "-1.5",
         QStringLiteral("La cabeza está 0,05 m a la izquierda de la caja, 0,4 m por encima de la "
                        "caja y 0,75 m por detrás de la caja.")},
        {"txtCamPosX", "0", aboveAndBehind},
        {"txtCamPosY", "2.3", behind},
        {"txtCamPosZ", "6.25", inside},
    };
    for (const auto& [field, text, said] : steps) {
        typeInto(control<QLineEdit>(main, field), QString::fromLatin1(text));
        QTRY_COMPARE(drawing->accessibleDescription(), said);
        QCOMPARE(drawing->toolTip(), said);
    }
    // A far head's distance is cut short; one past the simulator's numbers is too large.
    auto* headX = control<QLineEdit>(main, "txtCamPosX");
    typeInto(headX, QStringLiteral("3") + QString(300, QLatin1Char('0')));
    QTRY_COMPARE(drawing->toolTip(),
                 QStringLiteral("La coordenada X de la cabeza es demasiado grande."));
    typeInto(headX, QStringLiteral("3") + QString(38, QLatin1Char('0')));
    QTRY_COMPARE(drawing->toolTip(),
                 QStringLiteral("La cabeza está 300000000000000… m a la derecha de la caja."));
    typeInto(headX, QStringLiteral("0"));

    // A box changed in the dialog is the one drawn, as the range lines give it.
    typeInto(control<QLineEdit>(main, "txtCamPosZ"), QStringLiteral("-7"));
    QTRY_COMPARE(drawing->accessibleDescription(), behind);
    QTest::mouseClick(control<QPushButton>(main, "CmdDimensions"), Qt::LeftButton);
    passDialog(run.box(), QStringLiteral("20"), QStringLiteral("3"), QStringLiteral("2,9"));
    QVERIFY(main->isVisible());
    QCOMPARE(drawing->accessibleDescription(), inside);
}

void MainCameraViewTest::showsWhereNeitherPanelIs()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    CameraViewWidget* drawing = drawingOf(main);
    auto* savePanel = control<QGroupBox>(main, "FraSave");
    auto* openPanel = control<QGroupBox>(main, "FraOpen");
    QCOMPARE(drawing->geometry(), savePanel->geometry());
    QCOMPARE(drawing->geometry(), openPanel->geometry());
    const auto shown = [&] {
        QStringList names;
        for (const QWidget* w :
             std::initializer_list<const QWidget*>{savePanel, openPanel, drawing}) {
            if (w->isVisible()) {
                names << w->objectName();
            }
        }
        return names.join(QLatin1Char('+'));
    };
    QCOMPARE(shown(), QStringLiteral("picCameraView"));

    control<CodeBox>(main, "txtCode")->replaceCodeText(QStringLiteral("x"));
    control<QLineEdit>(main, "txtfilename")->setText(QStringLiteral("x"));
    QTRY_VERIFY(control<QPushButton>(main, "CmdSaveFile")->isEnabled());
    const QList<QPair<const char*, QString>> clicks{
        {"CmdSaveFile", "FraSave"}, {"CmdCancel", "picCameraView"}, {"CmdOpenFile", "FraOpen"},
        {"CmdSaveFile", "FraSave"}, {"CmdOpenFile", "FraOpen"},     {"CmdCancel2", "picCameraView"},
        {"CmdSaveFile", "FraSave"}, {"CmdSave", "picCameraView"},   {"CmdOpenFile", "FraOpen"},
    };
    for (const auto& [button, panel] : clicks) {
        QTest::mouseClick(control<QPushButton>(main, button), Qt::LeftButton);
        QVERIFY2(shown() == panel, button);
    }
    // Opening the file it saved hides the panel and shows the drawing again.
    clickItem(control<QListWidget>(main, "File1"), QStringLiteral("x.obn"));
    auto* open = control<QPushButton>(main, "CmdOpen");
    QTRY_VERIFY(open->isEnabled());
    QTest::mouseClick(open, Qt::LeftButton);
    QCOMPARE(shown(), QStringLiteral("picCameraView"));
}

void MainCameraViewTest::tabNeverLandsOnTheDrawing()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    CameraViewWidget* drawing = drawingOf(main);
    QVERIFY(QTest::qWaitForWindowActive(main));
    // Every button enabled, so that the walk passes each control of the window.
    typeWorkedExample(main);
    auto* generate = control<QPushButton>(main, "CmdGenerate");
    QTRY_VERIFY(generate->isEnabled());
    QTest::mouseClick(generate, Qt::LeftButton);
    QTRY_VERIFY(control<QPushButton>(main, "CmdSaveFile")->isEnabled());

    auto* first = control<QLineEdit>(main, "txtShapeFile");
    first->setFocus();
    QTest::mouseClick(drawing, Qt::LeftButton);
    QCOMPARE(main->focusWidget(), first);
    QStringList chain = focusChain(first);
    QCOMPARE(chain.size(), 28);
    // "Quitar vista" is enabled only where the "..." buttons are not: on an added viewpoint.
    chain.removeOne(QStringLiteral("CmdRemoveView"));
    QStringList visited;
    for (int i = 0; i <= chain.size(); ++i) {
        QWidget* focused = main->focusWidget();
        QVERIFY(focused && focused != drawing);
        visited << focused->objectName();
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    QCOMPARE(visited, chain + QStringList{"txtShapeFile"});
}

void MainCameraViewTest::warningsNeverBlockGenerateCopyOrSave()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    auto* generate = control<QPushButton>(main, "CmdGenerate");
    auto* clip = control<QPushButton>(main, "CmdClip");
    auto* code = control<CodeBox>(main, "txtCode");
    typeWorkedExample(main);
    typeInto(control<QLineEdit>(main, "txtCamPosZ"), QStringLiteral("-7"));
    QTRY_COMPARE(drawingOf(main)->accessibleDescription(), behind);
    QTRY_VERIFY(generate->isEnabled());

    QTest::mouseClick(generate, Qt::LeftButton);
    QString block = workedExampleCode;
    block.replace(QStringLiteral("-5.25"), QStringLiteral("-7"));
    QCOMPARE(code->codeText(), block);
    QTRY_VERIFY(clip->isEnabled());
    QTest::mouseClick(clip, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), block);
    QTest::mouseClick(control<QPushButton>(main, "CmdSaveFile"), Qt::LeftButton);
    QTest::keyClicks(control<QLineEdit>(main, "txtfilename"), QStringLiteral("fuera"));
    QTest::mouseClick(control<QPushButton>(main, "CmdSave"), Qt::LeftButton);
    QFile saved(run.folder.filePath(QStringLiteral("fuera.obn")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), block.toLatin1() + "\r\n");
    QVERIFY(code->isEmpty());
    QCOMPARE(run.recorded.messages.size(), 1); // the box summary alone
}

void MainCameraViewTest::idleTicksDoNotRepaint()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    CameraViewWidget* drawing = drawingOf(main);
    QVERIFY(QTest::qWaitForWindowActive(main));
    typeWorkedExample(main);
    QTRY_COMPARE(drawing->accessibleDescription(), inside);
    PaintCounter counter;
    drawing->installEventFilter(&counter);
    QCoreApplication::processEvents();
    counter.paints = 0;

    // Ticks over unchanged texts, and over edits of texts the drawing does not use.
    QSignalSpy ticks(control<QTimer>(main, "Timer1"), &QTimer::timeout);
    typeInto(control<QLineEdit>(main, "txtSound"), QStringLiteral("otro.sms"));
    typeInto(control<QLineEdit>(main, "txtRotLimZ"), QStringLiteral("5"));
    QTRY_VERIFY(ticks.count() >= 5);
    QCOMPARE(counter.paints, 0);

    typeInto(control<QLineEdit>(main, "txtCamPosZ"), QStringLiteral("-6"));
    QTRY_VERIFY(counter.paints > 0);
}

void MainCameraViewTest::draggingTheHeadWritesItsFieldsAsOneEditEach()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    CameraViewWidget* drawing = drawingOf(main);
    typeWorkedExample(main);
    QTRY_COMPARE(drawing->accessibleDescription(), inside);
    const auto field = [main](const char* name) { return control<QLineEdit>(main, name); };
    const auto number = [&field](const char* name) { return field(name)->text().toDouble(); };
    QSignalSpy told(main, &FrmOrbanil::shownViewpointChanged);

    // From above, a metre forward and half a metre to the right: X and Z, to the pixel.
    const double pixel = 1 / drawing->sketch().above.mapping->scale;
    dragHead(drawing, drawing->sketch().above, 1, 0.5);
    QVERIFY(std::fabs(number("txtCamPosZ") - -4.25) <= pixel);
    QVERIFY(std::fabs(number("txtCamPosX") - 0.5) <= pixel);
    QCOMPARE(field("txtCamPosY")->text(), QStringLiteral("2.3"));
    QCOMPARE(main->shownViewpoint().headZ, field("txtCamPosZ")->text().toStdString());
    QVERIFY(told.count() > 0); // the passenger view follows

    // Each field took the whole drag as one edit.
    for (const auto& [name, before] : {std::pair{"txtCamPosZ", "-5.25"}, {"txtCamPosX", "0"}}) {
        QTest::keyClick(field(name), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(field(name)->text(), QString::fromLatin1(before));
    }

    // With Ctrl held the head goes a tenth of the pointer's way: a metre's drag, 10 cm.
    dragHead(drawing, drawing->sketch().side, 1, 0, Qt::ControlModifier);
    QVERIFY(std::fabs(number("txtCamPosZ") - -5.15) <= pixel / 10 + 0.005);
}

QTEST_MAIN(MainCameraViewTest)
#include "MainCameraViewTest.moc"
