#include "ui/FixedWindow.h"

#include "ui/CommandButton.h"
#include "ui/FrameStyle.h"
#include "ui/KeystrokeFilter.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace orbanil {

FixedWindow::FixedWindow(const QString& caption, int clientWidthTwips, int clientHeightTwips,
                         const QIcon& icon, std::function<void()> beep)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      m_twips(font()), m_beep(std::move(beep))
{
    setWindowTitle(caption);
    setWindowIcon(icon);
    setFixedSize(m_twips.px(clientWidthTwips), m_twips.px(clientHeightTwips));
}

void FixedWindow::showWindow()
{
    if (!m_placed) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
}

void FixedWindow::setEnabledIfChanged(QWidget* control, bool enabled)
{
    if (control->isEnabled() != enabled) {
        control->setEnabled(enabled);
    }
}

void FixedWindow::closeEvent(QCloseEvent* event)
{
    // The window set unloads the window (or more than one); Qt must not just hide it.
    event->ignore();
    emit closeBoxPressed();
}

QGroupBox* FixedWindow::addFrame(QWidget* container, const char* name, const QString& caption,
                                 int left, int top, int width, int height)
{
    auto* frame = new QGroupBox(caption, container);
    frame->setObjectName(QLatin1String(name));
    if (!m_frameStyle) {
        m_frameStyle = new FrameStyle;
        m_frameStyle->setParent(this);
    }
    frame->setStyle(m_frameStyle);
    m_twips.place(frame, left, top, width, height);
    return frame;
}

QLabel* FixedWindow::addLabel(QWidget* container, const char* name, const QString& text, int left,
                              int top, int width, int height)
{
    auto* label = new QLabel(text, container);
    label->setObjectName(QLatin1String(name));
    // File names and typed numbers are shown as they are, never read as markup.
    label->setTextFormat(Qt::PlainText);
    m_twips.place(label, left, top, width, height);
    return label;
}

QLineEdit* FixedWindow::addField(QWidget* container, const char* name, FilterKind keys, int left,
                                 int top, int width, int height)
{
    auto* field = new QLineEdit(container);
    field->setObjectName(QLatin1String(name));
    filterKeystrokes(field, keys);
    m_twips.place(field, left, top, width, height);
    return field;
}

QPushButton* FixedWindow::addButton(QWidget* container, const char* name, const QString& caption,
                                    int left, int top, int width, int height)
{
    auto* button = new CommandButton(caption, container);
    button->setObjectName(QLatin1String(name));
    // No default button: Enter belongs to the field that has the focus.
    button->setAutoDefault(false);
    button->setDefault(false);
    m_twips.place(button, left, top, width, height);
    return button;
}

void FixedWindow::filterKeystrokes(QWidget* field, FilterKind kind)
{
    new KeystrokeFilter(kind, m_beep, field);
}

} // namespace orbanil
