#include "ui/ViewpointControls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace orbanil {

ViewpointControls::ViewpointControls(QComboBox* list, QPushButton* remove, QLineEdit* shapeFile,
                                     QPushButton* shapeButton, QLineEdit* soundFile,
                                     QPushButton* soundButton)
    : m_list(list), m_remove(remove),
      m_shapeFile(shapeFile), m_names{shapeFile, shapeButton, soundFile, soundButton}
{}

void ViewpointControls::show(const Viewpoints& viewpoints)
{
    {
        // Filling the list is no choice of the user's.
        const QSignalBlocker quiet(m_list);
        m_list->clear();
        for (std::size_t i = 0; i < viewpoints.size(); ++i) {
            m_list->addItem(QString::fromStdString(viewpointName(i)));
        }
        m_list->setCurrentIndex(static_cast<int>(viewpoints.shown()));
    }
    const bool locked = !viewpoints.namesEditable();
    m_remove->setEnabled(locked);
    if (locked == m_shapeFile->isReadOnly()) {
        return;
    }
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        if (locked) {
            m_tips[i] = m_names[i]->toolTip();
        }
        m_names[i]->setToolTip(
            locked ? QStringLiteral("Las vistas añadidas usan los archivos de la vista principal.")
                   : m_tips[i]);
        // The fields stay readable and selectable; the buttons cannot be pressed.
        if (auto* field = qobject_cast<QLineEdit*>(m_names[i])) {
            field->setReadOnly(locked);
        } else {
            m_names[i]->setEnabled(!locked);
        }
    }
}

} // namespace orbanil
