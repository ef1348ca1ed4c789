// Reading and writing numbers: only text the box dimension filter lets through reads, every
// admitted form reads as the C library reads it, the box takes those above zero, and what is
// written reads back to 15 significant digits.
#include "core/block/CabinBox.h"
#include "core/block/KeyFilter.h"
#include "core/block/NumberText.h"
#include "fuzz/FuzzCheck.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

using orbanil::FilterKind;
using orbanil::KeyOutcome;

orbanil::KeyOutcome boxKey(char c)
{
    return orbanil::filterKey(FilterKind::BoxDimension,
                              static_cast<std::int16_t>(static_cast<unsigned char>(c)));
}

// What the field holds after the bytes are typed into it one key at a time at its end, a full
// stop made a comma as the field makes it.
std::string typedIntoBoxField(std::string_view keys)
{
    std::string field;
    for (const char typed : keys) {
        const auto key = static_cast<char>(orbanil::convertSeparator(
            FilterKind::BoxDimension,
            static_cast<std::int16_t>(static_cast<unsigned char>(typed))));
        if (boxKey(key) != KeyOutcome::Accept) {
            continue;
        }
        if (key == 8) {
            if (!field.empty()) {
                field.pop_back();
            }
        } else {
            field += key;
        }
    }
    return field;
}

// "-", digits and at most one comma, with at least one digit.
bool admittedForm(std::string_view text)
{
    if (text.starts_with('-')) {
        text.remove_prefix(1);
    }
    return text.find_first_not_of("0123456789,") == std::string_view::npos &&
           text.find_first_of("0123456789") != std::string_view::npos &&
           text.find(',') == text.rfind(',');
}

// Fifteen significant digits in C form, "d.dddddddddddddde+x".
std::string fifteenDigits(double x)
{
    char buffer[40];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14);
    return std::string(buffer, result.ptr);
}

void checkRead(std::string_view text)
{
    const std::optional<double> value = orbanil::readDimension(text);
    // The box takes the dimensions above zero and nothing else.
    const bool boxDimension = value && *value > 0;
    FUZZ_CHECK(orbanil::readBoxDimension(text).has_value() == boxDimension);
    FUZZ_CHECK(orbanil::rangeLine("Ancho: ", text).has_value() == boxDimension);
    FUZZ_CHECK(orbanil::boxSummary(text, "1", text).has_value() == boxDimension);
    if (value) {
        FUZZ_CHECK(std::isfinite(*value));
        for (const char c : text) {
            FUZZ_CHECK(boxKey(c) == KeyOutcome::Accept && c != 8);
        }
    }
    if (!admittedForm(text)) {
        FUZZ_CHECK(!value);
        return;
    }
    // The same digits with a full stop, through the C library in the "C" locale.
    std::string dotted(text);
    for (char& c : dotted) {
        if (c == ',') {
            c = '.';
        }
    }
    errno = 0;
    char* end = nullptr;
    const double expected = std::strtod(dotted.c_str(), &end);
    FUZZ_CHECK(end == dotted.c_str() + dotted.size());
    if (value) {
        FUZZ_CHECK(*value == expected && std::signbit(*value) == std::signbit(expected));
        return;
    }
    // Refused only beyond the range of a double, above or below.
    const bool nonZero = text.find_first_of("123456789") != std::string_view::npos;
    FUZZ_CHECK(errno == ERANGE &&
               (std::isinf(expected) || (nonZero && std::fabs(expected) < 2.3e-308)));
}

void checkWritten(double x)
{
    const std::string written = orbanil::writeNumber(x);
    // "-" only for negatives, no exponent, no grouping, no leading or trailing zeros to spare.
    FUZZ_CHECK(written.find_first_not_of("-0123456789,") == std::string::npos);
    FUZZ_CHECK(written.starts_with('-') == (x < 0));
    const std::string_view magnitude = std::string_view(written).substr(x < 0 ? 1 : 0);
    FUZZ_CHECK(admittedForm(magnitude) && !magnitude.starts_with('-') &&
               !magnitude.starts_with(','));
    FUZZ_CHECK(!magnitude.starts_with('0') || magnitude == "0" || magnitude.starts_with("0,"));
    FUZZ_CHECK(magnitude.find(',') == std::string_view::npos ||
               (!magnitude.ends_with('0') && !magnitude.ends_with(',')));
    FUZZ_CHECK((magnitude == "0") == (x == 0));
    const std::size_t first = magnitude.find_first_of("123456789");
    const std::size_t comma = magnitude.find(',');
    if (first != std::string_view::npos) {
        std::size_t significant = magnitude.find_last_of("123456789") - first + 1;
        if (comma != std::string_view::npos && comma > first) {
            --significant;
        }
        FUZZ_CHECK(significant <= 15);
    }

    const std::optional<double> back = orbanil::readDimension(written);
    // Only the very largest doubles round up past the range at 15 digits.
    if (!back) {
        FUZZ_CHECK(fifteenDigits(std::fabs(x)) == "1.79769313486232e+308");
        return;
    }
    // Minus zero is written "0" and reads back as plain zero.
    FUZZ_CHECK(fifteenDigits(*back) == fifteenDigits(x == 0 ? 0.0 : x));
    FUZZ_CHECK(orbanil::writeNumber(*back) == written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = orbanil::fuzz::bytesOf(data, size);
    checkRead(bytes);
    const std::string typed = typedIntoBoxField(bytes);
    checkRead(typed);
    if (const std::optional<double> value = orbanil::readDimension(typed)) {
        checkWritten(*value);
        checkWritten(*value / 2);
        checkWritten(-*value / 2);
    }

    // The bytes as doubles too, to reach every magnitude and the subnormals.
    for (std::size_t at = 0; at + sizeof(double) <= size; at += sizeof(double)) {
        double x;
        std::memcpy(&x, data + at, sizeof x);
        if (std::isfinite(x)) {
            checkWritten(x);
        }
    }
    return 0;
}
