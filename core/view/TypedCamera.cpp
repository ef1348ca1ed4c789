#include "core/view/TypedCamera.h"

#include "core/block/ViewNumbers.h"
#include "core/text/Wording.h"

#include <vector>

namespace orbanil {

TypedCamera typedCamera(const ViewParams& viewpoint)
{
    std::vector<std::string> missing;
    std::vector<std::string> tooLarge;
    const auto read = [&](std::string ViewParams::*member, auto reader) {
        const std::string& text = viewpoint.*member;
        const std::optional<double> value = reader(text);
        const std::string name = std::string("«") + viewFieldOf(member).spokenName + "»";
        if (!value) {
            missing.push_back(name);
        } else if (isTooLargeForSimulator(text)) {
            tooLarge.push_back(name);
        }
        return value.value_or(0);
    };
    const double x = read(&ViewParams::headX, readPointDecimal);
    const double y = read(&ViewParams::headY, readPointDecimal);
    const double z = read(&ViewParams::headZ, readPointDecimal);
    const double pitch = read(&ViewParams::startDirectionX, readWholeDegrees);
    const double heading = read(&ViewParams::startDirectionY, readWholeDegrees);
    if (!missing.empty()) {
        return {std::nullopt,
                "Escriba un número en " + joinedWithY(missing) + " para ver la vista."};
    }
    // The simulator keeps its numbers in single precision: beyond it no head can be placed.
    if (!tooLarge.empty()) {
        return {std::nullopt,
                joinedWithY(tooLarge) +
                    (tooLarge.size() == 1 ? " es demasiado grande" : " son demasiado grandes") +
                    " para el simulador."};
    }
    const Vec3 head{static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
    return {cameraAtStart(head, pitch, heading), {}};
}

std::string startDirectionText(StartDirectionDegrees direction, std::string_view typedZ)
{
    return "StartDirection ( " + std::to_string(direction.x) + " " + std::to_string(direction.y) +
           " " + (typedZ.empty() ? std::string("0") : std::string(typedZ)) + " )";
}

} // namespace orbanil
