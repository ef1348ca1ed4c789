#pragma once

#include "core/block/ViewParams.h"
#include "core/reader/SimulatorReader.h"

#include <string>
#include <vector>

namespace orbanil {

// What "Leer Valores" puts into the eleven fields from an Inside block the simulator reads.
struct InsideReadBack
{
    // The new field texts: a value the simulator reads as written, and that its field admits,
    // as written (names without their quotes and escapes); any other as the simulator reads
    // it, in the field's own form; an entry the block lacks as what the simulator uses instead;
    // the current text of a name its field cannot hold.
    ViewParams fields;
    // Where the block stands and what the simulator skips, when it would not read it all.
    std::vector<std::string> notes;
    // One line for each value that does not come into its field as it stands in the block.
    std::vector<std::string> converted;
    // One line for each name that its field cannot hold (a line break or tab inside).
    std::vector<std::string> refused;
    // One line for each entry the block lacks: what the simulator uses, which the fields take.
    std::vector<std::string> missing;
    // The added viewpoints' numbers: the block's alternates, read as the principal's are, or,
    // when it has none or they are not to replace them, those there were.
    std::vector<ViewParams> added;
    bool readAlternates = false;
    bool keptAdded = false; // the block's alternates were not to replace the added viewpoints
};

// `replaceAdded`: whether the block's alternate viewpoints, if it has any, replace the added
// ones.
InsideReadBack readBackInside(const InsideReading& reading, const ViewParams& current,
                              const std::vector<ViewParams>& currentAdded = {},
                              bool replaceAdded = true);

// The message that tells what was converted, refused, missing or not read where it stands;
// empty when every value went in as written.
std::string readBackMessage(const InsideReadBack& readBack);

// What Leer Valores asks before the block's alternates replace added viewpoints with edits.
std::string replaceAddedQuestion(const InsideReading& reading);

} // namespace orbanil
