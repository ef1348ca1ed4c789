// The passenger view window on the fixture cabin, driven as the main window and a user drive it.
#include "ui/FrmVista.h"

#include "files/FileAccess.h"
#include "tests/support/CabinFixture.h"
#include "tests/support/UiTestSupport.h"
#include "ui/PassengerViewWidget.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <cmath>
#include <fstream>

using namespace orbanil;
using namespace orbanil::testing;

namespace {

constexpr int drawn = 10000; // ms a frame may take on a busy machine or under Wine

} // namespace

class FrmVistaTest : public QObject
{
    Q_OBJECT
private slots:
    void followsTheTypedHeadOfTheShownViewpoint();
    void takenDirectionIsWrittenToTheFieldsAndShown();
    void showsTheFrameAndSavesItsImage();
};

// The main window with the fixture cabin named and its folder chosen in the passenger view,
// which "Vista del pasajero" opened: a seated passenger looking left at the cabin's window.
struct ViewThroughMain
{
    StartedRun run;
    FixtureFolder fixture = writeFixtureFolder(folderOf(run.folder), ShapeForm::TextUtf16);
    FrmOrbanil* main = openMainWindow(run);
    FrmVista* vista = nullptr;
    PassengerViewWidget* picture = nullptr;

    ViewThroughMain()
    {
        const ViewParams typed{
            fixtureCabinFile, "0", "1.5", "0", "0", "0", "0", "0", "270", "0", ""};
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
    QCOMPARE(label("lblShape")->text(),
             QStringLiteral("Forma interior: ") + native(view.fixture.shapeFile));

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

QTEST_MAIN(FrmVistaTest)
#include "FrmVistaTest.moc"
