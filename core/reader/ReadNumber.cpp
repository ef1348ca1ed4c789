#include "core/reader/ReadNumber.h"

#include "core/text/AsciiCase.h"
#include "core/text/Utf8.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>
#include <utility>

namespace orbanil {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isNumberWhiteSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// What .NET's parser of numbers takes from a text in the invariant culture, blanks allowed at
// either end, a sign in front, commas between digits before the point, an exponent: the plain
// form from_chars reads. A number whose digits are all zero has no sign.
struct DotNetNumber
{
    std::string plain;
    bool grouped = false;
};

std::optional<DotNetNumber> dotNetNumber(std::string_view s)
{
    DotNetNumber number;
    std::string& plain = number.plain;
    std::size_t i = 0;
    while (i < s.size() && isNumberWhiteSpace(s[i])) {
        ++i;
    }
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i++] == '-';
    }
    bool digits = false;
    bool nonZero = false;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            digits = true;
            nonZero = nonZero || s[i] != '0';
            plain += s[i];
        } else if (s[i] == '.' && !point) {
            point = true;
            plain += '.';
        } else if (s[i] == ',' && digits && !point) {
            number.grouped = true;
        } else {
            break;
        }
    }
    if (!digits) {
        return std::nullopt;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t e = i + 1;
        std::string exponent = "e";
        if (e < s.size() && (s[e] == '+' || s[e] == '-')) {
            exponent += s[e++];
        }
        if (e < s.size() && isDigit(s[e])) {
            while (e < s.size() && isDigit(s[e])) {
                exponent += s[e++];
            }
            plain += exponent;
            i = e;
        }
    }
    while (i < s.size() && isNumberWhiteSpace(s[i])) {
        ++i;
    }
    if (i != s.size()) {
        return std::nullopt;
    }
    if (negative && nonZero) {
        plain.insert(plain.begin(), '-');
    }
    return number;
}

// Single precision through a double, as the simulator's runtime parses: nothing when either
// overflows. 16777217.000000001 is the double 16777217, then the single 16777216.
std::optional<float> throughDouble(const std::string& plain)
{
    double value = 0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Past a double's range: too large, or too small, which reads as 0; the exponent tells.
        const std::size_t e = plain.find('e');
        const bool tiny = e != std::string::npos && plain[e + 1] == '-';
        if (!tiny) {
            return std::nullopt;
        }
        value = 0;
    }
    const auto single = static_cast<float>(value);
    if (std::isinf(single)) {
        return std::nullopt;
    }
    return single;
}

// A distance as the simulator splits it: a number of digits, points, commas, a leading sign
// and an exponent's "e" with its sign or first digit, then the unit, blanks before it skipped
// and a "#" comment cut off.
struct SplitDistance
{
    std::string_view number;
    std::optional<std::string> unit; // lower case, trimmed; nothing when the item is all number
    bool stopsLoading = false;       // a lower-case "e" ends the digits: the reader fails there
};

SplitDistance splitDistance(std::string_view s)
{
    SplitDistance split;
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t i = 0;
    for (; i < s.size(); end = ++i) {
        char c = s[i];
        if (i == 0 && c == '+') {
            ++begin;
            continue;
        }
        if ((i == 0 && c == '-') || c == '.' || c == ',') {
            continue;
        }
        if (c == 'e' || (c == 'E' && i + 1 < s.size())) {
            if (i + 1 == s.size()) {
                split.stopsLoading = true;
                split.number = s.substr(begin, i - begin);
                return split;
            }
            c = s[i + 1];
            if (c == '+' || c == '-') {
                ++i;
                continue;
            }
        }
        if (!isDigit(c)) {
            break;
        }
    }
    if (i == s.size()) {
        split.number = s;
        return split;
    }
    while (i < s.size() && s[i] == ' ') {
        ++i;
    }
    std::string_view unit = s.substr(i);
    unit = unit.substr(0, unit.find('#'));
    std::string lower(trimDotNetWhiteSpace(unit));
    std::ranges::transform(lower, lower.begin(), asciiLower<char>);
    split.unit = std::move(lower);
    split.number = s.substr(begin, end - begin);
    return split;
}

std::optional<double> distanceScale(std::string_view unit)
{
    const std::pair<std::string_view, double> units[] = {
        {"", 1},      {"m", 1},       {"cm", 0.01},   {"mm", 0.001},
        {"km", 1000}, {"ft", 0.3048}, {"in", 0.0254}, {"in/2", 0.0127},
    };
    for (const auto& [name, scale] : units) {
        if (unit == name) {
            return scale;
        }
    }
    return std::nullopt;
}

// The single-precision number of a text without its unit; the warning when it does not read.
std::optional<float> readSingle(std::string_view text, ReadNumber& read)
{
    while (text.ends_with(',')) {
        text.remove_suffix(1);
    }
    const std::optional<DotNetNumber> number = dotNetNumber(text);
    if (!number) {
        read.warning = NumberWarning::NotANumber;
        return std::nullopt;
    }
    read.grouped = number->grouped;
    const std::optional<float> single = throughDouble(number->plain);
    if (!single) {
        read.warning = NumberWarning::TooLarge;
    }
    return single;
}

// A letter, or the first byte of a character beyond ASCII such as "°".
bool beginsUnit(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           static_cast<unsigned char>(c) >= 0x80;
}

} // namespace

ReadNumber readNumber(std::string_view item, NumberUnits units)
{
    ReadNumber read;
    read.written = std::string(item);
    if (units == NumberUnits::None) {
        if (const std::optional<float> single = readSingle(item, read)) {
            read.value = *single;
        } else if (const SplitDistance split = splitDistance(item);
                   read.warning == NumberWarning::NotANumber && split.unit &&
                   !split.unit->empty() && beginsUnit(split.unit->front()) &&
                   dotNetNumber(split.number)) {
            read.warning = NumberWarning::UnitNotAllowed;
        }
        return read;
    }

    const SplitDistance split = splitDistance(item);
    if (split.stopsLoading) {
        ReadNumber before;
        const std::optional<float> single = readSingle(split.number, before);
        read.value = single ? *single : 0;
        read.warning = NumberWarning::StopsLoading;
        return read;
    }
    double scale = 1;
    if (split.unit) {
        read.converted = true;
        if (const std::optional<double> known = distanceScale(*split.unit)) {
            scale = *known;
        } else {
            read.warning = NumberWarning::UnknownUnit;
        }
    }
    if (split.number.empty()) {
        // Nothing but a unit reads as 0; an unknown one warns, as a number would that is none.
        if (read.warning) {
            read.warning = NumberWarning::NotANumber;
        }
        return read;
    }
    const std::optional<NumberWarning> unitWarning = read.warning;
    read.warning.reset();
    const std::optional<float> single = readSingle(split.number, read);
    if (!single) {
        read.grouped = false;
        return read;
    }
    read.warning = unitWarning;
    // The single-precision number is scaled, and the product made single again.
    read.value = scale == 1 ? *single : static_cast<float>(scale * static_cast<double>(*single));
    if (std::isinf(read.value)) {
        read.warning = NumberWarning::TooLarge;
    }
    return read;
}

} // namespace orbanil
