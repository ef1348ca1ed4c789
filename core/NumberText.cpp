#include "core/NumberText.h"

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

bool exceedsMagnitude(std::string_view text, double limit)
{
    if (const std::optional<double> value = readDimension(text)) {
        return std::fabs(*value) > limit;
    }
    // Out of a double's range: beyond its largest when a digit other than 0 comes before the
    // comma, else below its smallest.
    const std::optional<std::string> point = pointForm(text);
    return point &&
           point->substr(0, point->find('.')).find_first_of("123456789") != std::string::npos;
}

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
    const std::string_view text(sci, static_cast<std::size_t>(result.ptr - sci));
    const std::size_t e = text.find('e');
    std::string digits = std::string(1, text[0]) + std::string(text.substr(2, e - 2));
    digits.erase(digits.find_last_not_of('0') + 1);
    const char* exponentText = text.data() + e + (text[e + 1] == '+' ? 2 : 1);
    int exponent = 0;
    std::from_chars(exponentText, text.data() + text.size(), exponent);

    // Plain digits at every magnitude, so that whatever is written reads back as a dimension.
    std::string out = value < 0 ? "-" : "";
    if (exponent < 0) {
        out += "0," + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
        return out;
    }
    const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= wholeDigits) {
        return out + digits + std::string(wholeDigits - digits.size(), '0');
    }
    return out + digits.substr(0, wholeDigits) + "," + digits.substr(wholeDigits);
}

} // namespace orbanil
