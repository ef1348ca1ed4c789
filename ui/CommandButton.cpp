#include "ui/CommandButton.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace orbanil {

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{}

QRect CommandButton::captionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (contents.contains(fontMetrics().boundingRect(contents, captionFlags, text()))) {
        return contents;
    }
    // A small button ("...") has room for its caption inside its bevel, though not inside the
    // margins that some styles (Windows') keep for larger buttons.
    const int bevel = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    return rect().adjusted(bevel, bevel, -bevel, -bevel);
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // Ctrl, Alt or Shift with Enter do not press; holding Enter presses once.
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat()) {
            click();
        }
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CommandButton::paintEvent(QPaintEvent* /*event*/)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The style draws the bevel and the focus frame; the caption is drawn here, wrapped.
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const bool underline = style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this);
    const int flags = (captionFlags & ~Qt::TextShowMnemonic) |
                      (underline ? Qt::TextShowMnemonic : Qt::TextHideMnemonic);
    painter.drawItemText(captionRect(), flags, option.palette, isEnabled(), caption,
                         QPalette::ButtonText);
}

} // namespace orbanil
