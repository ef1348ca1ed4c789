#include "ui/KeystrokeFilter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstdint>

namespace orbanil {

QString typedCharacters(const QKeyEvent& event)
{
    const int key = event.key();
    // Focus moves and deletions carry "\t" or "\x7f" as text but type nothing.
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete) {
        return {};
    }
    const Qt::KeyboardModifiers mods = event.modifiers();
    // With Ctrl held, Enter types a line feed and Backspace a delete, as on Windows.
    const bool control = mods & Qt::ControlModifier;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        return QString(QChar(control ? 10 : 13));
    }
    if (key == Qt::Key_Backspace) {
        return QString(QChar(control ? 127 : 8));
    }
    if (control && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return QString(QChar(key - Qt::Key_A + 1));
    }
    return event.text();
}

bool isUnmatchedAltKey(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers mods = event.modifiers();
    return (mods & Qt::AltModifier) && !(mods & Qt::ControlModifier) && !event.text().isEmpty();
}

bool isRedoKey(const QKeyEvent& event)
{
    const QKeyCombination pressed = event.keyCombination();
    return pressed == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
           pressed == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

bool isEditingShortcut(const QKeyEvent& event)
{
    return isRedoKey(event) ||
           std::ranges::any_of(
               std::array{QKeySequence::Undo, QKeySequence::Redo, QKeySequence::Cut,
                          QKeySequence::Copy, QKeySequence::Paste, QKeySequence::SelectAll},
               [&event](QKeySequence::StandardKey key) { return event.matches(key); });
}

KeystrokeFilter::KeystrokeFilter(FilterKind kind, std::function<void()> beep, QWidget* field)
    : QObject(field), m_kind(kind), m_beep(std::move(beep))
{
    field->installEventFilter(this);
}

void KeystrokeFilter::beep() const
{
    if (m_beep) {
        m_beep();
    }
}

QString KeystrokeFilter::admitted(const QString& typed) const
{
    QString kept;
    bool rejected = false;
    for (const QChar ch : typed) {
        const std::int16_t code = convertSeparator(m_kind, static_cast<std::int16_t>(ch.unicode()));
        switch (filterKey(m_kind, code)) {
        case KeyOutcome::Accept:
            kept.append(QChar(static_cast<char16_t>(code)));
            break;
        case KeyOutcome::Swallow:
            break;
        case KeyOutcome::Reject:
            rejected = true;
            break;
        }
    }
    if (rejected) {
        beep();
    }
    return kept;
}

bool KeystrokeFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (isUnmatchedAltKey(key)) {
            beep();
            return true;
        }
        if (isEditingShortcut(key)) {
            auto* line = qobject_cast<QLineEdit*>(watched);
            if (line && isRedoKey(key)) {
                line->redo();
                return true;
            }
            return false;
        }
        const QString typed = typedCharacters(key);
        if (typed.isEmpty()) {
            return false;
        }
        const QString kept = admitted(typed);
        if (kept == typed) {
            return false;
        }
        // Some characters survive, or a separator was converted: commit just those, as typed.
        if (!kept.isEmpty()) {
            QInputMethodEvent commit;
            commit.setCommitString(kept);
            QCoreApplication::sendEvent(watched, &commit);
        }
        return true;
    }
    if (event->type() == QEvent::InputMethod) {
        auto* im = static_cast<QInputMethodEvent*>(event);
        const QString typed = im->commitString();
        if (typed.isEmpty()) {
            return false;
        }
        const QString kept = admitted(typed);
        if (kept == typed) {
            return false;
        }
        // Re-sent with the admitted characters only; this filter lets that one pass.
        QInputMethodEvent filtered(im->preeditString(), im->attributes());
        filtered.setCommitString(kept, im->replacementStart(), im->replacementLength());
        QCoreApplication::sendEvent(watched, &filtered);
        return true;
    }
    return false;
}

} // namespace orbanil
