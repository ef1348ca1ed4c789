#include "core/sketch/SketchLabels.h"

#include <algorithm>
#include <cmath>
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

namespace {

double distance(PixelPoint a, PixelPoint b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

// For each mark the first of the marks drawn over it, directly or through others.
std::vector<std::size_t> firstOfEachPile(const std::vector<OtherMark>& marks)
{
    std::vector<std::size_t> first(marks.size());
    for (std::size_t i = 0; i < marks.size(); ++i) {
        first[i] = i;
        for (std::size_t j = 0; j < i; ++j) {
            if (distance(marks[i].centre, marks[j].centre) >= marks[i].radius + marks[j].radius) {
                continue;
            }
            const std::size_t joined = std::min(first[i], first[j]);
            const std::size_t left = std::max(first[i], first[j]);
            for (std::size_t k = 0; k <= i; ++k) {
                if (first[k] == left) {
                    first[k] = joined;
                }
            }
        }
    }
    return first;
}

// The first mark of each pile holds every number of the pile; the others none.
void groupNumbers(std::vector<OtherMark>& marks, const std::vector<std::size_t>& first)
{
    for (std::size_t i = 0; i < marks.size(); ++i) {
        if (first[i] != i && marks[i].number) {
            marks[first[i]].number->text += ", " + marks[i].number->text;
            marks[i].number.reset();
        }
    }
}

// How far from the first mark of a pile its heads reach.
double pileReach(const std::vector<OtherMark>& marks, const std::vector<std::size_t>& first,
                 std::size_t pile)
{
    double reach = 0;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        if (first[i] == pile) {
            reach =
                std::max(reach, distance(marks[pile].centre, marks[i].centre) + marks[i].radius);
        }
    }
    return reach;
}

} // namespace

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
    if (view.endOn) {
        taken.push_back(square(view.endOn->centre, view.endOn->radius));
    }
    for (const OtherMark& mark : view.others) {
        taken.push_back(square(mark.centre, mark.radius));
        if (mark.tick) {
            taken.push_back(around(*mark.tick));
        }
    }
    const std::vector<std::size_t> first = firstOfEachPile(view.others);
    groupNumbers(view.others, first);
    for (std::size_t pile = 0; pile < view.others.size(); ++pile) {
        OtherMark& mark = view.others[pile];
        if (!mark.number) {
            continue;
        }
        const double w = metrics.width(mark.number->text);
        const double h = row;
        const PixelPoint c = mark.centre;
        const double reach = pileReach(view.others, first, pile);
        // Beside the head (or its pile) first, then further out, past a shown head standing on it
        // and the ring round it.
        std::vector<PixelRect> places;
        for (const double r : {reach + 1, reach + 1 + h / 2, reach + 1 + h}) {
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
