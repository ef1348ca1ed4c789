#include "core/InsideBlock.h"

#include "core/SimulatorReader.h"
#include "core/ViewNumbers.h"

#include <utility>

namespace orbanil {

namespace {

// What stands between the quotes: the simulator reads a backslash there as an escape, so
// "\\" is one backslash.
std::string textBetweenQuotes(std::string_view name)
{
    std::string text;
    for (const char c : name) {
        if (c == '\\') {
            text += '\\';
        }
        text += c;
    }
    return text;
}

std::string spoken(const ViewField& field)
{
    return field.spokenName;
}

std::optional<std::string> numberProblem(const ViewField& field, const std::string& text)
{
    if (field.keys == FilterKind::SignedDecimal && !isPointDecimalText(text)) {
        return spoken(field) + ": «" + text +
               "» no es un número que el simulador lea tal como está escrito. Use cifras, como "
               "mucho un punto decimal y el signo menos solo delante, por ejemplo -1.25.";
    }
    if (field.keys == FilterKind::DigitsOnly && !isWholeDegreesText(text)) {
        return spoken(field) + ": «" + text + "» no es un número. Use solo cifras, por ejemplo 20.";
    }
    if (isTooLargeForSimulator(text)) {
        return spoken(field) + ": «" + text +
               "» es demasiado grande: el simulador solo lee números de hasta 38 cifras antes "
               "del punto. Corríjalo para generar el código.";
    }
    return std::nullopt;
}

} // namespace

std::optional<BlockProblem> insideBlockProblem(const ViewParams& typed)
{
    const std::pair<std::string ViewParams::*, const char*> names[] = {
        {&ViewParams::shapeFile, "del archivo Shape"},
        {&ViewParams::soundFile, "del archivo de sonido"}};
    for (const ViewField& field : viewFields) {
        const std::string& text = typed.*field.member;
        if (field.keys != FilterKind::FreeText) {
            if (std::optional<std::string> message = numberProblem(field, text)) {
                return BlockProblem{field.member, std::move(*message)};
            }
            continue;
        }
        if (text.find('"') != std::string::npos) {
            const char* which = field.member == names[0].first ? names[0].second : names[1].second;
            return BlockProblem{field.member,
                                "El nombre " + std::string(which) +
                                    " no puede contener comillas (\"). Quítelas para generar el "
                                    "código."};
        }
    }
    return std::nullopt;
}

std::string shapeFileToken(std::string_view name)
{
    // An empty name stays an empty slot, as every other empty value does.
    if (name.empty()) {
        return {};
    }
    const std::vector<TextItem> bare = readItems(name);
    const bool readsBare = bare.size() == 1 && !bare.front().quoted && bare.front().text == name &&
                           !bare.front().opensBlock() && !bare.front().closesBlock();
    if (readsBare && name.find('\\') == std::string_view::npos) {
        return std::string(name);
    }
    return "\"" + textBetweenQuotes(name) + "\"";
}

ViewParams blockValues(const ViewParams& typed)
{
    ViewParams values = typed;
    values.shapeFile = shapeFileToken(typed.shapeFile);
    values.soundFile = textBetweenQuotes(typed.soundFile); // the block puts the quotes
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
