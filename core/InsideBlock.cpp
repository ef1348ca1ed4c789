#include "core/InsideBlock.h"

#include <utility>

namespace orbanil {

std::optional<std::string> insideBlockProblem(const ViewParams& typed)
{
    const std::pair<const std::string&, const char*> names[] = {
        {typed.shapeFile, "del archivo Shape"}, {typed.soundFile, "del archivo de sonido"}};
    for (const auto& [name, which] : names) {
        if (name.find('"') != std::string::npos) {
            return "El nombre " + std::string(which) +
                   " no puede contener comillas (\"). Quítelas para generar el código.";
        }
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
