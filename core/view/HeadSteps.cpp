#include "core/view/HeadSteps.h"

#include "core/openrails/OpenRailsConstants.h"

#include <algorithm>
#include <cmath>

namespace orbanil {

namespace {

double paceFactor(StepPace pace)
{
    switch (pace) {
    case StepPace::Fast:
        return fastSlowFactor;
    case StepPace::Slow:
        return 1 / fastSlowFactor;
    case StepPace::Normal:
        break;
    }
    return 1;
}

float heldWithin(float moved, float was, float low, float high)
{
    return std::clamp(moved, std::min(low, was), std::max(high, was));
}

} // namespace

Vec3d headStep(HeadDirection direction, StepPace pace)
{
    const Vec3d reach = headSpeed * (headStepSeconds * paceFactor(pace));
    switch (direction) {
    case HeadDirection::Forward:
        return {0, 0, reach.z};
    case HeadDirection::Back:
        return {0, 0, -reach.z};
    case HeadDirection::Left:
        return {-reach.x, 0, 0};
    case HeadDirection::Right:
        return {reach.x, 0, 0};
    case HeadDirection::Up:
        return {0, reach.y, 0};
    case HeadDirection::Down:
        return {0, -reach.y, 0};
    }
    return {};
}

Vec3d headDragStep(double heading, double rightPixels, double upPixels)
{
    const Vec3d forward{std::sin(heading), 0, std::cos(heading)};
    const Vec3d right{std::cos(heading), 0, -std::sin(heading)};
    return (forward * upPixels + right * rightPixels) * headDragMetresPerPixel;
}

Vec3 movedHead(Vec3 head, Vec3d step, const CabinBounds& bounds)
{
    const Vec3d to = vectorCast<double>(head) + step;
    return {heldWithin(static_cast<float>(to.x), head.x, bounds.low.x, bounds.high.x),
            heldWithin(static_cast<float>(to.y), head.y, bounds.low.y, bounds.high.y),
            heldWithin(static_cast<float>(to.z), head.z, bounds.low.z, bounds.high.z)};
}

} // namespace orbanil
