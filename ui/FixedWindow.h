#pragma once

#include "core/KeyFilter.h"
#include "ui/Twips.h"

#include <QIcon>
#include <QWidget>
#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStyle;

namespace orbanil {

// A top-level window of fixed size with a caption and a close box, no minimize or maximize
// button, centred on the screen the first time it is shown.
class FixedWindow : public QWidget
{
    Q_OBJECT
public:
    // `beep` sounds for a keystroke that a field of the window refuses.
    FixedWindow(const QString& caption, int clientWidthTwips, int clientHeightTwips,
                const QIcon& icon, std::function<void()> beep = {});

    const Twips& twips() const { return m_twips; }

    // Shows, raises and activates the window; centres it on its first showing only.
    void showWindow();

    // Sets a control's enabled state only when it differs, so idle timer ticks cost nothing.
    static void setEnabledIfChanged(QWidget* control, bool enabled);

signals:
    // The close box was pressed; the window set decides what unloading it means.
    void closeBoxPressed();

protected:
    void closeEvent(QCloseEvent* event) override;

    // Controls named `name`, placed inside `container` at a design rectangle in twips.
    QGroupBox* addFrame(QWidget* container, const char* name, const QString& caption, int left,
                        int top, int width, int height);
    QLabel* addLabel(QWidget* container, const char* name, const QString& text, int left, int top,
                     int width, int height);
    QLineEdit* addField(QWidget* container, const char* name, FilterKind keys, int left, int top,
                        int width, int height);
    QPushButton* addButton(QWidget* container, const char* name, const QString& caption, int left,
                           int top, int width, int height);

    // Every character typed into `field` passes the keystroke rule of `kind` first.
    void filterKeystrokes(QWidget* field, FilterKind kind);

private:
    Twips m_twips;
    std::function<void()> m_beep;
    bool m_placed = false;
    QStyle* m_frameStyle = nullptr; // shared by the window's frames, made with the first frame
};

} // namespace orbanil
