#pragma once

#include <QFont>
#include <QRect>

class QWidget;

namespace orbanil {

// Converts the design sizes (twips, 15 to a pixel at 96 dpi) to pixels, enlarged by one
// factor so that texts laid out for a small classic dialog font still fit the platform font.
class Twips
{
public:
    explicit Twips(const QFont& font);

    double factor() const { return m_factor; }
    int px(int twips) const;
    QRect rect(int left, int top, int width, int height) const;
    void place(QWidget* widget, int left, int top, int width, int height) const;

private:
    double m_factor;
};

} // namespace orbanil
