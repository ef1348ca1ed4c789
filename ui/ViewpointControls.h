#pragma once

#include "core/block/Viewpoints.h"

#include <QString>
#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace orbanil {

// What the main window's controls show of the viewpoints: the list of their names with the
// shown one chosen, "Quitar vista" while an added one shows, and meanwhile the principal's
// names locked, their fields and "..." buttons saying why in their tooltips.
class ViewpointControls
{
public:
    // The names' controls: the shape field and its button, the sound field and its button.
    ViewpointControls(QComboBox* list, QPushButton* remove, QLineEdit* shapeFile,
                      QPushButton* shapeButton, QLineEdit* soundFile, QPushButton* soundButton);

    void show(const Viewpoints& viewpoints);

private:
    QComboBox* m_list;
    QPushButton* m_remove;
    QLineEdit* m_shapeFile;
    std::array<QWidget*, 4> m_names;
    // Their tooltips while they are not locked.
    std::array<QString, 4> m_tips;
};

} // namespace orbanil
