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
    double gap;     // between the two views, and between two labels on a line
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
        const double plotHeight = std::max(0.0, height - 2 * m_sizes.row);
        const double aboveWidth = aboveShare(width, plotHeight);
        above.area = PixelRect{0, 0, aboveWidth, height};
        above.plot = PixelRect{0, std::min(height, 2 * m_sizes.row), aboveWidth, plotHeight};
        const double sideLeft = std::min(width, aboveWidth + m_sizes.gap);
        side.area = PixelRect{sideLeft, 0, width - sideLeft, height};
        side.plot =
            PixelRect{sideLeft, std::min(height, m_sizes.row), width - sideLeft, plotHeight};

        // The front, where its label is, at the top; the rail at the bottom, over its label.
        std::optional<Mapping> aboveMap;
        if (m_x && m_z) {
            aboveMap =
                fitInto(above.plot, m_x->shown, m_z->shown, m_sizes.margin, Standing::FromTop);
        }
        std::optional<Mapping> sideMap;
        if (m_z && m_y) {
            sideMap =
                fitInto(side.plot, m_z->shown, m_y->shown, m_sizes.margin, Standing::OnBottom);
        }
        // One grid step for both views, so that one label serves.
        constexpr double none = std::numeric_limits<double>::infinity();
        const double step =
            gridStep(std::min(aboveMap ? aboveMap->scale : none, sideMap ? sideMap->scale : none));

        sketchAbove(above, aboveMap, step);
        // Where the drawing is too narrow for that room, the side view's caption keeps it.
        const auto caption = std::ranges::find(above.labels, titleAbove, &SketchLabel::text);
        const double captionsFrom =
            caption == above.labels.end() ? side.area.left : caption->rect.right() + m_sizes.row;
        sketchSide(side, sideMap, step, captionsFrom);
        LabelRow bottom(side.labels, m_metrics, side.area, height - m_sizes.row, m_sizes.row,
                        m_sizes.gap);
        if (sideMap) {
            bottom.place(railWord, side.area.left, LabelRow::Align::Left);
        }
        if (aboveMap || sideMap) {
            bottom.place(gridWord(step), side.area.right(), LabelRow::Align::Right);
        }
        sketch.description = describeHeads(m_numbers, {m_x, m_y, m_z});
        return sketch;
    }

private:
    // Each view wants the width its box takes at the full height; the rest, or the lack, is
    // shared in proportion, keeping the labels' widths where the drawing allows.
    double aboveShare(double width, double plotHeight) const
    {
        // A line's height from the side view's caption, so that the two never read as one.
        const double leastAbove =
            std::max({m_metrics.width(titleAbove) + m_sizes.row - m_sizes.gap,
                      m_metrics.width(frontWord), 2 * (m_sizes.pointer + m_sizes.margin)});
        const double leastSide =
            std::max(m_metrics.width(titleSide) + m_sizes.gap + m_metrics.width(frontWord),
                     m_metrics.width(railWord) + m_sizes.gap + m_metrics.width(gridWord(1)));
        const double wantAbove = wantedWidth(m_x, m_z, plotHeight, m_sizes.margin, leastAbove);
        const double wantSide = wantedWidth(m_z, m_y, plotHeight, m_sizes.margin, leastSide);
        const double available = std::max(0.0, width - m_sizes.gap);
        double share = 0;
        if (wantAbove + wantSide <= available) {
            share = wantAbove + (available - wantAbove - wantSide) / 2;
        } else if (leastAbove + leastSide <= available) {
            share = std::clamp(available * wantAbove / (wantAbove + wantSide), leastAbove,
                               available - leastSide);
        } else {
            share = available * leastAbove / (leastAbove + leastSide);
        }
        return std::floor(share);
    }

    void sketchAbove(ViewSketch& view, const std::optional<Mapping>& map, double step) const
    {
        LabelRow(view.labels, m_metrics, view.area, 0, m_sizes.row, m_sizes.gap)
            .place(titleAbove, view.area.left, LabelRow::Align::Left);
        if (!map) {
            return;
        }
        view.pixelsPerMetre = map->scale;
        view.box = map->rect(m_x->box, m_z->box);
        view.grid = gridLines(*map, m_x->box, m_z->box, step);
        LabelRow(view.labels, m_metrics, view.area, m_sizes.row, m_sizes.row, m_sizes.gap)
            .place(frontWord, map->at(0, 0).x, LabelRow::Align::Centre);
        drawOthers(view, *map, *m_x, *m_z, &OtherHead::x, &OtherHead::z, Plane::Above);
        drawHead(view, *map, *m_x, *m_z, Plane::Above, m_numbers.yawLimit);
        placeNumbers(view, m_metrics, m_sizes.row);
    }

    void sketchSide(ViewSketch& view, const std::optional<Mapping>& map, double step,
                    double captionsFrom) const
    {
        const double from = std::clamp(captionsFrom, view.area.left, view.area.right());
        LabelRow top(view.labels, m_metrics,
                     PixelRect{from, view.area.top, view.area.right() - from, view.area.height}, 0,
                     m_sizes.row, m_sizes.gap);
        top.place(titleSide, view.area.left, LabelRow::Align::Left);
        if (!map) {
            return;
        }
        view.pixelsPerMetre = map->scale;
        view.box = map->rect(m_z->box, m_y->box);
        view.grid = gridLines(*map, m_z->box, m_y->box, step);
        const double railY = map->at(0, 0).y;
        view.rail = PixelLine{{view.plot.left, railY}, {view.plot.right(), railY}};
        top.place(frontWord, view.box->right(), LabelRow::Align::Right);
        drawOthers(view, *map, *m_z, *m_y, &OtherHead::z, &OtherHead::y, Plane::Side);
        drawHead(view, *map, *m_z, *m_y, Plane::Side, m_numbers.tiltLimit);
        placeNumbers(view, m_metrics, m_sizes.row);
    }

    // The head, its start direction and its turning range, as far as the texts give them.
    void drawHead(ViewSketch& view, const Mapping& map, const Axis& across, const Axis& upward,
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
    void drawOthers(ViewSketch& view, const Mapping& map, const Axis& across, const Axis& upward,
                    std::optional<double> OtherHead::*acrossAt,
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
