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

PixelPoint Mapping::at(double a, double u) const
{
    return PixelPoint{left + (a - across.low) * scale, bottom - (u - upward.low) * scale};
}

PixelRect Mapping::rect(Span a, Span u) const
{
    const PixelPoint topLeft = at(a.low, u.high);
    const PixelPoint bottomRight = at(a.high, u.low);
    return PixelRect{topLeft.x, topLeft.y, bottomRight.x - topLeft.x, bottomRight.y - topLeft.y};
}

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

} // namespace orbanil::sketch
