#include "ui/FixedWindow.h"

#include "ui/CommandButton.h"
#include "ui/ElidedLabel.h"
#include "ui/FieldTextValidator.h"
#include "ui/FrameStyle.h"
#include "ui/KeystrokeFilter.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace orbanil {

namespace {

// A field that tells where it draws its text, as its own painting finds it: inside the style's
// frame and the text margins, two pixels in from each side, one of them kept for the caret.
class MeasuredField : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;

    QRect textArea() const
    {
        QStyleOptionFrame option;
        initStyleOption(&option);
        const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
        return contents.marginsRemoved(textMargins()).adjusted(2, 0, -3, 0);
    }
};

// What a window's controls stand on. Once a label wraps, the scroll area keeps the page's size
// hint and its height for a width whole, and would scroll a resizable window whose layout
// could still shrink (an image to its least): both are the least the layout needs at the width
// the scroll area shows, never the page's own, which would keep the page from narrowing.
class Page : public QWidget
{
public:
    QSize sizeHint() const override
    {
        if (!wraps()) {
            return QWidget::sizeHint();
        }
        const QWidget* shown = parentWidget();
        const int across = std::max(shown ? shown->width() : 0, minimumSizeHint().width());
        return {across, heightForWidth(across)};
    }

    int heightForWidth(int across) const override
    {
        return wraps() ? layout()->minimumHeightForWidth(across) : QWidget::heightForWidth(across);
    }

private:
    bool wraps() const { return layout() && layout()->hasHeightForWidth(); }
};

} // namespace

FixedWindow::FixedWindow(const QString& caption, int clientWidthTwips, int clientHeightTwips,
                         const QIcon& icon, UiServices services)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      m_twips(font()), m_services(std::move(services)), m_scroller(new QScrollArea(this)),
      m_page(new Page)
{
    setWindowTitle(caption);
    setWindowIcon(icon);
    m_design = QSize(m_twips.px(clientWidthTwips), m_twips.px(clientHeightTwips));
    m_page->setFixedSize(m_design);
    m_scroller->setWidget(m_page);
    m_scroller->setFrameShape(QFrame::NoFrame);
    // Tab walks the controls only, and the scroller brings each one it reaches into view.
    m_scroller->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroller);
    setFixedSize(m_page->size());
}

void FixedWindow::showWindow(const Placement& place)
{
    if (!m_placed) {
        fitToScreen(place);
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
}

void FixedWindow::fitToScreen(const Placement& place)
{
    const QRect area =
        m_services.screenArea ? m_services.screenArea(*this) : availableScreenArea(*this);
    // The window system tells the title bar and borders only once it has framed the window:
    // until then the style's own title bar and frame, which are no smaller, stand for them.
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    const QSize frame(2 * border, style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * border);
    const QSize room = (area.size() - frame).expandedTo(QSize(1, 1));
    // A resizable window's page shrinks with it down to what its layout needs.
    const QSize needed = m_resizable ? m_page->minimumSizeHint() : m_design;
    const QSize design = m_design.expandedTo(needed);
    // A scroll bar needed one way takes room the other way.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroller);
    const bool narrow = needed.width() > room.width() ||
                        (needed.height() > room.height() && needed.width() + bar > room.width());
    const bool low = needed.height() + (narrow ? bar : 0) > room.height();
    const QSize client(std::min(design.width() + (low ? bar : 0), room.width()),
                       std::min(design.height() + (narrow ? bar : 0), room.height()));
    if (m_resizable) {
        setMinimumSize(needed.boundedTo(room));
        resize(client);
    } else {
        setFixedSize(client);
    }

    QRect placed(QPoint(), client + frame);
    placed.moveCenter(area.center());
    if (place) {
        placed = place(placed.size(), needed.boundedTo(room) + frame, area);
        if (m_resizable) {
            resize(placed.size() - frame);
        }
    }
    // However large the window, its title bar stays on the screen, where it can be dragged.
    move(std::max(placed.left(), area.left()), std::max(placed.top(), area.top()));
}

void FixedWindow::makeResizable()
{
    m_resizable = true;
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    // The design size stays the size the window first takes, unless its layout needs more.
    m_page->setMinimumSize(0, 0);
    m_page->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_scroller->setWidgetResizable(true);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(m_design);
}

void FixedWindow::closeEvent(QCloseEvent* event)
{
    // The window set unloads the window (or more than one); Qt must not just hide it.
    event->ignore();
    emit closeBoxPressed();
}

void FixedWindow::keyPressEvent(QKeyEvent* event)
{
    if (m_escapeCloses && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FixedWindow::place(QWidget* control, int left, int top, int width, int height)
{
    // Controls placed on the window itself stand on its page, which scrolls on a small screen.
    if (control->parentWidget() == this) {
        control->setParent(m_page);
    }
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
    QLabel* label = makeLabel(container, name, text);
    place(label, left, top, width, height);
    return label;
}

QLabel* FixedWindow::makeLabel(QWidget* container, const char* name, const QString& text)
{
    auto* label = makeControl(new ElidedLabel(container), name);
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

int FixedWindow::fieldWidthFor(const QString& text) const
{
    MeasuredField probe(m_page);
    probe.resize(200, 20);
    return m_twips.twips(probe.width() - probe.textArea().width() +
                         probe.fontMetrics().horizontalAdvance(text));
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
    QPushButton* button = makeButton(container, name, caption);
    place(button, left, top, width, height);
    return button;
}

QPushButton* FixedWindow::makeButton(QWidget* container, const char* name, const QString& caption)
{
    auto* button = makeControl(new CommandButton(caption, container), name);
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
    new KeystrokeFilter(kind, m_services.beep, field);
}

void FixedWindow::beep() const
{
    if (m_services.beep) {
        m_services.beep();
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

void FixedWindow::replaceFieldText(QLineEdit* field, const QString& text)
{
    if (field->text() != text) {
        field->selectAll();
        field->insert(text);
    }
}

} // namespace orbanil
