#pragma once

#include <QPushButton>

namespace orbanil {

// A push button whose caption wraps onto more lines when it is wider than the button, so
// long captions such as "&Copiar al Portapapeles" fit the designed button sizes. Enter and
// keypad Enter press it when it has the focus, as Space does, though it is never a default.
class CommandButton : public QPushButton
{
    Q_OBJECT
public:
    CommandButton(const QString& caption, QWidget* parent);

    // The rectangle the caption is drawn in.
    QRect captionRect() const;

    // Flags of the caption drawing: centred, access key underlined, wrapped at blanks.
    static constexpr int captionFlags = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextWordWrap;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace orbanil
