#pragma once

#include "ui/Twips.h"

#include <QIcon>
#include <QWidget>

namespace orbanil {

// A top-level window of fixed size with a caption and a close box, no minimize or maximize
// button, centred on the screen the first time it is shown.
class FixedWindow : public QWidget
{
    Q_OBJECT
public:
    FixedWindow(const QString& caption, int clientWidthTwips, int clientHeightTwips,
                const QIcon& icon);

    const Twips& twips() const { return m_twips; }

    // Shows, raises and activates the window; centres it on its first showing only.
    void showWindow();

signals:
    // The close box was pressed; the window set decides what unloading it means.
    void closeBoxPressed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Twips m_twips;
    bool m_placed = false;
};

} // namespace orbanil
