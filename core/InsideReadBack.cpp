#include "core/InsideReadBack.h"

#include "core/KeyFilter.h"
#include "core/NumberText.h"
#include "core/ViewNumbers.h"
#include "core/Viewpoints.h"

#include <cmath>

namespace orbanil {

namespace {

const char* const axisNames[] = {"X", "Y", "Z"};

// Whether the field's text means the number the simulator reads.
bool readsAsWritten(const ViewField& field, const ReadNumber& number)
{
    if (!number.isPlain() || !isAdmittedUtf8(field.keys, number.written)) {
        return false;
    }
    return field.keys == FilterKind::SignedDecimal ? readPointDecimal(number.written).has_value()
                                                   : readWholeDegrees(number.written).has_value();
}

// A digits-only field holds whole degrees from 0 up: a fraction is rounded, and a negative
// angle becomes the same direction from 0 to 359.
float wholeDegrees(float value)
{
    double degrees = std::round(static_cast<double>(value));
    if (degrees < 0) {
        degrees = std::fmod(degrees, 360.0) + 360.0;
        if (degrees >= 360) {
            degrees = 0;
        }
    }
    return static_cast<float>(degrees);
}

std::string conversionLine(const std::string& where, const ReadNumber& number,
                           const std::string& text)
{
    const std::string written = "\"" + number.written + "\"";
    if (number.warning) {
        switch (*number.warning) {
        case NumberWarning::Missing:
            return where + "falta; se lee como " + text;
        case NumberWarning::NotANumber:
            return where + written + " no es un número; se lee como " + text;
        case NumberWarning::TooLarge:
            return where + written + " es demasiado grande; se lee como " + text;
        case NumberWarning::UnknownUnit:
            return where + written + " lleva una unidad desconocida; se lee como " + text;
        }
    }
    if (number.grouped) {
        return where + written + " se lee como " + text; // the comma separates thousands
    }
    return where + written + " → " + text;
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
    const std::string whose = named ? " (" + viewpointName(viewpoint) + ")" : "";
    for (const NumberEntry& entry : numberEntries) {
        const std::optional<std::array<ReadNumber, 3>>& numbers = reading.*entry.numbers;
        if (!numbers) {
            out.missing.push_back(entry.keyword + whose);
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
            text = writeSingle(field.keys == FilterKind::DigitsOnly ? wholeDegrees(number.value)
                                                                    : number.value);
            out.converted.push_back(
                conversionLine(where + entry.keyword + " " + axisNames[axis] + ": ", number, text));
        }
    }
}

void readBackName(const std::optional<std::string>& name, const char* keyword,
                  std::string ViewParams::*member, InsideReadBack& out)
{
    if (!name) {
        out.missing.push_back(keyword);
    } else if (!isAdmittedUtf8(FilterKind::FreeText, *name)) {
        out.refused.push_back(std::string(keyword) +
                              ": el nombre lleva un salto de línea o un tabulador (\\n, \\t), "
                              "que la casilla no admite");
    } else {
        out.fields.*member = *name;
    }
}

} // namespace

InsideReadBack readBackInside(const InsideReading& reading, const ViewParams& current,
                              const std::vector<ViewParams>& currentAdded)
{
    const bool named = !reading.alternates.empty(); // every line says which viewpoint
    InsideReadBack out{current, {}, {}, {}, currentAdded, named};
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
    if (!readBack.converted.empty()) {
        std::string lines = "Estos valores se han escrito como los lee el simulador:";
        for (const std::string& line : readBack.converted) {
            lines += "\r\n" + line;
        }
        paragraph(lines);
    }
    for (const std::string& line : readBack.refused) {
        paragraph(line + "; la casilla se queda como estaba.");
    }
    if (!readBack.missing.empty()) {
        std::string list;
        for (const std::string& keyword : readBack.missing) {
            list += (list.empty() ? "" : ", ") + keyword;
        }
        paragraph("El bloque no tiene " + list + ": sus casillas se quedan como estaban.");
    }
    if (readBack.readAlternates) {
        paragraph("Las vistas añadidas son ahora las " + std::to_string(readBack.added.size()) +
                  " del bloque ORTSAlternatePassengerViewPoints.");
    } else if (!readBack.added.empty()) {
        paragraph("El código no tiene vistas añadidas (ORTSAlternatePassengerViewPoints): se "
                  "conservan las " +
                  std::to_string(readBack.added.size()) + " que había.");
    }
    return message;
}

} // namespace orbanil
