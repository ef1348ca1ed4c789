#include "core/InsideReadBack.h"

#include "tests/support/WorkedExample.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

std::string fieldsOf(const ViewParams& p)
{
    std::string text;
    for (const ViewField& field : viewFields) {
        text += (text.empty() ? "" : "|") + p.*field.member;
    }
    return text;
}

// What each value of a block becomes in its field, and what the message says of it.
TEST(InsideReadBack, ValuesGoInAsWrittenOrAsTheSimulatorReadsThem)
{
    struct Case
    {
        std::string block;
        std::string fields;
        std::string message;
    };
    const std::string crlf = "\r\n";
    const Case cases[] = {
        {testing::workedExampleBlock, "interior.s|0|2.3|-5.25|20|60|0|10|0|0|interior.sms", ""},
        {"Inside ( PassengerCabinFile ( \"..\\\\Mk1\\\\x.s\" ) PassengerCabinHeadPos ( 2.90 007 "
         "-0 ) RotationLimit ( 0 0 0 ) StartDirection ( 0 0 0 ) Sound ( s.sms ) )",
         "..\\Mk1\\x.s|2.90|007|-0|0|0|0|0|0|0|s.sms", ""},
        {"Inside ( PassengerCabinFile ( a.s ) PassengerCabinHeadPos ( 1,5 8.1ft \"7.5ft\" ) "
         "RotationLimit ( +20 12.5 1e1 ) StartDirection ( 0 -90 -450 ) Sound ( s.sms ) )",
         "a.s|15|2.46888|2.286|20|13|10|0|270|270|s.sms",
         "Estos valores se han escrito como los lee el simulador:" + crlf +
             "PassengerCabinHeadPos X: \"1,5\" se lee como 15" + crlf +
             "PassengerCabinHeadPos Y: \"8.1ft\" → 2.46888" + crlf +
             "PassengerCabinHeadPos Z: \"7.5ft\" → 2.286" + crlf + "RotationLimit X: \"+20\" → 20" +
             crlf + "RotationLimit Y: \"12.5\" → 13" + crlf + "RotationLimit Z: \"1e1\" → 10" +
             crlf + "StartDirection Y: \"-90\" → 270" + crlf + "StartDirection Z: \"-450\" → 270"},
        {"Inside ( PassengerCabinHeadPos ( abc 1e39 ) Sound ( \"a\\tb.sms\" ) )",
         "old.s|0|0|0|1|2|3|4|5|6|old.sms",
         "Estos valores se han escrito como los lee el simulador:" + crlf +
             "PassengerCabinHeadPos X: \"abc\" no es un número; se lee como 0" + crlf +
             "PassengerCabinHeadPos Y: \"1e39\" es demasiado grande; se lee como 0" + crlf +
             "PassengerCabinHeadPos Z: falta; se lee como 0" + crlf + crlf +
             "Sound: el nombre lleva un salto de línea o un tabulador (\\n, \\t), que la casilla "
             "no admite; la casilla se queda como estaba." +
             crlf + crlf +
             "El bloque no tiene PassengerCabinFile, RotationLimit, StartDirection: sus "
             "casillas se quedan como estaban."},
    };
    const ViewParams current{"old.s", "7", "8", "9", "1", "2", "3", "4", "5", "6", "old.sms"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.block);
        const std::optional<InsideReading> reading = readFirstInside(c.block);
        ASSERT_TRUE(reading);
        const InsideReadBack read = readBackInside(*reading, current);
        EXPECT_EQ(fieldsOf(read.fields), c.fields);
        EXPECT_EQ(readBackMessage(read), c.message);
    }
}

} // namespace
} // namespace orbanil
