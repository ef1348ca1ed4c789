#include "ui/FrameStyle.h"

#include <QGroupBox>
#include <QStyleOption>
#include <qdrawutil.h>

namespace orbanil {

void FrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const
{
    if (element == PE_FrameGroupBox) {
        // The line runs under the caption, where Fusion would put its own frame.
        const auto* frame = qobject_cast<const QGroupBox*>(widget);
        const int captionHeight =
            frame && !frame->title().isEmpty()
                ? qMax(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                       option->fontMetrics.height()) +
                      4
                : 0;
        qDrawShadeRect(painter, option->rect.adjusted(0, captionHeight, 0, 0), option->palette,
                       true, 1, 0);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

} // namespace orbanil
