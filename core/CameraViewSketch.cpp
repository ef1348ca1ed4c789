#include "core/CameraViewSketch.h"

#include "core/NumberText.h"
#include "core/ViewNumbers.h"
#include "core/Viewpoints.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

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

const std::string titleAbove = "Desde arriba";
const std::string titleSide = "De lado";
const std::string frontWord = "Delante";
const std::string railWord = "carril (Y = 0)";

std::string gridWord(double step)
{
    return "cuadrícula: " + writeNumber(step) + " m";
}

// A stretch of one axis, in metres.
struct Span
{
    double low = 0;
    double high = 0;

    double length() const { return high - low; }
};

// One axis of the box with the head on it: the span shown takes in a head up to a quarter of the
// box (at least 1 m) beyond the box; a head further out is drawn at that edge.
struct Axis
{
    Span box;
    Span shown;
    std::optional<double> head;
    double reach = 0;
    double drawnAt = 0;
    bool offScale = false;

    bool isOutside(double at) const { return at < box.low || at > box.high; }
    bool headOutside() const { return head && isOutside(*head); }
    double placed(double at) const { return std::clamp(at, box.low - reach, box.high + reach); }
    // The span shown takes in a head, as far as it is drawn.
    void takeIn(std::optional<double> at)
    {
        if (at) {
            shown = Span{std::min(shown.low, placed(*at)), std::max(shown.high, placed(*at))};
        }
    }
};

std::optional<Axis> axisOf(std::optional<double> dimension, bool fromZero,
                           std::optional<double> head)
{
    if (!dimension) {
        return std::nullopt;
    }
    const Span box = fromZero ? Span{0, *dimension} : Span{-*dimension / 2, *dimension / 2};
    Axis axis{box, box, head, std::max(box.length() / 4, 1.0)};
    if (head) {
        axis.drawnAt = axis.placed(*head);
        axis.offScale = axis.drawnAt != *head;
        axis.takeIn(head);
    }
    return axis;
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

// Metres to the pixels of a plot: `across` runs to the right, centred; `upward` runs up the
// screen, from the bottom of the plot or hanging from its top.
struct Mapping
{
    double scale;
    double left;   // pixel of across.low
    double bottom; // pixel of upward.low
    Span across;
    Span upward;

    PixelPoint at(double a, double u) const
    {
        return PixelPoint{left + (a - across.low) * scale, bottom - (u - upward.low) * scale};
    }
    PixelRect rect(Span a, Span u) const
    {
        const PixelPoint topLeft = at(a.low, u.high);
        const PixelPoint bottomRight = at(a.high, u.low);
        return PixelRect{topLeft.x, topLeft.y, bottomRight.x - topLeft.x,
                         bottomRight.y - topLeft.y};
    }
};

enum class Standing
{
    OnBottom,
    FromTop
};

std::optional<Mapping> fitInto(const PixelRect& plot, Span across, Span upward, double margin,
                               Standing standing)
{
    const double scale = std::min((plot.width - 2 * margin) / across.length(),
                                  (plot.height - 2 * margin) / upward.length());
    if (!(scale > 0) || !std::isfinite(scale)) {
        return std::nullopt;
    }
    const double left = plot.left + (plot.width - across.length() * scale) / 2;
    const double bottom = standing == Standing::OnBottom
                              ? plot.bottom() - margin
                              : plot.top + margin + upward.length() * scale;
    return Mapping{scale, left, bottom, across, upward};
}

// The width a view wants: its box at the full plot height, but no less than `least`.
double wantedWidth(const std::optional<Axis>& across, const std::optional<Axis>& upward,
                   double plotHeight, double margin, double least)
{
    if (!across || !upward || plotHeight <= 2 * margin) {
        return least;
    }
    const double width =
        across->shown.length() * (plotHeight - 2 * margin) / upward->shown.length() + 2 * margin;
    return std::isfinite(width) ? std::max(width, least) : least;
}

// The finest of 1, 2, 5, 10, 20, 50 ... metres whose lines stand at least 5 px apart.
double gridStep(double pixelsPerMetre)
{
    constexpr double factors[] = {2, 2.5, 2};
    double step = 1;
    for (int i = 0; step * pixelsPerMetre < 5 && std::isfinite(step); ++i) {
        step *= factors[i % 3];
    }
    return step;
}

// The grid's values strictly inside a span: the box's own edges are drawn as its outline.
std::vector<double> gridValues(Span box, double step)
{
    std::vector<double> values;
    for (double k = std::floor(box.low / step) + 1; k * step < box.high && values.size() < 1000;
         ++k) {
        values.push_back(k * step);
    }
    return values;
}

std::vector<PixelLine> gridLines(const Mapping& map, Span across, Span upward, double step)
{
    std::vector<PixelLine> lines;
    for (double a : gridValues(across, step)) {
        lines.push_back(PixelLine{map.at(a, upward.low), map.at(a, upward.high)});
    }
    for (double u : gridValues(upward, step)) {
        lines.push_back(PixelLine{map.at(across.low, u), map.at(across.high, u)});
    }
    return lines;
}

double normalDegrees(double degrees)
{
    const double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360 : d;
}

// The point `length` pixels from `from`, at `degrees` counter-clockwise from the right.
PixelPoint towards(PixelPoint from, double degrees, double length)
{
    const double radians = normalDegrees(degrees) * std::numbers::pi / 180;
    return PixelPoint{from.x + length * std::cos(radians), from.y - length * std::sin(radians)};
}

DirectionArrow arrowFrom(PixelPoint from, double degrees, double length)
{
    const PixelPoint tip = towards(from, degrees, length);
    const double barb = std::max(4.0, length / 3);
    return DirectionArrow{
        PixelLine{from, tip},
        {towards(tip, degrees + 180 - 25, barb), towards(tip, degrees + 180 + 25, barb)}};
}

// No wedge for a limit of 0: the view cannot turn, and the arrow shows all there is.
std::optional<TurnWedge> wedgeAround(PixelPoint centre, double degrees, double limit, double radius)
{
    if (!(limit > 0)) {
        return std::nullopt;
    }
    return TurnWedge{centre, radius, normalDegrees(degrees - limit), std::min(2 * limit, 360.0)};
}

// One line of labels across a view, filled from left to right; a text that does not fit
// between the labels already placed and the view's right edge is left out.
class LabelRow
{
public:
    enum class Align
    {
        Left,
        Centre,
        Right
    };

    LabelRow(std::vector<SketchLabel>& labels, const TextMetrics& metrics, const PixelRect& area,
             double top, const Sizes& sizes)
        : m_labels(labels), m_metrics(metrics), m_line{area.left, top, area.width, sizes.row},
          m_gap(sizes.gap), m_free(area.left), m_usable(area.contains(m_line))
    {}

    void place(const std::string& text, double anchor, Align align)
    {
        const double width = m_metrics.width(text);
        const double wanted = align == Align::Left     ? anchor
                              : align == Align::Centre ? anchor - width / 2
                                                       : anchor - width;
        const double last = m_line.right() - width;
        if (!m_usable || m_free > last) {
            return;
        }
        const double left = std::clamp(wanted, m_free, last);
        m_labels.push_back(SketchLabel{text, PixelRect{left, m_line.top, width, m_line.height}});
        m_free = left + width + m_gap;
    }

private:
    std::vector<SketchLabel>& m_labels;
    const TextMetrics& m_metrics;
    PixelRect m_line;
    double m_gap;
    double m_free;
    bool m_usable;
};

// "A", "A y B", "A, B y C".
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

// A distance for a tooltip: a value longer than fifteen characters, the significant digits of
// a written number, is cut short with "…" so that the tooltip stays on the screen.
std::string distanceText(double metres)
{
    constexpr std::size_t longest = 15;
    std::string rounded = writeRounded(metres);
    if (rounded.size() > longest) {
        rounded = rounded.substr(0, longest) + "…";
    }
    return rounded == "0" ? "menos de 0,01 m" : rounded + " m";
}

struct AxisWords
{
    const char* name;
    const char* beyondHigh;
    const char* beyondLow;
};

constexpr AxisWords axisWords[] = {
    {"X", "a la derecha de la caja", "a la izquierda de la caja"},
    {"Y", "por encima de la caja", "por debajo del carril"},
    {"Z", "por delante de la caja", "por detrás de la caja"},
};

// With several viewpoints the sides are said as the sides of the wagon.
constexpr AxisWords namedSideWords{"X", "por fuera del lateral derecho",
                                   "por fuera del lateral izquierdo"};

// Who a sentence is about: the one head, or a viewpoint named among several.
struct Subject
{
    std::string who; // "La cabeza", "La vista 3"
    std::string of;  // "de la cabeza", "de la vista 3"
    bool named = false;
};

Subject subjectOf(std::size_t viewpoint, bool named)
{
    if (!named) {
        return Subject{"La cabeza", "de la cabeza", false};
    }
    const std::string words = viewpointWords(viewpoint);
    return Subject{"La " + words, "de la " + words, true};
}

// Says how far outside the box a head is on each axis and which coordinates are not numbers
// or too large ones; empty when nothing of that is to be said.
std::string describeHead(const std::array<std::optional<Axis>, 3>& axes,
                         const std::array<std::optional<double>, 3>& head,
                         const std::array<bool, 3>& tooLarge, const Subject& subject)
{
    std::vector<std::string> beyond;
    std::vector<std::string> notNumbers;
    std::vector<std::string> tooLargeOnes;
    for (std::size_t i = 0; i < axes.size(); ++i) {
        if (tooLarge[i]) {
            tooLargeOnes.emplace_back(axisWords[i].name);
        } else if (!head[i]) {
            notNumbers.emplace_back(axisWords[i].name);
        }
        if (axes[i] && head[i] && axes[i]->isOutside(*head[i])) {
            const AxisWords& words = subject.named && i == 0 ? namedSideWords : axisWords[i];
            const Span box = axes[i]->box;
            const bool high = *head[i] > box.high;
            beyond.push_back(distanceText(high ? *head[i] - box.high : box.low - *head[i]) + " " +
                             (high ? words.beyondHigh : words.beyondLow));
        }
    }

    std::string text;
    const auto sentence = [&text](const std::string& s) { text += (text.empty() ? "" : " ") + s; };
    if (!beyond.empty()) {
        sentence(subject.who + " está " + joinedWithY(beyond) + ".");
    }
    const auto coordinates = [&sentence, &subject](const std::vector<std::string>& names,
                                                   const char* isWhat, const char* areWhat) {
        if (names.size() == 1) {
            sentence("La coordenada " + names.front() + " " + subject.of + " " + isWhat + ".");
        } else if (!names.empty()) {
            sentence("Las coordenadas " + joinedWithY(names) + " " + subject.of + " " + areWhat +
                     ".");
        }
    };
    coordinates(tooLargeOnes, "es demasiado grande", "son demasiado grandes");
    coordinates(notNumbers, "aún no es un número", "aún no son números");
    return text;
}

// The view starts turned to the right for a positive yaw: clockwise, seen from above.
std::optional<double> aboveDirection(std::optional<double> yaw, std::optional<double>)
{
    if (!yaw) {
        return std::nullopt;
    }
    return 90 - *yaw;
}

// The tilt is shown in the plane the view looks along, folded onto the side view: towards the
// front, or towards the back when the view starts looking back (sideways counts as front);
// down for a positive tilt.
std::optional<double> sideDirection(std::optional<double> yaw, std::optional<double> tilt)
{
    if (!yaw || !tilt) {
        return std::nullopt;
    }
    const double turned = normalDegrees(*yaw);
    return turned > 90 && turned < 270 ? 180 + *tilt : -*tilt;
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
        sketchSide(side, sideMap, step);
        LabelRow bottom(side.labels, m_metrics, side.area, height - m_sizes.row, m_sizes);
        if (sideMap) {
            bottom.place(railWord, side.area.left, LabelRow::Align::Left);
        }
        if (aboveMap || sideMap) {
            bottom.place(gridWord(step), side.area.right(), LabelRow::Align::Right);
        }
        sketch.description = describe();
        return sketch;
    }

private:
    // One head alone as it always was; several, one line each, in the order of the list.
    std::string describe() const
    {
        const bool named = !m_numbers.others.empty();
        const bool boxUsable = m_x && m_y && m_z;
        std::vector<std::pair<std::size_t, std::string>> lines;
        const auto add = [&](std::size_t viewpoint,
                             const std::array<std::optional<double>, 3>& head,
                             const std::array<bool, 3>& tooLarge) {
            const Subject subject = subjectOf(viewpoint, named);
            std::string text = describeHead({m_x, m_y, m_z}, head, tooLarge, subject);
            if (text.empty() && boxUsable) {
                text = subject.who + " está dentro de la caja.";
            }
            if (!text.empty()) {
                lines.emplace_back(viewpoint, std::move(text));
            }
        };
        add(m_numbers.shown, {m_numbers.x, m_numbers.y, m_numbers.z}, m_numbers.headTooLarge);
        for (const OtherHead& other : m_numbers.others) {
            add(other.viewpoint, {other.x, other.y, other.z}, other.headTooLarge);
        }
        std::ranges::sort(lines);
        std::string text;
        for (const auto& [viewpoint, line] : lines) {
            text += (text.empty() ? "" : named ? "\n" : " ") + line;
        }
        if (!boxUsable) {
            const std::string box = "Las dimensiones de la caja no son válidas.";
            text += (text.empty() ? "" : named ? "\n" : " ") + box;
        }
        return text;
    }

    // Each view wants the width its box takes at the full height; the rest, or the lack, is
    // shared in proportion, keeping the labels' widths where the drawing allows.
    double aboveShare(double width, double plotHeight) const
    {
        const double leastAbove = std::max({m_metrics.width(titleAbove), m_metrics.width(frontWord),
                                            2 * (m_sizes.pointer + m_sizes.margin)});
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
        LabelRow(view.labels, m_metrics, view.area, 0, m_sizes)
            .place(titleAbove, view.area.left, LabelRow::Align::Left);
        if (!map) {
            return;
        }
        view.pixelsPerMetre = map->scale;
        view.box = map->rect(m_x->box, m_z->box);
        view.grid = gridLines(*map, m_x->box, m_z->box, step);
        LabelRow(view.labels, m_metrics, view.area, m_sizes.row, m_sizes)
            .place(frontWord, map->at(0, 0).x, LabelRow::Align::Centre);
        drawOthers(view, *map, *m_x, *m_z, &OtherHead::x, &OtherHead::z, aboveDirection);
        drawHead(view, *map, *m_x, *m_z, aboveDirection(m_numbers.yaw, m_numbers.tilt),
                 m_numbers.yawLimit);
        placeNumbers(view);
    }

    void sketchSide(ViewSketch& view, const std::optional<Mapping>& map, double step) const
    {
        LabelRow top(view.labels, m_metrics, view.area, 0, m_sizes);
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
        drawOthers(view, *map, *m_z, *m_y, &OtherHead::z, &OtherHead::y, sideDirection);
        drawHead(view, *map, *m_z, *m_y, sideDirection(m_numbers.yaw, m_numbers.tilt),
                 m_numbers.tiltLimit);
        placeNumbers(view);
    }

    // The head, its start direction and its turning range, as far as the texts give them.
    void drawHead(ViewSketch& view, const Mapping& map, const Axis& across, const Axis& upward,
                  std::optional<double> direction, std::optional<double> limit) const
    {
        if (!across.head || !upward.head) {
            return;
        }
        const PixelPoint centre = map.at(across.drawnAt, upward.drawnAt);
        view.head = HeadMark{centre, m_sizes.dot, m_outside, across.offScale || upward.offScale};
        if (direction) {
            view.arrow = arrowFrom(centre, *direction, m_sizes.pointer);
            if (limit) {
                view.wedge = wedgeAround(centre, *direction, *limit, m_sizes.pointer);
            }
        }
    }

    // The other viewpoints' heads, each where its coordinates put it (at the edge of the view
    // when far out), with a tick towards its start direction; their numbers come later.
    void drawOthers(ViewSketch& view, const Mapping& map, const Axis& across, const Axis& upward,
                    std::optional<double> OtherHead::*acrossAt,
                    std::optional<double> OtherHead::*upwardAt,
                    std::optional<double> (*direction)(std::optional<double>,
                                                       std::optional<double>)) const
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
            if (const std::optional<double> degrees = direction(other.yaw, other.tilt)) {
                mark.tick =
                    PixelLine{mark.centre, towards(mark.centre, *degrees, 0.6 * m_sizes.pointer)};
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

    // Each number beside its head, inside the plot, where it covers neither the shown head nor
    // another head or number; where no such place is, the first place inside the plot.
    void placeNumbers(ViewSketch& view) const
    {
        std::vector<PixelRect> taken;
        const auto square = [](PixelPoint c, double r) {
            return PixelRect{c.x - r - 1, c.y - r - 1, 2 * r + 2, 2 * r + 2};
        };
        const auto around = [](const PixelLine& line) {
            const double left = std::min(line.from.x, line.to.x);
            const double top = std::min(line.from.y, line.to.y);
            return PixelRect{left, top, std::max(line.from.x, line.to.x) - left,
                             std::max(line.from.y, line.to.y) - top};
        };
        if (view.head) {
            taken.push_back(square(view.head->centre, view.head->radius));
        }
        if (view.arrow) {
            taken.push_back(around(view.arrow->shaft));
        }
        for (const OtherMark& mark : view.others) {
            taken.push_back(square(mark.centre, mark.radius));
            if (mark.tick) {
                taken.push_back(around(*mark.tick));
            }
        }
        for (OtherMark& mark : view.others) {
            const double w = m_metrics.width(mark.number->text);
            const double h = m_sizes.row;
            const PixelPoint c = mark.centre;
            // Beside the head first, then further out, past a shown head standing on it.
            std::vector<PixelRect> places;
            for (const double r : {mark.radius + 1, mark.radius + 1 + h / 2}) {
                places.insert(places.end(), {{c.x + r, c.y - h / 2, w, h},
                                             {c.x - r - w, c.y - h / 2, w, h},
                                             {c.x - w / 2, c.y - r - h, w, h},
                                             {c.x - w / 2, c.y + r, w, h},
                                             {c.x + r, c.y - r - h, w, h},
                                             {c.x - r - w, c.y - r - h, w, h},
                                             {c.x + r, c.y + r, w, h},
                                             {c.x - r - w, c.y + r, w, h}});
            }
            std::optional<PixelRect> chosen;
            for (const PixelRect& place : places) {
                if (!view.plot.contains(place)) {
                    continue;
                }
                if (!chosen) {
                    chosen = place;
                }
                if (std::ranges::none_of(
                        taken, [&place](const PixelRect& t) { return t.intersects(place); })) {
                    chosen = place;
                    break;
                }
            }
            if (!chosen) {
                mark.number.reset(); // a plot too small for any number
                continue;
            }
            mark.number->rect = *chosen;
            taken.push_back(*chosen);
        }
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
