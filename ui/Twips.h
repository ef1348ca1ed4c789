#pragma once

#include <QFont>
#include <QRect>

class QWidget;

namespace orbanil {

// Converts the design sizes (twips, 15 to a pixel at 96 dpi) to pixels, enlarged by one
// factor so that texts laid out for an 8-point dialog font still fit the platform font.
class Twips
{
public:
    explicit Twips(const QFont& font);

    int px(int twips) const;
    // The fewest twips that take at least `px` pixels.
    int twips(int px) const;
    void place(QWidget* widget, int left, int top, int width, int height) const;

private:
    QRect rect(int left, int top, int width, int height) const;

    double m_factor;
};

} // namespace orbanil
