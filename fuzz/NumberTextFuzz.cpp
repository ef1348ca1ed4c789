// Reading and writing numbers: only the admitted forms read, and what is written reads back
// to the same text.
#include "core/CabinBox.h"
#include "core/NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

void check(bool holds)
{
    if (!holds)
        std::abort();
}

// "-", digits and at most one comma, with at least one digit.
bool admittedForm(std::string_view text)
{
    if (text.starts_with('-'))
        text.remove_prefix(1);
    return text.find_first_not_of("0123456789,") == std::string_view::npos &&
           text.find_first_of("0123456789") != std::string_view::npos &&
           text.find(',') == text.rfind(',');
}

void checkWritten(double x)
{
    const std::string written = orbanil::writeNumber(x);
    check(written.find_first_not_of("-0123456789,") == std::string::npos);
    const std::optional<double> back = orbanil::readDimension(written);
    // Only the very largest doubles round up past the range at 15 digits.
    check(back.has_value() || std::fabs(x) > 1.7976931348623e308);
    if (back) {
        check(orbanil::writeNumber(*back) == written);
        check(std::fabs(*back - x) <= std::fabs(x) * 1e-14);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> value = orbanil::readDimension(text);
    check(!value || (admittedForm(text) && std::isfinite(*value)));
    if (value)
        checkWritten(*value);
    check(orbanil::rangeLine("Ancho: ", text).has_value() == value.has_value());
    check(orbanil::boxSummary(text, "1", text).has_value() == value.has_value());

    if (size >= sizeof(double)) {
        double x;
        std::memcpy(&x, data, sizeof x);
        if (std::isfinite(x))
            checkWritten(x);
    }
    return 0;
}
