#include "ui/PassengerViewWidget.h"

#include "core/view/CabinRenderer.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>
#include <optional>

namespace orbanil {

namespace {

// The simulator's keys for moving the head: PageUp and PageDown without Alt (with it they go to
// another car there), the arrows with it.
std::optional<HeadDirection> headDirectionOf(int key, Qt::KeyboardModifiers modifiers)
{
    const bool alt = modifiers & Qt::AltModifier;
    switch (key) {
    case Qt::Key_PageUp:
        return alt ? std::nullopt : std::optional(HeadDirection::Forward);
    case Qt::Key_PageDown:
        return alt ? std::nullopt : std::optional(HeadDirection::Back);
    case Qt::Key_Left:
        return alt ? std::optional(HeadDirection::Left) : std::nullopt;
    case Qt::Key_Right:
        return alt ? std::optional(HeadDirection::Right) : std::nullopt;
    case Qt::Key_Up:
        return alt ? std::optional(HeadDirection::Up) : std::nullopt;
    case Qt::Key_Down:
        return alt ? std::optional(HeadDirection::Down) : std::nullopt;
    default:
        return std::nullopt;
    }
}

} // namespace

PassengerViewWidget::PassengerViewWidget(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Vista del pasajero"));
    setCursor(Qt::OpenHandCursor);
}

void PassengerViewWidget::showImage(const QImage& image, const QString& description)
{
    m_image = image;
    m_lines.clear();
    setAccessibleDescription(description);
    update();
}

void PassengerViewWidget::showLines(const QString& lines)
{
    m_lines = lines;
    setAccessibleDescription(lines);
    update();
}

QSize PassengerViewWidget::imageSize() const
{
    const qreal ratio = devicePixelRatioF();
    return QSize(static_cast<int>(std::lround(width() * ratio)),
                 static_cast<int>(std::lround(height() * ratio)));
}

QSize PassengerViewWidget::sizeHint() const
{
    return QSize(640, 400);
}

QSize PassengerViewWidget::minimumSizeHint() const
{
    return QSize(240, 150);
}

void PassengerViewWidget::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QColor background(daySky[0], daySky[1], daySky[2]);
    if (!m_lines.isEmpty()) {
        painter.fillRect(rect(), palette().window());
        painter.setPen(palette().windowText().color());
        const int margin = fontMetrics().height();
        painter.drawText(rect().adjusted(margin, margin, -margin, -margin),
                         Qt::AlignCenter | Qt::TextWordWrap, m_lines);
    } else if (m_image.isNull()) {
        painter.fillRect(rect(), background);
    } else {
        // The camera's scale follows the height: an image of another size, shown until the
        // new one comes, is scaled by the heights and centred across.
        // The image is drawn in device pixels, one to one when it has the widget's size.
        const QSizeF shown = QSizeF(m_image.size()) / devicePixelRatioF();
        const double scale = height() / shown.height();
        const QSizeF scaled = shown * scale;
        const QRectF target((width() - scaled.width()) / 2, 0, scaled.width(), scaled.height());
        if (target.toAlignedRect() != rect()) {
            painter.fillRect(rect(), background);
        }
        painter.drawImage(target, m_image);
    }
    if (hasFocus()) {
        QPen pen(palette().highlight().color());
        pen.setWidth(2);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void PassengerViewWidget::resizeEvent(QResizeEvent* /*event*/)
{
    emit resized();
}

void PassengerViewWidget::mousePressEvent(QMouseEvent* event)
{
    // The simulator turns the view with the right button held; the left one does it too here,
    // and with Shift, like the middle one, moves the head.
    const Qt::MouseButton button = event->button();
    if (m_dragButton != Qt::NoButton ||
        (button != Qt::LeftButton && button != Qt::RightButton && button != Qt::MiddleButton)) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    m_dragButton = button;
    m_draggingHead = button == Qt::MiddleButton ||
                     (button == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier));
    m_dragFrom = event->position().toPoint();
    setCursor(m_draggingHead ? Qt::SizeAllCursor : Qt::ClosedHandCursor);
}

void PassengerViewWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragButton == Qt::NoButton) {
        return;
    }
    const QPoint at = event->position().toPoint();
    const QPoint by = at - m_dragFrom;
    m_dragFrom = at;
    if (by.isNull()) {
        return;
    }
    if (m_draggingHead) {
        emit headDragged(by);
    } else {
        emit dragged(by);
    }
}

void PassengerViewWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == m_dragButton) {
        mouseMoveEvent(event);
        m_dragButton = Qt::NoButton;
        setCursor(Qt::OpenHandCursor);
    }
}

void PassengerViewWidget::wheelEvent(QWheelEvent* event)
{
    // A notch is 120 eighths of a degree; a fine wheel sends less at a time.
    m_wheelEighths += event->angleDelta().y();
    const int notches = m_wheelEighths / 120;
    if (notches != 0) {
        m_wheelEighths -= notches * 120;
        emit zoomed(notches);
    }
    event->accept();
}

void PassengerViewWidget::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (const std::optional<HeadDirection> direction = headDirectionOf(event->key(), modifiers)) {
        const bool fast = modifiers & Qt::ShiftModifier;
        const bool slow = modifiers & Qt::ControlModifier;
        emit headStepped(*direction, fast == slow ? StepPace::Normal
                                     : fast       ? StepPace::Fast
                                                  : StepPace::Slow);
        return;
    }
    if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        emit turned(-1, 0);
        return;
    case Qt::Key_Right:
        emit turned(1, 0);
        return;
    case Qt::Key_Up:
        emit turned(0, -1);
        return;
    case Qt::Key_Down:
        emit turned(0, 1);
        return;
    case Qt::Key_Plus:
        emit zoomed(1);
        return;
    case Qt::Key_Minus:
        emit zoomed(-1);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace orbanil
