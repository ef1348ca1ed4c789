#include "core/block/InsideBlock.h"

#include "tests/support/WorkedExample.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

using testing::workedExampleBlock;
const ViewParams workedExample = testing::workedExampleParams();

TEST(InsideBlock, WorkedExampleIsExactTo192Characters)
{
    const std::string block = generateInside(blockValues(workedExample));
    EXPECT_EQ(block, workedExampleBlock);
    EXPECT_EQ(block.size(), 192u);
}

// The principal's problems first, in the order of its fields, then each added viewpoint's.
TEST(InsideBlock, ViewpointProblemsComeInTheOrderOfTheList)
{
    const ViewParams seat{"", "0.9", "2.3", "-1.79", "50", "270", "0", "0", "270", "0", ""};
    ViewParams wrong = seat;
    wrong.rotationLimitY = "1" + std::string(40, '0');
    ViewParams quoted = workedExample;
    quoted.soundFile = "a\"b";
    EXPECT_EQ(viewpointsProblem(workedExample, {seat, seat, wrong})->viewpoint, 3u);
    EXPECT_EQ(viewpointsProblem(quoted, {wrong})->field, &ViewParams::soundFile);
    EXPECT_FALSE(viewpointsProblem(workedExample, {seat, seat}));
}

TEST(InsideBlock, ValuesAreWrittenExactlyAsTyped)
{
    ViewParams p = workedExample;
    p.shapeFile = "mi_cabina,1.s";
    p.soundFile = "mi sonido (1).sms";
    p.headX = "1.2.3";
    p.headY = "5-";
    p.headZ = "-";
    p.rotationLimitX = " 007 ";
    p.startDirectionX = "-10";
    const std::string block = generateInside(blockValues(p));
    EXPECT_NE(block.find("     PassengerCabinFile ( mi_cabina,1.s )\r\n"), std::string::npos);
    EXPECT_NE(block.find("     PassengerCabinHeadPos (  1.2.3 5- - )\r\n"), std::string::npos);
    EXPECT_NE(block.find("     RotationLimit (   007  60 0 )\r\n"), std::string::npos);
    EXPECT_NE(block.find("     StartDirection ( -10 "), std::string::npos);
    EXPECT_NE(block.find("     Sound ( \"mi sonido (1).sms\" )\r\n"), std::string::npos);
}

TEST(InsideBlock, ShapeNameTheSimulatorWouldSplitIsQuoted)
{
    struct Case
    {
        std::string_view name;
        std::string_view token;
    };
    const Case cases[] = {
        {"interior.s", "interior.s"},
        {"", ""},
        {"a,b;c.s", "a,b;c.s"},
        {"ñandú.s", "ñandú.s"},
        {"my cab.s", "\"my cab.s\""},
        {" ", "\" \""},
        {"a\tb.s", "\"a\tb.s\""},
        {"cab(1).s", "\"cab(1).s\""},
        {"cab).s", "\"cab).s\""},
        {"(cab.s", "\"(cab.s\""},
        {"a\"b.s", "\"a\"b.s\""}, // written, but insideBlockProblem refuses it first
        {R"(..\Interiores\coche.s)", R"("..\\Interiores\\coche.s")"},
        {R"(\x.s)", R"("\\x.s")"},
        {R"(mi cabina\)", R"("mi cabina\\")"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(shapeFileToken(c.name), c.token);
        ViewParams p = workedExample;
        p.shapeFile = c.name;
        EXPECT_NE(generateInside(blockValues(p))
                      .find("     PassengerCabinFile ( " + std::string(c.token) + " )\r\n"),
                  std::string::npos);
    }
}

TEST(InsideBlock, SoundNameDoublesItsBackslashes)
{
    ViewParams p = workedExample;
    p.soundFile = R"(carpeta\)";
    EXPECT_NE(generateInside(blockValues(p)).find(R"(     Sound ( "carpeta\\" ))"),
              std::string::npos);
}

// Names the block cannot carry to the simulator as typed: a double quote (no Windows file name
// holds one), a character the code box makes a line break, a name taken for a parenthesis.
TEST(InsideBlock, NamesTheBlockCannotCarryAreProblemsNamingTheField)
{
    struct Case
    {
        std::string shape;
        std::string sound;
        std::string_view said; // the message the user reads, or empty for no problem
    };
    const std::string quote = " no puede contener comillas (\"): los nombres de archivo de Windows "
                              "no las admiten. Quítelas para generar el código.";
    const std::string parenthesis = " no puede ser solo un paréntesis: el simulador lo tomaría "
                                    "por el principio o el final de un bloque y leería mal el "
                                    "resto del vagón. Corríjalo para generar el código.";
    const auto invisible = [](const char* character) {
        return std::string(" lleva un carácter invisible (") + character +
               ") que el cuadro de código convierte en un salto de línea. Quítelo para generar el "
               "código.";
    };
    const std::string shape = "El nombre del archivo Shape";
    const std::string sound = "El nombre del archivo de sonido";
    const std::string saids[] = {
        shape + quote,
        sound + quote,
        shape + invisible("U+2028, separador de línea"),
        sound + invisible("U+2029, separador de párrafo"),
        shape + invisible("U+FDD0"),
        sound + invisible("U+FDD1"),
        shape + parenthesis,
        sound + parenthesis,
    };
    const Case cases[] = {
        {"interior.s", "interior.sms", ""},
        {"my cab (1).s", "my sound (1).sms", ""},
        {"((", "\xef\xb7\x92", ""}, // two parentheses; U+FDD2 stays in the code box
        {"a\"b.s", "interior.sms", saids[0]},
        {"interior.s", "a\"b.sms", saids[1]},
        {"\"", "\"", saids[0]},
        {"a\xe2\x80\xa8"
         "b.s",
         "interior.sms", saids[2]},
        {"interior.s",
         "a\xe2\x80\xa9"
         "b.sms",
         saids[3]},
        {"\xef\xb7\x90", "interior.sms", saids[4]},
        {"interior.s", "\xef\xb7\x91", saids[5]},
        {")", "interior.sms", saids[6]},
        {"  (\xc2\xa0", "interior.sms", saids[6]}, // blanks, a no-break space among them
        {"interior.s", "\xe3\x80\x80)", saids[7]}, // an ideographic space
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shape + " / " + c.sound);
        ViewParams p = workedExample;
        p.shapeFile = c.shape;
        p.soundFile = c.sound;
        const std::optional<BlockProblem> problem = insideBlockProblem(p);
        if (c.said.empty()) {
            EXPECT_FALSE(problem);
            continue;
        }
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->message, c.said);
        EXPECT_EQ(problem->field,
                  c.said.starts_with(shape) ? &ViewParams::shapeFile : &ViewParams::soundFile);
    }
}

// A number the simulator would read otherwise than typed is refused, naming its field.
TEST(InsideBlock, NumbersTheSimulatorWouldMisreadAreProblems)
{
    const std::string tooLarge(39, '9');
    const std::pair<std::string ViewParams::*, std::string> refused[] = {
        {&ViewParams::headX, "-"},
        {&ViewParams::headY, "."},
        {&ViewParams::headZ, "2..3"},
        {&ViewParams::headX, "1-2"},
        {&ViewParams::headY, "5-"},
        {&ViewParams::headZ, tooLarge},
        {&ViewParams::rotationLimitY, tooLarge},
        {&ViewParams::headX, std::string(400, '9')}, // beyond a double too
        {&ViewParams::startDirectionZ, tooLarge},
        {&ViewParams::startDirectionX, "-"},
    };
    for (const auto& [member, text] : refused) {
        SCOPED_TRACE(text);
        ViewParams p = workedExample;
        p.*member = text;
        const std::optional<BlockProblem> problem = insideBlockProblem(p);
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->field, member);
        EXPECT_TRUE(problem->message.starts_with(viewFieldOf(member).spokenName));
        EXPECT_NE(problem->message.find(text.size() > 30 ? "demasiado grande" : "no es un número"),
                  std::string::npos);
    }
    for (const char* accepted :
         {"5.", ".5", "-0", "007", "99999999999999999999999999999999999999"}) {
        ViewParams p = workedExample;
        p.headX = accepted;
        EXPECT_FALSE(insideBlockProblem(p)) << accepted;
    }
    ViewParams up = workedExample;
    up.startDirectionX = "-10";
    EXPECT_FALSE(insideBlockProblem(up));
}

TEST(InsideBlock, EmptyMembersLeaveEmptySlots)
{
    EXPECT_EQ(generateInside(blockValues(ViewParams{})), "Inside (\r\n"
                                                         "     PassengerCabinFile (  )\r\n"
                                                         "     PassengerCabinHeadPos (     )\r\n"
                                                         "     RotationLimit (     )\r\n"
                                                         "     StartDirection (    )\r\n"
                                                         "     Sound ( \"\" )\r\n"
                                                         ")");
}

} // namespace
} // namespace orbanil
