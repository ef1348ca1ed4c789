// The passenger view window on the fixture cabin, driven as the main window and a user drive it.
#include "ui/FrmVista.h"

#include "core/view/CabinRenderer.h"
#include "files/CabinFiles.h"
#include "tests/support/CabinFixture.h"
#include "tests/support/UiTestSupport.h"
#include "ui/PassengerViewWidget.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <cmath>
#include <fstream>

using namespace orbanil;
using namespace orbanil::testing;

namespace {

constexpr int drawn = 10000; // ms a frame may take on a busy machine or under Wine

// The view of a seated passenger on the fixture cabin, looking left at its window.
VistaInput seatedPassenger(const std::filesystem::path& wagonFolder)
{
    VistaInput input;
    input.view = ViewParams{fixtureCabinFile, "0", "1.5", "0", "0", "0", "0", "0", "270", "0", ""};
    input.shapeFolder = wagonFolder;
    return input;
}

struct OpenView
{
    QTemporaryDir root;
    RecordedServices recorded;
    FixtureFolder fixture = writeFixtureFolder(folderOf(root), ShapeForm::TextUtf16);
    FrmVista window{folderOf(root), recorded.services()};
    PassengerViewWidget* picture = control<PassengerViewWidget>(&window, "picVista");

    OpenView()
    {
        window.showWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    bool show(const VistaInput& input)
    {
        window.setInput(input);
        return shown();
    }
    bool shown()
    {
        return QTest::qWaitFor([this] { return window.isUpToDate(); }, drawn);
    }
};

QRgb pixel(const QImage& image, const ScreenPoint& at)
{
    return image.pixel(static_cast<int>(at.x), static_cast<int>(at.y));
}

bool alike(QRgb a, QRgb b, int within = 3)
{
    return std::abs(qRed(a) - qRed(b)) <= within && std::abs(qGreen(a) - qGreen(b)) <= within &&
           std::abs(qBlue(a) - qBlue(b)) <= within;
}

double degreesBetween(const Vec3d& a, const Vec3d& b)
{
    const double cosine = dot(a, b);
    return std::acos(std::clamp(cosine, -1.0, 1.0)) * 180 / std::numbers::pi;
}

} // namespace

class FrmVistaTest : public QObject
{
    Q_OBJECT
private slots:
    void imageFollowsTheTypedHead();
    void takenDirectionTypedBackGivesTheSameView();
    void eachMissingOrBadFileShowsItsLine_data();
    void eachMissingOrBadFileShowsItsLine();
    void savesTheShownViewAsPng();
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

    ViewThroughMain()
    {
        const ViewParams typed = seatedPassenger({}).view;
        for (const ViewField& field : viewFields) {
            typeInto(control<QLineEdit>(main, field.control),
                     QString::fromStdString(typed.*field.member));
        }
        QTest::mouseClick(control<QPushButton>(main, "CmdVista"), Qt::LeftButton);
        vista = run.windows->frmVista();
        QVERIFY(vista && vista->isVisible());
        picture = control<PassengerViewWidget>(vista, "picVista");
        run.recorded.dialogAnswers = {pathToQString(fixture.wagonFolder)};
        QTest::mouseClick(control<QPushButton>(vista, "CmdFolder"), Qt::LeftButton);
        QCOMPARE(main->shapeFolder(), fixture.wagonFolder);
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

// The top bar of the window frame, 0.1 m high, seen through its glass: one colour wherever the
// camera puts it, the principal's head typed twice, then an added viewpoint's.
void FrmVistaTest::imageFollowsTheTypedHead()
{
    ViewThroughMain view;
    const CabinReading cabin = readCabin(view.fixture.wagonFolder, fixtureCabinFile);
    QVERIFY(cabin.shape);
    std::vector<const RgbaImage*> textures;
    for (const std::optional<RgbaImage>& image : cabin.images) {
        textures.push_back(image ? &*image : nullptr);
    }
    const Vec3 marker{-1.39f, 1.75f, 0.5f};
    struct Step
    {
        bool addViewpoint;
        std::array<const char*, 3> head;
    };
    const Step steps[] = {
        {false, {"0", "1.5", "0"}}, {false, {"0.3", "1.6", "0.3"}}, {true, {"0", "1.95", "0.5"}}};
    std::vector<ScreenPoint> places;
    std::vector<QImage> images;
    for (const Step& step : steps) {
        if (step.addViewpoint) {
            QTest::mouseClick(control<QPushButton>(view.main, "CmdAddView"), Qt::LeftButton);
        }
        view.typeHead(step.head);
        QVERIFY(view.shown());
        const PassengerCamera camera = view.vista->camera().value();
        QCOMPARE(camera.eye,
                 (Vec3{std::stof(step.head[0]), std::stof(step.head[1]), std::stof(step.head[2])}));
        QVERIFY(control<QLabel>(view.vista, "lblDirection")
                    ->text()
                    .startsWith(step.addViewpoint ? QStringLiteral("Vista 2:")
                                                  : QStringLiteral("Principal:")));
        const QImage image = view.picture->image().convertToFormat(QImage::Format_RGBA8888);
        // The image is the cabin drawn from the typed head at the view's size.
        QCOMPARE(image.size(), view.picture->imageSize());
        const RgbaImage expected =
            renderCabin(*cabin.shape, textures, camera, image.width(), image.height()).value();
        QVERIFY(std::equal(expected.pixels.begin(), expected.pixels.end(), image.constBits()));
        places.push_back(projectToScreen(camera, marker, image.width(), image.height()).value());
        images.push_back(image);
    }
    const QRgb bar = pixel(images[0], places[0]);
    for (std::size_t i = 1; i < places.size(); ++i) {
        QVERIFY(std::hypot(places[i].x - places[i - 1].x, places[i].y - places[i - 1].y) > 40);
        QVERIFY(alike(pixel(images[i], places[i]), bar));
        QVERIFY(!alike(pixel(images[i], places[i - 1]), bar, 10));
    }
}

// Drags in every direction, past straight down too, each direction taken into the main
// window's fields, one edit each, and drawn again from there.
void FrmVistaTest::takenDirectionTypedBackGivesTheSameView()
{
    ViewThroughMain view;
    auto* pitch = control<QLineEdit>(view.main, "txtStaDirX");
    auto* heading = control<QLineEdit>(view.main, "txtStaDirY");
    auto* roll = control<QLineEdit>(view.main, "txtStaDirZ");
    typeInto(roll, QStringLiteral("7"));
    QVERIFY(view.shown());
    const QPoint centre = view.picture->rect().center();
    QStringList pitches{pitch->text()};
    QStringList headings{heading->text()};
    // The simulator's right button, and the left one.
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
        QCOMPARE(roll->text(), QStringLiteral("7"));
        pitches.append(pitch->text());
        headings.append(heading->text());
        QVERIFY(view.shown());
        const PassengerCamera typed = view.vista->camera().value();
        const CameraAxes a = cameraAxes(looked);
        const CameraAxes b = cameraAxes(typed);
        QVERIFY2(degreesBetween(a.forward, b.forward) < 0.71, qPrintable(QString::number(by.y())));
        QVERIFY(degreesBetween(a.up, b.up) < 0.71);
        QCOMPARE(typed.eye, looked.eye);
    }
    // One Ctrl+Z in a field takes back the last direction written there, and only that.
    for (auto [field, written] : {std::pair{pitch, pitches}, std::pair{heading, headings}}) {
        written.erase(std::unique(written.begin(), written.end()), written.end());
        QVERIFY(written.size() >= 2);
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(field->text(), written.at(written.size() - 2));
    }

    // One view however often it is asked for; Escape closes it as its close box does.
    QTest::mouseClick(control<QPushButton>(view.main, "CmdVista"), Qt::LeftButton);
    QCOMPARE(view.run.windows->frmVista(), view.vista);
    QTest::keyClick(view.picture, Qt::Key_Escape);
    QCOMPARE(view.run.windows->frmVista(), nullptr);
}

void FrmVistaTest::eachMissingOrBadFileShowsItsLine_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("line");         // in place of the image, its start
    QTest::addColumn<QString>("texturesLine"); // under the image

    QTest::newRow("no name") << "name:"
                             << "No hay archivo Shape: escriba su nombre"
                             << "";
    QTest::newRow("no folder") << "folder:"
                               << "No se sabe en qué carpeta está el vagón"
                               << "";
    QTest::newRow("no such file")
        << "name:..\\Interiores\\Otro.s"
        << "No se encuentra la forma interior ..\\Interiores\\Otro.s desde la carpeta del vagón. "
           "Compruebe el nombre"
        << "";
    QTest::newRow("unreadable") << "shape:no es una forma"
                                << "No se puede leer la forma Coche.s: "
                                << "";
    QTest::newRow("a texture missing")
        << "texture:cristal.ace"
        << ""
        << "No se encuentra la textura CRISTAL.ace junto a Coche.s. Sus superficies se dibujan en "
           "gris.";
    QTest::newRow("head not a number")
        << "headX:-"
        << "Escriba un número en «Posición de la cámara X» para ver la vista."
        << "";
}

void FrmVistaTest::eachMissingOrBadFileShowsItsLine()
{
    QFETCH(QString, change);
    QFETCH(QString, line);
    QFETCH(QString, texturesLine);
    OpenView view;
    VistaInput input = seatedPassenger(view.fixture.wagonFolder);
    const QString what = change.section(QLatin1Char(':'), 0, 0);
    const std::string value = change.section(QLatin1Char(':'), 1).toStdString();
    const std::filesystem::path shapeFolder = view.fixture.shapeFile.parent_path();
    if (what == QLatin1String("name")) {
        input.view.shapeFile = value;
    } else if (what == QLatin1String("folder")) {
        input.shapeFolder.clear();
    } else if (what == QLatin1String("shape")) {
        std::ofstream(view.fixture.shapeFile, std::ios::binary) << value;
    } else if (what == QLatin1String("texture")) {
        QVERIFY(std::filesystem::remove(shapeFolder / value));
    } else {
        input.view.headX = value;
    }
    QVERIFY(view.show(input));
    const QString direction = control<QLabel>(&view.window, "lblDirection")->text();
    const QString lines = view.picture->lines();
    QVERIFY2(line.isEmpty() ? lines.isEmpty() : lines.startsWith(line), qPrintable(lines));
    QCOMPARE(view.picture->image().isNull(), !line.isEmpty());
    QCOMPARE(control<QLabel>(&view.window, "lblTextures")->text(), texturesLine);
    QCOMPARE(control<QPushButton>(&view.window, "CmdSaveImage")->isEnabled(), line.isEmpty());
    QVERIFY(view.recorded.messages.isEmpty());

    // The folder chosen through the window reads the files afresh; a sound cabin then shows.
    if (what == QLatin1String("folder") || what == QLatin1String("shape")) {
        if (what == QLatin1String("shape")) {
            std::ofstream(view.fixture.shapeFile, std::ios::binary)
                << fixtureShapeFile(ShapeForm::Binary);
        }
        view.recorded.dialogAnswers = {pathToQString(view.fixture.wagonFolder)};
        QTest::mouseClick(control<QPushButton>(&view.window, "CmdFolder"), Qt::LeftButton);
        QCOMPARE(view.recorded.dialogs.size(), 1);
        QVERIFY(view.shown());
        QVERIFY2(view.picture->lines().isEmpty(), qPrintable(view.picture->lines()));
        QCOMPARE(view.window.wagonFolder(), view.fixture.wagonFolder);
        QVERIFY(control<QLabel>(&view.window, "lblFolder")
                    ->text()
                    .endsWith(QDir::toNativeSeparators(pathToQString(view.fixture.wagonFolder))));
    }
    // The direction the fields give stays shown whatever the files.
    QCOMPARE(control<QLabel>(&view.window, "lblDirection")->text(), direction);
}

void FrmVistaTest::savesTheShownViewAsPng()
{
    OpenView view;
    QVERIFY(view.show(seatedPassenger(view.fixture.wagonFolder)));
    auto* save = control<QPushButton>(&view.window, "CmdSaveImage");
    const QString chosen = view.root.filePath(QStringLiteral("mi vista"));
    const QString failing = view.root.filePath(QStringLiteral("no existe/vista.png"));
    view.recorded.dialogAnswers = {chosen, failing};
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(qStringToPath(view.recorded.dialogs.first().start),
             folderOf(view.root) / "Coche-vista.png");
    const QImage written(chosen + QStringLiteral(".png"), "PNG");
    QCOMPARE(written.convertToFormat(QImage::Format_RGBA8888),
             view.picture->image().convertToFormat(QImage::Format_RGBA8888));
    QVERIFY(view.recorded.messages.isEmpty());

    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(view.recorded.messages.size(), 1);
    QVERIFY2(view.recorded.messages.first().text.startsWith(QStringLiteral("No se pudo guardar")),
             qPrintable(view.recorded.messages.first().text));
}

QTEST_MAIN(FrmVistaTest)
#include "FrmVistaTest.moc"
