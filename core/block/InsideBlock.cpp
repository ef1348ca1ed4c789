#include "core/block/InsideBlock.h"

#include "core/block/ViewNumbers.h"
#include "core/block/Viewpoints.h"
#include "core/reader/ItemStream.h"

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

// What a message calls a field: with added viewpoints, the viewpoint too.
std::string spoken(const ViewField& field, std::optional<std::size_t> viewpoint)
{
    if (!viewpoint) {
        return field.spokenName;
    }
    return std::string(field.spokenName) + " de la " + viewpointWords(*viewpoint);
}

std::optional<std::string> numberProblem(const ViewField& field, const std::string& text,
                                         std::optional<std::size_t> viewpoint)
{
    const std::string name = spoken(field, viewpoint);
    if (field.keys == FilterKind::SignedDecimal && !isPointDecimalText(text)) {
        return name + ": «" + text +
               "» no es un número que el simulador lea tal como está escrito. Use cifras, como "
               "mucho un punto decimal y el signo menos solo delante, por ejemplo -1.25.";
    }
    if (field.keys == FilterKind::DigitsOnly && !isWholeDegreesText(text)) {
        return name + ": «" + text + "» no es un número. Use solo cifras, por ejemplo 20.";
    }
    if (field.keys == FilterKind::SignedDegrees && !isWholeDegreesText(text)) {
        return name + ": «" + text +
               "» no es un número. Use cifras, con el signo menos delante para mirar hacia "
               "arriba, por ejemplo -10.";
    }
    if (isTooLargeForSimulator(text)) {
        return name + ": «" + text +
               "» es demasiado grande: el simulador solo lee números de hasta 38 cifras antes "
               "del punto. Corríjalo para generar el código.";
    }
    return std::nullopt;
}

// The first of the nine numbers of a viewpoint that the simulator would not read as typed.
std::optional<BlockProblem> numbersProblem(const ViewParams& numbers, std::size_t viewpoint,
                                           bool named)
{
    for (const ViewField& field : viewFields) {
        if (!isNumberField(field)) {
            continue;
        }
        const std::optional<std::size_t> name = named ? std::optional(viewpoint) : std::nullopt;
        if (std::optional<std::string> message =
                numberProblem(field, numbers.*field.member, name)) {
            return BlockProblem{field.member, std::move(*message), viewpoint};
        }
    }
    return std::nullopt;
}

// Why a name cannot be written, or nothing: the sentence after "El nombre del archivo …".
std::optional<std::string> nameProblem(std::string_view name)
{
    if (name.find('"') != std::string_view::npos) {
        return " no puede contener comillas (\"): los nombres de archivo de Windows no las "
               "admiten. Quítelas para generar el código.";
    }
    // The code box keeps these as line breaks, so the block copied or saved would break there.
    const std::pair<std::string_view, const char*> breaks[] = {
        {"\u2028", "U+2028, separador de línea"},
        {"\u2029", "U+2029, separador de párrafo"},
        {"\ufdd0", "U+FDD0"},
        {"\ufdd1", "U+FDD1"},
    };
    for (const auto& [character, spoken] : breaks) {
        if (name.find(character) != std::string_view::npos) {
            return std::string(" lleva un carácter invisible (") + spoken +
                   ") que el cuadro de código convierte en un salto de línea. Quítelo para "
                   "generar el código.";
        }
    }
    if (readsAsParenthesis(name)) {
        return " no puede ser solo un paréntesis: el simulador lo tomaría por el principio o el "
               "final de un bloque y leería mal el resto del vagón. Corríjalo para generar el "
               "código.";
    }
    return std::nullopt;
}

std::optional<BlockProblem> namesProblem(const ViewParams& typed)
{
    const std::pair<std::string ViewParams::*, const char*> names[] = {
        {&ViewParams::shapeFile, "El nombre del archivo Shape"},
        {&ViewParams::soundFile, "El nombre del archivo de sonido"}};
    for (const auto& [member, which] : names) {
        if (std::optional<std::string> problem = nameProblem(typed.*member)) {
            return BlockProblem{member, which + *problem};
        }
    }
    return std::nullopt;
}

// The three lines of a viewpoint's numbers, each after `indent`.
std::string numberLines(const ViewParams& p, const std::string& indent)
{
    const std::string crlf = "\r\n";
    // Head position and rotation limits open with two blanks, the start direction with one.
    return indent + "PassengerCabinHeadPos (  " + p.headX + " " + p.headY + " " + p.headZ + " )" +
           crlf + indent + "RotationLimit (  " + p.rotationLimitX + " " + p.rotationLimitY + " " +
           p.rotationLimitZ + " )" + crlf + indent + "StartDirection ( " + p.startDirectionX + " " +
           p.startDirectionY + " " + p.startDirectionZ + " )" + crlf;
}

const std::string level = "     "; // five blanks a level

} // namespace

std::optional<BlockProblem> insideBlockProblem(const ViewParams& typed)
{
    return viewpointsProblem(typed, {});
}

std::optional<BlockProblem> viewpointsProblem(const ViewParams& typed,
                                              const std::vector<ViewParams>& added)
{
    // In the order of the fields: the shape name, the principal's numbers, the sound name.
    const bool named = !added.empty();
    std::optional<BlockProblem> problem = namesProblem(typed);
    if (std::optional<BlockProblem> numbers = numbersProblem(typed, 0, named)) {
        if (!problem || problem->field == &ViewParams::soundFile) {
            problem = std::move(numbers);
        }
    }
    for (std::size_t i = 0; i < added.size() && !problem; ++i) {
        problem = numbersProblem(added[i], i + 1, named);
    }
    return problem;
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
    block += level + "PassengerCabinFile ( " + p.shapeFile + " )" + crlf;
    block += numberLines(p, level);
    block += level + "Sound ( \"" + p.soundFile + "\" )" + crlf;
    block += ")";
    return block;
}

std::string generateViewpoints(const ViewParams& values, const std::vector<ViewParams>& added)
{
    std::string text = generateInside(values);
    if (added.empty()) {
        return text;
    }
    const std::string crlf = "\r\n";
    text += crlf + "ORTSAlternatePassengerViewPoints (" + crlf;
    for (const ViewParams& viewpoint : added) {
        text += level + "ORTSAlternatePassengerViewPoint (" + crlf;
        text += numberLines(viewpoint, level + level);
        text += level + ")" + crlf;
    }
    text += ")";
    return text;
}

std::optional<std::string> generatedCode(const ViewParams& typed,
                                         const std::vector<ViewParams>& added)
{
    if (!isReady(typed, added) || viewpointsProblem(typed, added)) {
        return std::nullopt;
    }
    return generateViewpoints(blockValues(typed), added);
}

bool isStaleBlock(std::string_view block, const ViewParams& typed,
                  const std::vector<ViewParams>& added)
{
    const std::optional<std::string> now = generatedCode(typed, added);
    return !now || *now != block;
}

} // namespace orbanil
