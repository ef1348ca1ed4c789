#include "core/reader/InsideReadBack.h"

#include "tests/support/WorkedExample.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

std::string joined(const ViewParams& p, bool numbersOnly = false)
{
    std::string text;
    for (const ViewField& field : viewFields) {
        if (!numbersOnly || isNumberField(field)) {
            text += "|" + p.*field.member;
        }
    }
    return text.substr(1);
}

// What Leer Valores puts in the fields and says, from blocks over the worked example's fields.
TEST(InsideReadBack, EveryValueNotReadAsItStandsIsSaid)
{
    const std::string worked = testing::workedExampleBlock;
    const std::string alternates = "ORTSAlternatePassengerViewPoints ( "
                                   "ORTSAlternatePassengerViewPoint ( PassengerCabinHeadPos ( 4 5 "
                                   "6 ) ) ORTSAlternatePassengerViewPoint ( "
                                   "PassengerCabinHeadPos ( 1 2 3 ) RotationLimit ( 0 0 0 ) "
                                   "StartDirection ( 0 0 0 ) ) )";
    const std::string inWagon = ": el simulador solo lee Inside en la sección Wagon ( … ), así "
                                "que ahí no lo leería. Sus valores se han leído igualmente; "
                                "póngalo en la sección Wagon.";
    struct Case
    {
        std::string text;
        bool hasAdded; // one added viewpoint, edited
        bool replaceAdded;
        std::string fields; // the eleven, then the added viewpoints' nine each after " / "
        std::string message;
    };
    const std::string workedFields = joined(testing::workedExampleParams());
    const std::string one = " / 1|2|3|4|5|6|7|8|9";
    const Case cases[] = {
        {worked, false, true, workedFields, ""},
        {"Inside ( PassengerCabinFile ( \"..\\Interiores\\coche.s\" ) "
         "PassengerCabinHeadPos ( 0 7.5ft 5e ) RotationLimit ( 50deg 12.5 -5 ) "
         "StartDirection ( 1,5 -12.5 0 ) Sound ( interior(2).sms ) )",
         false, true, "..Interiorescoche.s|0|2.286|5|0|13|355|15|347|0|interior",
         "Estos valores no entran en su casilla tal como están en el bloque:\r\n"
         "PassengerCabinFile: «\"..\\Interiores\\coche.s\"» → «..Interiorescoche.s», como lo lee "
         "el simulador, que toma cada barra invertida sencilla por el comienzo de un escape. "
         "Escriba dos (\\\\) o deje que Orbanil escriba el nombre\r\n"
         "PassengerCabinHeadPos Y: \"7.5ft\" → 2.286, como lo lee el simulador\r\n"
         "PassengerCabinHeadPos Z: \"5e\": con una «e» al final del número el simulador no puede "
         "cargar el vagón. La casilla toma 5; corríjalo también en el archivo\r\n"
         "RotationLimit X: \"50deg\" lleva una unidad, y aquí el simulador no lee unidades: usa "
         "0\r\n"
         "RotationLimit Y: \"12.5\" → 13, redondeado para la casilla (el simulador lee 12.5)\r\n"
         "RotationLimit Z: \"-5\" → 355, el mismo ángulo de 0 a 359 para la casilla (el "
         "simulador lee -5)\r\n"
         "StartDirection X: \"1,5\" → 15, como lo lee el simulador (la coma separa los miles)\r\n"
         "StartDirection Y: \"-12.5\" → 347, redondeado y llevado a un ángulo de 0 a 359 para la "
         "casilla (el simulador lee -12.5)\r\n"
         "Sound: «interior(2).sms» → «interior», como lo lee el simulador: sin comillas, el "
         "nombre acaba en el primer espacio o paréntesis. Escríbalo entre comillas o deje que "
         "Orbanil escriba el nombre"},
        {"Inside ( PassengerCabinFile ( interior.s ) PassengerCabinHeadPos ( abc 1e39 ) "
         "RotationLimit ( +20 60 0 ) StartDirection ( 10 0 0 ) Sound ( \"interior.sms\" ) )",
         false, true, "interior.s|0|0|0|20|60|0|10|0|0|interior.sms",
         "Estos valores no entran en su casilla tal como están en el bloque:\r\n"
         "PassengerCabinHeadPos X: \"abc\" no es un número; el simulador usa 0\r\n"
         "PassengerCabinHeadPos Y: \"1e39\" es demasiado grande; el simulador usa 0\r\n"
         "PassengerCabinHeadPos Z: falta el número; el simulador usa 0\r\n"
         "RotationLimit X: \"+20\" → 20, como lo lee el simulador"},
        // Missing entries take what the simulator uses; a name the field cannot hold stays.
        {"Inside ( PassengerCabinHeadPos ( 1 2 3 ) Sound ( \"Sonidos\\nuevo.sms\" ) ) " +
             alternates,
         true, true, "|1|2|3|0|0|0|0|0|0|interior.sms / 4|5|6|0|0|0|0|0|0 / 1|2|3|0|0|0|0|0|0",
         "Sound: «\"Sonidos\\nuevo.sms\"» da un nombre con un salto de línea o un tabulador (\\n, "
         "\\t), que la casilla no admite: el simulador toma cada barra invertida sencilla por el "
         "comienzo de un escape. Escriba dos (\\\\) o deje que Orbanil escriba el nombre; la "
         "casilla se queda como estaba.\r\n\r\n"
         "El bloque no tiene estas entradas:\r\n"
         "PassengerCabinFile: el simulador no tiene interior que mostrar; la casilla queda "
         "vacía\r\n"
         "Principal, RotationLimit: el simulador usa 0 0 0, y sus casillas también\r\n"
         "Principal, StartDirection: el simulador usa 0 0 0, y sus casillas también\r\n"
         "Vista 2, RotationLimit: el simulador usa 0 0 0, y sus casillas también\r\n"
         "Vista 2, StartDirection: el simulador usa 0 0 0, y sus casillas también\r\n\r\n"
         "Las vistas añadidas son ahora las 2 del bloque ORTSAlternatePassengerViewPoints."},
        {worked + alternates, true, false, workedFields + one,
         "Las vistas añadidas se conservan: no se han reemplazado por las del bloque."},
        // Where the simulator would not read it.
        {"Engine ( e " + worked + " ) Wagon ( w )", false, true, workedFields,
         "Este bloque Inside está en la sección Engine ( … )" + inWagon},
        {"Wagon ( w ) " + worked, false, true, workedFields,
         "Este bloque Inside está fuera de toda sección" + inWagon},
        {"Wagon ( w Lights ( " + worked + " ) )", false, true, workedFields,
         "Este bloque Inside está dentro de «Lights ( … )»" + inWagon},
        {alternates + " " + worked, true, true, workedFields + one,
         "El bloque ORTSAlternatePassengerViewPoints va antes de cualquier bloque Inside: el "
         "simulador no lo lee, ni nada de lo que le sigue en la sección Wagon. Póngalo detrás del "
         "bloque Inside.\r\n\r\n"
         "El simulador tampoco lee este bloque Inside, que va detrás; sus valores se han leído "
         "igualmente.\r\n\r\n"
         "El código no tiene vistas añadidas (ORTSAlternatePassengerViewPoints) que el simulador "
         "lea: se conserva la que había."},
    };
    const ViewParams current = testing::workedExampleParams();
    const ViewParams added{"", "1", "2", "3", "4", "5", "6", "7", "8", "9", ""};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<InsideReading> reading = readFirstInside(c.text);
        ASSERT_TRUE(reading);
        const InsideReadBack read = readBackInside(
            *reading, current, c.hasAdded ? std::vector{added} : std::vector<ViewParams>{},
            c.replaceAdded);
        std::string fields = joined(read.fields);
        for (const ViewParams& viewpoint : read.added) {
            fields += " / " + joined(viewpoint, true);
        }
        EXPECT_EQ(fields, c.fields);
        EXPECT_EQ(readBackMessage(read), c.message);
    }
    EXPECT_EQ(replaceAddedQuestion(*readFirstInside(worked + alternates + alternates)),
              "¿Reemplazar las vistas añadidas por las 4 del bloque?");
}

// StartDirection X takes a pitch upward as the block writes it; a fraction of one is rounded.
TEST(InsideReadBack, APitchUpwardKeepsItsMinus)
{
    const std::pair<const char*, const char*> pitches[] = {
        {"-10", ""},
        {"-10.4", "Estos valores no entran en su casilla tal como están en el bloque:\r\n"
                  "StartDirection X: \"-10.4\" → -10, redondeado para la casilla (el simulador "
                  "lee -10.4)"},
    };
    for (const auto& [pitch, message] : pitches) {
        const std::string block =
            "Inside ( PassengerCabinFile ( interior.s ) PassengerCabinHeadPos "
            "( 0 1 2 ) RotationLimit ( 0 0 0 ) StartDirection ( " +
            std::string(pitch) + " 350 0 ) Sound ( \"interior.sms\" ) )";
        const std::optional<InsideReading> reading = readFirstInside(block);
        ASSERT_TRUE(reading);
        EXPECT_EQ((*reading->startDirection)[0].value, std::stof(pitch));
        const InsideReadBack read = readBackInside(*reading, ViewParams{});
        EXPECT_EQ(joined(read.fields), "interior.s|0|1|2|0|0|0|-10|350|0|interior.sms");
        EXPECT_EQ(readBackMessage(read), message);
    }
}

} // namespace
} // namespace orbanil
