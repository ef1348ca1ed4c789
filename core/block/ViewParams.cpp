#include "core/block/ViewParams.h"

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

ViewParams withNumbersOf(const ViewParams& names, const ViewParams& numbers)
{
    ViewParams result = names;
    for (const ViewField& field : viewFields) {
        if (isNumberField(field)) {
            result.*field.member = numbers.*field.member;
        }
    }
    return result;
}

bool sameNumbers(const ViewParams& a, const ViewParams& b)
{
    return std::ranges::all_of(viewFields, [&a, &b](const ViewField& field) {
        return !isNumberField(field) || a.*field.member == b.*field.member;
    });
}

std::optional<MissingValues> missingValues(const ViewParams& principal,
                                           const std::vector<ViewParams>& added)
{
    std::optional<MissingValues> missing;
    const auto count = [&missing](const ViewParams& params, std::size_t viewpoint, bool names) {
        for (const ViewField& field : viewFields) {
            if ((names || isNumberField(field)) && (params.*field.member).empty()) {
                if (!missing) {
                    missing = MissingValues{&field, viewpoint, 0};
                }
                ++missing->count;
            }
        }
    };
    count(principal, 0, true);
    // An added viewpoint's names are the principal's.
    for (std::size_t i = 0; i < added.size(); ++i) {
        count(added[i], i + 1, false);
    }
    return missing;
}

bool isReady(const ViewParams& principal, const std::vector<ViewParams>& added)
{
    return !missingValues(principal, added);
}

} // namespace orbanil
