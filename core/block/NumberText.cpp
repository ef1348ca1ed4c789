#include "core/block/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace orbanil {

namespace {

// The text with its decimal comma made a point, for from_chars; nothing when it is not of the
// grammar of a dimension.
std::optional<std::string> pointForm(std::string_view text)
{
    std::string_view body = text;
    if (!body.empty() && body.front() == '-') {
        body.remove_prefix(1);
    }
    int digits = 0;
    int commas = 0;
    for (char c : body) {
        if (c >= '0' && c <= '9') {
            ++digits;
        } else if (c == ',') {
            ++commas;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || commas > 1) {
        return std::nullopt;
    }
    // from_chars ignores the process locale and wants the full stop.
    std::string copy(text);
    for (char& c : copy) {
        if (c == ',') {
            c = '.';
        }
    }
    return copy;
}

} // namespace

bool isDimensionText(std::string_view text)
{
    return pointForm(text).has_value();
}

std::optional<double> readDimension(std::string_view text)
{
    const std::optional<std::string> point = pointForm(text);
    if (!point) {
        return std::nullopt;
    }
    double value = 0;
    const char* end = point->data() + point->size();
    const auto [ptr, ec] = std::from_chars(point->data(), end, value, std::chars_format::fixed);
    if (ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

namespace {

// Lays out the digits of a number written in scientific form (d.ddde±x) without an exponent:
// plain digits at every magnitude, so that whatever is written reads back.
std::string plainFromScientific(std::string_view sci, bool negative, char point)
{
    const std::size_t e = sci.find('e');
    std::string digits =
        std::string(1, sci[0]) +
        std::string(sci.substr(std::min<std::size_t>(2, e), e - std::min<std::size_t>(2, e)));
    digits.erase(digits.find_last_not_of('0') + 1);
    const char* exponentText = sci.data() + e + (sci[e + 1] == '+' ? 2 : 1);
    int exponent = 0;
    std::from_chars(exponentText, sci.data() + sci.size(), exponent);

    std::string out = negative ? "-" : "";
    if (exponent < 0) {
        out += "0" + std::string(1, point) +
               std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
        return out;
    }
    const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= wholeDigits) {
        return out + digits + std::string(wholeDigits - digits.size(), '0');
    }
    return out + digits.substr(0, wholeDigits) + point + digits.substr(wholeDigits);
}

} // namespace

std::string writeNumber(double value)
{
    if (value == 0) {
        return "0"; // minus zero too
    }
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "NaN" : (value < 0 ? "-∞" : "∞");
    }
    // Fifteen significant digits, rounded once: d.dddddddddddddde±x
    char sci[32];
    const auto result =
        std::to_chars(sci, sci + sizeof sci, std::fabs(value), std::chars_format::scientific, 14);
    return plainFromScientific(std::string_view(sci, static_cast<std::size_t>(result.ptr - sci)),
                               value < 0, ',');
}

std::string writeSingle(float value)
{
    if (value == 0 || !std::isfinite(value)) {
        return "0"; // minus zero too; the simulator has no other
    }
    // The fewest digits that read back as the same value.
    char sci[32];
    const auto result =
        std::to_chars(sci, sci + sizeof sci, std::fabs(value), std::chars_format::scientific);
    return plainFromScientific(std::string_view(sci, static_cast<std::size_t>(result.ptr - sci)),
                               value < 0, '.');
}

} // namespace orbanil
