#include "ui/FixedWindow.h"

#include "ui/CommandButton.h"
#include "ui/ElidedLabel.h"
#include "ui/FieldTextValidator.h"
#include "ui/FrameStyle.h"
#include "ui/KeystrokeFilter.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

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

void FixedWindow::closeEvent(QCloseEvent* event)
{
    // The window set unloads the window (or more than one); Qt must not just hide it.
    event->ignore();
    emit closeBoxPressed();
}

void FixedWindow::place(QWidget* control, const char* name, int left, int top, int width,
                        int height)
{
    control->setObjectName(QLatin1String(name));
    m_twips.place(control, left, top, width, height);
}

QGroupBox* FixedWindow::addFrame(QWidget* container, const char* name, const QString& caption,
                                 int left, int top, int width, int height)
{
    auto* frame = addControl(new QGroupBox(caption, container), name, left, top, width, height);
    if (!m_frameStyle) {
        m_frameStyle = new FrameStyle;
        m_frameStyle->setParent(this);
    }
    frame->setStyle(m_frameStyle);
    return frame;
}

QLabel* FixedWindow::addLabel(QWidget* container, const char* name, const QString& text, int left,
                              int top, int width, int height)
{
    auto* label = addControl(new ElidedLabel(container), name, left, top, width, height);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

QLineEdit* FixedWindow::addField(QWidget* container, const char* name, const QString& spokenName,
                                 FilterKind keys, int left, int top, int width, int height)
{
    auto* field = addControl(new QLineEdit(container), name, left, top, width, height);
    field->setAccessibleName(spokenName);
    filterKeystrokes(field, keys);
    // Pasted and dropped text bypasses the keystroke filter; the same rule holds it back.
    field->setValidator(new FieldTextValidator(keys, field));
    connect(field, &QLineEdit::inputRejected, this, &FixedWindow::beep);
    return field;
}

QPlainTextEdit* FixedWindow::addTextBox(QWidget* container, const char* name, int left, int top,
                                        int width, int height)
{
    auto* box = addControl(new QPlainTextEdit(container), name, left, top, width, height);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return box;
}

QPushButton* FixedWindow::addButton(QWidget* container, const char* name, const QString& caption,
                                    int left, int top, int width, int height)
{
    auto* button =
        addControl(new CommandButton(caption, container), name, left, top, width, height);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QListWidget* FixedWindow::addList(QWidget* container, const char* name, int left, int top,
                                  int width, int height)
{
    auto* list = addControl(new QListWidget(container), name, left, top, width, height);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

QComboBox* FixedWindow::addComboBox(QWidget* container, const char* name, int left, int top,
                                    int width, int height)
{
    return addControl(new QComboBox(container), name, left, top, width, height);
}

QTimer* FixedWindow::addTimer(QObject* container, const char* name)
{
    auto* timer = new QTimer(container);
    timer->setObjectName(QLatin1String(name));
    timer->start(100);
    return timer;
}

void FixedWindow::filterKeystrokes(QWidget* field, FilterKind kind)
{
    new KeystrokeFilter(kind, m_beep, field);
}

void FixedWindow::beep() const
{
    if (m_beep) {
        m_beep();
    }
}

void FixedWindow::setFocusOrder(const std::vector<QWidget*>& order)
{
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    if (!order.empty()) {
        order.front()->setFocus();
    }
}

void FixedWindow::setEnabledIfChanged(QWidget* control, bool enabled)
{
    if (control->isEnabled() != enabled) {
        control->setEnabled(enabled);
    }
}

} // namespace orbanil
