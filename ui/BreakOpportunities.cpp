#include "ui/BreakOpportunities.h"

namespace orbanil {

namespace {

constexpr int longestUnbrokenRun = 20;
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
