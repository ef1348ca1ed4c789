#pragma once

#include "core/block/ViewParams.h"
#include "core/sketch/CameraViewSketch.h"
#include "core/sketch/HeadDrag.h"

#include <QImage>
#include <QWidget>
#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

namespace orbanil {

struct CabinShape;

// The camera view drawn from above and from the side: the cabin box over the cabin's shape when
// it is known, the head, where the view starts and how far it turns. It takes no focus; its tooltip
// and accessible description say where the head is.
class CameraViewWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CameraViewWidget(QWidget* parent = nullptr);

    // The texts as they stand; the drawing is repainted only when what it shows changes.
    void setViewInput(const ViewParams& view, const CabinBox& box);
    // Every viewpoint of the wagon, `shown` the one drawn whole, the others smaller.
    void setViewInput(const std::vector<ViewParams>& viewpoints, std::size_t shown,
                      const CabinBox& box);

    // The cabin's shape, drawn under the box in a light colour; none draws none.
    void setCabinShape(std::shared_ptr<const CabinShape> shape);
    const std::shared_ptr<const CabinShape>& cabinShape() const { return m_shape; }

    const CameraViewSketch& sketch() const { return m_sketch; }

signals:
    // The left button went down on the shown head: a drag begins.
    void headGrabbed();
    // The drag took the head here; the coordinates its view does not move are left out.
    void headDragged(const HeadMove& move);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void refresh();
    // Draws the shape's triangles again when the shape, the plots' scale or place, or the
    // screen's pixel ratio changed.
    void refreshShape();

    // The drag's pace as the keys held with the event give it.
    void followPace(const QMouseEvent& event);
    // The pointer's place in the drawing: the hand over the head, closed while it is dragged.
    void followPointer(QPointF at);

    CameraViewNumbers m_numbers;
    CameraViewSketch m_sketch;
    std::optional<HeadGrab> m_grab;  // while the head is dragged
    std::optional<HeadMove> m_moved; // where the drag took it last

    // What the shape's images are drawn for.
    struct ShapeLayout
    {
        const CabinShape* shape = nullptr;
        std::optional<PlotMapping> above, side;
        PixelRect abovePlot, sidePlot;
        double pixelRatio = 1;
        bool operator==(const ShapeLayout&) const = default;
    };
    std::shared_ptr<const CabinShape> m_shape;
    ShapeLayout m_shapeLayout;
    QImage m_shapeAbove; // each the size of its view's plot
    QImage m_shapeSide;
};

} // namespace orbanil
