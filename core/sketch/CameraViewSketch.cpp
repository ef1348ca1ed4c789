#include "core/sketch/CameraViewSketch.h"

#include "core/block/NumberText.h"
#include "core/block/ViewNumbers.h"
#include "core/sketch/HeadDescription.h"
#include "core/sketch/PlotGeometry.h"
#include "core/sketch/SketchLabels.h"
#include "core/sketch/ViewDirection.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orbanil {

bool PixelRect::contains(PixelPoint p) const
{
    return p.x >= left && p.x <= right() && p.y >= top && p.y <= bottom();
}

bool PixelRect::contains(const PixelRect& r) const
{
    return r.left >= left && r.right() <= right() && r.top >= top && r.bottom() <= bottom();
}

bool PixelRect::intersects(const PixelRect& r) const
{
    return r.left < right() && left < r.right() && r.top < bottom() && top < r.bottom();
}

PixelPoint PlotMapping::at(double along, double up) const
{
    return PixelPoint{zeroX + along * scale, zeroY + up * yPerMetre};
}

std::pair<double, double> PlotMapping::metresAt(PixelPoint p) const
{
    return {(p.x - zeroX) / scale, (p.y - zeroY) / yPerMetre};
}

namespace {

using namespace sketch;

const std::string titleAbove = "Desde arriba";
const std::string titleSide = "De lado";
const std::string frontWord = "Delante";
const std::string railWord = "carril (Y = 0)";

std::string gridWord(double step)
{
    return "cuadrícula: " + writeNumber(step) + " m";
}

// Pixel sizes that follow the font, so that a larger font gets a larger drawing.
struct Sizes
{
    double row;     // one line of labels
    double gap;     // between two labels on a line
    double pointer; // length of the arrow and radius of the wedge
    double dot;     // radius of the head
    double margin;  // inside a plot, so that a head on the box's edge is drawn whole
};

Sizes sizesFor(double lineHeight)
{
    const double dot = std::max(3.0, std::round(lineHeight / 4));
    return Sizes{std::ceil(lineHeight), std::max(4.0, std::round(lineHeight / 2)),
                 std::round(1.4 * lineHeight), dot, dot + 1};
}

// Lays out the two views for the numbers the texts hold.
class Sketcher
{
public:
    Sketcher(const CameraViewNumbers& numbers, const TextMetrics& metrics)
        : m_numbers(numbers), m_metrics(metrics), m_sizes(sizesFor(metrics.lineHeight)),
          m_x(axisOf(m_numbers.width, false, m_numbers.x)),
          m_y(axisOf(m_numbers.height, true, m_numbers.y)),
          m_z(axisOf(m_numbers.length, false, m_numbers.z)),
          m_outside((m_x && m_x->headOutside()) || (m_y && m_y->headOutside()) ||
                    (m_z && m_z->headOutside()))
    {
        for (const OtherHead& other : m_numbers.others) {
            for (auto [axis, at] : {std::pair{&m_x, other.x}, {&m_y, other.y}, {&m_z, other.z}}) {
                if (*axis) {
                    (*axis)->takeIn(at);
                }
            }
        }
    }

    CameraViewSketch sketch(double width, double height) const
    {
        CameraViewSketch sketch;
        ViewSketch& above = sketch.above;
        ViewSketch& side = sketch.side;
        const double row = m_sizes.row;
        const double plots = std::max(0.0, height - 3 * row);
        const std::optional<double> scale = commonScale(width, plots);
        // The view from above takes the height its box needs; the side view the rest, room over
        // the roof for a head above it.
        const double aboveHeight = !scale ? plots / 2 : m_x ? planHeight(*m_x, *scale) : 0;
        above.area = PixelRect{0, 0, width, std::min(height, row + aboveHeight)};
        above.plot = PixelRect{0, std::min(height, row), width, aboveHeight};
        side.area = PixelRect{0, above.area.bottom(), width, height - above.area.bottom()};
        side.plot = PixelRect{0, std::min(height, side.area.top + row), width,
                              std::max(0.0, side.area.height - 2 * row)};

        const double step = gridStep(scale.value_or(std::numeric_limits<double>::infinity()));
        sketchView(above, Plane::Above, scale, step);
        sketchView(side, Plane::Side, scale, step);
        LabelRow bottom(side.labels, m_metrics, side.area, height - row, row, m_sizes.gap);
        if (side.mapping) {
            bottom.place(railWord, side.area.left, LabelRow::Align::Left);
        }
        if (scale) {
            bottom.place(gridWord(step), side.area.right(), LabelRow::Align::Right);
        }
        sketch.description = describeHeads(m_numbers, {m_x, m_y, m_z});
        return sketch;
    }

private:
    double planHeight(const Axis& across, double scale) const
    {
        return across.shown.length() * scale + 2 * m_sizes.margin;
    }

    // The largest scale at which the car's length fits the width and the views that can be drawn
    // fit the height of the plots together; none when Z is unknown or nothing fits.
    std::optional<double> commonScale(double width, double plots) const
    {
        if (!m_z || (!m_x && !m_y)) {
            return std::nullopt;
        }
        double metres = 0;
        double margins = 0;
        for (const std::optional<Axis>* axis : {&m_x, &m_y}) {
            if (*axis) {
                metres += (*axis)->shown.length();
                margins += 2 * m_sizes.margin;
            }
        }
        const double scale = std::min((width - 2 * m_sizes.margin) / m_z->shown.length(),
                                      (plots - margins) / metres);
        if (!(scale > 0) || !std::isfinite(scale)) {
            return std::nullopt;
        }
        return scale;
    }

    // One view of the car: its box and grid, its title and the front over the box's end, the
    // rail from the side, the heads and their numbers.
    void sketchView(ViewSketch& view, Plane plane, std::optional<double> scale, double step) const
    {
        const bool above = plane == Plane::Above;
        const std::optional<Axis>& upward = above ? m_x : m_y;
        if (scale && upward) {
            view.mapping = placeInto(view.plot, m_z->shown, upward->shown, *scale, m_sizes.margin,
                                     above ? Standing::FromTop : Standing::OnBottom);
            view.box = rectOf(*view.mapping, m_z->box, upward->box);
            view.grid = gridLines(*view.mapping, m_z->box, upward->box, step);
        }
        LabelRow top(view.labels, m_metrics, view.area, view.area.top, m_sizes.row, m_sizes.gap);
        top.place(above ? titleAbove : titleSide, view.area.left, LabelRow::Align::Left);
        if (!view.mapping) {
            return;
        }
        const PlotMapping& map = *view.mapping;
        top.place(frontWord, view.box->right(), LabelRow::Align::Right);
        if (!above) {
            const double railY = map.at(0, 0).y;
            view.rail = PixelLine{{view.plot.left, railY}, {view.plot.right(), railY}};
        }
        drawOthers(view, map, *m_z, *upward, &OtherHead::z, above ? &OtherHead::x : &OtherHead::y,
                   plane);
        drawHead(view, map, *m_z, *upward, plane, above ? m_numbers.yawLimit : m_numbers.tiltLimit);
        placeNumbers(view, m_metrics, m_sizes.row);
    }

    // The head, its start direction and its turning range, as far as the texts give them.
    void drawHead(ViewSketch& view, const PlotMapping& map, const Axis& across, const Axis& upward,
                  Plane plane, std::optional<double> limit) const
    {
        if (!across.head || !upward.head) {
            return;
        }
        const PixelPoint centre = map.at(across.drawnAt, upward.drawnAt);
        view.head = HeadMark{centre, m_sizes.dot, m_outside, across.offScale || upward.offScale};
        const std::optional<ShownDirection> direction =
            shownDirection(plane, m_numbers.yaw, m_numbers.tilt);
        if (!direction) {
            return;
        }
        if (direction->endOn) {
            view.endOn =
                EndOnArrow{centre, std::round(m_sizes.pointer / 2), direction->outOfScreen};
            return;
        }
        view.arrow = arrowFrom(centre, direction->degrees, m_sizes.pointer);
        if (limit) {
            view.wedge =
                turnWedge(plane, centre, *m_numbers.yaw, *m_numbers.tilt, *limit, m_sizes.pointer);
        }
    }

    // The other viewpoints' heads, each where its coordinates put it (at the edge of the view
    // when far out), with a tick towards its start direction; their numbers come later.
    void drawOthers(ViewSketch& view, const PlotMapping& map, const Axis& across,
                    const Axis& upward, std::optional<double> OtherHead::*acrossAt,
                    std::optional<double> OtherHead::*upwardAt, Plane plane) const
    {
        for (const OtherHead& other : m_numbers.others) {
            const std::optional<double> a = other.*acrossAt;
            const std::optional<double> u = other.*upwardAt;
            if (!a || !u) {
                continue;
            }
            OtherMark mark;
            mark.centre = map.at(across.placed(*a), upward.placed(*u));
            mark.radius = std::max(2.0, std::round(m_sizes.dot * 0.7));
            mark.outside = isOutside(other);
            const std::optional<ShownDirection> direction =
                shownDirection(plane, other.yaw, other.tilt);
            if (direction && !direction->endOn) {
                mark.tick = PixelLine{
                    mark.centre, towards(mark.centre, direction->degrees, 0.6 * m_sizes.pointer)};
            }
            mark.number = SketchLabel{std::to_string(other.viewpoint + 1), {}};
            view.others.push_back(std::move(mark));
        }
    }

    bool isOutside(const OtherHead& other) const
    {
        const auto out = [](const std::optional<Axis>& axis, std::optional<double> at) {
            return axis && at && axis->isOutside(*at);
        };
        return out(m_x, other.x) || out(m_y, other.y) || out(m_z, other.z);
    }

    CameraViewNumbers m_numbers;
    const TextMetrics& m_metrics;
    Sizes m_sizes;
    std::optional<Axis> m_x;
    std::optional<Axis> m_y;
    std::optional<Axis> m_z;
    bool m_outside;
};

} // namespace

CameraViewNumbers readCameraViewNumbers(const ViewParams& view, const CabinBox& box)
{
    CameraViewNumbers numbers{readBoxDimension(box.length),
                              readBoxDimension(box.height),
                              readBoxDimension(box.width),
                              readPointDecimal(view.headX),
                              readPointDecimal(view.headY),
                              readPointDecimal(view.headZ),
                              readWholeDegrees(view.startDirectionY),
                              readWholeDegrees(view.startDirectionX),
                              readWholeDegrees(view.rotationLimitY),
                              readWholeDegrees(view.rotationLimitX),
                              {},
                              0,
                              {}};
    // A coordinate the simulator cannot hold is not drawn, and said to be too large.
    const std::array<const std::string*, 3> typed{&view.headX, &view.headY, &view.headZ};
    const std::array<std::optional<double>*, 3> read{&numbers.x, &numbers.y, &numbers.z};
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (isTooLargeForSimulator(*typed[i])) {
            numbers.headTooLarge[i] = true;
            read[i]->reset();
        }
    }
    return numbers;
}

CameraViewNumbers readCameraViewNumbers(const std::vector<ViewParams>& viewpoints,
                                        std::size_t shown, const CabinBox& box)
{
    CameraViewNumbers numbers = readCameraViewNumbers(viewpoints.at(shown), box);
    numbers.shown = shown;
    for (std::size_t i = 0; i < viewpoints.size(); ++i) {
        if (i != shown) {
            const CameraViewNumbers other = readCameraViewNumbers(viewpoints[i], box);
            numbers.others.push_back(
                OtherHead{i, other.x, other.y, other.z, other.yaw, other.tilt, other.headTooLarge});
        }
    }
    return numbers;
}

CameraViewSketch sketchCameraView(const CameraViewNumbers& numbers, double width, double height,
                                  const TextMetrics& metrics)
{
    return Sketcher(numbers, metrics).sketch(width, height);
}

} // namespace orbanil
