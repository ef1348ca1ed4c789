#include "core/sketch/PlotGeometry.h"

#include <algorithm>
#include <cmath>

namespace orbanil::sketch {

double Axis::placed(double at) const
{
    return std::clamp(at, box.low - reach, box.high + reach);
}

void Axis::takeIn(std::optional<double> at)
{
    if (at) {
        shown = Span{std::min(shown.low, placed(*at)), std::max(shown.high, placed(*at))};
    }
}

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

PlotMapping placeInto(const PixelRect& plot, Span across, Span upward, double scale, double margin,
                      Standing standing)
{
    const double left = plot.left + (plot.width - across.length() * scale) / 2;
    const bool up = standing == Standing::OnBottom;
    const double low = up ? plot.bottom() - margin : plot.top + margin;
    const double yPerMetre = up ? -scale : scale;
    return PlotMapping{scale, left - across.low * scale, low - upward.low * yPerMetre, yPerMetre};
}

PixelRect rectOf(const PlotMapping& map, Span a, Span u)
{
    const PixelPoint one = map.at(a.low, u.low);
    const PixelPoint other = map.at(a.high, u.high);
    const double left = std::min(one.x, other.x);
    const double top = std::min(one.y, other.y);
    return PixelRect{left, top, std::max(one.x, other.x) - left, std::max(one.y, other.y) - top};
}

double gridStep(double pixelsPerMetre)
{
    constexpr double factors[] = {2, 2.5, 2};
    double step = 1;
    for (int i = 0; step * pixelsPerMetre < 5 && std::isfinite(step); ++i) {
        step *= factors[i % 3];
    }
    return step;
}

namespace {

// The grid's values strictly inside a span.
std::vector<double> gridValues(Span box, double step)
{
    std::vector<double> values;
    for (double k = std::floor(box.low / step) + 1; k * step < box.high && values.size() < 1000;
         ++k) {
        values.push_back(k * step);
    }
    return values;
}

} // namespace

std::vector<PixelLine> gridLines(const PlotMapping& map, Span across, Span upward, double step)
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

} // namespace orbanil::sketch
