#pragma once

#include "core/block/InsideBlock.h"
#include "core/block/ViewParams.h"
#include "core/reader/SimulatorReader.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace orbanil::testing {

// The number a typed text of a number field means to the simulator, computed apart from the
// reader under test: the nearest double, then the nearest single to that. Typed texts are
// [-]digits[.digits].
inline float typedNumber(const std::string& text)
{
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        return 0; // too small for a double (too large ones Generate refuses)
    }
    return static_cast<float>(value);
}

// The file the block is pasted into: an item before it and a block after it in the Wagon.
inline std::string wagonFileAround(const std::string& block)
{
    return "SIMISA@@@@@@@@@@JINX0D0t______\r\n\r\nWagon ( MiVagon\r\n\tMass ( 30t )\r\n" + block +
           "\r\n\tSound ( \"vagon.sms\" )\r\n)\r\n";
}

// Whether a viewpoint's three entries read as exactly the typed numbers; what differs if not.
inline std::optional<std::string> numbersFault(const ViewpointReading& read,
                                               const ViewParams& typed)
{
    if (!read.warnings.empty()) {
        return "warning: " + read.warnings.front();
    }
    const std::optional<std::array<ReadNumber, 3>> ViewpointReading::*entries[] = {
        &ViewpointReading::headPosition, &ViewpointReading::rotationLimit,
        &ViewpointReading::startDirection};
    std::size_t field = 1; // the nine numbers follow the shape name in viewFields
    for (const auto entry : entries) {
        if (!(read.*entry)) {
            return "an entry is missing";
        }
        for (const ReadNumber& number : *(read.*entry)) {
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

// What goes wrong when Generate writes the typed values, and the added viewpoints' numbers,
// and the simulator reads them back in a Wagon: nothing when Generate is not offered (a field
// is empty) or refuses them, or when they read back exactly as typed.
inline std::optional<std::string> roundTripFault(const ViewParams& typed,
                                                 const std::vector<ViewParams>& added = {})
{
    if (!isReady(typed, added) || viewpointsProblem(typed, added)) {
        return std::nullopt;
    }
    const std::optional<WagonReading> wagon =
        readWagon(wagonFileAround(generateViewpoints(blockValues(typed), added)));
    if (!wagon || !wagon->closed || !wagon->after.empty() || !wagon->inside) {
        return "the Wagon block does not close where it should";
    }
    const std::vector<BlockEntry> around{
        {"MiVagon", false, {}}, {"Mass", true, {"30t"}}, {"Sound", true, {"vagon.sms"}}};
    const std::size_t blocks = added.empty() ? 1 : 2;
    if (wagon->entries.size() != 3 + blocks || wagon->entries[0] != around[0] ||
        wagon->entries[1] != around[1] || wagon->entries[2].keyword != "Inside" ||
        wagon->entries.back() != around[2]) {
        return "the items around the block changed";
    }
    const InsideReading& inside = *wagon->inside;
    const auto nameOf = [](const std::optional<ReadName>& name) {
        return name ? name->text : std::string("?");
    };
    if (nameOf(inside.shapeFile) != typed.shapeFile ||
        nameOf(inside.soundFile) != typed.soundFile || !inside.shapeFile || !inside.soundFile) {
        return "a name reads as " + nameOf(inside.shapeFile) + " / " + nameOf(inside.soundFile);
    }
    if (inside.alternates.size() != added.size()) {
        return std::to_string(inside.alternates.size()) + " alternate viewpoints read";
    }
    std::optional<std::string> fault = numbersFault(inside, typed);
    for (std::size_t i = 0; i < added.size() && !fault; ++i) {
        fault = numbersFault(inside.alternates[i], added[i]);
    }
    return fault;
}

} // namespace orbanil::testing
