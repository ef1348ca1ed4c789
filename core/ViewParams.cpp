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

bool isReady(const ViewParams& principal, const std::vector<ViewParams>& added)
{
    // An added viewpoint's names are the principal's.
    return isReady(principal) &&
           std::ranges::all_of(added, [&principal](const ViewParams& numbers) {
               return isReady(withNumbersOf(principal, numbers));
           });
}

} // namespace orbanil
