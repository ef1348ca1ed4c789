#pragma once

#include "core/sketch/CameraViewSketch.h"

#include <string>
#include <vector>

// Where the drawing's texts go: its captions in rows across a view, and the numbers of the
// other viewpoints beside their heads.
namespace orbanil::sketch {

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

    // The line at `top`, `height` high, across `area`; `gap` between two labels.
    LabelRow(std::vector<SketchLabel>& labels, const TextMetrics& metrics, const PixelRect& area,
             double top, double height, double gap);

    void place(const std::string& text, double anchor, Align align);

private:
    std::vector<SketchLabel>& m_labels;
    const TextMetrics& m_metrics;
    PixelRect m_line;
    double m_gap;
    double m_free;
    bool m_usable;
};

// Each other viewpoint's number beside its head, inside the plot, where it covers neither the
// shown head nor another head or number; where no such place is, the first place inside the
// plot; none in a plot too small for any. Heads drawn over each other, directly or through
// others, share one label beside them: "2, 3". Numbers are `row` high.
void placeNumbers(ViewSketch& view, const TextMetrics& metrics, double row);

} // namespace orbanil::sketch
