#pragma once

#include <QString>

namespace orbanil {

// The text with a zero-width break opportunity after every 40th character of a run without a
// blank, so that a long number or path wraps inside a message box or a tooltip instead of
// stretching it past the screen. For showing only: copies keep the text as written.
QString withBreakOpportunities(const QString& text);

} // namespace orbanil
