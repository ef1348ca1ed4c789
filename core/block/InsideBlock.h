#pragma once

#include "core/block/ViewParams.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbanil {

// Why no block can be written for the typed values: the field to correct and a sentence that
// names it and says why. A shape or sound name holding a double quote, which no Windows file
// name holds; one holding a character the code box turns into a line break (U+2028, U+2029,
// U+FDD0, U+FDD1); one the simulator takes for a parenthesis (readsAsParenthesis); a number field
// whose text the simulator would not read as the number it spells, or that is beyond its single
// precision.
struct BlockProblem
{
    std::string ViewParams::*field;
    std::string message;
    std::size_t viewpoint = 0; // the viewpoint whose field it is: 0 the principal
};

// Nothing when the block can be written and the simulator reads it as typed.
std::optional<BlockProblem> insideBlockProblem(const ViewParams& typed);

// The same checks for the principal and the nine numbers of every added viewpoint, the first
// problem found; with added viewpoints the message names the viewpoint too.
std::optional<BlockProblem> viewpointsProblem(const ViewParams& typed,
                                              const std::vector<ViewParams>& added);

// The shape name as the block writes it: between double quotes, with each backslash doubled,
// when it holds a backslash or when the simulator would not read it bare as the one name (a
// blank, a tab, a parenthesis or a double quote in it); any other name exactly as typed.
std::string shapeFileToken(std::string_view name);

// The typed values as the block writes them: the shape name made a token, the sound name with
// its backslashes doubled, since it always stands between quotes.
ViewParams blockValues(const ViewParams& typed);

// The seven-line Inside block of the values as given, CR LF between lines and none after the
// closing ")".
std::string generateInside(const ViewParams& values);

// The Inside block and, when viewpoints are added, a line end and the
// ORTSAlternatePassengerViewPoints block with their numbers in order; exactly generateInside
// when none is. Generate writes generateViewpoints(blockValues(typed), added).
std::string generateViewpoints(const ViewParams& values, const std::vector<ViewParams>& added);

// What Generate writes for the typed principal and the added viewpoints' numbers now; nothing
// when it is not offered (a value is empty) or refuses them (viewpointsProblem).
std::optional<std::string> generatedCode(const ViewParams& typed,
                                         const std::vector<ViewParams>& added);

// Whether `block`, which Generate wrote, is no longer what it writes for these viewpoints:
// another block, or none.
bool isStaleBlock(std::string_view block, const ViewParams& typed,
                  const std::vector<ViewParams>& added);

} // namespace orbanil
