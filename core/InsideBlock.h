#pragma once

#include "core/ViewParams.h"

#include <optional>
#include <string>
#include <string_view>

namespace orbanil {

// Why no block can be written for the typed values: the field to correct and a sentence that
// names it and says why. A shape or sound name holding a double quote, which the simulator's
// format cannot carry; a number field whose text the simulator would not read as the number
// it spells, or that is beyond its single precision.
struct BlockProblem
{
    std::string ViewParams::*field;
    std::string message;
};

// Nothing when the block can be written and the simulator reads it as typed.
std::optional<BlockProblem> insideBlockProblem(const ViewParams& typed);

// The shape name as the block writes it: between double quotes, with each backslash doubled,
// when it holds a backslash or when the simulator would not read it bare as the one name (a
// blank, a tab, a parenthesis or a double quote in it); any other name exactly as typed.
std::string shapeFileToken(std::string_view name);

// The typed values as the block writes them: the shape name made a token, the sound name with
// its backslashes doubled, since it always stands between quotes.
ViewParams blockValues(const ViewParams& typed);

// The seven-line Inside block of the values as given, CR LF between lines and none after the
// closing ")". Generate writes generateInside(blockValues(typed)).
std::string generateInside(const ViewParams& values);

} // namespace orbanil
