#include "tests/support/UiTestSupport.h"
#include "ui/CodeBox.h"
#include "ui/QtTranslation.h"

#include <QClipboard>
#include <QGroupBox>
#include <algorithm>
#include <memory>

using namespace orbanil;
using namespace orbanil::testing;

namespace {

enum class PasteWay
{
    PasteCommand, // QLineEdit::paste(), what every other way ends in
    CtrlV,
    ShiftInsert,
    ContextMenu,
    MiddleClick, // the selection clipboard of X11
};

struct PasteCase
{
    const char* field;
    QString pasted;
    QString after; // the field held "1" before
    int beeps;
};

// Every kind of one-line field: signed decimal, digits only, a pitch's degrees, box dimension
// and free text.
const QList<PasteCase> pasteCases{
    {"txtCamPosX", "-2.5", "1-2.5", 0},
    {"txtCamPosX", "abc,1", "1", 1},
    {"txtCamPosX", "2,1", "12.1", 0}, // the other convention's separator made the field's own
    {"txtCamPosY", "7\r\n", "17", 0}, // the copied line's own end is dropped
    {"txtCamPosZ", "7\n8", "1", 1},
    {"txtRotLimX", "25", "125", 0},
    {"txtRotLimY", "-2", "1", 1},
    {"txtStaDirZ", "3.5", "1", 1},
    {"txtStaDirX", "0", "10", 0},
    {"txtStaDirX", "-10", "1", 1}, // a pitch's minus goes in front only
    {"txtLong", "2,5", "12,5", 0},
    {"txtWidth", "2.5", "12,5", 0},
    {"txtHeight", "abc,1", "1", 1},
    {"txtShapeFile", "mi cab (2).s", "1mi cab (2).s", 0},
    {"txtShapeFile", "interior.s\r\n", "1interior.s", 0},
    {"txtShapeFile", "a\tb.s", "1", 1},
    {"txtSound", "x.sms\n", "1x.sms", 0},
    {"txtSound", "a\rb.sms", "1", 1},
    {"txtfilename", "vagon\r", "1vagon", 0},
    {"txtfilename", QStringLiteral("va\u0001gon"), "1", 1},
};

} // namespace

Q_DECLARE_METATYPE(PasteWay)

class PasteTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void pasteFollowsTheFieldsKeystrokeRule_data();
    void pasteFollowsTheFieldsKeystrokeRule();
    void refusedPasteLeavesTextSelectionAndUndoAsTheyWere();
    void editingShortcutsWorkInNumberFields_data();
    void editingShortcutsWorkInNumberFields();
    void contextMenusSpeakSpanish_data();
    void contextMenusSpeakSpanish();

private:
    QLineEdit* field(const QString& name) const;

    RecordedServices m_recorded;
    QTemporaryDir m_folder;
    std::unique_ptr<FrmBox> m_box;
    std::unique_ptr<FrmOrbanil> m_main;
};

void PasteTest::initTestCase()
{
    // As the program does at its start; the menu's paste entry is then found in Spanish.
    installQtTranslation(*QCoreApplication::instance());
    m_box = std::make_unique<FrmBox>(m_recorded.services());
    m_main = std::make_unique<FrmOrbanil>(folderOf(m_folder), m_recorded.services(),
                                          CabinBox{"12,5", "3", "2,9"});
    m_box->showWindow();
    m_main->showWindow();
    // The save panel, for its name field.
    QTest::keyClicks(control<CodeBox>(m_main.get(), "txtCode"), QStringLiteral("x"));
    auto* saveFile = control<QPushButton>(m_main.get(), "CmdSaveFile");
    QTRY_VERIFY(saveFile->isEnabled());
    QTest::mouseClick(saveFile, Qt::LeftButton);
    QVERIFY(control<QGroupBox>(m_main.get(), "FraSave")->isVisible());
}

QLineEdit* PasteTest::field(const QString& name) const
{
    const bool inDialog = std::ranges::any_of(
        boxFields, [&name](const BoxField& box) { return name == QLatin1String(box.control); });
    const QWidget* window = inDialog ? static_cast<QWidget*>(m_box.get()) : m_main.get();
    return control<QLineEdit>(window, qPrintable(name));
}

void PasteTest::pasteFollowsTheFieldsKeystrokeRule_data()
{
    QTest::addColumn<PasteWay>("way");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("beeps");
    const QList<QPair<PasteWay, const char*>> ways{{PasteWay::PasteCommand, "paste"},
                                                   {PasteWay::CtrlV, "Ctrl+V"},
                                                   {PasteWay::ShiftInsert, "Shift+Insert"},
                                                   {PasteWay::ContextMenu, "context menu"},
                                                   {PasteWay::MiddleClick, "middle click"}};
    for (const auto& [way, wayName] : ways) {
        for (const PasteCase& c : pasteCases) {
            QTest::addRow("%s %s %s", wayName, c.field, qPrintable(c.after))
                << way << QString::fromLatin1(c.field) << c.pasted << c.after << c.beeps;
        }
    }
}

void PasteTest::pasteFollowsTheFieldsKeystrokeRule()
{
    QFETCH(PasteWay, way);
    QFETCH(QString, field);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    QFETCH(int, beeps);
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (way == PasteWay::MiddleClick && !clipboard->supportsSelection()) {
        QSKIP("This platform has no selection clipboard to paste with the middle button.");
    }
    QLineEdit* edit = this->field(field);
    edit->setText(QStringLiteral("1"));
    m_recorded.beeps = 0;

    switch (way) {
    case PasteWay::PasteCommand:
        clipboard->setText(pasted);
        edit->paste();
        break;
    case PasteWay::CtrlV:
        clipboard->setText(pasted);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        break;
    case PasteWay::ShiftInsert:
        clipboard->setText(pasted);
        QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
        break;
    case PasteWay::ContextMenu: {
        clipboard->setText(pasted);
        QMenu* menu = openContextMenu(edit);
        QVERIFY(menu);
        clickMenuEntry(menu, "&Paste");
        QTRY_VERIFY(!QApplication::activePopupWidget());
        break;
    }
    case PasteWay::MiddleClick:
        clipboard->setText(pasted, QClipboard::Selection);
        QTest::mouseClick(edit, Qt::MiddleButton, {}, edit->rect().center());
        break;
    }
    QCOMPARE(edit->text(), after);
    QCOMPARE(m_recorded.beeps, beeps);
}

void PasteTest::refusedPasteLeavesTextSelectionAndUndoAsTheyWere()
{
    QLineEdit* edit = field(QStringLiteral("txtRotLimX"));
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("12"));
    QGuiApplication::clipboard()->setText(QStringLiteral("3x"));
    edit->selectAll();
    edit->paste();
    QCOMPARE(edit->text(), QStringLiteral("12"));
    QCOMPARE(edit->selectedText(), QStringLiteral("12"));
    // The typing before it is still the last thing undone.
    edit->undo();
    QCOMPARE(edit->text(), QString());
    edit->redo();
    QCOMPARE(edit->text(), QStringLiteral("12"));
}

void PasteTest::editingShortcutsWorkInNumberFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys"); // pressed after typing "12"
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("clipboard"); // "7" before
    QTest::addColumn<int>("beeps");
    struct Shortcut
    {
        const char* name;
        const char* keys;
        const char* after;
        const char* clipboard;
        int beeps;
    };
    const Shortcut shortcuts[] = {
        {"copy", "Ctrl+A, Ctrl+C", "12", "12", 0},
        {"cut", "Ctrl+A, Ctrl+X", "", "12", 0},
        {"undo", "Ctrl+Z", "", "7", 0},
        {"redo", "Ctrl+Z, Ctrl+Y", "12", "7", 0},
        {"other redo", "Ctrl+Z, Ctrl+Shift+Z", "12", "7", 0},
        // A control code that edits nothing is still refused.
        {"ctrl+b", "Ctrl+B", "12", "7", 1},
    };
    for (const char* field : {"txtCamPosX", "txtRotLimX", "txtLong"}) {
        for (const Shortcut& s : shortcuts) {
            QTest::addRow("%s %s", field, s.name)
                << QString::fromLatin1(field) << QString::fromLatin1(s.keys)
                << QString::fromLatin1(s.after) << QString::fromLatin1(s.clipboard) << s.beeps;
        }
    }
}

void PasteTest::editingShortcutsWorkInNumberFields()
{
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, after);
    QFETCH(QString, clipboard);
    QFETCH(int, beeps);
    QLineEdit* edit = this->field(field);
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("12"));
    QGuiApplication::clipboard()->setText(QStringLiteral("7"));
    m_recorded.beeps = 0;
    QTest::keySequence(edit, QKeySequence(keys));
    QCOMPARE(edit->text(), after);
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    QCOMPARE(m_recorded.beeps, beeps);
}

void PasteTest::contextMenusSpeakSpanish_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("field") << "txtShapeFile";
    QTest::newRow("code box") << "txtCode";
}

void PasteTest::contextMenusSpeakSpanish()
{
    QFETCH(QString, control);
    QMenu* menu =
        openContextMenu(orbanil::testing::control<QWidget>(m_main.get(), qPrintable(control)));
    QVERIFY(menu);
    QStringList captions;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            captions.append(
                action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&')));
        }
    }
    menu->close();
    QCOMPARE(captions, (QStringList{"Deshacer", "Rehacer", "Cortar", "Copiar", "Pegar", "Borrar",
                                    "Seleccionar todo"}));
}

QTEST_MAIN(PasteTest)
#include "PasteTest.moc"
