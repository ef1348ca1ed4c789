#pragma once

#include "core/InsideBlock.h"
#include "core/SimulatorReader.h"
#include "core/ViewParams.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace orbanil::testing {

// The number a typed text of a number field means, in the simulator's single precision,
// computed apart from the reader under test. Typed texts are [-]digits[.digits].
inline float typedNumber(const std::string& text)
{
    float value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        return 0; // too small for single precision (too large ones Generate refuses)
    }
    return value;
}

// The file the block is pasted into: an item before it and a block after it in the Wagon.
inline std::string wagonFileAround(const std::string& block)
{
    return "SIMISA@@@@@@@@@@JINX0D0t______\r\n\r\nWagon ( MiVagon\r\n\tMass ( 30t )\r\n" + block +
           "\r\n\tSound ( \"vagon.sms\" )\r\n)\r\n";
}

// What goes wrong when Generate writes the typed values and the simulator reads them back in
// a Wagon: nothing when Generate is not offered (a field is empty) or refuses them, or when
// they read back exactly as typed.
inline std::optional<std::string> roundTripFault(const ViewParams& typed)
{
    if (!isReady(typed) || insideBlockProblem(typed)) {
        return std::nullopt;
    }
    const std::optional<WagonReading> wagon =
        readWagon(wagonFileAround(generateInside(blockValues(typed))));
    if (!wagon || !wagon->closed || !wagon->after.empty() || !wagon->inside) {
        return "the Wagon block does not close where it should";
    }
    const std::vector<BlockEntry> around{
        {"MiVagon", false, {}}, {"Mass", true, {"30t"}}, {"Sound", true, {"vagon.sms"}}};
    if (wagon->entries.size() != 4 || wagon->entries[0] != around[0] ||
        wagon->entries[1] != around[1] || wagon->entries[2].keyword != "Inside" ||
        wagon->entries[3] != around[2]) {
        return "the items around the block changed";
    }
    const InsideReading& inside = *wagon->inside;
    if (!inside.warnings.empty()) {
        return "warning: " + inside.warnings.front();
    }
    if (inside.shapeFile != typed.shapeFile || inside.soundFile != typed.soundFile) {
        return "a name reads as " + inside.shapeFile.value_or("?") + " / " +
               inside.soundFile.value_or("?");
    }
    const std::optional<std::array<ReadNumber, 3>> InsideReading::*entries[] = {
        &InsideReading::headPosition, &InsideReading::rotationLimit,
        &InsideReading::startDirection};
    std::size_t field = 1; // the nine numbers follow the shape name in viewFields
    for (const auto entry : entries) {
        if (!(inside.*entry)) {
            return "an entry is missing";
        }
        for (const ReadNumber& number : *(inside.*entry)) {
            const float meant = typedNumber(typed.*viewFields[field++].member);
            const bool same = number.value == meant ||
                              (std::fabs(meant) == 0 &&
                               std::fabs(number.value) <= std::numeric_limits<float>::denorm_min());
            if (!number.isPlain() || !same) {
                return "a number reads as " + std::to_string(number.value) + ", not " +
                       std::to_string(meant);
            }
        }
    }
    return std::nullopt;
}

} // namespace orbanil::testing
