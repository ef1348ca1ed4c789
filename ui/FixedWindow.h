#pragma once

#include "core/block/KeyFilter.h"
#include "ui/Twips.h"
#include "ui/UiServices.h"

#include <QIcon>
#include <QWidget>
#include <functional>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QStyle;
class QTimer;

namespace orbanil {

// A top-level window of fixed size (unless made resizable) with a caption and a close box, no
// minimize or maximize button, centred on the screen the first time it is shown. Its controls are
// built by the add functions below, each named and placed at a design rectangle in twips. On a
// screen too small for it the window takes the room there is and its controls scroll, following
// Tab.
class FixedWindow : public QWidget
{
    Q_OBJECT
public:
    // The services' beep sounds for a keystroke that a field of the window refuses.
    FixedWindow(const QString& caption, int clientWidthTwips, int clientHeightTwips,
                const QIcon& icon, UiServices services);

    // Where a window opens: its frame's rectangle for the frame size it takes, the least it may
    // take and the screen's free area.
    using Placement = std::function<QRect(QSize frame, QSize least, QRect area)>;

    // Shows, raises and activates the window; sizes and places it on its first showing only,
    // centred unless `place` says where (a window that cannot be resized keeps its size).
    void showWindow(const Placement& place = {});

signals:
    // The close box was pressed; the window set decides what unloading it means.
    void closeBoxPressed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    const UiServices& services() const { return m_services; }
    // Escape, when no control takes it, closes the window as its close box does.
    void closeOnEscape() { m_escapeCloses = true; }

    // The window may be resized and maximised from its design size: its controls follow the
    // layout set on page(), and the page scrolls when the window is smaller than the layout.
    void makeResizable();
    // What holds the window's controls.
    QWidget* page() const { return m_page; }

    QGroupBox* addFrame(QWidget* container, const char* name, const QString& caption, int left,
                        int top, int width, int height);
    // Shows its text as written, never as markup: file names and typed numbers go there. A
    // text too long for one line is drawn cut short with "…", whole in its tooltip.
    QLabel* addLabel(QWidget* container, const char* name, const QString& text, int left, int top,
                     int width, int height);
    // Every character typed into the field passes the keystroke rule of `keys` first, and the
    // field never holds a text that the rule would not have let through (a paste, a drop).
    // `spokenName` is what a screen reader calls it; its frame's caption would not tell fields
    // of one frame apart.
    QLineEdit* addField(QWidget* container, const char* name, const QString& spokenName,
                        FilterKind keys, int left, int top, int width, int height);
    // The width in twips that a field of this window needs to show `text` whole, at the
    // window's font and style.
    int fieldWidthFor(const QString& text) const;
    // A multi-line text box with a vertical scroll bar, wrapping long lines at blanks.
    QPlainTextEdit* addTextBox(QWidget* container, const char* name, int left, int top, int width,
                               int height);
    // A command button, never the window's default: Enter belongs to the focused control.
    QPushButton* addButton(QWidget* container, const char* name, const QString& caption, int left,
                           int top, int width, int height);
    // A list of names of which one at a time is selected.
    QListWidget* addList(QWidget* container, const char* name, int left, int top, int width,
                         int height);
    QComboBox* addComboBox(QWidget* container, const char* name, int left, int top, int width,
                           int height);
    // A timer that ticks every 100 ms from now until the window is destroyed.
    QTimer* addTimer(QObject* container, const char* name);

    // Names and places a control of a kind of the window's own.
    template <class Control>
    Control* addControl(Control* control, const char* name, int left, int top, int width,
                        int height)
    {
        place(makeControl(control, name), left, top, width, height);
        return control;
    }

    // For a window whose layout places its controls: named and made as by the add functions
    // above, and left for the layout to place.
    template <class Control> static Control* makeControl(Control* control, const char* name)
    {
        control->setObjectName(QLatin1String(name));
        return control;
    }
    QLabel* makeLabel(QWidget* container, const char* name, const QString& text);
    QPushButton* makeButton(QWidget* container, const char* name, const QString& caption);

    // Every character typed into `field` passes the keystroke rule of `kind` first.
    void filterKeystrokes(QWidget* field, FilterKind kind);

    // Tab walks the controls in this order; the first takes the focus.
    void setFocusOrder(const std::vector<QWidget*>& order);

    // Sets a control's enabled state only when it differs, so idle timer ticks cost nothing.
    static void setEnabledIfChanged(QWidget* control, bool enabled);
    // Writes a text into a field as one edit that Ctrl+Z undoes, like typing; a text the
    // field's rule refuses is not written.
    static void replaceFieldText(QLineEdit* field, const QString& text);

private:
    void beep() const;
    void place(QWidget* control, int left, int top, int width, int height);
    // Takes the design size where the screen has room for it, else the room there is.
    void fitToScreen(const Placement& place);

    Twips m_twips;
    UiServices m_services;
    QScrollArea* m_scroller;
    QWidget* m_page; // holds the controls at the design size
    QSize m_design;
    bool m_placed = false;
    bool m_escapeCloses = false;
    bool m_resizable = false;
    QStyle* m_frameStyle = nullptr; // shared by the window's frames, made with the first frame
};

} // namespace orbanil
