#pragma once

#include "core/ViewParams.h"

#include <optional>
#include <string>
#include <string_view>

namespace orbanil {

// Why no block can be written for the typed values, in a sentence that names the field: a
// shape or sound name holding a double quote, which the simulator's format cannot carry.
// Nothing when the block can be written.
std::optional<std::string> insideBlockProblem(const ViewParams& typed);

// The shape name as the block writes it: between double quotes when it holds a blank, a tab,
// a parenthesis or a double quote, since the simulator would read only up to the first of
// them; any other name exactly as typed.
std::string shapeFileToken(std::string_view name);

// The typed values as the block writes them: the shape name made a token.
ViewParams blockValues(const ViewParams& typed);

// The seven-line Inside block of the values as given, CR LF between lines and none after the
// closing ")". Generate writes generateInside(blockValues(typed)).
std::string generateInside(const ViewParams& values);

} // namespace orbanil
