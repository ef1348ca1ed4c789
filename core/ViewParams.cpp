#include "core/ViewParams.h"

#include <algorithm>

namespace orbanil {

const ViewField& viewFieldOf(std::string ViewParams::*member)
{
    return *std::ranges::find(viewFields, member, &ViewField::member);
}

bool isReady(const ViewParams& params)
{
    return std::ranges::none_of(
        viewFields, [&params](const ViewField& field) { return (params.*field.member).empty(); });
}

} // namespace orbanil
