#include "core/InsideBlock.h"

namespace orbanil {

std::optional<std::string> insideBlockProblem(const ViewParams& typed)
{
    if (typed.shapeFile.find('"') != std::string::npos) {
        return "El nombre del archivo Shape no puede contener comillas (\"). Quítelas para "
               "generar el código.";
    }
    if (typed.soundFile.find('"') != std::string::npos) {
        return "El nombre del archivo de sonido no puede contener comillas (\"). Quítelas para "
               "generar el código.";
    }
    return std::nullopt;
}

std::string shapeFileToken(std::string_view name)
{
    if (name.find_first_of(" \t()\"") == std::string_view::npos) {
        return std::string(name);
    }
    return "\"" + std::string(name) + "\"";
}

ViewParams blockValues(const ViewParams& typed)
{
    ViewParams values = typed;
    values.shapeFile = shapeFileToken(typed.shapeFile);
    return values;
}

std::string generateInside(const ViewParams& p)
{
    const std::string crlf = "\r\n";
    std::string block = "Inside (" + crlf;
    block += "     PassengerCabinFile ( " + p.shapeFile + " )" + crlf;
    // Head position and rotation limits open with two blanks, the start direction with one.
    block +=
        "     PassengerCabinHeadPos (  " + p.headX + " " + p.headY + " " + p.headZ + " )" + crlf;
    block += "     RotationLimit (  " + p.rotationLimitX + " " + p.rotationLimitY + " " +
             p.rotationLimitZ + " )" + crlf;
    block += "     StartDirection ( " + p.startDirectionX + " " + p.startDirectionY + " " +
             p.startDirectionZ + " )" + crlf;
    block += "     Sound ( \"" + p.soundFile + "\" )" + crlf;
    block += ")";
    return block;
}

} // namespace orbanil
