#include "core/reader/SimulatorReader.h"

#include "core/reader/ItemStream.h"
#include "tests/support/InsideRoundTrip.h"
#include "tests/support/WorkedExample.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
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
        {"\"a\" + \"b\"+\"c\" +d", {"abc", "d"}}, // a "+" no quote follows is dropped
        {"\"open ( b", {"open ( b"}},             // no closing quote: to the end
        {R"("carpeta\" )x)", {"carpeta\" )x"}},
        {R"(..\Interiores\coche.s)", {"..Interiorescoche.s"}},
        {R"(Interiores\nuevo.s)", {"Interiores\nuevo.s"}},
        {R"(\x\y)", {R"(\xy)"}}, // the first character is taken as it is
        {R"(a\ b)", {"a b"}},
        {"ab\"cd", {"ab", "cd"}}, // a quote ends an unquoted item, and is dropped
        {"5\"", {"5"}},
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
        {"8.1ft", Distance, 2.4688802f, {}}, // 8.1 in single precision, then scaled
        {"7.5FT", Distance, 2.286f, {}},
        {"230cm", Distance, 2.3f, {}},
        {"12\"", Distance, 12, NumberWarning::UnknownUnit},
        {"2m", None, 0, NumberWarning::UnitNotAllowed},
        {"5yd", Distance, 5, NumberWarning::UnknownUnit},
        {"-", None, 0, NumberWarning::NotANumber},
        {"2..3", None, 0, NumberWarning::NotANumber},
        {"5-", None, 0, NumberWarning::NotANumber},
        {"abc", None, 0, NumberWarning::NotANumber},
        {"340282346638528859811704183484516925440", None, 3.4028235e38f, {}},
        {"1000000000000000000000000000000000000000", None, 0, NumberWarning::TooLarge},
        {"1e39", None, 0, NumberWarning::TooLarge},
        {"1e38km", Distance, std::numeric_limits<float>::infinity(), NumberWarning::TooLarge},
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
        const auto text = [](const std::optional<ReadName>& name) {
            return name ? std::optional(name->text) : std::nullopt;
        };
        EXPECT_EQ(text(read->shapeFile), c.shape);
        EXPECT_EQ(numbersOf(read->headPosition), c.head);
        EXPECT_EQ(text(read->soundFile), c.sound);
    }
    EXPECT_FALSE(readFirstInside("Wagon ( Inside PassengerCabinFile ( a.s ) )"));
}

// A number as the table spells it: nine digits, the sign of a zero, and why it did not read.
std::string spelled(const ReadNumber& number)
{
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.9g", static_cast<double>(number.value));
    std::string text = digits;
    if (number.warning) {
        const char* const why[] = {"missing",   "nan",          "no-unit",
                                   "too-large", "unknown-unit", "no-load"};
        text += std::string("[") + why[static_cast<int>(*number.warning)] + "]";
    }
    return text;
}

std::string spelled(const std::optional<std::array<ReadNumber, 3>>& numbers)
{
    if (!numbers) {
        return "-";
    }
    return spelled((*numbers)[0]) + " " + spelled((*numbers)[1]) + " " + spelled((*numbers)[2]);
}

// What the simulator reads: "shape | head | limits | start | sound", then the alternates, the
// place and the skipped alternates when there are any.
std::string spelled(const InsideReading& read)
{
    const auto name = [](const std::optional<ReadName>& n) { return n ? n->text : "-"; };
    std::string text = name(read.shapeFile) + " | " + spelled(read.headPosition) + " | " +
                       spelled(read.rotationLimit) + " | " + spelled(read.startDirection) + " | " +
                       name(read.soundFile);
    if (!read.alternates.empty()) {
        text += " | " + std::to_string(read.alternates.size()) + " alternates";
    }
    const char* const places[] = {"", "after skipped alternates", "in Engine", "outside blocks",
                                  "in "};
    if (read.place != InsidePlace::Wagon) {
        text += std::string(" | ") + places[static_cast<int>(read.place)] + read.block;
    }
    if (read.skippedAlternates > 0) {
        text += " | " + std::to_string(read.skippedAlternates) + " skipped";
    }
    return text;
}

// The wagon's entries the simulator reads, ")" when it closes where it should, then what is
// left after.
std::string spelled(const WagonReading& wagon)
{
    std::string text;
    for (const BlockEntry& entry : wagon.entries) {
        text += (text.empty() ? "" : " ") + (entry.keyword.empty() ? "(" : entry.keyword);
    }
    text += wagon.closed ? " )" : " …";
    for (const std::string& item : wagon.after) {
        text += " " + item;
    }
    return text;
}

// The simulator's own reading, item by item, of what users paste: markers, units, numbers,
// names taken for parentheses, alternates and where an Inside stands.
TEST(SimulatorReader, WhatTheSimulatorReads)
{
    const std::string alternate = "ORTSAlternatePassengerViewPoints ( "
                                  "ORTSAlternatePassengerViewPoint ( PassengerCabinHeadPos ( 1 2 "
                                  "3 ) ) comment ( ORTSAlternatePassengerViewPoint ( ) ) "
                                  "ORTSAlternatePassengerViewPoint ( RotationLimit ( 4 5 6 ) ) )";
    struct Case
    {
        std::string text;
        std::string inside;                 // readFirstInside, spelled
        std::optional<std::string> wagon{}; // readWagon, spelled, where it matters
    };
    const Case cases[] = {
        // A double quote ends an unquoted item and is dropped.
        {"Inside ( PassengerCabinFile ( cabin.s\" ) PassengerCabinHeadPos ( 0.5\" 2 3 ) )",
         "cabin.s | 0.5 2 3 | - | - | -"},
        // Distance units, the single-precision number scaled; "'" and "\"" are none.
        {"Inside ( PassengerCabinHeadPos ( 1.2ft 20in/2 1.5' ) )",
         "- | 0.365760028 0.254000008 1.5[unknown-unit] | - | - | -"},
        {"Inside ( PassengerCabinHeadPos ( 2KM 30mm cm ) )", "- | 2000 0.0299999993 0 | - | - | -"},
        // No units where the simulator reads none.
        {"Inside ( RotationLimit ( 50deg +20 1e1 ) StartDirection ( 2m -0 1,5 ) )",
         "- | - | 0[no-unit] 20 10 | 0[no-unit] 0 15 | -"},
        // "skip" and "comment" take a ")" after them; a "#" marker leaves it.
        {"Inside ( PassengerCabinFile ( a.s ) comment ) Sound ( b.sms ) )",
         "a.s | - | - | - | b.sms"},
        {"Inside ( PassengerCabinFile ( a.s ) #x ) Sound ( b.sms ) )", "a.s | - | - | - | -"},
        {"Inside ( PassengerCabinHeadPos ( 1 2 comment ) 3 ) RotationLimit ( 1 2 #c ) 3 ) )",
         "- | 1 2 3 | 1 2 0[missing] | - | -"},
        // A marker runs to the next blank, through quotes and backslashes.
        {"Inside ( #x\\ PassengerCabinFile ( no.s ) PassengerCabinFile ( yes.s ) "
         "#\"y PassengerCabinHeadPos ( 1 2 3 ) z\" )",
         "yes.s | - | - | - | -"},
        {"Inside ( PassengerCabinHeadPos ( 1 #a\"\"y\" +2 3 4 ) )", "- | 1 3 4 | - | - | -"},
        // A quoted item is never a marker.
        {"Inside ( \"#c\" PassengerCabinFile ( a.s ) \"_d\" Sound ( b.sms ) )",
         "a.s | - | - | - | b.sms"},
        // After a distance's number, a comment is dropped and a sign is an unknown unit.
        {"Inside ( PassengerCabinHeadPos ( 5cm#x 8ft#aprox 5- ) )",
         "- | 0.0500000007 2.43840003 5[unknown-unit] | - | - | -"},
        // A lower-case "e" ending a distance's digits stops the car loading.
        {"Inside ( PassengerCabinHeadPos ( 5e 5E 1e3 ) )",
         "- | 5[no-load] 5[unknown-unit] 1000 | - | - | -"},
        // A double first, then single precision; a zero has no sign.
        {"Inside ( RotationLimit ( 340282356779733661637539395458142568447 "
         "16777217.000000001 -0.0 ) )",
         "- | - | 0[too-large] 16777216 0 | - | -"},
        // A name taken for a parenthesis: a quoted ")" closes the entry and then the Inside; a
        // trimmed "(" moves the simulator's idea of where the wagon's entries stand.
        {"Wagon ( w Inside ( Sound ( \")\" ) PassengerCabinFile ( a.s ) ) Mass ( 1 ) )",
         "- | - | - | - | -", "w Inside PassengerCabinFile ) Mass ( 1 ) )"},
        {"Wagon ( w Inside ( Sound ( \"\xe3\x80\x80( \" ) ) Mass ( 1 ) Sound ( x.sms ) )",
         "- | - | - | - | \xe3\x80\x80( ", "w Inside … Mass ( 1 ) Sound ( x.sms ) )"},
        // Alternates count after an Inside in that Wagon or an earlier one, as an include
        // with a Wagon of its own gives them; before any Inside, the rest of the Wagon goes.
        {"Wagon ( w Inside ( PassengerCabinFile ( a.s ) ) Mass ( 1 ) " + alternate + " )",
         "a.s | - | - | - | - | 2 alternates"},
        {"Wagon ( w Inside ( PassengerCabinFile ( a.s ) ) ) include ( ../a.wag ) Wagon ( w " +
             alternate + " " + alternate + " )",
         "a.s | - | - | - | - | 4 alternates"},
        {"Wagon ( w " + alternate + " Inside ( PassengerCabinFile ( a.s ) ) Mass ( 1 ) )",
         "a.s | - | - | - | - | after skipped alternates | 1 skipped",
         "w ORTSAlternatePassengerViewPoints )"},
        {alternate + " Inside ( Sound ( s.sms ) )",
         "- | - | - | - | s.sms | after skipped alternates | 1 skipped"},
        // Inside is read in a Wagon only; elsewhere the first one, with the place it stands.
        {"Engine ( e Inside ( PassengerCabinFile ( e.s ) ) " + alternate + " ) Wagon ( w )",
         "e.s | - | - | - | - | 2 alternates | in Engine"},
        {"Engine ( e Inside ( PassengerCabinFile ( e.s ) ) ) Wagon ( w Inside ( "
         "PassengerCabinFile ( w.s ) ) )",
         "w.s | - | - | - | -"},
        {"Wagon ( w ) Inside ( PassengerCabinFile ( o.s ) )",
         "o.s | - | - | - | - | outside blocks"},
        {"Wagon ( w Lights ( Inside ( PassengerCabinFile ( l.s ) ) ) )",
         "l.s | - | - | - | - | in Lights"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<InsideReading> read = readFirstInside(c.text);
        ASSERT_TRUE(read);
        EXPECT_EQ(spelled(*read), c.inside);
        if (c.wagon) {
            const std::optional<WagonReading> wagon = readWagon(c.text);
            ASSERT_TRUE(wagon);
            EXPECT_EQ(spelled(*wagon), *c.wagon);
        }
    }
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
            } else if (field.keys == FilterKind::SignedDegrees) {
                typed.*field.member = pick("-0123456789", i % 97 == 0 ? 45 : 4);
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
