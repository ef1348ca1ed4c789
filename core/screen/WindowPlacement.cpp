#include "core/screen/WindowPlacement.h"

#include <algorithm>
#include <optional>

namespace orbanil {

ScreenRect besideWindow(const ScreenRect& area, const ScreenRect& main, const ScreenRect& keep,
                        int width, int height, int leastWidth)
{
    const int shownHeight = std::min(height, area.height);
    const int top = std::clamp(main.top, area.top, area.bottom() - shownHeight);
    // Right of `of` where the whole width fits, else on the side with more room, as wide as it
    // allows; nothing where that is less than the least width.
    const auto beside = [&](const ScreenRect& of) -> std::optional<ScreenRect> {
        const int right = area.right() - of.right();
        const int left = of.left - area.left;
        const bool onRight = right >= width || right >= left;
        const int shownWidth = std::min(width, onRight ? right : left);
        if (shownWidth < leastWidth) {
            return std::nullopt;
        }
        return ScreenRect{onRight ? of.right() : of.left - shownWidth, top, shownWidth,
                          shownHeight};
    };
    if (const std::optional<ScreenRect> placed = beside(main)) {
        return *placed;
    }
    if (const std::optional<ScreenRect> placed = beside(keep)) {
        return *placed;
    }
    return ScreenRect{area.right() - leastWidth, top, leastWidth, shownHeight};
}

} // namespace orbanil
