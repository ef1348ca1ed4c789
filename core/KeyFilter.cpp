#include "core/KeyFilter.h"

namespace orbanil {

KeyOutcome filterKey(FilterKind kind, std::int16_t code)
{
    if (kind == FilterKind::FreeText) {
        return KeyOutcome::Accept;
    }
    // Enter is swallowed without a beep in every numeric field.
    if (code == 13) {
        return KeyOutcome::Swallow;
    }
    bool accepted = (code >= '0' && code <= '9') || code == 8;
    switch (kind) {
    case FilterKind::SignedDecimal:
        accepted = accepted || code == '-' || code == '.';
        break;
    case FilterKind::BoxDimension:
        accepted = accepted || code == '-' || code == ',';
        break;
    case FilterKind::DigitsOnly:
    case FilterKind::FreeText: // accepted above, whatever the code
        break;
    }
    return accepted ? KeyOutcome::Accept : KeyOutcome::Reject;
}

} // namespace orbanil
