#include "core/sketch/HeadDrag.h"

#include <algorithm>
#include <cmath>

namespace orbanil {

namespace {

// Beyond the head's dot, a few pixels more to aim at.
constexpr double grabReach = 4;

double centimetres(double metres)
{
    // + 0.0 writes minus zero as zero.
    return std::round(metres * 100) / 100 + 0.0;
}

PixelPoint centreAt(const HeadGrab& grab, PixelPoint pointer)
{
    const auto follow = [&grab](double from, double to, double offset) {
        return from + offset + (to - from) * grab.pace;
    };
    return {std::clamp(follow(grab.anchor.x, pointer.x, grab.offset.x), grab.plot.left,
                       grab.plot.right()),
            std::clamp(follow(grab.anchor.y, pointer.y, grab.offset.y), grab.plot.top,
                       grab.plot.bottom())};
}

} // namespace

std::optional<HeadGrab> grabHead(const CameraViewSketch& sketch, PixelPoint pointer)
{
    for (const ViewSketch* view : {&sketch.above, &sketch.side}) {
        if (!view->head || !view->mapping) {
            continue;
        }
        const PixelPoint centre = view->head->centre;
        if (std::hypot(pointer.x - centre.x, pointer.y - centre.y) <=
            view->head->radius + grabReach) {
            return HeadGrab{view == &sketch.above, *view->mapping, view->plot, pointer,
                            PixelPoint{centre.x - pointer.x, centre.y - pointer.y}};
        }
    }
    return std::nullopt;
}

HeadMove dragHead(const HeadGrab& grab, PixelPoint pointer)
{
    const auto [along, up] = grab.mapping.metresAt(centreAt(grab, pointer));
    HeadMove move;
    move.z = centimetres(along);
    (grab.above ? move.x : move.y) = centimetres(up);
    return move;
}

HeadGrab atPace(const HeadGrab& grab, PixelPoint pointer, double pace)
{
    const PixelPoint centre = centreAt(grab, pointer);
    HeadGrab paced = grab;
    paced.anchor = pointer;
    paced.offset = {centre.x - pointer.x, centre.y - pointer.y};
    paced.pace = pace;
    return paced;
}

} // namespace orbanil
