#include "files/PassengerView.h"

#include "files/PathText.h"
#include "tests/support/AceWriter.h"
#include "tests/support/CabinFixture.h"
#include "tests/support/MemoryFiles.h"

#include <functional>
#include <gtest/gtest.h>

namespace orbanil {
namespace {

using namespace testing;

// The fixture cabin in memory, and a seated passenger looking left at its window.
struct Cabin
{
    FixtureFolder fixture = fixtureFolder(memoryRoot, ShapeForm::Binary);
    MemoryFiles disk{fixture.files};
    ViewParams typed{fixtureCabinFile, "0", "1.5", "0", "0", "0", "0", "0", "270", "0", ""};

    PassengerViewState state() const
    {
        return {fixture.wagonFolder, typed.shapeFile, 0, typedCamera(typed), std::nullopt, 64, 40};
    }
};

// Typing a number or turning the view draws the cabin read before; only another folder, another
// name or the folder chosen again reads the files.
TEST(PassengerView, ReadsTheFilesAgainOnlyForAnotherFolderNameOrChoice)
{
    Cabin cabin;
    PassengerViewState state = cabin.state();
    struct Step
    {
        const char* what;
        std::function<void(PassengerViewState&)> change;
        int readings;
    };
    const Step steps[] = {
        {"first", [](PassengerViewState&) {}, 1},
        {"a head typed", [](PassengerViewState& s) { s.camera.camera->eye.x = 0.2f; }, 1},
        {"turned", [&](PassengerViewState& s) { s.lookingAround = s.camera.camera; }, 1},
        {"another size", [](PassengerViewState& s) { s.width = 80; }, 1},
        {"a name typed", [](PassengerViewState& s) { s.shapeName += "x"; }, 2},
        {"and taken back", [](PassengerViewState& s) { s.shapeName.pop_back(); }, 3},
        {"the folder chosen again", [](PassengerViewState& s) { ++s.readings; }, 4},
        {"another folder", [](PassengerViewState& s) { s.wagonFolder = memoryRoot; }, 5},
    };
    PassengerView view(cabin.disk);
    for (const Step& step : steps) {
        step.change(state);
        const std::optional<PassengerViewFrame> frame = view.frame(state);
        ASSERT_TRUE(frame) << step.what;
        EXPECT_EQ(view.shapeReadings(), step.readings) << step.what;
    }
    state.wagonFolder = cabin.fixture.wagonFolder;
    const std::atomic<bool> cancelled{true};
    EXPECT_FALSE(view.frame(state, &cancelled));
}

// What the view says of each missing or bad file and field: the shape line, the lines shown in
// place of the image (their starts) and the notes under the image.
struct Said
{
    const char* what;
    std::function<void(Cabin&)> change;
    ViewStatus status;
    std::string shapeLine; // "" for the file found
    std::vector<std::string> lines;
    std::string texturesLine = {};
};

const Said said[] = {
    {"a sound cabin", [](Cabin&) {}, ViewStatus::Drawn, "", {}},
    {"no name",
     [](Cabin& c) { c.typed.shapeFile = " \t"; },
     ViewStatus::NoShapeName,
     "Forma interior: sin nombre",
     {"No hay archivo Shape: escriba su nombre"}},
    {"no folder",
     [](Cabin& c) { c.fixture.wagonFolder.clear(); },
     ViewStatus::NoFolder,
     "Forma interior: ..\\Interiores\\Coche.s",
     {"No se sabe en qué carpeta está el vagón"}},
    {"no shape file",
     [](Cabin& c) { c.disk.files.erase(c.fixture.shapeFile); },
     ViewStatus::ShapeNotFound,
     "Forma interior: ..\\Interiores\\Coche.s (no encontrada)",
     {"No se encuentra la forma interior ..\\Interiores\\Coche.s desde la carpeta del vagón. "
      "Compruebe el nombre"}},
    {"a shape that cannot be read",
     [](Cabin& c) { c.disk.files[c.fixture.shapeFile] = "no es una forma"; },
     ViewStatus::ShapeUnreadable,
     "",
     {"No se puede leer la forma Coche.s: "}},
    {"a texture missing",
     [](Cabin& c) { c.disk.files.erase(c.fixture.wagonFolder / "cristal.ace"); },
     ViewStatus::Drawn,
     "",
     {},
     "No se encuentra la textura CRISTAL.ace en la carpeta del vagón. Sus superficies se dibujan "
     "en gris."},
    {"a descriptor that cannot be read: every texture drawn",
     [](Cabin& c) { c.disk.files[c.fixture.shapeFile.string() + "d"] = "hola"; },
     ViewStatus::Drawn,
     "",
     {},
     "No se puede leer el descriptor coche.sd: no empieza por la cabecera SIMISA de los archivos "
     "del simulador."},
    {"a head that is not a number",
     [](Cabin& c) { c.typed.headX = "-"; },
     ViewStatus::NoCamera,
     "",
     {"Escriba un número en «Posición de la cámara X» para ver la vista."}},
};

TEST(PassengerView, SaysWhatIsMissingOrWrongInItsLines)
{
    for (const Said& expected : said) {
        SCOPED_TRACE(expected.what);
        Cabin cabin;
        expected.change(cabin);
        PassengerView view(cabin.disk);
        const std::optional<PassengerViewFrame> frame = view.frame(cabin.state());
        ASSERT_TRUE(frame);
        EXPECT_EQ(frame->status, expected.status);
        EXPECT_EQ(frame->shapeLine, expected.shapeLine.empty()
                                        ? "Forma interior: " + pathText(cabin.fixture.shapeFile)
                                        : expected.shapeLine);
        ASSERT_EQ(frame->lines.size(), expected.lines.size());
        for (std::size_t i = 0; i < expected.lines.size(); ++i) {
            EXPECT_TRUE(frame->lines[i].starts_with(expected.lines[i])) << frame->lines[i];
        }
        EXPECT_EQ(frame->texturesLine, expected.texturesLine);
        EXPECT_EQ(frame->image ? frame->image->width : 0,
                  expected.status == ViewStatus::Drawn ? 64 : 0);
    }
}

// The image is drawn through the camera the user turned, the typed one left as it was.
TEST(PassengerView, DrawsWhereTheUserLooks)
{
    Cabin seated;
    Cabin ahead;
    ahead.typed.startDirectionY = "0";
    PassengerViewState looking = seated.state();
    looking.lookingAround = typedCamera(ahead.typed).camera;
    PassengerView view(seated.disk);
    const RgbaImage turned = view.frame(looking)->image.value();
    EXPECT_EQ(turned, view.frame(ahead.state())->image.value());
    EXPECT_NE(turned, view.frame(seated.state())->image.value());
}

// Fields left empty are drawn as the view assumes them, here the head in the middle of the
// cabin 1.2 m above its floor looking ahead, and the notes say so.
TEST(PassengerView, DrawsEmptyFieldsAsItAssumesThem)
{
    Cabin empty;
    for (std::string* field : {&empty.typed.headX, &empty.typed.headY, &empty.typed.headZ,
                               &empty.typed.startDirectionX, &empty.typed.startDirectionY}) {
        field->clear();
    }
    Cabin typed;
    typed.typed.headY = "1.2";
    typed.typed.startDirectionY = "0";
    PassengerView view(empty.disk);
    const PassengerViewFrame assumed = view.frame(empty.state()).value();
    const PassengerViewFrame written = view.frame(typed.state()).value();
    EXPECT_EQ(assumed.image, written.image);
    EXPECT_EQ(assumed.camera, written.camera);
    EXPECT_EQ(assumed.camera->eye, (Vec3{0, 1.2f, 0}));
    EXPECT_FALSE(assumed.assumedLine.empty());
    EXPECT_TRUE(written.assumedLine.empty());
    EXPECT_EQ(assumed.distancesLine, written.distancesLine);
}

// With a descriptor that asks for night textures and a green floor in Night, the night view
// draws it and the day view the day floor.
TEST(PassengerView, AtNightTheNightTexturesStandInForTheDayOnes)
{
    Cabin plain;
    Cabin withNight;
    withNight.disk.files[withNight.fixture.shapeFile.string() + "d"] =
        "SIMISA@@@@@@@@@@JINX0t1t______\r\n\r\nshape ( coche.s ESD_Alternative_Texture ( 256 ) )";
    withNight.disk.files[withNight.fixture.wagonFolder / "Night" / "suelo.ace"] =
        aceFile(aceScanlines(filledImage(8, 8, {0, 255, 0, 255}), AceAlpha::None));
    PassengerView plainView(plain.disk);
    PassengerView nightView(withNight.disk);
    PassengerViewState state = plain.state();
    EXPECT_EQ(nightView.frame(state)->image, plainView.frame(state)->image);
    state.light.night = true;
    EXPECT_NE(nightView.frame(state)->image, plainView.frame(state)->image);
}

} // namespace
} // namespace orbanil
