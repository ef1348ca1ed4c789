#include "ui/CodeBox.h"

#include "ui/KeystrokeFilter.h"

#include <QKeyEvent>
#include <QTextCursor>
#include <QTextDocument>

namespace orbanil {

CodeBox::CodeBox(QWidget* parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab walks the window's focus order instead of typing a tab into the code.
    setTabChangesFocus(true);
}

QString CodeBox::codeText() const
{
    // The document separates lines by U+2029 (and U+2028 for Shift+Enter) internally.
    const QString raw = document()->toRawText();
    QString text;
    text.reserve(raw.size() + raw.size() / 16);
    for (const QChar ch : raw) {
        if (ch == QChar::ParagraphSeparator || ch == QChar::LineSeparator) {
            text.append(QLatin1String("\r\n"));
        } else {
            text.append(ch);
        }
    }
    return text;
}

void CodeBox::replaceCodeText(const QString& text)
{
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    if (text.isEmpty()) {
        cursor.removeSelectedText();
    } else {
        cursor.insertText(text);
    }
    cursor.endEditBlock();
    // The caret goes to the start, as after loading a text into a fresh box.
    cursor.movePosition(QTextCursor::Start);
    setTextCursor(cursor);
}

void CodeBox::keyPressEvent(QKeyEvent* event)
{
    if (isRedoKey(*event)) {
        redo();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

bool CodeBox::isEmpty() const
{
    return document()->isEmpty();
}

} // namespace orbanil
