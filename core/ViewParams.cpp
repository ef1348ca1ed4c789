#include "core/ViewParams.h"

namespace orbanil {

bool isReady(const ViewParams& params)
{
    for (const ViewField& field : viewFields) {
        if ((params.*field.member).empty()) {
            return false;
        }
    }
    return true;
}

} // namespace orbanil
