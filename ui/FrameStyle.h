#pragma once

#include <QProxyStyle>

namespace orbanil {

// The look of the windows' frames: an etched rectangle under the caption, drawn with lines.
// Fusion scales a picture for each frame instead, and its first use starts two painter
// threads that cost the dialog a quarter of its start-up.
class FrameStyle : public QProxyStyle
{
    Q_OBJECT
public:
    FrameStyle() = default;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
};

} // namespace orbanil
