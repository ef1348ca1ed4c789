#include "core/block/CabinBox.h"

#include "core/block/NumberText.h"
#include "core/block/ViewNumbers.h"

#include <algorithm>
#include <cmath>

namespace orbanil {

bool isReady(const CabinBox& box)
{
    return std::ranges::none_of(
        boxFields, [&box](const BoxField& field) { return (box.*field.member).empty(); });
}

std::optional<double> readBoxDimension(std::string_view text)
{
    const std::optional<double> number = readDimension(text);
    return number && *number > 0 ? number : std::nullopt;
}

std::optional<std::string> dimensionProblem(const BoxField& field, std::string_view typed)
{
    if (readBoxDimension(typed)) {
        return std::nullopt;
    }
    const std::string subject(field.subject);
    const std::string quoted = " «" + std::string(typed) + "»";
    if (typed.empty()) {
        return subject + " está en blanco. Escriba un número con coma decimal, por ejemplo 2,9.";
    }
    if (!readDimension(typed)) {
        return subject + quoted +
               " no es un número válido. Escriba un número con coma decimal, por ejemplo 2,9.";
    }
    return subject + quoted +
           " no es mayor que cero. Escriba la medida de la caja en metros, por ejemplo 2,9.";
}

std::optional<std::string> boxSummary(std::string_view length, std::string_view height,
                                      std::string_view width)
{
    const std::optional<double> lengthNumber = readBoxDimension(length);
    const std::optional<double> heightNumber = readBoxDimension(height);
    const std::optional<double> widthNumber = readBoxDimension(width);
    if (!lengthNumber || !heightNumber || !widthNumber) {
        return std::nullopt;
    }

    const auto line = [](std::string_view word, std::string_view typed, double number) {
        const std::string half = writeNumber(number / 2);
        return std::string(word) + std::string(typed) + "m ( " + half + " -" + half + " )";
    };
    return "Dimensiones: \r\n\r\n" + line("Largo: ", length, *lengthNumber) + "\r\n" +
           line("Alto: ", height, *heightNumber) + "\r\n" + line("Ancho: ", width, *widthNumber);
}

std::optional<CabinBox> boxAroundShape(const CabinShape& shape)
{
    if (shape.triangles.empty()) {
        return std::nullopt;
    }
    const auto across = [&shape](float Vec3::*axis) {
        return writeRounded(
            2 * std::max(std::fabs(shape.boundsMin.*axis), std::fabs(shape.boundsMax.*axis)));
    };
    CabinBox box{across(&Vec3::z), writeRounded(shape.boundsMax.y), across(&Vec3::x)};
    const bool sized = std::ranges::all_of(boxFields, [&box](const BoxField& field) {
        return readBoxDimension(box.*field.member).has_value();
    });
    return sized ? std::optional(box) : std::nullopt;
}

std::optional<std::string> rangeLine(std::string_view axisWord, std::string_view dimension)
{
    const std::optional<double> number = readBoxDimension(dimension);
    if (!number) {
        return std::nullopt;
    }
    const std::string lower = writeNumber(-*number / 2);
    const std::string upper = writeNumber(*number / 2);
    return std::string(axisWord) + std::string(dimension) + " m" + " Limites: " + lower + " m" +
           " / " + upper + " m";
}

} // namespace orbanil
