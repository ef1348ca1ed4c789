#pragma once

#include "core/block/CabinBox.h"
#include "ui/FixedWindow.h"
#include "ui/UiServices.h"

#include <array>
#include <memory>

class QLineEdit;
class QPushButton;

namespace orbanil {

struct CabinShape;

// The box dimensions dialog: the first window of a run, holding the cabin box as three texts.
class FrmBox : public FixedWindow
{
    Q_OBJECT
public:
    explicit FrmBox(UiServices services);

    // The three texts as typed.
    CabinBox dimensions() const;
    // The cabin's shape once it has been read, which "Tomar de la forma" measures; nullptr
    // while none is.
    void setCabinShape(std::shared_ptr<const CabinShape> shape);

signals:
    // The summary was shown: the main window is shown and this dialog hidden.
    void nextAccepted();
    // "&Cerrar": this dialog and the main window are unloaded.
    void closeRequested();

private:
    void Timer1_Timer();
    void CmdNext_Click();
    void CmdFromShape_Click();

    // Tells the user which text is not a dimension of the box and puts the focus there.
    void warnOfDimension(const CabinBox& box);

    std::array<QLineEdit*, boxFields.size()> m_fields{}; // in the order of boxFields
    QPushButton* CmdNext;
    QPushButton* CmdFromShape;
    std::shared_ptr<const CabinShape> m_shape;
};

} // namespace orbanil
