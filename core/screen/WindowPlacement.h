#pragma once

namespace orbanil {

// A rectangle of the screen in pixels, x to the right and y down; a window's, frame included.
struct ScreenRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const ScreenRect&) const = default;
};

// Where a window opens beside another (`main`) whose part `keep` must stay seen, in the screen's
// free `area`, at `width` x `height` and no narrower than `leastWidth`: right of `main` where it
// fits whole, else on the side of `main` with more room, as wide as that room allows; where that
// is less than `leastWidth`, beside `keep` in the same way, over the rest of `main`; where not
// even that, at the area's right edge at `leastWidth`. Never taller than the area, at the height
// of `main` where it can be.
ScreenRect besideWindow(const ScreenRect& area, const ScreenRect& main, const ScreenRect& keep,
                        int width, int height, int leastWidth);

} // namespace orbanil
