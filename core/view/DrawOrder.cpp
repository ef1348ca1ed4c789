#include "core/view/DrawOrder.h"

#include "core/openrails/OpenRailsConstants.h"

#include <algorithm>
#include <cmath>

namespace orbanil {

std::vector<BlendedDraw> blendedOrder(const CabinShape& shape, const std::vector<int>& surfaces,
                                      Vec3 eye)
{
    struct Item
    {
        std::size_t triangle;
        double distance;
    };
    std::vector<Item> items;
    for (std::size_t i = 0; i < shape.triangles.size(); ++i) {
        const AlphaMode alpha = shape.triangles[i].alpha;
        if (alpha == AlphaMode::Blend || alpha == AlphaMode::Add) {
            const Vec3d d = vectorCast<double>(shape.triangles[i].origin) - vectorCast<double>(eye);
            items.push_back({i, std::isfinite(length(d)) ? length(d) : 0});
        }
    }
    // RenderItem.Comparer; a stable sort, as that comparer need not be transitive.
    std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
        if (std::abs(b.distance - a.distance) >= blendSortTie) {
            return a.distance > b.distance;
        }
        return a.triangle < b.triangle;
    });
    std::vector<BlendedDraw> order;
    order.reserve(items.size());
    bool firstGroup = true;
    for (const Item& item : items) {
        firstGroup = firstGroup && surfaces[item.triangle] == surfaces[items.front().triangle];
        order.push_back({item.triangle, firstGroup});
    }
    return order;
}

} // namespace orbanil
