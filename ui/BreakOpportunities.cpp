#include "ui/BreakOpportunities.h"

namespace orbanil {

namespace {

// Longer than any name of the simulator's (ORTSAlternatePassengerViewPoints is 32), which must
// read whole, and still narrower than a message box.
constexpr int longestUnbrokenRun = 40;
constexpr QChar breakOpportunity(0x200B); // zero-width space

} // namespace

QString withBreakOpportunities(const QString& text)
{
    QString shown;
    shown.reserve(text.size() + text.size() / longestUnbrokenRun);
    int run = 0;
    for (const QChar ch : text) {
        if (ch.isSpace()) {
            run = 0;
        } else if (run == longestUnbrokenRun) {
            shown.append(breakOpportunity);
            run = 1;
        } else {
            ++run;
        }
        shown.append(ch);
    }
    return shown;
}

} // namespace orbanil
