#include "core/CabinBox.h"

#include "core/NumberText.h"

namespace orbanil {

std::optional<std::string> boxSummary(std::string_view L, std::string_view H, std::string_view W)
{
    const std::optional<double> length = readDimension(L);
    const std::optional<double> height = readDimension(H);
    const std::optional<double> width = readDimension(W);
    if (!length || !height || !width) {
        return std::nullopt;
    }

    const auto line = [](std::string_view word, std::string_view typed, double number) {
        const std::string half = writeNumber(number / 2);
        return std::string(word) + std::string(typed) + "m ( " + half + " -" + half + " )";
    };
    return "Dimensiones: \r\n\r\n" + line("Largo: ", L, *length) + "\r\n" +
           line("Alto: ", H, *height) + "\r\n" + line("Ancho: ", W, *width);
}

std::optional<std::string> rangeLine(std::string_view axisWord, std::string_view D)
{
    const std::optional<double> number = readDimension(D);
    if (!number) {
        return std::nullopt;
    }
    const std::string lower = writeNumber(-*number / 2);
    const std::string upper = writeNumber(*number / 2);
    return std::string(axisWord) + std::string(D) + " m" + " Limites: " + lower + " m" + " / " +
           upper + " m";
}

} // namespace orbanil
