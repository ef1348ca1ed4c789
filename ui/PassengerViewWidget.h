#pragma once

#include "core/view/HeadSteps.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>

namespace orbanil {

// Where the passenger view shows its image, or in its place the lines that say why there is
// none. Looking around and moving the head are the window's: the widget reports the mouse, the
// wheel and the keys.
// It takes the focus with Tab; its accessible description is what it shows.
class PassengerViewWidget : public QWidget
{
    Q_OBJECT
public:
    explicit PassengerViewWidget(QWidget* parent = nullptr);

    // An image of the widget's size in device pixels; until it comes, the last one is drawn
    // scaled to the new height, as the camera would show it.
    void showImage(const QImage& image, const QString& description);
    void showLines(const QString& lines);

    const QImage& image() const { return m_image; }
    const QString& lines() const { return m_lines; }
    // The size an image must have to fill the widget, in device pixels.
    QSize imageSize() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Dragged with the right button (the simulator's) or the left one, by so many pixels right
    // and down since the last report.
    void dragged(QPoint by);
    // The wheel (or + and -) zoomed in by so many notches; negative out.
    void zoomed(double notches);
    // An arrow key: one step right (or left, -1) and down (or up, -1).
    void turned(int right, int down);
    // PageUp, PageDown or Alt with an arrow, as the simulator moves the head.
    void headStepped(HeadDirection direction, StepPace pace);
    // Dragged with the middle button, or the left one with Shift held: so many pixels right and
    // down since the last report, to move the head across the floor.
    void headDragged(QPoint by);
    // The widget took another size: a new image is due.
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QImage m_image;
    QString m_lines; // shown in place of the image when not empty
    QPoint m_dragFrom;
    Qt::MouseButton m_dragButton = Qt::NoButton; // the button held for a drag, if any
    bool m_draggingHead = false;                 // the drag moves the head, not the view
    int m_wheelEighths = 0;                      // what a fine wheel turned short of a notch
};

} // namespace orbanil
