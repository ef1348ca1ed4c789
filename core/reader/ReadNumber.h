#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orbanil {

// Why the simulator did not read a number as it stands.
enum class NumberWarning
{
    Missing,        // the block closed first: read as 0
    NotANumber,     // read as 0
    UnitNotAllowed, // a number with a unit where no unit is read: read as 0
    TooLarge,       // beyond single precision: read as 0 (infinity when a unit takes it there)
    UnknownUnit,    // read as the number alone
    StopsLoading,   // a distance whose digits end in a lower-case "e": the car does not load
};

// One number of an entry as the simulator reads it: a double in the invariant culture first,
// commas read as thousands separators, then single precision; for distances, a unit after the
// number scales the single-precision value.
struct ReadNumber
{
    std::string written; // the item as it stands; empty when missing
    float value = 0;     // what the simulator uses, in metres for a distance
    std::optional<NumberWarning> warning;
    bool grouped = false;   // a comma inside was read as a thousands separator
    bool converted = false; // a unit, or a "#" comment, after the number was read

    // Read as the plain number it spells: no warning, no comma, no unit.
    bool isPlain() const { return !warning && !grouped && !converted; }
};

enum class NumberUnits
{
    None,
    Distance, // m (the default), cm, mm, km, ft, in and in/2 (half inches)
};

ReadNumber readNumber(std::string_view item, NumberUnits units);

} // namespace orbanil
