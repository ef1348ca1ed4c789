#include "ui/ElidedLabel.h"

#include "ui/BreakOpportunities.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace orbanil {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {}

int ElidedLabel::textFlags() const
{
    // With a buddy the "&" marks the mnemonic, drawn as an underline that takes no room.
    return buddy() ? Qt::TextShowMnemonic : 0;
}

bool ElidedLabel::isElided() const
{
    return !wordWrap() && fontMetrics().size(textFlags(), text()).width() > contentsRect().width();
}

void ElidedLabel::paintEvent(QPaintEvent* event)
{
    if (!isElided()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect();
    const QString shown =
        fontMetrics().elidedText(text(), Qt::ElideRight, area.width(), textFlags());
    style()->drawItemText(&painter, area,
                          QStyle::visualAlignment(layoutDirection(), alignment()) | textFlags(),
                          palette(), isEnabled(), shown, foregroundRole());
}

bool ElidedLabel::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && isElided()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                           withBreakOpportunities(text()), this);
        return true;
    }
    return QLabel::event(event);
}

} // namespace orbanil
