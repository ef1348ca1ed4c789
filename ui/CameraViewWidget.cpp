#include "ui/CameraViewWidget.h"

#include "core/shape/CabinShape.h"
#include "core/sketch/ShapeProjection.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <numbers>
#include <utility>

namespace orbanil {

namespace {

const QColor headColour(0x1f, 0x5f, 0xbf);
const QColor warningColour(0xd0, 0x10, 0x10);
const QColor gridColour(0xd8, 0xd8, 0xd8);
const QColor railColour(0x60, 0x60, 0x60);
// The viewpoints not shown: quieter than the shown head, their numbers still readable.
const QColor otherColour(0x8c, 0x9c, 0xb4);
const QColor otherWarningColour(0xe0, 0x90, 0x90);
const QColor otherNumberColour(0x40, 0x48, 0x58);
// The cabin's shape: each triangle adds a little, so that seats and walls, where triangles lie
// over each other, stand out of the floor; at most a light sand colour under the rest.
const QColor shapeLayerColour(0x9a, 0x80, 0x58, 36);
constexpr double shapeOpacity = 0.55;

QPointF pointOf(PixelPoint p)
{
    return QPointF(p.x, p.y);
}

QRectF rectOf(const PixelRect& r)
{
    return QRectF(r.left, r.top, r.width, r.height);
}

QLineF lineOf(const PixelLine& l)
{
    return QLineF(pointOf(l.from), pointOf(l.to));
}

void paintHead(QPainter& painter, const ViewSketch& view)
{
    const QColor colour = view.head->outside ? warningColour : headColour;
    painter.setRenderHint(QPainter::Antialiasing);
    if (view.wedge) {
        const TurnWedge& w = *view.wedge;
        QColor fill = colour;
        fill.setAlpha(60);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        const QRectF square(w.centre.x - w.radius, w.centre.y - w.radius, 2 * w.radius,
                            2 * w.radius);
        // Qt counts angles in sixteenths of a degree, counter-clockwise from three o'clock.
        painter.drawPie(square, static_cast<int>(std::lround(w.startDegrees * 16)),
                        static_cast<int>(std::lround(w.spanDegrees * 16)));
    }
    painter.setPen(QPen(colour, 1.5, Qt::SolidLine, Qt::RoundCap));
    if (view.arrow) {
        const DirectionArrow& a = *view.arrow;
        painter.drawLine(lineOf(a.shaft));
        for (PixelPoint barb : a.barbs) {
            painter.drawLine(pointOf(a.shaft.to), pointOf(barb));
        }
    }
    if (view.endOn) {
        // The arrow's point coming out of the screen is the head's dot in a ring; its tail going
        // in, a cross.
        const EndOnArrow& e = *view.endOn;
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(pointOf(e.centre), e.radius, e.radius);
        if (!e.outOfScreen) {
            const double d = e.radius * std::numbers::sqrt2 / 2;
            painter.drawLine(QPointF(e.centre.x - d, e.centre.y - d),
                             QPointF(e.centre.x + d, e.centre.y + d));
            painter.drawLine(QPointF(e.centre.x - d, e.centre.y + d),
                             QPointF(e.centre.x + d, e.centre.y - d));
        }
    }
    // A head too far out to be drawn where it is stands hollow at the edge.
    painter.setBrush(view.head->offScale ? QBrush(Qt::NoBrush) : QBrush(colour));
    const double r = view.head->radius;
    painter.drawEllipse(pointOf(view.head->centre), r, r);
}

void paintOthers(QPainter& painter, const ViewSketch& view)
{
    painter.setRenderHint(QPainter::Antialiasing);
    for (const OtherMark& mark : view.others) {
        const QColor colour = mark.outside ? otherWarningColour : otherColour;
        painter.setPen(QPen(colour, 1.5, Qt::SolidLine, Qt::RoundCap));
        if (mark.tick) {
            painter.drawLine(lineOf(*mark.tick));
        }
        painter.setBrush(colour);
        painter.drawEllipse(pointOf(mark.centre), mark.radius, mark.radius);
    }
}

// Drawn last, over every head and arrow.
void paintNumbers(QPainter& painter, const ViewSketch& view)
{
    painter.setPen(otherNumberColour);
    for (const OtherMark& mark : view.others) {
        if (mark.number) {
            painter.drawText(rectOf(mark.number->rect), Qt::AlignCenter | Qt::TextSingleLine,
                             QString::fromStdString(mark.number->text));
        }
    }
}

// The triangles of one view, in an image the size of its plot.
QImage shapeImage(const std::vector<PixelPoint>& corners, const PixelRect& plot, double pixelRatio)
{
    if (corners.empty()) {
        return QImage();
    }
    QImage image(static_cast<int>(std::ceil(plot.width * pixelRatio)),
                 static_cast<int>(std::ceil(plot.height * pixelRatio)),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return image;
    }
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(-plot.left, -plot.top);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shapeLayerColour);
    for (std::size_t i = 0; i + 2 < corners.size(); i += 3) {
        const QPointF triangle[3] = {pointOf(corners[i]), pointOf(corners[i + 1]),
                                     pointOf(corners[i + 2])};
        painter.drawConvexPolygon(triangle, 3);
    }
    return image;
}

void paintView(QPainter& painter, const ViewSketch& view, const QPalette& palette,
               const QImage& shape)
{
    painter.setPen(palette.color(QPalette::WindowText));
    for (const SketchLabel& label : view.labels) {
        painter.drawText(rectOf(label.rect), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         QString::fromStdString(label.text));
    }
    if (!view.box) {
        return;
    }
    painter.save();
    painter.setClipRect(rectOf(view.plot));
    painter.fillRect(rectOf(view.plot), palette.color(QPalette::Base));
    if (!shape.isNull()) {
        painter.setOpacity(shapeOpacity);
        painter.drawImage(QPointF(view.plot.left, view.plot.top), shape);
        painter.setOpacity(1);
    }
    painter.setPen(gridColour);
    for (const PixelLine& line : view.grid) {
        painter.drawLine(lineOf(line));
    }
    if (view.rail) {
        painter.setPen(QPen(railColour, 2));
        painter.drawLine(lineOf(*view.rail));
    }
    painter.setPen(palette.color(QPalette::WindowText));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rectOf(*view.box));
    paintOthers(painter, view);
    if (view.head) {
        paintHead(painter, view);
    }
    paintNumbers(painter, view);
    painter.restore();
}

} // namespace

CameraViewWidget::CameraViewWidget(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAccessibleName(QStringLiteral("Vista de la cámara"));
    refresh();
}

void CameraViewWidget::setViewInput(const ViewParams& view, const CabinBox& box)
{
    setViewInput(std::vector<ViewParams>{view}, 0, box);
}

void CameraViewWidget::setViewInput(const std::vector<ViewParams>& viewpoints, std::size_t shown,
                                    const CabinBox& box)
{
    // An idle tick reads the same numbers and stops here, before any measuring or layout.
    const CameraViewNumbers numbers = readCameraViewNumbers(viewpoints, shown, box);
    if (numbers == m_numbers) {
        return;
    }
    m_numbers = numbers;
    refresh();
}

void CameraViewWidget::setCabinShape(std::shared_ptr<const CabinShape> shape)
{
    if (shape != m_shape) {
        m_shape = std::move(shape);
        update();
    }
}

void CameraViewWidget::refreshShape()
{
    const ShapeLayout layout{m_shape.get(),       m_sketch.above.mapping, m_sketch.side.mapping,
                             m_sketch.above.plot, m_sketch.side.plot,     devicePixelRatioF()};
    if (layout == m_shapeLayout) {
        return;
    }
    m_shapeLayout = layout;
    const ProjectedShape projected = m_shape ? projectShape(*m_shape, m_sketch) : ProjectedShape{};
    m_shapeAbove = shapeImage(projected.above, layout.abovePlot, layout.pixelRatio);
    m_shapeSide = shapeImage(projected.side, layout.sidePlot, layout.pixelRatio);
}

void CameraViewWidget::refresh()
{
    const QFontMetricsF metrics(font());
    const TextMetrics measure{metrics.height(), [&metrics](std::string_view text) {
                                  return std::ceil(metrics.horizontalAdvance(QString::fromUtf8(
                                      text.data(), static_cast<qsizetype>(text.size()))));
                              }};
    CameraViewSketch next = sketchCameraView(m_numbers, width(), height(), measure);
    if (next == m_sketch) {
        return;
    }
    if (next.description != m_sketch.description) {
        const QString description = QString::fromStdString(next.description);
        setToolTip(description);
        setAccessibleDescription(description);
    }
    m_sketch = std::move(next);
    update();
}

void CameraViewWidget::paintEvent(QPaintEvent*)
{
    // Here, where the pixel ratio of the screen drawn on is known.
    refreshShape();
    QPainter painter(this);
    paintView(painter, m_sketch.above, palette(), m_shapeAbove);
    paintView(painter, m_sketch.side, palette(), m_shapeSide);
}

void CameraViewWidget::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    if (event->button() == Qt::LeftButton && !m_grab) {
        m_grab = grabHead(m_sketch, PixelPoint{at.x(), at.y()});
        if (m_grab) {
            m_moved.reset();
            followPace(*event);
            emit headGrabbed();
        }
    }
    followPointer(at);
}

void CameraViewWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    if (m_grab) {
        followPace(*event);
        // A move of less than a centimetre writes nothing.
        const HeadMove move = dragHead(*m_grab, PixelPoint{at.x(), at.y()});
        if (move != m_moved) {
            m_moved = move;
            emit headDragged(move);
        }
    }
    followPointer(at);
}

void CameraViewWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_grab) {
        mouseMoveEvent(event);
        m_grab.reset();
    }
    followPointer(event->position());
}

void CameraViewWidget::followPace(const QMouseEvent& event)
{
    // Ctrl, held at the press or pressed or let go at any time in the drag, moves the head
    // finely from there.
    const double pace = event.modifiers() & Qt::ControlModifier ? fineDragPace : 1;
    if (pace != m_grab->pace) {
        m_grab = atPace(*m_grab, PixelPoint{event.position().x(), event.position().y()}, pace);
    }
}

void CameraViewWidget::followPointer(QPointF at)
{
    if (m_grab) {
        setCursor(Qt::ClosedHandCursor);
    } else if (grabHead(m_sketch, PixelPoint{at.x(), at.y()})) {
        setCursor(Qt::OpenHandCursor);
    } else {
        unsetCursor();
    }
}

void CameraViewWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    refresh();
}

void CameraViewWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        refresh();
    }
}

} // namespace orbanil
