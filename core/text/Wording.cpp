#include "core/text/Wording.h"

#include "core/block/ViewNumbers.h"

namespace orbanil {

std::string quoted(std::string_view text)
{
    return "«" + std::string(text) + "»";
}

std::string joinedWithY(const std::vector<std::string>& parts)
{
    std::string joined;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            joined += i + 1 == parts.size() ? " y " : ", ";
        }
        joined += parts[i];
    }
    return joined;
}

std::string distanceText(double metres)
{
    constexpr std::size_t longest = 15;
    std::string rounded = writeRounded(metres);
    if (rounded.size() > longest) {
        rounded = rounded.substr(0, longest) + "…";
    }
    return rounded == "0" ? "menos de 0,01 m" : rounded + " m";
}

} // namespace orbanil
