#include "core/SketchLabels.h"

#include <algorithm>
#include <optional>

namespace orbanil::sketch {

LabelRow::LabelRow(std::vector<SketchLabel>& labels, const TextMetrics& metrics,
                   const PixelRect& area, double top, double height, double gap)
    : m_labels(labels), m_metrics(metrics), m_line{area.left, top, area.width, height}, m_gap(gap),
      m_free(area.left), m_usable(area.contains(m_line))
{}

void LabelRow::place(const std::string& text, double anchor, Align align)
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

void placeNumbers(ViewSketch& view, const TextMetrics& metrics, double row)
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
        const double w = metrics.width(mark.number->text);
        const double h = row;
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

} // namespace orbanil::sketch
