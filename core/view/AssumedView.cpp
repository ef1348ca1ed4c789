#include "core/view/AssumedView.h"

#include "core/text/Wording.h"
#include "core/view/CabinDistances.h"

#include <vector>

namespace orbanil {

namespace {

std::string directionLine(const std::array<bool, 2>& unwritten)
{
    if (unwritten[0] && unwritten[1]) {
        return "Dirección de inicio sin escribir: se muestra 0 0 0.";
    }
    if (unwritten[0] || unwritten[1]) {
        return std::string("Dirección de inicio ") + (unwritten[0] ? "X" : "Y") +
               " sin escribir: se muestra 0.";
    }
    return {};
}

std::string headLine(const std::array<bool, 3>& unwritten)
{
    const char* const names[] = {"X", "Y", "Z"};
    std::vector<std::string> axes;
    std::vector<std::string> across; // X and Z, which the centre of the cabin gives
    for (std::size_t axis = 0; axis < unwritten.size(); ++axis) {
        if (unwritten[axis]) {
            axes.push_back(names[axis]);
            if (axis != 1) {
                across.push_back(names[axis]);
            }
        }
    }
    if (axes.empty()) {
        return {};
    }
    const bool all = axes.size() == unwritten.size();
    std::vector<std::string> shown;
    if (!across.empty()) {
        shown.push_back("el centro de la cabina" + (all ? "" : " en " + joinedWithY(across)));
    }
    if (unwritten[1]) {
        shown.push_back("a " + distanceText(assumedEyeHeight) + " del suelo");
    }
    std::string joined;
    for (const std::string& part : shown) {
        joined += (joined.empty() ? "" : ", ") + part;
    }
    return "Posición de la cabeza" + (all ? "" : " " + joinedWithY(axes)) +
           " sin escribir: se muestra " + joined + ".";
}

} // namespace

Vec3 shownHead(const CabinShape& shape, const TypedCamera& typed)
{
    Vec3 head = typed.camera->eye;
    const Vec3 centre = (shape.boundsMin + shape.boundsMax) / 2.0f;
    if (typed.unwrittenHead[0]) {
        head.x = centre.x;
    }
    if (typed.unwrittenHead[2]) {
        head.z = centre.z;
    }
    if (typed.unwrittenHead[1]) {
        const Vec3d from{head.x, centre.y, head.z};
        const std::optional<double> below = surfaceDistance(shape, from, {0, -1, 0});
        const double floor = below ? centre.y - *below : shape.boundsMin.y;
        head.y = static_cast<float>(floor + assumedEyeHeight);
    }
    return head;
}

std::string assumedLine(const TypedCamera& typed)
{
    const std::string direction = directionLine(typed.unwrittenDirection);
    const std::string head = headLine(typed.unwrittenHead);
    return direction + (direction.empty() || head.empty() ? "" : " ") + head;
}

} // namespace orbanil
