#pragma once

#include "core/block/KeyFilter.h"

#include <QObject>
#include <QString>
#include <functional>

class QKeyEvent;
class QWidget;

namespace orbanil {

// The character codes a key press types, in order: its text, or the control code of
// Ctrl+letter (Ctrl+V is 22), Ctrl+Enter (10) or Ctrl+Backspace (127); empty for keys that
// type nothing (arrows, Tab, Delete ...).
QString typedCharacters(const QKeyEvent& event);

// An Alt combination that reached a field, so no access key took it: it types nothing and
// beeps, in every field. Ctrl+Alt is AltGr on Windows keyboards and types real characters.
bool isUnmatchedAltKey(const QKeyEvent& event);

// Ctrl+Y or Ctrl+Shift+Z: both redo, on every platform, although Qt takes only one of them.
bool isRedoKey(const QKeyEvent& event);

// Undo, redo, cut, copy, paste or select all: edits that a field makes itself, whatever the
// control code Ctrl with the letter would type. A paste still passes the field's rule.
bool isEditingShortcut(const QKeyEvent& event);

// Feeds every character typed into one field (keys and input-method commits) to the
// keystroke rule of its filter kind before the field sees it, the other convention's decimal
// separator made the field's own; rejected ones beep. The editing shortcuts reach the field
// untouched.
class KeystrokeFilter : public QObject
{
    Q_OBJECT
public:
    // Watches `field`, which owns the filter.
    KeystrokeFilter(FilterKind kind, std::function<void()> beep, QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The characters of `typed` that the rule lets through, separators converted; beeps once if
    // any was rejected.
    QString admitted(const QString& typed) const;
    void beep() const;

    FilterKind m_kind;
    std::function<void()> m_beep;
};

} // namespace orbanil
