// The passenger view window on the fixture cabin, driven as the main window and a user drive it.
#include "ui/FrmVista.h"

#include "core/CabinRenderer.h"
#include "files/CabinFiles.h"
#include "tests/support/CabinFixture.h"
#include "tests/support/UiTestSupport.h"
#include "ui/PassengerViewWidget.h"

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

double degreesBetween(const Direction& a, const Direction& b)
{
    const double cosine = a.x * b.x + a.y * b.y + a.z * b.z;
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

// The top bar of the window frame, 0.1 m high, seen through its glass: one colour wherever the
// camera puts it.
void FrmVistaTest::imageFollowsTheTypedHead()
{
    OpenView view;
    const CabinReading cabin = readCabin(view.fixture.wagonFolder, fixtureCabinFile);
    QVERIFY(cabin.shape);
    std::vector<const RgbaImage*> textures;
    for (const std::optional<RgbaImage>& image : cabin.images) {
        textures.push_back(image ? &*image : nullptr);
    }
    const Vec3 marker{-1.39f, 1.75f, 0.5f};
    VistaInput input = seatedPassenger(view.fixture.wagonFolder);
    std::vector<ScreenPoint> places;
    std::vector<QImage> images;
    for (const auto& [x, y, z] : {std::array{"0", "1.5", "0"}, std::array{"0.3", "1.6", "0.3"}}) {
        input.view.headX = x;
        input.view.headY = y;
        input.view.headZ = z;
        QVERIFY(view.show(input));
        const PassengerCamera camera = view.window.camera().value();
        QCOMPARE(camera.eye, (Vec3{std::stof(x), std::stof(y), std::stof(z)}));
        const QImage image = view.picture->image().convertToFormat(QImage::Format_RGBA8888);
        // The image is the cabin drawn from the typed head at the view's size.
        QCOMPARE(image.size(), view.picture->imageSize());
        const RgbaImage expected =
            renderCabin(*cabin.shape, textures, camera, image.width(), image.height()).value();
        QVERIFY(std::equal(expected.pixels.begin(), expected.pixels.end(), image.constBits()));
        places.push_back(projectToScreen(camera, marker, image.width(), image.height()).value());
        images.push_back(image);
    }
    QVERIFY(std::hypot(places[1].x - places[0].x, places[1].y - places[0].y) > 40);
    const QRgb bar = pixel(images[0], places[0]);
    QVERIFY(alike(pixel(images[1], places[1]), bar));
    QVERIFY(!alike(pixel(images[1], places[0]), bar, 10));
}

// Drags in every direction, past straight down too, and then the direction written back.
void FrmVistaTest::takenDirectionTypedBackGivesTheSameView()
{
    OpenView view;
    VistaInput input = seatedPassenger(view.fixture.wagonFolder);
    QVERIFY(view.show(input));
    QSignalSpy taken(&view.window, &FrmVista::directionTaken);
    const QPoint centre = view.picture->rect().center();
    for (const QPoint by : {QPoint(37, -12), QPoint(-90, 25), QPoint(5, 190), QPoint(-260, -330)}) {
        const PassengerCamera before = view.window.camera().value();
        QTest::mousePress(view.picture, Qt::LeftButton, {}, centre);
        QTest::mouseMove(view.picture, centre + by / 2);
        QTest::mouseMove(view.picture, centre + by);
        QTest::mouseRelease(view.picture, Qt::LeftButton, {}, centre + by);
        const PassengerCamera looked = view.window.camera().value();
        const PassengerCamera expected = dragged(before, by.x(), by.y());
        QVERIFY(std::abs(looked.heading - expected.heading) < 1e-9 &&
                std::abs(looked.pitch - expected.pitch) < 1e-9);
        QTest::mouseClick(control<QPushButton>(&view.window, "CmdUseDirection"), Qt::LeftButton);
        QCOMPARE(taken.size(), 1);
        const auto direction = taken.takeFirst().at(1).value<StartDirectionDegrees>();
        input.view.startDirectionX = std::to_string(direction.x);
        input.view.startDirectionY = std::to_string(direction.y);
        QVERIFY(view.show(input));
        const PassengerCamera typed = view.window.camera().value();
        const CameraAxes a = cameraAxes(looked);
        const CameraAxes b = cameraAxes(typed);
        QVERIFY2(degreesBetween(a.forward, b.forward) < 0.71, qPrintable(QString::number(by.y())));
        QVERIFY(degreesBetween(a.up, b.up) < 0.71);
        QCOMPARE(typed.eye, looked.eye);
    }
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
                    .endsWith(pathToQString(view.fixture.wagonFolder)));
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
