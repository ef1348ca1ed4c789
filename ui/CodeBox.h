#pragma once

#include <QPlainTextEdit>

namespace orbanil {

// The code box: a plain text field without wrapping whose text leaves it with CR LF line
// ends, whatever the widget keeps inside, and is replaced as one undoable edit. Ctrl+Y and
// Ctrl+Shift+Z both redo, on every platform.
class CodeBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit CodeBox(QWidget* parent);

    // The code text, lines separated by CR LF.
    QString codeText() const;

    // Replaces the whole text (any line ends) in one step that Ctrl+Z undoes.
    void replaceCodeText(const QString& text);

    bool isEmpty() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace orbanil
