#pragma once

#include "core/block/ViewParams.h"
#include "core/sketch/CameraViewSketch.h"

#include <QWidget>
#include <cstddef>
#include <vector>

namespace orbanil {

// The camera view drawn from above and from the side: the cabin box, the head, where the view
// starts and how far it turns. It takes no focus; its tooltip and accessible description say
// where the head is.
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

    const CameraViewSketch& sketch() const { return m_sketch; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void refresh();

    CameraViewNumbers m_numbers;
    CameraViewSketch m_sketch;
};

} // namespace orbanil
