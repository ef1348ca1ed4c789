// The passenger view window on the fixture cabin, driven as the main window and a user drive it.
#include "ui/FrmVista.h"

#include "core/block/ViewNumbers.h"
#include "core/view/AssumedView.h"
#include "files/FileAccess.h"
#include "tests/support/CabinFixture.h"
#include "tests/support/UiTestSupport.h"
#include "ui/PassengerViewWidget.h"
#include "ui/PathQString.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <cmath>
#include <fstream>

using namespace orbanil;
using namespace orbanil::testing;

namespace {

constexpr int drawn = 10000; // ms a frame may take on a busy machine or under Wine

// A seated passenger looking left at the cabin's window.
const ViewParams seated{fixtureCabinFile, "0", "1.5", "0", "0", "0", "0", "0", "270", "0", ""};

double meanBrightness(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    double sum = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const uchar* row = rgb.constScanLine(y);
        for (int x = 0; x < rgb.width() * 3; ++x) {
            sum += row[x];
        }
    }
    return sum / (3.0 * rgb.width() * rgb.height());
}

} // namespace

class FrmVistaTest : public QObject
{
    Q_OBJECT
private slots:
    void followsTheTypedHeadOfTheShownViewpoint();
    void takenDirectionIsWrittenToTheFieldsAndShown();
    void theHeadMovesAsTheSimulatorMovesItAndStaysInTheCabin();
    void theButtonsWriteWhatTheViewShowsOfEmptyFields();
    void showsTheFrameAndSavesItsImage();
    void theLightIsChosenFromTheKeyboard();
};

// The main window with the fixture cabin named and its folder chosen in the passenger view,
// which "Vista del pasajero" opened.
struct ViewThroughMain
{
    StartedRun run;
    FixtureFolder fixture = writeFixtureFolder(folderOf(run.folder), ShapeForm::TextUtf16);
    FrmOrbanil* main = openMainWindow(run);
    FrmVista* vista = nullptr;
    PassengerViewWidget* picture = nullptr;

    explicit ViewThroughMain(const ViewParams& typed = seated)
    {
        for (const ViewField& field : viewFields) {
            typeInto(control<QLineEdit>(main, field.control),
                     QString::fromStdString(typed.*field.member));
        }
        QTest::mouseClick(control<QPushButton>(main, "CmdVista"), Qt::LeftButton);
        vista = run.windows->frmVista();
        QVERIFY(vista && vista->isVisible());
        picture = control<PassengerViewWidget>(vista, "picVista");
        chooseFolder();
        QCOMPARE(main->shapeFolder(), fixture.wagonFolder);
    }
    void chooseFolder()
    {
        run.recorded.dialogAnswers = {pathToQString(fixture.wagonFolder)};
        QTest::mouseClick(control<QPushButton>(vista, "CmdFolder"), Qt::LeftButton);
        QVERIFY(shown());
    }
    bool shown()
    {
        return QTest::qWaitFor([this] { return vista->isUpToDate(); }, drawn);
    }
    void typeHead(const std::array<const char*, 3>& head)
    {
        for (std::size_t i = 0; i < head.size(); ++i) {
            typeInto(control<QLineEdit>(main, viewFields[1 + i].control),
                     QString::fromLatin1(head[i]));
        }
    }
};

// A new head of the principal, then an added viewpoint's: each drawn anew from there.
void FrmVistaTest::followsTheTypedHeadOfTheShownViewpoint()
{
    ViewThroughMain view;
    const QImage seated = view.picture->image();
    view.typeHead({"0.3", "1.6", "0.3"});
    QVERIFY(view.shown());
    QCOMPARE(view.vista->camera().value().eye, (Vec3{0.3f, 1.6f, 0.3f}));
    QVERIFY(view.picture->image() != seated);
    QTest::mouseClick(control<QPushButton>(view.main, "CmdAddView"), Qt::LeftButton);
    view.typeHead({"0", "1.95", "0.5"});
    QVERIFY(view.shown());
    QCOMPARE(view.vista->camera().value().eye, (Vec3{0, 1.95f, 0.5f}));
    QVERIFY(
        control<QLabel>(view.vista, "lblDirection")->text().startsWith(QStringLiteral("Vista 2:")));
    QCOMPARE(view.picture->image().size(), view.picture->imageSize());
}

// Drags with either button turn the view; each direction taken goes into the main window's
// fields, and the view looks from there.
void FrmVistaTest::takenDirectionIsWrittenToTheFieldsAndShown()
{
    ViewThroughMain view;
    auto* pitch = control<QLineEdit>(view.main, "txtStaDirX");
    auto* heading = control<QLineEdit>(view.main, "txtStaDirY");
    const QPoint centre = view.picture->rect().center();
    const std::pair<QPoint, Qt::MouseButton> drags[] = {{QPoint(37, -12), Qt::RightButton},
                                                        {QPoint(-90, 25), Qt::LeftButton},
                                                        {QPoint(5, 190), Qt::RightButton},
                                                        {QPoint(-260, -330), Qt::LeftButton}};
    for (const auto& [by, button] : drags) {
        const PassengerCamera before = view.vista->camera().value();
        QTest::mousePress(view.picture, button, {}, centre);
        QTest::mouseMove(view.picture, centre + by / 2);
        QTest::mouseMove(view.picture, centre + by);
        QTest::mouseRelease(view.picture, button, {}, centre + by);
        const PassengerCamera looked = view.vista->camera().value();
        const PassengerCamera expected = dragged(before, by.x(), by.y());
        QVERIFY(std::abs(looked.heading - expected.heading) < 1e-9 &&
                std::abs(looked.pitch - expected.pitch) < 1e-9);
        QTest::mouseClick(control<QPushButton>(view.vista, "CmdUseDirection"), Qt::LeftButton);
        const StartDirectionDegrees direction = startDirectionOf(looked);
        QCOMPARE(pitch->text(), QString::number(direction.x));
        QCOMPARE(heading->text(), QString::number(direction.y));
        QVERIFY(view.shown());
        QCOMPARE(startDirectionOf(view.vista->camera().value()), direction);
        QCOMPARE(view.vista->camera().value().eye, looked.eye);
    }
}

// The simulator's keys move the head along the car whichever way the view looks, a frame's way
// at its speeds a press; a drag moves it across the floor as the view looks; the numbers under
// the view follow, and the head stays in the cabin.
void FrmVistaTest::theHeadMovesAsTheSimulatorMovesItAndStaysInTheCabin()
{
    ViewThroughMain view;
    const auto head = [&view] { return view.vista->camera().value().eye; };
    const auto moved = [&head](Vec3 before, Vec3d by) {
        const Vec3 after = head();
        return std::abs(after.x - before.x - by.x) < 1e-5 &&
               std::abs(after.y - before.y - by.y) < 1e-5 &&
               std::abs(after.z - before.z - by.z) < 1e-5;
    };
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers alt = Qt::AltModifier;
    struct Press
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        Vec3d step;
    };
    const Press presses[] = {
        {Qt::Key_PageUp, {}, {0, 0, 0.1}},      {Qt::Key_PageDown, shift, {0, 0, -0.8}},
        {Qt::Key_PageUp, ctrl, {0, 0, 0.0125}}, {Qt::Key_PageDown, shift | ctrl, {0, 0, -0.1}},
        {Qt::Key_Left, alt, {-0.04, 0, 0}},     {Qt::Key_Right, alt | shift, {0.32, 0, 0}},
        {Qt::Key_Up, alt, {0, 0.01, 0}},        {Qt::Key_Down, alt | ctrl, {0, -0.00125, 0}},
        {Qt::Key_PageUp, alt, {0, 0, 0}}, // another car in the simulator
    };
    for (const char* heading : {"270", "45"}) {
        typeInto(control<QLineEdit>(view.main, "txtStaDirY"), QString::fromLatin1(heading));
        for (const Press& press : presses) {
            const Vec3 before = head();
            QTest::keyClick(view.picture, press.key, press.modifiers);
            QVERIFY2(moved(before, press.step),
                     qPrintable(QStringLiteral("%1 %2").arg(heading).arg(press.key, 0, 16)));
        }
    }
    // Looking 45 degrees right of ahead, a drag up and right walks ahead and right of that.
    const double r = std::sqrt(0.5);
    for (const auto& [button, modifiers] :
         {std::pair{Qt::MiddleButton, Qt::KeyboardModifiers()}, std::pair{Qt::LeftButton, shift}}) {
        const Vec3 before = head();
        const QPoint from = view.picture->rect().center();
        QTest::mousePress(view.picture, button, modifiers, from);
        QTest::mouseMove(view.picture, from + QPoint(10, -10));
        QTest::mouseRelease(view.picture, button, modifiers, from + QPoint(30, -20));
        QVERIFY(moved(before, {0.01 * (30 * r + 20 * r), 0, 0.01 * (20 * r - 30 * r)}));
    }
    for (int press = 0; press < 10; ++press) {
        QTest::keyClick(view.picture, Qt::Key_PageUp, shift);
    }
    QCOMPARE(head().z, 3.0f);
    QVERIFY(control<QLabel>(view.vista, "lblDirection")
                ->text()
                .contains(QString::fromStdString(headPositionText(head()))));
}

// Left empty, the head and the direction are shown as the view assumes them, and a line says
// so; the buttons write what the view shows, each field one edit that Ctrl+Z takes back.
void FrmVistaTest::theButtonsWriteWhatTheViewShowsOfEmptyFields()
{
    ViewParams empty = seated;
    const std::array<std::string ViewParams::*, 5> written{
        &ViewParams::headX, &ViewParams::headY, &ViewParams::headZ, &ViewParams::startDirectionX,
        &ViewParams::startDirectionY};
    for (std::string ViewParams::*member : written) {
        (empty.*member).clear();
    }
    ViewThroughMain view(empty);
    auto* assumed = control<QLabel>(view.vista, "lblAssumed");
    QVERIFY(!assumed->text().isEmpty());
    QCOMPARE(assumed->text(), QString::fromStdString(assumedLine(typedCamera(empty))));
    const Vec3 placed = view.vista->camera().value().eye;
    QTest::keyClick(view.picture, Qt::Key_PageDown, Qt::ShiftModifier);
    QVERIFY(view.vista->camera().value().eye != placed);
    QTest::mouseClick(control<QPushButton>(view.vista, "CmdReset"), Qt::LeftButton);
    QTRY_VERIFY(view.vista->camera() && view.vista->camera()->eye == placed);
    QTest::keyClick(view.picture, Qt::Key_PageUp);
    QTest::keyClick(view.picture, Qt::Key_Up);
    const PassengerCamera shown = view.vista->camera().value();
    QTest::mouseClick(control<QPushButton>(view.vista, "CmdUsePosition"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(view.vista, "CmdUseDirection"), Qt::LeftButton);
    const std::array<std::string, 5> texts{
        writeHeadCoordinate(shown.eye.x), writeHeadCoordinate(shown.eye.y),
        writeHeadCoordinate(shown.eye.z), std::to_string(startDirectionOf(shown).x),
        std::to_string(startDirectionOf(shown).y)};
    QCOMPARE(texts, (std::array<std::string, 5>{"0", "1.2", "0.1", "-1", "0"}));
    for (std::size_t i = 0; i < written.size(); ++i) {
        QCOMPARE(view.main->shownViewpoint().*written[i], texts[i]);
    }
    QVERIFY(view.shown());
    QVERIFY(assumed->text().isEmpty());
    for (std::string ViewParams::*member : written) {
        QTest::keyClick(control<QLineEdit>(view.main, viewFieldOf(member).control), Qt::Key_Z,
                        Qt::ControlModifier);
    }
    QCOMPARE(view.main->shownViewpoint(), empty);
}

// A shape that cannot be read: its lines in place of the image; mended, with a texture gone,
// the folder chosen again reads it afresh and the image shows with the note under it, and is
// saved as PNG.
void FrmVistaTest::showsTheFrameAndSavesItsImage()
{
    ViewThroughMain view;
    RecordedServices& recorded = view.run.recorded;
    const auto label = [&view](const char* name) { return control<QLabel>(view.vista, name); };
    const auto native = [](const std::filesystem::path& p) {
        return QDir::toNativeSeparators(pathToQString(p));
    };
    auto* save = control<QPushButton>(view.vista, "CmdSaveImage");
    const DiskFileAccess disk;
    const FrmVista fresh(folderOf(view.run.folder), recorded.services(), disk);
    QVERIFY(!control<QPushButton>(&fresh, "CmdSaveImage")->isEnabled()); // no picture yet
    const QString direction = label("lblDirection")->text();
    const qsizetype messages = recorded.messages.size();
    std::ofstream(view.fixture.shapeFile, std::ios::binary) << "no es una forma";
    view.chooseFolder();
    QVERIFY2(
        view.picture->lines().startsWith(QStringLiteral("No se puede leer la forma Coche.s: ")),
        qPrintable(view.picture->lines()));
    QVERIFY(!save->isEnabled());
    // The shape's name as the disk has it on Linux and as typed on Windows: one file either way.
    const QString shapeLine = label("lblShape")->text();
    const QString shapePrefix = QStringLiteral("Forma interior: ");
    QVERIFY2(shapeLine.startsWith(shapePrefix), qPrintable(shapeLine));
    QVERIFY2(std::filesystem::equivalent(qStringToPath(shapeLine.mid(shapePrefix.size())),
                                         view.fixture.shapeFile),
             qPrintable(shapeLine));

    std::ofstream(view.fixture.shapeFile, std::ios::binary) << fixtureShapeFile(ShapeForm::Binary);
    QVERIFY(std::filesystem::remove(view.fixture.wagonFolder / "cristal.ace"));
    view.chooseFolder();
    QVERIFY2(view.picture->lines().isEmpty(), qPrintable(view.picture->lines()));
    QVERIFY(!view.picture->image().isNull() && save->isEnabled());
    QVERIFY(label("lblTextures")->text().startsWith(QStringLiteral("No se encuentra la textura")));
    QCOMPARE(view.vista->wagonFolder(), view.fixture.wagonFolder);
    QVERIFY(label("lblFolder")->text().endsWith(native(view.fixture.wagonFolder)));
    // The direction the fields give stays shown whatever the files.
    QCOMPARE(label("lblDirection")->text(), direction);
    QCOMPARE(recorded.messages.size(), messages); // what is wrong shows in the view

    const QString chosen = view.run.folder.filePath(QStringLiteral("mi vista"));
    const QString failing = view.run.folder.filePath(QStringLiteral("no existe/vista.png"));
    recorded.dialogAnswers = {chosen, failing};
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(qStringToPath(recorded.dialogs.last().start),
             folderOf(view.run.folder) / "Coche-vista.png");
    const QImage written(chosen + QStringLiteral(".png"), "PNG");
    QCOMPARE(written.convertToFormat(QImage::Format_RGBA8888),
             view.picture->image().convertToFormat(QImage::Format_RGBA8888));
    QCOMPARE(recorded.messages.size(), messages);

    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(recorded.messages.size(), messages + 1);
    QVERIFY2(recorded.messages.last().text.startsWith(QStringLiteral("No se pudo guardar")),
             qPrintable(recorded.messages.last().text));
}

// Alt+N and Alt+D choose the night and the day, the sun's controls only by day; the sun lowered
// with the keys lights the cabin anew.
void FrmVistaTest::theLightIsChosenFromTheKeyboard()
{
    ViewThroughMain view;
    auto* night = control<QRadioButton>(view.vista, "optNight");
    auto* height = control<QSpinBox>(view.vista, "spnSunHeight");
    auto* side = control<QSpinBox>(view.vista, "spnSunSide");
    QVERIFY(QTest::qWaitForWindowActive(view.vista));
    const QImage day = view.picture->image();
    QVERIFY(!day.isNull() && height->isEnabled() && side->isEnabled());

    QTest::keyClick(view.vista, Qt::Key_N, Qt::AltModifier);
    QTRY_VERIFY(night->isChecked());
    QVERIFY(view.shown());
    QVERIFY(meanBrightness(view.picture->image()) < 0.5 * meanBrightness(day));
    QVERIFY(!height->isEnabled() && !side->isEnabled());

    QTest::keyClick(view.vista, Qt::Key_D, Qt::AltModifier);
    QTRY_VERIFY(!night->isChecked());
    QVERIFY(view.shown());
    QCOMPARE(view.picture->image(), day);
    QVERIFY(height->isEnabled() && side->isEnabled());

    // Alt+A reaches the height; PageDown lowers the sun.
    QTest::keyClick(view.vista, Qt::Key_A, Qt::AltModifier);
    QTRY_VERIFY(height->hasFocus());
    QTest::keyClick(height, Qt::Key_PageDown);
    QVERIFY(view.shown());
    QVERIFY(view.picture->image() != day);
}

QTEST_MAIN(FrmVistaTest)
#include "FrmVistaTest.moc"
