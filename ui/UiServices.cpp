#include "ui/UiServices.h"

#include "ui/BreakOpportunities.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

namespace orbanil {

namespace {

// Ctrl+C copies the message as written, without the break opportunities it is shown with, and
// screen readers read it so.
class MessageBox : public QMessageBox
{
public:
    MessageBox(const Message& message, const QString& shownText, QWidget* parent)
        : QMessageBox(message.icon, message.title, shownText, message.buttons, parent),
          m_text(message.text)
    {
        if (auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            label->setAccessibleName(m_text);
        }
    }

    const QString& writtenText() const { return m_text; }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Copy)) {
            QGuiApplication::clipboard()->setText(m_text);
            return;
        }
        QMessageBox::keyPressEvent(event);
    }

private:
    QString m_text;
};

// Qt's own interface for a message box gives the text as shown, break opportunities and all.
class AccessibleMessageBox : public QAccessibleWidget
{
public:
    explicit AccessibleMessageBox(MessageBox* box)
        : QAccessibleWidget(box, QAccessible::AlertMessage), m_box(box)
    {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value) {
            return m_box->writtenText();
        }
        const QString text = QAccessibleWidget::text(kind);
        return kind == QAccessible::Name && text.isEmpty() ? m_box->windowTitle() : text;
    }

private:
    MessageBox* m_box;
};

QAccessibleInterface* accessibleMessageBox(const QString&, QObject* object)
{
    auto* box = dynamic_cast<MessageBox*>(object);
    return box ? new AccessibleMessageBox(box) : nullptr;
}

} // namespace

QMessageBox::StandardButton showMessage(QWidget* parent, const Message& message)
{
    // Message texts use CR LF like every text of the program; the label breaks lines at LF.
    QString text = message.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    // Qt keeps one entry however often it is installed.
    QAccessible::installFactory(&accessibleMessageBox);
    MessageBox box(message, withBreakOpportunities(text), parent);
    // Texts that hold typed input or file names are never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setObjectName(QStringLiteral("messageBox"));
    if (message.defaultButton != QMessageBox::NoButton) {
        box.setDefaultButton(message.defaultButton);
    }
    if (message.escapeButton != QMessageBox::NoButton) {
        box.setEscapeButton(message.escapeButton);
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

Message warning(const QString& title, const QString& text)
{
    return Message{title, text, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok};
}

QRect availableScreenArea(const QWidget& window)
{
    return window.screen()->availableGeometry();
}

UiServices defaultUiServices()
{
    return UiServices{[] { QApplication::beep(); }, &showMessage, &availableScreenArea,
                      [](QWidget* parent, const FileQuestion& question) {
                          return QFileDialog::getExistingDirectory(parent, question.title,
                                                                   question.start);
                      },
                      [](QWidget* parent, const FileQuestion& question) {
                          return QFileDialog::getSaveFileName(parent, question.title,
                                                              question.start, question.filter);
                      }};
}

} // namespace orbanil
