#pragma once

#include "core/block/ViewParams.h"
#include "tests/support/WorkedExample.h"
#include "ui/FrmBox.h"
#include "ui/FrmOrbanil.h"
#include "ui/PathQString.h"
#include "ui/UiServices.h"
#include "ui/WindowSet.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QEvent>
#include <QLineEdit>
#include <QList>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

namespace orbanil::testing {

// The control of `window` named `name`, e.g. control<QPushButton>(main, "CmdGenerate"). A name
// that no control of that kind has, or that two have, is a broken test, not a failed check:
// every later step would act on the wrong control, so the test program stops there, naming it.
template <class Control> Control* control(const QWidget* window, const char* name)
{
    const QList<Control*> found = window->findChildren<Control*>(QString::fromLatin1(name));
    if (found.size() != 1) {
        qFatal("%s holds %d controls named %s of the kind asked for",
               qPrintable(window->objectName()), static_cast<int>(found.size()), name);
    }
    return found.first();
}

// Services that count beeps and answer message boxes from a script, recording each one.
struct RecordedServices
{
    int beeps = 0;
    QList<Message> messages;
    // Answers in order; when none is left, the message's default button (or OK) is pressed.
    // QMessageBox::Escape stands for Escape or the close box.
    QList<QMessageBox::StandardButton> answers;
    // The room a screen leaves the windows, when a test sets it; else the real screen's.
    QRect screenArea;
    // The folder and file dialogs asked, and their answers in order; when none is left, the
    // dialog is cancelled.
    QList<FileQuestion> dialogs;
    QStringList dialogAnswers;

    UiServices services()
    {
        return UiServices{
            [this] { ++beeps; },
            [this](QWidget*, const Message& message) {
                messages.append(message);
                if (!answers.isEmpty()) {
                    const QMessageBox::StandardButton answer = answers.takeFirst();
                    return answer == QMessageBox::Escape ? escapeAnswer(message) : answer;
                }
                return message.defaultButton != QMessageBox::NoButton ? message.defaultButton
                                                                      : QMessageBox::Ok;
            },
            [this](const QWidget& window) {
                return screenArea.isEmpty() ? availableScreenArea(window) : screenArea;
            },
            [this](QWidget*, const FileQuestion& question) { return answer(question); },
            [this](QWidget*, const FileQuestion& question) { return answer(question); }};
    }

    QString answer(const FileQuestion& question)
    {
        dialogs.append(question);
        return dialogAnswers.isEmpty() ? QString() : dialogAnswers.takeFirst();
    }

    // What a real box answers to Escape: its escape button, else what Qt picks for a box of
    // these buttons (the only one, or "No" beside "Yes").
    static QMessageBox::StandardButton escapeAnswer(const Message& message)
    {
        if (message.escapeButton != QMessageBox::NoButton) {
            return message.escapeButton;
        }
        if (message.buttons.testFlag(QMessageBox::No)) {
            return QMessageBox::No;
        }
        return message.buttons == QMessageBox::Ok ? QMessageBox::Ok : QMessageBox::NoButton;
    }
};

inline std::filesystem::path folderOf(const QTemporaryDir& dir)
{
    return qStringToPath(dir.path());
}

// A window set over a fresh program folder, with recorded services, started; on a screen that
// leaves the windows `screenArea` when one is given.
struct StartedRun
{
    QTemporaryDir folder;
    RecordedServices recorded;
    std::unique_ptr<WindowSet> windows;

    explicit StartedRun(const QRect& screenArea = {})
    {
        recorded.screenArea = screenArea;
        windows = std::make_unique<WindowSet>(folderOf(folder), recorded.services());
        windows->start();
    }
    FrmBox* box() const { return windows->frmBox(); }
    FrmOrbanil* main() const { return windows->frmOrbanil(); }
};

inline void typeInto(QLineEdit* field, const QString& text)
{
    field->clear();
    QTest::keyClicks(field, text);
}

// Types the three dimensions and presses "&Siguiente" once the dialog's timer allows it.
inline void passDialog(FrmBox* box, const QString& length, const QString& height,
                       const QString& width)
{
    typeInto(control<QLineEdit>(box, "txtLong"), length);
    typeInto(control<QLineEdit>(box, "txtHeight"), height);
    typeInto(control<QLineEdit>(box, "txtWidth"), width);
    auto* next = control<QPushButton>(box, "CmdNext");
    QTRY_VERIFY(next->isEnabled());
    QTest::mouseClick(next, Qt::LeftButton);
}

// The worked example's view parameters, typed key by key.
inline void typeWorkedExample(FrmOrbanil* main)
{
    const ViewParams example = workedExampleParams();
    for (const ViewField& field : viewFields) {
        typeInto(control<QLineEdit>(main, field.control),
                 QString::fromStdString(example.*field.member));
    }
}

inline const QString workedExampleCode = QString::fromStdString(workedExampleBlock);

// The texts of the view fields in their order; only the nine numbers when `numbersOnly`.
inline QStringList viewFieldTexts(const QWidget* main, bool numbersOnly = false)
{
    QStringList texts;
    for (const ViewField& field : viewFields) {
        if (!numbersOnly || isNumberField(field)) {
            texts.append(control<QLineEdit>(main, field.control)->text());
        }
    }
    return texts;
}

// The main window of a run whose dialog was passed with 12,5 x 3 x 2,9.
inline FrmOrbanil* openMainWindow(StartedRun& run)
{
    passDialog(run.box(), QStringLiteral("12,5"), QStringLiteral("3"), QStringLiteral("2,9"));
    return run.main();
}

// Walks the focus chain from `first` and returns the object names of the focusable
// widgets in order, until the chain comes back to `first`.
inline QStringList focusChain(QWidget* first)
{
    QStringList names;
    QWidget* w = first;
    do {
        if (w->isVisibleTo(first->window()) && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
            !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"))) {
            names.append(w->objectName());
        }
        w = w->nextInFocusChain();
    } while (w != first && names.size() < 200);
    return names;
}

// The texts of a list's entries as the user reads them (folder entries are indented).
inline QStringList listTexts(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        texts.append(list->item(i)->text().trimmed());
    }
    return texts;
}

inline QListWidgetItem* itemNamed(const QListWidget* list, const QString& text)
{
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->text().trimmed() == text) {
            return list->item(i);
        }
    }
    return nullptr;
}

inline void clickItem(QListWidget* list, const QString& text)
{
    QListWidgetItem* item = itemNamed(list, text);
    QVERIFY2(item, qPrintable(text));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

inline void doubleClickItem(QListWidget* list, const QString& text)
{
    QListWidgetItem* item = itemNamed(list, text);
    QVERIFY2(item, qPrintable(text));
    const QPoint at = list->visualItemRect(item).center();
    // As the system reports a double click: a click, a second press as double, a release.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

// Counts the paint events a widget receives, once installed as its event filter.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// Runs `act` on the next message box shown, from inside the event loop that the box waits in.
inline void onNextMessageBox(std::function<void(QMessageBox*)> act)
{
    auto* poll = new QTimer(QCoreApplication::instance());
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act = std::move(act)] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(box);
        }
    });
    poll->start(10);
}

// Asks a control for its context menu as a right click does; the menu it pops up, if any.
inline QMenu* openContextMenu(QWidget* control)
{
    // A text box takes the mouse, and the click, in its viewport.
    if (auto* box = qobject_cast<QAbstractScrollArea*>(control)) {
        control = box->viewport();
    }
    const QPoint at = control->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, control->mapToGlobal(at));
    QApplication::sendEvent(control, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// The entry of a field's context menu whose caption Qt writes as `source` in its QLineEdit
// texts ("&Paste"), in whatever language Qt's own texts are loaded; nullptr if there is none.
inline QAction* menuEntry(const QMenu* menu, const char* source)
{
    const QString caption = QCoreApplication::translate("QLineEdit", source);
    for (QAction* action : menu->actions()) {
        // The caption, then a tab and the shortcut.
        if (action->text().section(QLatin1Char('\t'), 0, 0) == caption) {
            return action;
        }
    }
    return nullptr;
}

inline void clickMenuEntry(QMenu* menu, const char* source)
{
    QAction* entry = menuEntry(menu, source);
    if (!entry) {
        menu->close();
    }
    QVERIFY2(entry, source);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
}

} // namespace orbanil::testing
