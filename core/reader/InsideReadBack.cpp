#include "core/reader/InsideReadBack.h"

#include "core/block/KeyFilter.h"
#include "core/block/NumberText.h"
#include "core/block/ViewNumbers.h"
#include "core/block/Viewpoints.h"
#include "core/text/Wording.h"

#include <cmath>

namespace orbanil {

namespace {

// Whether the field's text means the number the simulator reads.
bool readsAsWritten(const ViewField& field, const ReadNumber& number)
{
    if (!number.isPlain() || !isAdmittedUtf8(field.keys, number.written)) {
        return false;
    }
    return field.keys == FilterKind::SignedDecimal ? readPointDecimal(number.written).has_value()
                                                   : readWholeDegrees(number.written).has_value();
}

// A degrees field holds whole degrees: a fraction is rounded, and in a field without a sign a
// negative angle becomes the same direction from 0 to 359.
float wholeDegrees(float value, FilterKind keys)
{
    double degrees = std::round(static_cast<double>(value));
    if (degrees < 0 && keys == FilterKind::DigitsOnly) {
        degrees = std::fmod(degrees, 360.0) + 360.0;
        if (degrees >= 360) {
            degrees = 0;
        }
    }
    return static_cast<float>(degrees);
}

// What a degrees field did to the number the simulator reads, to hold it.
std::string fieldAdjustment(float value, FilterKind keys)
{
    const double rounded = std::round(static_cast<double>(value));
    const bool fraction = rounded != static_cast<double>(value);
    if (rounded >= 0 || keys == FilterKind::SignedDegrees) {
        return "redondeado para la casilla";
    }
    return fraction ? "redondeado y llevado a un ángulo de 0 a 359 para la casilla"
                    : "el mismo ángulo de 0 a 359 para la casilla";
}

std::string conversionLine(const std::string& where, const ViewField& field,
                           const ReadNumber& number, const std::string& text)
{
    const std::string written = "\"" + number.written + "\"";
    if (number.warning) {
        switch (*number.warning) {
        case NumberWarning::Missing:
            return where + "falta el número; el simulador usa 0";
        case NumberWarning::NotANumber:
            return where + written + " no es un número; el simulador usa 0";
        case NumberWarning::UnitNotAllowed:
            return where + written +
                   " lleva una unidad, y aquí el simulador no lee unidades: usa 0";
        case NumberWarning::TooLarge:
            return std::isinf(number.value)
                       ? where + written +
                             " es demasiado grande: el simulador lo lee como infinito; la "
                             "casilla toma 0"
                       : where + written + " es demasiado grande; el simulador usa 0";
        case NumberWarning::UnknownUnit:
            return where + written + " → " + text +
                   ", como lo lee el simulador, que no conoce esa unidad y lee el número solo";
        case NumberWarning::StopsLoading:
            return where + written +
                   ": con una «e» al final del número el simulador no puede cargar el vagón. La "
                   "casilla toma " +
                   text + "; corríjalo también en el archivo";
        }
    }
    const std::string simulator = writeSingle(number.value);
    if (holdsDegrees(field.keys) && text != simulator) {
        return where + written + " → " + text + ", " + fieldAdjustment(number.value, field.keys) +
               " (el simulador lee " + simulator + ")";
    }
    return where + written + " → " + text + ", como lo lee el simulador" +
           (number.grouped ? " (la coma separa los miles)" : "");
}

struct NumberEntry
{
    const char* keyword;
    std::optional<std::array<ReadNumber, 3>> ViewpointReading::*numbers;
    std::array<std::string ViewParams::*, 3> fields;
};

const NumberEntry numberEntries[] = {
    {"PassengerCabinHeadPos",
     &ViewpointReading::headPosition,
     {&ViewParams::headX, &ViewParams::headY, &ViewParams::headZ}},
    {"RotationLimit",
     &ViewpointReading::rotationLimit,
     {&ViewParams::rotationLimitX, &ViewParams::rotationLimitY, &ViewParams::rotationLimitZ}},
    {"StartDirection",
     &ViewpointReading::startDirection,
     {&ViewParams::startDirectionX, &ViewParams::startDirectionY, &ViewParams::startDirectionZ}},
};

// The nine numbers of a viewpoint into `fields`; the lines name the viewpoint when `named`.
void readBackNumbers(const ViewpointReading& reading, std::size_t viewpoint, bool named,
                     ViewParams& fields, InsideReadBack& out)
{
    const std::string where = named ? viewpointName(viewpoint) + ", " : "";
    for (const NumberEntry& entry : numberEntries) {
        const std::optional<std::array<ReadNumber, 3>>& numbers = reading.*entry.numbers;
        if (!numbers) {
            // What the simulator uses instead, not what the fields held.
            for (std::string ViewParams::*member : entry.fields) {
                fields.*member = "0";
            }
            out.missing.push_back(where + entry.keyword +
                                  ": el simulador usa 0 0 0, y sus casillas también");
            continue;
        }
        for (std::size_t axis = 0; axis < 3; ++axis) {
            const ReadNumber& number = (*numbers)[axis];
            const ViewField& field = viewFieldOf(entry.fields[axis]);
            std::string& text = fields.*field.member;
            if (readsAsWritten(field, number)) {
                text = number.written;
                continue;
            }
            text = writeSingle(holdsDegrees(field.keys) ? wholeDegrees(number.value, field.keys)
                                                        : number.value);
            out.converted.push_back(conversionLine(
                where + entry.keyword + " " + axisNames[axis] + ": ", field, number, text));
        }
    }
}

// The name as a block writes it when it stands as it is: bare, or quoted with its backslashes
// and quotes escaped.
bool standsAsItIs(const ReadName& name)
{
    if (name.cut) {
        return false;
    }
    if (!name.quoted) {
        return name.written == name.text;
    }
    std::string escaped = "\"";
    for (const char c : name.text) {
        if (c == '\\' || c == '"') {
            escaped += '\\';
        }
        escaped += c;
    }
    return name.written == escaped + "\"";
}

const char* const backslashHint = "toma cada barra invertida sencilla por el comienzo de un "
                                  "escape. Escriba dos (\\\\) o deje que Orbanil escriba el "
                                  "nombre";

void readBackName(const std::optional<ReadName>& name, const char* keyword,
                  std::string ViewParams::*member, InsideReadBack& out)
{
    const std::string where = std::string(keyword) + ": ";
    if (!name) {
        out.fields.*member = std::string();
        out.missing.push_back(where +
                              (member == &ViewParams::soundFile
                                   ? "el vagón no tiene sonido interior"
                                   : "el simulador no tiene interior que mostrar") +
                              "; la casilla queda vacía");
        return;
    }
    const std::string shown = quoted(name->written);
    if (!isAdmittedUtf8(FilterKind::FreeText, name->text)) {
        out.refused.push_back(
            where + shown +
            " da un nombre con un salto de línea o un tabulador (\\n, \\t), que la casilla no "
            "admite" +
            (name->singleBackslash ? std::string(": el simulador ") + backslashHint
                                   : std::string()) +
            "; la casilla se queda como estaba.");
        return;
    }
    out.fields.*member = name->text;
    if (standsAsItIs(*name)) {
        return;
    }
    std::string line = where + shown + " → «" + name->text + "», como lo lee el simulador";
    if (name->singleBackslash) {
        line += std::string(", que ") + backslashHint;
    } else if (name->cut && !name->quoted) {
        line += ": sin comillas, el nombre acaba en el primer espacio o paréntesis. Escríbalo "
                "entre comillas o deje que Orbanil escriba el nombre";
    } else if (name->cut) {
        line += ": solo lee el primer nombre de la entrada";
    }
    out.converted.push_back(line);
}

std::string placeNote(const InsideReading& reading)
{
    const std::string notRead = ": el simulador solo lee Inside en la sección Wagon ( … ), así "
                                "que ahí no lo leería. Sus valores se han leído igualmente; "
                                "póngalo en la sección Wagon.";
    switch (reading.place) {
    case InsidePlace::Wagon:
        break;
    case InsidePlace::AfterSkippedAlternates:
        return "El simulador tampoco lee este bloque Inside, que va detrás; sus valores se han "
               "leído igualmente.";
    case InsidePlace::Engine:
        return "Este bloque Inside está en la sección Engine ( … )" + notRead;
    case InsidePlace::OutsideBlocks:
        return "Este bloque Inside está fuera de toda sección" + notRead;
    case InsidePlace::OtherBlock:
        return "Este bloque Inside está dentro de «" + reading.block + " ( … )»" + notRead;
    }
    return {};
}

std::string skippedNote(std::size_t skipped)
{
    if (skipped == 1) {
        return "El bloque ORTSAlternatePassengerViewPoints va antes de cualquier bloque Inside: "
               "el simulador no lo lee, ni nada de lo que le sigue en la sección Wagon. Póngalo "
               "detrás del bloque Inside.";
    }
    return "Hay " + std::to_string(skipped) +
           " bloques ORTSAlternatePassengerViewPoints antes de cualquier bloque Inside: el "
           "simulador no los lee, ni nada de lo que les sigue en su sección Wagon. Póngalos "
           "detrás del bloque Inside.";
}

// "las 3" or, for one, "la".
std::string theViewpoints(std::size_t count)
{
    return count == 1 ? "la" : "las " + std::to_string(count);
}

} // namespace

InsideReadBack readBackInside(const InsideReading& reading, const ViewParams& current,
                              const std::vector<ViewParams>& currentAdded, bool replaceAdded)
{
    InsideReadBack out;
    out.fields = current;
    out.added = currentAdded;
    out.readAlternates = !reading.alternates.empty() && replaceAdded;
    out.keptAdded = !reading.alternates.empty() && !replaceAdded;
    if (reading.skippedAlternates > 0) {
        out.notes.push_back(skippedNote(reading.skippedAlternates));
    }
    if (std::string note = placeNote(reading); !note.empty()) {
        out.notes.push_back(std::move(note));
    }
    const bool named = out.readAlternates; // every line says which viewpoint
    readBackName(reading.shapeFile, "PassengerCabinFile", &ViewParams::shapeFile, out);
    readBackNumbers(reading, 0, named, out.fields, out);
    readBackName(reading.soundFile, "Sound", &ViewParams::soundFile, out);
    if (out.readAlternates) {
        out.added.clear();
        for (std::size_t i = 0; i < reading.alternates.size(); ++i) {
            readBackNumbers(reading.alternates[i], i + 1, named, out.added.emplace_back(), out);
        }
    }
    return out;
}

std::string readBackMessage(const InsideReadBack& readBack)
{
    std::string message;
    const auto paragraph = [&message](const std::string& text) {
        message += (message.empty() ? "" : "\r\n\r\n") + text;
    };
    const auto list = [&paragraph](const char* heading, const std::vector<std::string>& lines) {
        if (lines.empty()) {
            return;
        }
        std::string text = heading;
        for (const std::string& line : lines) {
            text += "\r\n" + line;
        }
        paragraph(text);
    };
    for (const std::string& note : readBack.notes) {
        paragraph(note);
    }
    list("Estos valores no entran en su casilla tal como están en el bloque:", readBack.converted);
    for (const std::string& line : readBack.refused) {
        paragraph(line);
    }
    list("El bloque no tiene estas entradas:", readBack.missing);
    const std::size_t added = readBack.added.size();
    if (readBack.readAlternates) {
        paragraph(added == 1 ? "La vista añadida es ahora la del bloque "
                               "ORTSAlternatePassengerViewPoints."
                             : "Las vistas añadidas son ahora las " + std::to_string(added) +
                                   " del bloque ORTSAlternatePassengerViewPoints.");
    } else if (readBack.keptAdded) {
        paragraph("Las vistas añadidas se conservan: no se han reemplazado por las del bloque.");
    } else if (added > 0) {
        paragraph("El código no tiene vistas añadidas (ORTSAlternatePassengerViewPoints) que el "
                  "simulador lea: se conserva" +
                  std::string(added == 1 ? " la" : "n las " + std::to_string(added)) +
                  " que había.");
    }
    return message;
}

std::string replaceAddedQuestion(const InsideReading& reading)
{
    return "¿Reemplazar las vistas añadidas por " + theViewpoints(reading.alternates.size()) +
           " del bloque?";
}

} // namespace orbanil
