#include "core/view/TypedCamera.h"

#include "core/block/ViewNumbers.h"
#include "core/text/Wording.h"

#include <vector>

namespace orbanil {

TypedCamera typedCamera(const ViewParams& viewpoint)
{
    TypedCamera typed;
    std::vector<std::string> missing;
    std::vector<std::string> tooLarge;
    const auto read = [&](std::string ViewParams::*member, auto reader, bool& unwritten) {
        const std::string& text = viewpoint.*member;
        unwritten = text.empty();
        if (unwritten) {
            return 0.0;
        }
        const std::optional<double> value = reader(text);
        const std::string name = std::string("«") + viewFieldOf(member).spokenName + "»";
        if (!value) {
            missing.push_back(name);
        } else if (isTooLargeForSimulator(text)) {
            tooLarge.push_back(name);
        }
        return value.value_or(0);
    };
    const double x = read(&ViewParams::headX, readPointDecimal, typed.unwrittenHead[0]);
    const double y = read(&ViewParams::headY, readPointDecimal, typed.unwrittenHead[1]);
    const double z = read(&ViewParams::headZ, readPointDecimal, typed.unwrittenHead[2]);
    const double pitch =
        read(&ViewParams::startDirectionX, readWholeDegrees, typed.unwrittenDirection[0]);
    const double heading =
        read(&ViewParams::startDirectionY, readWholeDegrees, typed.unwrittenDirection[1]);
    if (!missing.empty()) {
        typed.problem = "Escriba un número en " + joinedWithY(missing) + " para ver la vista.";
    } else if (!tooLarge.empty()) {
        // The simulator keeps its numbers in single precision: beyond it no head can be placed.
        typed.problem = joinedWithY(tooLarge) +
                        (tooLarge.size() == 1 ? " es demasiado grande" : " son demasiado grandes") +
                        " para el simulador.";
    } else {
        const Vec3 head{static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
        typed.camera = cameraAtStart(head, pitch, heading);
    }
    return typed;
}

std::string headPositionText(Vec3 head)
{
    return "PassengerCabinHeadPos ( " + writeHeadCoordinate(head.x) + " " +
           writeHeadCoordinate(head.y) + " " + writeHeadCoordinate(head.z) + " )";
}

std::string startDirectionText(StartDirectionDegrees direction, std::string_view typedZ)
{
    return "StartDirection ( " + std::to_string(direction.x) + " " + std::to_string(direction.y) +
           " " + (typedZ.empty() ? std::string("0") : std::string(typedZ)) + " )";
}

} // namespace orbanil
