#include "ui/Twips.h"

#include <QFontMetricsF>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace orbanil {

namespace {
// The layout was designed for an 8-point sans serif at 96 dpi: 13 px lines and
// a pangram of this length about 290 px wide.
constexpr double designLineHeight = 13.0;
constexpr double designSampleWidth = 290.0;
constexpr const char* sample = "The quick brown fox jumps over the lazy dog ÁÉÍÓÚ ñ 0123456789";
} // namespace

Twips::Twips(const QFont& font)
{
    const QFontMetricsF metrics(font);
    const double byHeight = metrics.height() / designLineHeight;
    const double byWidth = metrics.horizontalAdvance(QString::fromUtf8(sample)) / designSampleWidth;
    m_factor = std::max({1.0, byHeight, byWidth});
}

int Twips::px(int twips) const
{
    return static_cast<int>(std::lround(twips / 15.0 * m_factor));
}

int Twips::twips(int px) const
{
    return static_cast<int>(std::ceil(px * 15.0 / m_factor));
}

QRect Twips::rect(int left, int top, int width, int height) const
{
    return QRect(px(left), px(top), px(width), px(height));
}

void Twips::place(QWidget* widget, int left, int top, int width, int height) const
{
    widget->setGeometry(rect(left, top, width, height));
}

} // namespace orbanil
