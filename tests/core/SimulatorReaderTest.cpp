#include "core/SimulatorReader.h"

#include "tests/support/InsideRoundTrip.h"
#include "tests/support/WorkedExample.h"

#include <gtest/gtest.h>
#include <random>

namespace orbanil {
namespace {

std::vector<std::string> itemTexts(std::string_view text)
{
    std::vector<std::string> texts;
    for (const TextItem& item : readItems(text)) {
        texts.push_back(item.text);
    }
    return texts;
}

// Rules 1 to 3: separators, quoted items with escapes and "+", unquoted items.
TEST(SimulatorReader, ItemsAsTheSimulatorSplitsThem)
{
    const std::pair<std::string_view, std::vector<std::string>> cases[] = {
        {"a(b)c", {"a", "(", "b", ")", "c"}},
        {"\x01x\x1fy\x7fz", {"x", "y\x7fz"}}, // every code up to 32 separates, DEL does not
        {"\"a b\" c", {"a b", "c"}},
        {R"("..\\Mk1\\x.s")", {R"(..\Mk1\x.s)"}},
        {R"("a\nb\tc\"d\(")", {"a\nb\tc\"d("}},
        {"\"a\" + \"b\"+\"c\" +d", {"abc", "+d"}},
        {"\"open ( b", {"open ( b"}}, // no closing quote: to the end
        {R"("carpeta\" )x)", {"carpeta\" )x"}},
        {R"(..\Interiores\coche.s)", {"..Interiorescoche.s"}},
        {R"(Interiores\nuevo.s)", {"Interiores\nuevo.s"}},
        {R"(\x\y)", {R"(\xy)"}}, // the first character is taken as it is
        {R"(a\ b)", {"a b"}},
        {"ab\"cd", {"ab\"", "cd"}}, // a quote ends an unquoted item
        {"5\"", {"5\""}},
        {"a\\", {"a"}},
    };
    for (const auto& [text, items] : cases) {
        EXPECT_EQ(itemTexts(text), items) << text;
    }
}

// Rule 5: single-precision numbers in the invariant culture, units on distances.
TEST(SimulatorReader, NumbersAsTheSimulatorReadsThem)
{
    struct Case
    {
        std::string_view item;
        NumberUnits units;
        float value;
        std::optional<NumberWarning> warning;
        bool grouped = false;
    };
    using enum NumberUnits;
    const Case cases[] = {
        {"-5.25", Distance, -5.25f, {}},
        {"+2", None, 2, {}},
        {"1e2", None, 100, {}},
        {"2.5E-1", None, 0.25f, {}},
        {"1,5", None, 15, {}, true},
        {"1,000.5", None, 1000.5f, {}, true},
        {"5,", None, 5, {}},
        {"8.1ft", Distance, 2.46888f, {}},
        {"7.5FT", Distance, 2.286f, {}},
        {"230cm", Distance, 2.3f, {}},
        {"12\"", Distance, 0.3048f, {}},
        {"2m", None, 2, NumberWarning::UnknownUnit},
        {"5yd", Distance, 5, NumberWarning::UnknownUnit},
        {"-", None, 0, NumberWarning::NotANumber},
        {"2..3", None, 0, NumberWarning::NotANumber},
        {"5-", None, 0, NumberWarning::NotANumber},
        {"abc", None, 0, NumberWarning::NotANumber},
        {"340282346638528859811704183484516925440", None, 3.4028235e38f, {}},
        {"1000000000000000000000000000000000000000", None, 0, NumberWarning::TooLarge},
        {"1e39", None, 0, NumberWarning::TooLarge},
        {"1e38km", Distance, 0, NumberWarning::TooLarge},
        {"1e-50", None, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        const ReadNumber read = readNumber(c.item, c.units);
        EXPECT_EQ(read.value, c.value);
        EXPECT_EQ(read.warning, c.warning);
        EXPECT_EQ(read.grouped, c.grouped);
    }
}

std::string numbersOf(const std::optional<std::array<ReadNumber, 3>>& numbers)
{
    if (!numbers) {
        return "none";
    }
    std::string text;
    for (const ReadNumber& n : *numbers) {
        text += (text.empty() ? "" : " ") + std::to_string(n.value);
    }
    return text;
}

// Rules 4 and 6, and the forms users have, read as a whole block.
TEST(SimulatorReader, InsideBlocksAsUsersWriteThem)
{
    struct Case
    {
        std::string_view text;
        std::optional<std::string> shape;
        std::string head;
        std::optional<std::string> sound;
    };
    const Case cases[] = {
        {testing::workedExampleBlock, "interior.s", "0.000000 2.300000 -5.250000", "interior.sms"},
        {R"(Inside ( PassengerCabinFile ( "..\\Mk1PassengerViews\\Mk1FirstInterior.s" )))",
         R"(..\Mk1PassengerViews\Mk1FirstInterior.s)",
         "none",
         {}},
        {"inside(\n\tpassengercabinfile ( BR20TBrake01.s )\n\tSOUND(\"a.sms\") )", "BR20TBrake01.s",
         "none", "a.sms"},
        // Entries in any order; the later of two counts; extra numbers are passed over.
        {"Inside ( Sound ( b.sms ) PassengerCabinHeadPos ( 1 2 3 4 5 ) "
         "PassengerCabinHeadPos ( 7 8 9 ) PassengerCabinFile ( c.s ) )",
         "c.s", "7.000000 8.000000 9.000000", "b.sms"},
        // Comments skip the next item or block, outside string reads only.
        {"Inside ( comment ( PassengerCabinFile ( no.s ) ) #x \"un comentario\" PassengerCabinFile "
         "( _yes.s ) "
         "_skip ( Sound ( no.sms ) ) Skip ( x ) PassengerCabinHeadPos ( # 1 2 3 4 ) )",
         "_yes.s",
         "2.000000 3.000000 4.000000",
         {}},
        // A block the reader skips is never the first Inside.
        {"comment ( Inside ( PassengerCabinFile ( no.s ) ) ) #Inside ( PassengerCabinFile ( "
         "no.s ) ) Wagon ( w Inside ( PassengerCabinFile ( yes.s ) ) ) Inside ( "
         "PassengerCabinFile ( second.s ) )",
         "yes.s",
         "none",
         {}},
        {"Inside ( PassengerCabinHeadPos ( 1 ) Sound ( carpeta\\\" ) )",
         {},
         "1.000000 0.000000 0.000000",
         "carpeta\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<InsideReading> read = readFirstInside(c.text);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->shapeFile, c.shape);
        EXPECT_EQ(numbersOf(read->headPosition), c.head);
        EXPECT_EQ(read->soundFile, c.sound);
    }
    EXPECT_FALSE(readFirstInside("Wagon ( Inside PassengerCabinFile ( a.s ) )"));
}

// Alternate viewpoints count only after an Inside block, in the block that holds it.
TEST(SimulatorReader, AlternateViewpointsAfterTheInsideBlock)
{
    const std::string alternates = "ortsalternatepassengerviewpoints ( "
                                   "ORTSAlternatePassengerViewPoint ( PassengerCabinHeadPos ( "
                                   "-0.0 2.85801 -6.091 ) RotationLimit ( 50 270 0 ) ) "
                                   "comment ( ORTSAlternatePassengerViewPoint ( ) ) "
                                   "ORTSAlternatePassengerViewPoint ( StartDirection ( -5 -90 0 ) "
                                   "Sound ( x.sms ) ) )";
    const std::string inside = "Inside ( PassengerCabinFile ( a.s ) )";
    struct Case
    {
        std::string text;
        std::vector<std::string> heads; // of each alternate read; "none" when it lacks one
    };
    const Case cases[] = {
        {"Wagon ( w " + inside + " Mass ( 1 ) " + alternates + " )",
         {"-0.000000 2.858010 -6.091000", "none"}},
        {"Wagon ( w " + alternates + " " + inside + " )", {}},
        {"Wagon ( w " + inside + " " + alternates + " " + alternates + " )",
         {"-0.000000 2.858010 -6.091000", "none", "-0.000000 2.858010 -6.091000", "none"}},
        {"Wagon ( w " + inside + " ) Wagon ( v " + alternates + " )", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<InsideReading> first = readFirstInside(c.text);
        const std::optional<WagonReading> wagon = readWagon(c.text);
        ASSERT_TRUE(first && wagon && wagon->inside);
        for (const InsideReading& read : {*first, *wagon->inside}) {
            std::vector<std::string> heads;
            for (const ViewpointReading& alternate : read.alternates) {
                heads.push_back(numbersOf(alternate.headPosition));
            }
            EXPECT_EQ(heads, c.heads);
        }
    }
    // An alternate viewpoint takes no files of its own.
    EXPECT_EQ(
        readFirstInside(cases[0].text)->alternates[1].warnings,
        std::vector<std::string>{
            "«Sound» no es una entrada de ORTSAlternatePassengerViewPoint; se pasa por alto."});
}

// Any texts the fields admit either make Generate refuse or read back exactly as typed.
TEST(SimulatorReader, EveryBlockGenerateWritesReadsBackAsTyped)
{
    std::mt19937 random(20261208);
    const auto pick = [&random](std::string_view alphabet, std::size_t longest) {
        std::string text(std::uniform_int_distribution<std::size_t>(1, longest)(random), ' ');
        for (char& c : text) {
            c = alphabet[std::uniform_int_distribution<std::size_t>(0,
                                                                    alphabet.size() - 1)(random)];
        }
        return text;
    };
    // Names from what matters to the reader; the two bytes of "ñ" stay together.
    const auto name = [&] {
        std::string text = pick(" a.\\\"()#_+,/'s\xc3", 12);
        for (std::size_t at = text.find('\xc3'); at != std::string::npos;
             at = text.find('\xc3', at + 2)) {
            text.insert(at + 1, "\xb1");
        }
        return text;
    };
    const auto numbers = [&](int i, ViewParams& typed) {
        for (const ViewField& field : viewFields) {
            if (field.keys == FilterKind::SignedDecimal) {
                typed.*field.member =
                    pick(i % 50 == 0 ? "9" : "0123456789.-", i % 50 == 0 ? 45 : 6);
            } else if (field.keys == FilterKind::DigitsOnly) {
                typed.*field.member = pick("0123456789", i % 97 == 0 ? 45 : 4);
            }
        }
    };
    int written = 0;
    int refused = 0;
    for (int i = 0; i < 20000; ++i) {
        ViewParams typed;
        typed.shapeFile = name();
        typed.soundFile = name();
        numbers(i, typed);
        // From none to eight added viewpoints; most often none, so the principal's cases stay
        // as many.
        std::vector<ViewParams> added(i % 3 == 0 ? static_cast<std::size_t>(i / 3 % 9) : 0);
        for (ViewParams& viewpoint : added) {
            numbers(i + 1, viewpoint);
        }
        const std::optional<std::string> fault = testing::roundTripFault(typed, added);
        ASSERT_EQ(fault, std::nullopt) << typed.shapeFile << " | " << typed.headX << " | "
                                       << typed.soundFile << " | " << added.size() << " added";
        (viewpointsProblem(typed, added) ? refused : written) += 1;
    }
    // Both roads are taken often enough to mean something.
    EXPECT_GT(written, 2000);
    EXPECT_GT(refused, 2000);
}

} // namespace
} // namespace orbanil
