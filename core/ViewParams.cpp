#include "core/ViewParams.h"

#include <algorithm>

namespace orbanil {

bool isReady(const ViewParams& params)
{
    return std::ranges::none_of(
        viewFields, [&params](const ViewField& field) { return (params.*field.member).empty(); });
}

} // namespace orbanil
