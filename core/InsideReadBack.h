#pragma once

#include "core/SimulatorReader.h"
#include "core/ViewParams.h"

#include <string>
#include <vector>

namespace orbanil {

// What "Leer Valores" puts into the eleven fields from an Inside block the simulator reads.
struct InsideReadBack
{
    // The new field texts: a value the simulator reads as written, and that its field admits,
    // as written (names without their quotes and escapes); any other as the simulator reads
    // it, in the field's own form; the current text where the block gives nothing usable.
    ViewParams fields;
    // One line for each value whose field text differs from its text in the block.
    std::vector<std::string> converted;
    // One line for each name that its field cannot hold (a line break or tab inside).
    std::vector<std::string> refused;
    // The entries the block lacks, by keyword.
    std::vector<std::string> missing;
    // The added viewpoints' numbers: the block's alternates, read as the principal's are into
    // empty fields, or, when it has none, those there were.
    std::vector<ViewParams> added;
    bool readAlternates = false;
};

InsideReadBack readBackInside(const InsideReading& reading, const ViewParams& current,
                              const std::vector<ViewParams>& currentAdded = {});

// The message that tells what was converted, refused or missing; empty when every value went
// in as written.
std::string readBackMessage(const InsideReadBack& readBack);

} // namespace orbanil
