// A user from a seed on the real windows, the rules checked after each step (docs/soak.md).

#include "core/block/CabinBox.h"
#include "core/block/InsideBlock.h"
#include "core/block/ViewNumbers.h"
#include "core/block/Viewpoints.h"
#include "files/CodeFile.h"
#include "files/FileNames.h"
#include "files/PathText.h"
#include "files/Windows1252.h"
#include "tests/support/CabinFixture.h"
#include "tests/support/FaultInjection.h"
#include "tests/support/UiTestSupport.h"
#include "ui/CameraViewWidget.h"
#include "ui/CodeBox.h"
#include "ui/DirList.h"
#include "ui/FrmAbout.h"
#include "ui/FrmAyuda.h"
#include "ui/FrmBox.h"
#include "ui/FrmOrbanil.h"
#include "ui/FrmVista.h"
#include "ui/PassengerViewWidget.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <ranges>
#include <string>

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
#define ORBANIL_SOAK_SANITIZED 1
extern "C" void __sanitizer_set_death_callback(void (*callback)());
#endif
#endif

using namespace orbanil;
using namespace orbanil::testing;
namespace fs = std::filesystem;
using namespace std::string_view_literals;

namespace {

constexpr int defaultSteps = 1500;
constexpr int shownActions = 20;
// 200 ms are two ticks of the windows' timers, counted so, as a busy machine delays both alike.
constexpr int enabledWithinTicks = 2;
constexpr int tickWaitLimitMs = 10000;

std::optional<unsigned long long> numberFromEnvironment(const char* name)
{
    const QByteArray text = qgetenv(name);
    bool ok = false;
    const unsigned long long value = text.toULongLong(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

// This process's memory in kB where the system tells it: "VmRSS" now, "VmHWM" at its peak.
long memoryKb(std::string_view field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(field) && line.size() > field.size() && line[field.size()] == ':') {
            return std::atol(line.c_str() + field.size() + 1);
        }
    }
    return -1;
}

// What the sandbox's files look like from outside: enough to see any write, removal or new file.
struct FileLook
{
    fs::file_type type;
    std::uintmax_t size;
    fs::file_time_type time;
    fs::perms perms;
    bool operator==(const FileLook&) const = default;
};
using FolderLook = std::map<fs::path, FileLook>;

FolderLook lookAt(const fs::path& root)
{
    FolderLook look;
    std::error_code error;
    for (fs::recursive_directory_iterator
             it(root, fs::directory_options::skip_permission_denied, error),
         end;
         !error && it != end; it.increment(error)) {
        const fs::file_status status = it->symlink_status();
        // A folder counts by its presence: its time changes with every file written into it.
        if (status.type() != fs::file_type::regular) {
            look[it->path()] = FileLook{status.type(), 0, {}, {}};
            continue;
        }
        look[it->path()] =
            FileLook{status.type(), it->file_size(), it->last_write_time(), status.permissions()};
    }
    return look;
}

// A text for a report: long ones cut, control characters shown by their code.
QString shown(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text.left(120)) {
        out += c.unicode() < 0x20
                   ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                   : QString(c);
    }
    return out + (text.size() > 120 ? QStringLiteral("…\" (%1 characters)").arg(text.size())
                                    : QStringLiteral("\""));
}

std::string fileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

ViewParams typedParams(const QWidget* main)
{
    ViewParams typed;
    for (const ViewField& field : viewFields) {
        typed.*field.member = control<QLineEdit>(main, field.control)->text().toStdString();
    }
    return typed;
}

int shownViewpoint(const QWidget* main)
{
    return control<QComboBox>(main, "cboVista")->currentIndex();
}

const Viewpoints& viewpointsOf(const QWidget* main)
{
    return qobject_cast<const FrmOrbanil*>(main)->viewpoints();
}

// The one place the driver asks what Generate writes for the viewpoints; nothing when it refuses.
std::optional<QString> expectedBlock(const Viewpoints& viewpoints)
{
    const std::optional<std::string> block =
        generatedCode(viewpoints.principal(), viewpoints.added());
    return block ? std::optional(QString::fromStdString(*block)) : std::nullopt;
}

// The enabled state a button must take within 200 ms; every button without a rule is enabled.
// The rules are the program's own core ones over what the window keeps, which the other checks
// hold to the user's actions, or what the user sees the button act on.
struct EnabledRule
{
    const char* window;
    const char* button;
    bool (*enabled)(const QWidget* window);
};

bool holdsCode(const QWidget* main)
{
    return !control<CodeBox>(main, "txtCode")->isEmpty();
}

const EnabledRule enabledRules[] = {
    {"FrmOrbanil", "CmdGenerate",
     [](const QWidget* w) {
         const Viewpoints& viewpoints = viewpointsOf(w);
         return isReady(viewpoints.principal(), viewpoints.added());
     }},
    {"FrmOrbanil", "CmdRemoveView",
     [](const QWidget* w) { return !viewpointsOf(w).namesEditable(); }},
    {"FrmOrbanil", "Command1", [](const QWidget* w) { return viewpointsOf(w).namesEditable(); }},
    {"FrmOrbanil", "Command2", [](const QWidget* w) { return viewpointsOf(w).namesEditable(); }},
    {"FrmOrbanil", "CmdSaveFile", holdsCode},
    {"FrmOrbanil", "CmdClip", holdsCode},
    {"FrmOrbanil", "CmdOpen",
     [](const QWidget* w) {
         return control<QLabel>(w, "lblOpenFile")->text() != QLatin1String("File:") &&
                control<QListWidget>(w, "File1")->count() > 0;
     }},
    {"FrmBox", "CmdNext",
     [](const QWidget* w) { return isReady(qobject_cast<const FrmBox*>(w)->dimensions()); }},
    // Tomar de la forma offers the box of the cabin the main window's drawing shows.
    {"FrmBox", "CmdFromShape",
     [](const QWidget*) {
         for (const QWidget* window : QApplication::topLevelWidgets()) {
             if (const auto* main = qobject_cast<const FrmOrbanil*>(window)) {
                 const auto& shape = control<CameraViewWidget>(main, "picCameraView")->cabinShape();
                 return shape && boxAroundShape(*shape).has_value();
             }
         }
         return false;
     }},
    {"FrmShape", "CmdOk",
     [](const QWidget* w) { return !control<QLabel>(w, "lblSelected")->text().isEmpty(); }},
    {"FrmSms", "CmdOk",
     [](const QWidget* w) { return !control<QLabel>(w, "lblSelected")->text().isEmpty(); }},
    // The passenger view turns while the fields give a camera, and saves what it draws.
    {"FrmVista", "CmdReset",
     [](const QWidget* w) { return qobject_cast<const FrmVista*>(w)->camera().has_value(); }},
    {"FrmVista", "CmdUseDirection",
     [](const QWidget* w) { return qobject_cast<const FrmVista*>(w)->camera().has_value(); }},
    {"FrmVista", "CmdUsePosition",
     [](const QWidget* w) { return qobject_cast<const FrmVista*>(w)->camera().has_value(); }},
    {"FrmVista", "CmdSaveImage",
     [](const QWidget* w) {
         const auto* picture = control<PassengerViewWidget>(w, "picVista");
         return !picture->image().isNull() && picture->lines().isEmpty();
     }},
};

bool enabledByRule(const QWidget* window, const QAbstractButton* button)
{
    for (const EnabledRule& rule : enabledRules) {
        if (window->objectName() == QLatin1String(rule.window) &&
            button->objectName() == QLatin1String(rule.button)) {
            return rule.enabled(window);
        }
    }
    return true;
}

// Types `text` key by key, letters beyond ASCII (ñ, á) as a Spanish keyboard types them.
void typeText(QWidget* widget, const QString& text)
{
    // A key that closes the window is the last it takes, as a user's keys go elsewhere then.
    const QPointer<QWidget> target(widget);
    for (const QChar c : text) {
        if (!target || !target->isVisible()) {
            return;
        }
        const auto key = static_cast<Qt::Key>(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), Qt::NoModifier);
    }
}

// Clicks a list's entry as a user does, scrolling it into view first.
void clickRow(QListWidget* list, int row)
{
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

class SoakUser;
// The user playing now, for the handlers that the system calls without a context.
SoakUser* playing = nullptr;

class SoakUser
{
public:
    SoakUser(unsigned long long seed, const QTemporaryDir& sandbox);
    ~SoakUser();
    SoakUser(const SoakUser&) = delete;
    SoakUser& operator=(const SoakUser&) = delete;

    // Plays `steps` steps; the report of the first broken rule, else nothing.
    std::optional<QString> play(int steps);
    // The last steps played; with `current`, the step being played as far as it went.
    QString lastActions(bool current = false) const;
    void heard(QtMsgType type, const QString& text);

private:
    using Action = void (SoakUser::*)();

    // The run: a fresh window set over the program folder, as when the program starts.
    void start();
    QList<QWidget*> loadedWindows() const;
    QList<QWidget*> shownWindows() const;
    QWidget* shownWindow(const char* name) const;
    // Hears the buttons and the code box of windows loaded since the last step.
    void listen();
    void note(const QString& what) { m_action += what; }
    // The main window when it shows the panel `frame` (FraSave, FraOpen), else nullptr.
    QWidget* mainWithPanel(const char* frame) const;
    void click(QWidget* window, const char* button);
    // Clicks the button one time in two, as a user who sometimes changes their mind.
    void maybeClick(QWidget* window, const char* button);

    int below(int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); }
    template <class T> const T& oneOf(const QList<T>& list) { return list.at(below(list.size())); }
    QString randomText();
    QString randomName();
    QWidget* focusTarget();

    void typeKeys();
    void pressKey();
    void pressAccessKey();
    void focusControl();
    void paste();
    void copy();
    void pressButton();
    // What a user who means to get a block into a file does next.
    void followMainRoad();
    void fillViewFields();
    void useViewpoints();
    void passDialog();
    void nameSavedFile();
    void chooseSavedFile();
    void useFilePicker();
    void closeWindow();
    void changeFilesBehindTheBack();
    // Drags, wheels and arrow keys in the passenger view.
    void lookAround();
    // What the folder and save dialogs answer: a folder of the tree, an image in the sandbox
    // (or in a folder that is not there), or nothing.
    QString answerFolder();
    QString answerImage();
    // A button, Escape or the close box; one box in four is shown on screen and answered there.
    QMessageBox::StandardButton answer(QWidget* parent, const Message& message);

    // The rules; each returns what broke.
    std::optional<QString> checkWarnings();
    std::optional<QString> checkEnabledStates();
    std::optional<QString> checkCode();
    std::optional<QString> checkFiles();
    std::optional<QString> checkRunEnd();
    std::optional<QString> checkLeaving();
    std::optional<QString> checkViewpoints();
    // The shown viewpoint's fields after the passenger view's buttons wrote into them, from
    // `before`.
    std::optional<QString> checkViewButtons(const ViewParams& fields,
                                            const ViewParams& before) const;
    std::optional<QString> checkCodeNote();
    // The answer to the last question titled so in this step, if one was asked: blanks typed on
    // a button press it again after a "No", and the last press decides.
    std::optional<QMessageBox::StandardButton> answerTo(const QString& title) const;

    std::mt19937_64 m_random;
    fs::path m_programFolder;
    fs::path m_tree;
    fs::path m_sandbox;
    std::unique_ptr<WindowSet> m_windows;
    bool m_ended = false;
    QList<QPointer<QWidget>> m_heardWindows;
    faults::PermissionsBindRoot m_boundRoot;

    // What the step did, as the checks need it.
    QString m_action;
    QStringList m_clicked;
    QList<QPair<Message, QMessageBox::StandardButton>> m_messages;
    bool m_codeTouched = false;
    bool m_userEditedCode = false;
    bool m_filesChangedByOthers = false;
    std::optional<fs::path> m_imageAnswer; // where this step's save dialog put the image
    QString m_code;                        // the code text as the last step left it
    QString m_codeAtStart;
    // What the driver knows besides the windows: the viewpoints as the user made them, for
    // the main window they belong to; Generate's last block.
    Viewpoints m_viewpoints;
    QPointer<QWidget> m_viewpointsOf;
    QString m_generated;
    // The buttons pressed ("FrmBox/CmdCancel") and close boxes ("FrmOrbanil/close box").
    QStringList m_pressed;
    bool m_heldWork = false;
    QList<QString> m_warnings;
    FolderLook m_files;
    std::deque<QString> m_actions;
    // How often each button was pressed and each message answered, to show what a run reached.
    std::map<QString, int> m_tally;
};

SoakUser::SoakUser(unsigned long long seed, const QTemporaryDir& sandbox)
    : m_random(seed), m_programFolder(folderOf(sandbox) / "Orbanil"),
      m_tree(folderOf(sandbox) / "arbol"), m_sandbox(folderOf(sandbox))
{
    fs::create_directories(m_programFolder);
    fs::create_directories(folderOf(sandbox) / "Vistas");
    fs::copy_file(fs::path(ORBANIL_BUNDLED_HELP), m_programFolder / "Ayuda.txt");
    // The pickers' tree: folders and files of the kinds they offer, names a user may meet.
    const char* const folders[] = {
        "Cabinas", "Sonidos", "Año 2024", "con blancos (2)", "Cabinas/Interiores", "Cerrada"};
    for (const char* folder : folders) {
        fs::create_directories(m_tree / pathFromText(folder));
    }
    fs::permissions(m_tree / "Cerrada", fs::perms::none);
    QStringList files = {QStringLiteral("Cabinas/cab.s"),
                         QStringLiteral("Cabinas/CAB2.S"),
                         QStringLiteral("Cabinas/mi cab (2).s"),
                         QStringLiteral("Cabinas/Interiores/Ωmega.s"),
                         QStringLiteral("Cabinas/comilla\"x.s"),
                         QStringLiteral("Sonidos/tren.sms"),
                         QStringLiteral("Sonidos/Señal.SMS"),
                         QStringLiteral("Sonidos/no.wav"),
                         QStringLiteral("Año 2024/vía.s"),
                         QStringLiteral("raiz.s"),
                         QStringLiteral("raiz.sms")};
#ifndef _WIN32
    files.append(QStringLiteral("Cabinas/salto\nde línea.s"));
    files.append(QStringLiteral("Sonidos/tab\tulador.sms"));
#endif
    for (const QString& file : std::as_const(files)) {
        writeBytes(m_tree / qStringToPath(file), "x");
    }
    // cab.s, the name the driver's blocks give, is a cabin the passenger view can draw.
    writeBytes(m_tree / "Cabinas" / "cab.s", fixtureShapeFile(ShapeForm::Binary));
    for (const FixtureTexture& texture : fixtureTextures()) {
        writeBytes(m_tree / "Cabinas" / texture.fileName, texture.bytes);
    }
    if (!m_boundRoot.active()) {
        std::printf("files made unreadable stay readable to this run: %s\n",
                    m_boundRoot.whyNot().c_str());
    }
    // The pickers start where the process stands.
    QDir::setCurrent(pathToQString(m_tree));
    playing = this;
    start();
}

SoakUser::~SoakUser()
{
    m_windows.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QDir::setCurrent(QDir::tempPath());
    playing = nullptr;
    // So that the sandbox can be removed by any user.
    std::error_code ignored;
    fs::permissions(m_tree / "Cerrada", fs::perms::owner_all, ignored);
}

void SoakUser::start()
{
    UiServices services{
        [] {},
        [this](QWidget* parent, const Message& message) { return answer(parent, message); },
        {},
        [this](QWidget*, const FileQuestion&) { return answerFolder(); },
        [this](QWidget*, const FileQuestion&) { return answerImage(); }};
    m_windows = std::make_unique<WindowSet>(m_programFolder, services);
    QObject::connect(m_windows.get(), &WindowSet::allUnloaded, m_windows.get(),
                     [this] { m_ended = true; });
    m_ended = false;
    m_windows->start();
    m_code.clear();
    m_generated.clear();
    m_files = lookAt(m_sandbox);
}

QList<QWidget*> SoakUser::loadedWindows() const
{
    QList<QWidget*> windows;
    const WindowSet& set = *m_windows;
    for (QWidget* window : std::initializer_list<QWidget*>{
             set.frmOrbanil(), set.frmBox(), set.frmAbout(), set.frmAyuda(), set.frmShape(),
             set.frmSms(), set.frmVista()}) {
        if (window) {
            windows.append(window);
        }
    }
    return windows;
}

QList<QWidget*> SoakUser::shownWindows() const
{
    QList<QWidget*> windows = loadedWindows();
    windows.removeIf([](const QWidget* window) { return !window->isVisible(); });
    return windows;
}

QWidget* SoakUser::shownWindow(const char* name) const
{
    for (QWidget* window : shownWindows()) {
        if (window->objectName() == QLatin1String(name)) {
            return window;
        }
    }
    return nullptr;
}

void SoakUser::listen()
{
    m_heardWindows.removeAll(nullptr);
    for (QWidget* window : loadedWindows()) {
        if (m_heardWindows.contains(window)) {
            continue;
        }
        m_heardWindows.append(window);
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            QObject::connect(button, &QAbstractButton::clicked, button, [this, window, button] {
                m_clicked.append(button->objectName());
                m_pressed.append(window->objectName() + QLatin1Char('/') + button->objectName());
            });
        }
        if (auto* fixed = qobject_cast<FixedWindow*>(window)) {
            QObject::connect(fixed, &FixedWindow::closeBoxPressed, fixed, [this, window] {
                m_pressed.append(window->objectName() + QStringLiteral("/close box"));
            });
        }
        if (auto* code = window->findChild<CodeBox*>(QStringLiteral("txtCode"))) {
            QObject::connect(code->document(), &QTextDocument::contentsChanged, code,
                             [this] { m_codeTouched = true; });
            m_code = code->codeText();
        }
    }
}

std::optional<QString> SoakUser::play(int steps)
{
    // The main road weighs most: typing, buttons, the fields filled and the dialog passed.
    const std::pair<Action, int> actions[] = {
        {&SoakUser::typeKeys, 14},       {&SoakUser::pressKey, 12},
        {&SoakUser::pressAccessKey, 6},  {&SoakUser::focusControl, 10},
        {&SoakUser::paste, 8},           {&SoakUser::copy, 2},
        {&SoakUser::pressButton, 20},    {&SoakUser::followMainRoad, 16},
        {&SoakUser::fillViewFields, 2},  {&SoakUser::useViewpoints, 4},
        {&SoakUser::passDialog, 2},      {&SoakUser::nameSavedFile, 4},
        {&SoakUser::chooseSavedFile, 4}, {&SoakUser::useFilePicker, 5},
        {&SoakUser::closeWindow, 2},     {&SoakUser::changeFilesBehindTheBack, 3},
        {&SoakUser::lookAround, 3},
    };
    std::vector<int> weights;
    for (const auto& [action, weight] : actions) {
        weights.push_back(weight);
    }
    std::discrete_distribution<int> pick(weights.begin(), weights.end());
    const auto began = std::chrono::steady_clock::now();
    for (int step = 1; step <= steps; ++step) {
        listen();
        m_action = QStringLiteral("%1: ").arg(step);
        m_clicked.clear();
        m_pressed.clear();
        m_messages.clear();
        m_codeTouched = m_userEditedCode = m_filesChangedByOthers = false;
        m_imageAnswer.reset();
        m_codeAtStart = m_code;
        // The main window's own rule of what leaving loses, whose cases its tests hold.
        m_heldWork = m_windows->frmOrbanil() &&
                     qobject_cast<const FrmOrbanil*>(m_windows->frmOrbanil())->holdsWork();

        (this->*actions[static_cast<std::size_t>(pick(m_random))].first)();
        QCoreApplication::processEvents();
        // An access key's click comes when its button rises, and belongs to this step.
        const bool risen = QTest::qWaitFor([this] {
            const QList<QWidget*> shown = shownWindows();
            return std::ranges::none_of(shown, [](const QWidget* window) {
                const QList<QAbstractButton*> buttons = window->findChildren<QAbstractButton*>();
                return std::ranges::any_of(buttons, &QAbstractButton::isDown);
            });
        });
        // A list a combo box dropped stays open until the user clicks elsewhere, as here.
        while (QWidget* popup = QApplication::activePopupWidget()) {
            note(QStringLiteral(", a click closes the %1").arg(popup->metaObject()->className()));
            popup->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        m_actions.push_back(m_action.endsWith(QLatin1String(": "))
                                ? m_action + QStringLiteral("nothing to do")
                                : m_action);
        if (m_actions.size() > shownActions) {
            m_actions.pop_front();
        }
        if (!risen) {
            return QStringLiteral("step %1: a button stays pressed\nthe last actions:\n%2")
                .arg(step)
                .arg(lastActions());
        }
        for (auto check :
             {&SoakUser::checkWarnings, &SoakUser::checkRunEnd, &SoakUser::checkLeaving,
              &SoakUser::checkViewpoints, &SoakUser::checkCode, &SoakUser::checkFiles,
              &SoakUser::checkCodeNote, &SoakUser::checkEnabledStates}) {
            if (const std::optional<QString> broken = (this->*check)()) {
                return QStringLiteral("step %1: %2\nthe last actions:\n%3")
                    .arg(step)
                    .arg(*broken, lastActions());
            }
        }
        for (const QString& clicked : std::as_const(m_clicked)) {
            ++m_tally[clicked];
        }
        for (const auto& message : std::as_const(m_messages)) {
            ++m_tally[QStringLiteral("message ") + message.first.title];
        }
        if (m_ended) {
            ++m_tally[QStringLiteral("program ended")];
            // The user starts the program again.
            m_heardWindows.clear();
            start();
        }
        if (steps >= 10 && step % (steps / 10) == 0) {
            std::printf("step %d of %d (%d %%), memory %ld kB\n", step, steps, step * 100 / steps,
                        memoryKb("VmRSS"));
            std::fflush(stdout);
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    QStringList reached;
    for (const auto& [what, times] : m_tally) {
        reached.append(QStringLiteral("%1 %2").arg(what).arg(times));
    }
    std::printf("reached: %s\n", qPrintable(reached.join(QStringLiteral(", "))));
    std::printf("%d steps in %.1f s: %.1f steps/s\n", steps, seconds, steps / seconds);
    return std::nullopt;
}

QString SoakUser::lastActions(bool current) const
{
    QStringList lines;
    for (const QString& action : m_actions) {
        lines.append(QStringLiteral("  ") + action);
    }
    if (current) {
        lines.append(QStringLiteral("  ") + m_action);
    }
    return lines.join(QLatin1Char('\n'));
}

void SoakUser::heard(QtMsgType type, const QString& text)
{
    if (type != QtDebugMsg && type != QtInfoMsg) {
        m_warnings.append(text);
    }
}

QString SoakUser::randomText()
{
    static const QStringList pieces = {
        QStringLiteral("1"),          QStringLiteral("-2.5"), QStringLiteral("12,5"),
        QStringLiteral(" "),          QStringLiteral("\t"),   QStringLiteral("\n"),
        QStringLiteral("\r\n"),       QStringLiteral("\r"),   QStringLiteral("cab.s"),
        QStringLiteral("ñÑáéíóúü¿¡"), QStringLiteral("Ω→😀"),  QStringLiteral("\""),
        QStringLiteral("\\"),         QStringLiteral("( )"),  QStringLiteral("€"),
        QStringLiteral("\u0001"),     QStringLiteral("1e3"),  QStringLiteral("٣")};
    switch (below(4)) {
    case 0: { // a real block
        ViewParams values{"cab.s", "0.5", "1.8", "-3", "30", "60", "0", "0", "0", "0", "snd.sms"};
        values.headX = std::to_string(below(100) - 50);
        const QString block = QString::fromStdString(generateInside(blockValues(values)));
        return below(2) ? block : QStringLiteral("Wagon ( x\r\n") + block + QStringLiteral("\r\n)");
    }
    case 1: // a very long run
        return QString(100 + below(3000), QLatin1Char("9x \n"[below(4)]));
    default: {
        QString text;
        for (int i = below(6) + 1; i > 0; --i) {
            text += oneOf(pieces);
        }
        return text;
    }
    }
}

QString SoakUser::randomName()
{
    QStringList existing;
    for (const std::string& name : listSavedFiles(m_programFolder)) {
        existing.append(QString::fromStdString(name).chopped(4));
    }
    switch (below(6)) {
    case 0:
        return existing.isEmpty() ? QStringLiteral("vagón") : oneOf(existing);
    case 1:
        return oneOf(QStringList{QStringLiteral("a/b"), QStringLiteral("a\\b"),
                                 QStringLiteral(".."), QStringLiteral("x\ty"), QString(),
                                 QStringLiteral("Ω"), QStringLiteral("carpeta 0")});
    case 2:
        return oneOf(QStringList{QStringLiteral("CON"), QStringLiteral("nul"),
                                 QStringLiteral("COM1"), QStringLiteral("lpt¹.x")});
    case 3:
        return QString(250 + below(20), QLatin1Char('n'));
    default:
        return QStringLiteral("vagón %1").arg(below(12));
    }
}

QWidget* SoakUser::focusTarget()
{
    // A window system may leave the focus in a window just hidden, where no user can type.
    if (QWidget* focus = QApplication::focusWidget(); focus && focus->isVisible()) {
        return focus;
    }
    const QList<QWidget*> shown = shownWindows();
    if (shown.isEmpty()) {
        return nullptr;
    }
    QWidget* window = oneOf(shown);
    window->activateWindow();
    return window->focusWidget() ? window->focusWidget() : window;
}

void SoakUser::typeKeys()
{
    static const QString alphabet = QStringLiteral("0123456789.,- abcxyzñÑáéíóúü¿¡()\"\\");
    QWidget* target = focusTarget();
    if (!target) {
        return;
    }
    QString typed;
    for (int i = below(6) + 1; i > 0; --i) {
        typed += alphabet.at(below(alphabet.size()));
    }
    m_userEditedCode = qobject_cast<CodeBox*>(target) != nullptr;
    note(QStringLiteral("type %1 into %2").arg(shown(typed), target->objectName()));
    typeText(target, typed);
}

void SoakUser::pressKey()
{
    static const QList<QPair<Qt::Key, Qt::KeyboardModifiers>> keys = {
        {Qt::Key_Backspace, Qt::ControlModifier},
        {Qt::Key_Return, Qt::ControlModifier},
        {Qt::Key_Return, Qt::NoModifier},
        {Qt::Key_Escape, Qt::NoModifier},
        {Qt::Key_Tab, Qt::NoModifier},
        {Qt::Key_Backtab, Qt::ShiftModifier},
        {Qt::Key_Delete, Qt::NoModifier},
        {Qt::Key_Backspace, Qt::NoModifier},
        {Qt::Key_Home, Qt::NoModifier},
        {Qt::Key_End, Qt::ShiftModifier},
        {Qt::Key_Space, Qt::NoModifier},
        {Qt::Key_Z, Qt::ControlModifier},
        {Qt::Key_Y, Qt::ControlModifier},
        {Qt::Key_A, Qt::ControlModifier},
        {Qt::Key_X, Qt::ControlModifier},
        {Qt::Key_Down, Qt::NoModifier},
        {Qt::Key_Up, Qt::NoModifier},
    };
    QWidget* target = focusTarget();
    if (!target) {
        return;
    }
    const auto& [key, modifiers] = oneOf(keys);
    m_userEditedCode = qobject_cast<CodeBox*>(target) != nullptr;
    note(QStringLiteral("key %1 (modifiers %2) in %3")
             .arg(QKeySequence(key).toString())
             .arg(modifiers.toInt())
             .arg(target->objectName()));
    QTest::keyClick(target, key, modifiers);
}

void SoakUser::pressAccessKey()
{
    QWidget* target = focusTarget();
    if (!target) {
        return;
    }
    // The access keys of the buttons shown, and three that no control claims.
    QString letters = QStringLiteral("QXZ");
    for (const QWidget* window : shownWindows()) {
        for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            const QString caption = button->text();
            const qsizetype amp = caption.indexOf(QLatin1Char('&'));
            if (amp >= 0 && amp + 1 < caption.size()) {
                letters += caption.at(amp + 1).toUpper();
            }
        }
    }
    const QChar letter = letters.at(below(letters.size()));
    note(QStringLiteral("Alt+%1 in %2").arg(letter, target->objectName()));
    QTest::keyClick(target, static_cast<Qt::Key>(letter.unicode()), Qt::AltModifier);
}

void SoakUser::focusControl()
{
    const QList<QWidget*> shown = shownWindows();
    if (shown.isEmpty()) {
        return;
    }
    QWidget* window = oneOf(shown);
    QList<QWidget*> controls = window->findChildren<QWidget*>();
    controls.removeIf([window](const QWidget* w) {
        return w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")) ||
               w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(window);
    });
    if (controls.isEmpty()) {
        return;
    }
    QWidget* chosen = oneOf(controls);
    note(QStringLiteral("focus %1 in %2").arg(chosen->objectName(), window->objectName()));
    window->activateWindow();
    chosen->setFocus(Qt::MouseFocusReason);
}

void SoakUser::paste()
{
    QWidget* target = focusTarget();
    if (!target) {
        return;
    }
    const QString text = randomText();
    QGuiApplication::clipboard()->setText(text);
    m_userEditedCode = qobject_cast<CodeBox*>(target) != nullptr;
    const int way = below(3);
    note(QStringLiteral("paste %1 into %2 by %3")
             .arg(shown(text), target->objectName())
             .arg(QStringList{QStringLiteral("Ctrl+V"), QStringLiteral("Shift+Insert"),
                              QStringLiteral("the context menu")}
                      .at(way)));
    if (way == 0) {
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    } else if (way == 1) {
        QTest::keyClick(target, Qt::Key_Insert, Qt::ShiftModifier);
    } else if (qobject_cast<QLineEdit*>(target) || qobject_cast<QPlainTextEdit*>(target)) {
        if (QMenu* menu = openContextMenu(target)) {
            QAction* entry = menuEntry(menu, "&Paste");
            if (entry && entry->isEnabled()) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
            }
            if (QApplication::activePopupWidget()) {
                QApplication::activePopupWidget()->close();
            }
        }
    }
}

void SoakUser::copy()
{
    QWidget* target = focusTarget();
    if (!target) {
        return;
    }
    note(QStringLiteral("Ctrl+A, Ctrl+C in %1").arg(target->objectName()));
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
}

void SoakUser::pressButton()
{
    const QList<QWidget*> shown = shownWindows();
    if (shown.isEmpty()) {
        return;
    }
    QWidget* window = oneOf(shown);
    QList<QAbstractButton*> buttons = window->findChildren<QAbstractButton*>();
    buttons.removeIf([window](const QAbstractButton* b) { return !b->isVisibleTo(window); });
    if (buttons.isEmpty()) {
        return;
    }
    QAbstractButton* button = oneOf(buttons);
    // A user seldom leaves: a button that ends the run is kept one time in four.
    const QString pressed = window->objectName() + QLatin1Char('/') + button->objectName();
    if ((pressed == QLatin1String("FrmOrbanil/CmdExit") ||
         pressed == QLatin1String("FrmBox/CmdCancel")) &&
        below(4) != 0) {
        button = oneOf(buttons);
    }
    const int way = below(3);
    note(QStringLiteral("%1 %2%3 in %4")
             .arg(QStringList{QStringLiteral("click"), QStringLiteral("Space on"),
                              QStringLiteral("Enter on")}
                      .at(way),
                  button->objectName(),
                  button->isEnabled() ? QString() : QStringLiteral(" (disabled)"),
                  window->objectName()));
    if (way == 0) {
        QTest::mouseClick(button, Qt::LeftButton);
        return;
    }
    window->activateWindow();
    button->setFocus(Qt::TabFocusReason);
    if (button->hasFocus()) {
        QTest::keyClick(button, way == 1 ? Qt::Key_Space : Qt::Key_Return);
    }
}

QWidget* SoakUser::mainWithPanel(const char* frame) const
{
    QWidget* main = shownWindow("FrmOrbanil");
    return main && control<QGroupBox>(main, frame)->isVisible() ? main : nullptr;
}

void SoakUser::click(QWidget* window, const char* button)
{
    note(QStringLiteral("click %1 ").arg(QLatin1String(button)));
    QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
}

void SoakUser::maybeClick(QWidget* window, const char* button)
{
    if (below(2)) {
        note(QStringLiteral(", "));
        click(window, button);
    }
}

void SoakUser::followMainRoad()
{
    QWidget* main = shownWindow("FrmOrbanil");
    if (!main) {
        passDialog();
        return;
    }
    if (mainWithPanel("FraSave")) {
        nameSavedFile();
    } else if (mainWithPanel("FraOpen")) {
        chooseSavedFile();
    } else if (!control<QPushButton>(main, "CmdGenerate")->isEnabled()) {
        fillViewFields();
    } else if (holdsCode(main) && below(3) == 0) {
        click(main, "CmdSaveFile");
    } else if (below(4) == 0) {
        click(main, "CmdOpenFile");
    } else {
        click(main, "CmdGenerate");
    }
}

void SoakUser::fillViewFields()
{
    QWidget* main = shownWindow("FrmOrbanil");
    if (!main) {
        return;
    }
    note(QStringLiteral("fill the empty view fields"));
    for (const ViewField& field : viewFields) {
        auto* edit = control<QLineEdit>(main, field.control);
        if (!edit->text().isEmpty()) {
            continue;
        }
        QStringList texts;
        switch (field.keys) {
        case FilterKind::SignedDecimal:
            texts = {QStringLiteral("0"), QStringLiteral("1.5"), QStringLiteral("-2"),
                     QStringLiteral("0.25")};
            break;
        case FilterKind::DigitsOnly:
            texts = {QStringLiteral("0"), QStringLiteral("5"), QStringLiteral("180")};
            break;
        case FilterKind::SignedDegrees:
            texts = {QStringLiteral("0"), QStringLiteral("-10"), QStringLiteral("350")};
            break;
        default:
            texts = {QStringLiteral("cab.s"), QStringLiteral("mi cab (2).s"),
                     QStringLiteral("Sonidos\\tren.sms"), QStringLiteral("señal.sms")};
            break;
        }
        typeText(edit, oneOf(texts));
    }
}

void SoakUser::useViewpoints()
{
    QWidget* main = shownWindow("FrmOrbanil");
    if (!main) {
        return;
    }
    switch (below(4)) {
    case 0:
        click(main, "CmdAddView");
        break;
    case 1:
        click(main, "CmdRemoveView");
        break;
    default: {
        static constexpr Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End};
        const Qt::Key key = keys[below(4)];
        auto* list = control<QComboBox>(main, "cboVista");
        note(QStringLiteral("key %1 in cboVista").arg(QKeySequence(key).toString()));
        main->activateWindow();
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, key);
        break;
    }
    }
}

void SoakUser::passDialog()
{
    QWidget* box = shownWindow("FrmBox");
    if (!box) {
        return;
    }
    const QStringList texts = {QStringLiteral("12,5"), QStringLiteral("3"), QStringLiteral("2,9"),
                               QStringLiteral("0"), QStringLiteral("1000000000000")};
    note(QStringLiteral("type the box dimensions"));
    for (const BoxField& field : boxFields) {
        auto* edit = control<QLineEdit>(box, field.control);
        edit->selectAll();
        typeText(edit, texts.at(below(4) == 0 ? below(texts.size()) : below(3)));
    }
    maybeClick(box, "CmdNext");
}

void SoakUser::nameSavedFile()
{
    QWidget* main = mainWithPanel("FraSave");
    if (!main) {
        return;
    }
    auto* field = control<QLineEdit>(main, "txtfilename");
    const QString name = randomName();
    note(QStringLiteral("name the file \"%1\"").arg(name.left(40)));
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText(name);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    maybeClick(main, "CmdSave");
}

void SoakUser::chooseSavedFile()
{
    QWidget* main = mainWithPanel("FraOpen");
    if (!main) {
        return;
    }
    auto* list = control<QListWidget>(main, "File1");
    if (list->count() > 0) {
        const int row = below(list->count());
        note(QStringLiteral("choose \"%1\"").arg(list->item(row)->text()));
        clickRow(list, row);
    }
    maybeClick(main, "CmdOpen");
}

void SoakUser::useFilePicker()
{
    QWidget* picker = shownWindow(below(2) ? "FrmShape" : "FrmSms");
    if (!picker) {
        return;
    }
    const int way = below(5);
    if (way == 0) {
        auto* drives = control<QComboBox>(picker, "Drive1");
        note(QStringLiteral("next drive in %1").arg(picker->objectName()));
        QTest::keyClick(drives, below(2) ? Qt::Key_Down : Qt::Key_Up);
        return;
    }
    if (way <= 2) {
        // Only folders on the way to the tree or in it: the rest changes under other programs.
        auto* folders = control<DirList>(picker, "Dir1");
        QList<int> rows;
        for (int row = 0; row < folders->count(); ++row) {
            const fs::path folder = folders->entryFolder(row);
            const auto [treeEnd, folderEnd] =
                std::mismatch(m_tree.begin(), m_tree.end(), folder.begin(), folder.end());
            if (treeEnd == m_tree.end() || folderEnd == folder.end()) {
                rows.append(row);
            }
        }
        if (rows.isEmpty()) {
            return;
        }
        const int row = oneOf(rows);
        note(QStringLiteral("open folder %1 in %2")
                 .arg(shown(folders->item(row)->text()), picker->objectName()));
        clickRow(folders, row);
        // As the system reports a double click: a second press as double, a release.
        const QPoint at = folders->visualItemRect(folders->item(row)).center();
        QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(folders->viewport(), Qt::LeftButton, {}, at);
        return;
    }
    auto* files = control<QListWidget>(picker, "File1");
    const fs::path folder = control<DirList>(picker, "Dir1")->folder();
    if (files->count() == 0 ||
        std::mismatch(m_tree.begin(), m_tree.end(), folder.begin(), folder.end()).first !=
            m_tree.end()) {
        return;
    }
    const int row = below(files->count());
    note(QStringLiteral("choose file %1 in %2")
             .arg(shown(files->item(row)->text()), picker->objectName()));
    clickRow(files, row);
}

void SoakUser::closeWindow()
{
    const QList<QWidget*> shown = shownWindows();
    if (shown.isEmpty()) {
        return;
    }
    QWidget* window = oneOf(shown);
    // The close box and Alt+F4 both reach the window as the system's request to close it.
    note(QStringLiteral("close box of %1").arg(window->objectName()));
    window->close();
}

void SoakUser::lookAround()
{
    QWidget* vista = shownWindow("FrmVista");
    if (!vista) {
        return;
    }
    auto* picture = control<PassengerViewWidget>(vista, "picVista");
    const QPoint from(below(picture->width()), below(picture->height()));
    switch (below(3)) {
    case 0: {
        // Turning with the left button, moving the head with the middle one or Shift and the left.
        const QPoint to(below(picture->width()), below(picture->height()));
        const Qt::MouseButton button =
            oneOf(QList<Qt::MouseButton>{Qt::LeftButton, Qt::MiddleButton});
        const Qt::KeyboardModifiers modifiers = below(2) ? Qt::ShiftModifier : Qt::NoModifier;
        note(QStringLiteral("drag in the view by %1, %2 (button %3, modifiers %4)")
                 .arg(to.x() - from.x())
                 .arg(to.y() - from.y())
                 .arg(button)
                 .arg(modifiers.toInt(), 0, 16));
        QTest::mousePress(picture, button, modifiers, from);
        QTest::mouseMove(picture, (from + to) / 2);
        QTest::mouseMove(picture, to);
        QTest::mouseRelease(picture, button, modifiers, to);
        break;
    }
    case 1: {
        const int notches = below(9) - 4;
        note(QStringLiteral("wheel in the view by %1").arg(notches));
        QWheelEvent wheel(QPointF(from), QPointF(picture->mapToGlobal(from)), {},
                          QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(picture, &wheel);
        break;
    }
    default: {
        const Qt::Key key =
            oneOf(QList<Qt::Key>{Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                                 Qt::Key_Plus, Qt::Key_Minus, Qt::Key_PageUp, Qt::Key_PageDown});
        // Alt with the arrows moves the head, Shift and Ctrl change how far.
        const Qt::KeyboardModifiers modifiers = oneOf(QList<Qt::KeyboardModifiers>{
            Qt::NoModifier, Qt::NoModifier, Qt::AltModifier, Qt::ShiftModifier, Qt::ControlModifier,
            Qt::AltModifier | Qt::ShiftModifier});
        note(QStringLiteral("key %1 (modifiers %2) in the view")
                 .arg(key, 0, 16)
                 .arg(modifiers.toInt(), 0, 16));
        picture->setFocus();
        QTest::keyClick(picture, key, modifiers);
    }
    }
}

QString SoakUser::answerFolder()
{
    const QStringList folders{QString(), pathToQString(m_tree), pathToQString(m_tree / "Cabinas"),
                              pathToQString(m_tree / "Cerrada")};
    const QString chosen = oneOf(folders);
    note(QStringLiteral(" [folder dialog answered %1]").arg(shown(chosen)));
    return chosen;
}

QString SoakUser::answerImage()
{
    const int way = below(3);
    if (way == 0) {
        note(QStringLiteral(" [save dialog cancelled]"));
        return {};
    }
    m_imageAnswer = way == 1 ? m_sandbox / "Vistas" / pathFromText("vista ñ.png")
                             : m_sandbox / "No existe" / "vista.png";
    note(QStringLiteral(" [save dialog answered %1]").arg(pathToQString(*m_imageAnswer)));
    return pathToQString(*m_imageAnswer);
}

void SoakUser::changeFilesBehindTheBack()
{
    m_filesChangedByOthers = true;
    std::vector<fs::path> saved;
    for (const std::string& name : listSavedFiles(m_programFolder)) {
        saved.push_back(m_programFolder / pathFromText(name));
    }
    // Few enough files that opening and saving still meet existing ones.
    const int way = saved.size() > 30 ? 0 : saved.empty() ? 3 : below(5);
    if (way <= 1) {
        const fs::path& file =
            saved[static_cast<std::size_t>(below(static_cast<int>(saved.size())))];
        note(QStringLiteral("another program removes %1").arg(pathToQString(file.filename())));
        // Windows removes no read-only file: the other program clears the mark first.
        std::error_code ignored;
        fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write, ignored);
        fs::remove(file, ignored);
        return;
    }
    if (way == 2) {
        const fs::path& file =
            saved[static_cast<std::size_t>(below(static_cast<int>(saved.size())))];
        note(QStringLiteral("another program makes %1 unreadable")
                 .arg(pathToQString(file.filename())));
        fs::permissions(file, fs::perms::none);
        return;
    }
    if (below(8) == 0) {
        const std::string folder = "carpeta " + std::to_string(below(2)) + ".obn";
        note(QStringLiteral("another program makes a folder %1")
                 .arg(QString::fromStdString(folder)));
        // Where a saved file already holds the name, the other program cannot make it.
        std::error_code taken;
        fs::create_directory(m_programFolder / folder, taken);
        return;
    }
    static const std::string kinds[] = {
        "",
        std::string(300000, 'x') + "\r\n",
        std::string("\0\x01\xff\xfe binario\0\r\n\x81\x8d"sv),
        "Inside (\r\tPassengerCabinFile ( cab.s )\r)",
        "Inside (\n\tPassengerCabinFile ( cab.s )\n)\n",
        "sin final \"comillas\" a\xf1o",
        "  \"entre comillas\" tras\r\n\t\"abierta\r\n",
    };
    const std::size_t kind = static_cast<std::size_t>(below(std::size(kinds)));
    const fs::path file =
        below(2) && !saved.empty()
            ? saved[static_cast<std::size_t>(below(static_cast<int>(saved.size())))]
            : m_programFolder / pathFromText("otro " + std::to_string(below(8)) + ".obn");
    note(QStringLiteral("another program writes kind %1 into %2")
             .arg(kind)
             .arg(pathToQString(file.filename())));
    std::error_code ignored;
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write, ignored);
    writeBytes(file, kinds[kind]);
}

QMessageBox::StandardButton SoakUser::answer(QWidget* parent, const Message& message)
{
    QList<QMessageBox::StandardButton> offered;
    for (const QMessageBox::StandardButton button :
         {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
        if (message.buttons.testFlag(button)) {
            offered.append(button);
        }
    }
    const int way = below(static_cast<int>(offered.size()) + 2);
    // Escape and the close box give the box's escape answer.
    const QMessageBox::StandardButton given =
        way < offered.size() ? offered.at(way) : RecordedServices::escapeAnswer(message);
    note(QStringLiteral(" [message \"%1\" answered %2%3]")
             .arg(message.title)
             .arg(given)
             .arg(way < offered.size()    ? QString()
                  : way == offered.size() ? QStringLiteral(" by Escape")
                                          : QStringLiteral(" by close box")));
    m_messages.append({message, given});
    if (below(4) != 0) {
        return given;
    }
    note(QStringLiteral(" on screen"));
    const bool button = way < offered.size();
    const bool escape = way == offered.size();
    // Answered again at each tick until the box takes it; one that never does is ended, and told.
    int tries = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            return;
        }
        if (++tries > 100) {
            m_warnings.append(QStringLiteral("the box on screen did not take its answer"));
            box->done(given);
        } else if (button) {
            QTest::mouseClick(box->button(given), Qt::LeftButton);
        } else if (escape) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else {
            box->close();
        }
    });
    poll.start(10);
    const QMessageBox::StandardButton got = showMessage(parent, message);
    if (got != given) {
        m_warnings.append(
            QStringLiteral("the box on screen answered %1, not %2").arg(got).arg(given));
    }
    return got;
}

std::optional<QString> SoakUser::checkWarnings()
{
    if (m_warnings.isEmpty()) {
        return std::nullopt;
    }
    const QString all = m_warnings.join(QLatin1Char('\n'));
    m_warnings.clear();
    return QStringLiteral("heard: ") + all;
}

std::optional<QString> SoakUser::checkRunEnd()
{
    const QList<QWidget*> shown = shownWindows();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && !shown.contains(window)) {
            return QStringLiteral("a window outside the window set shows: %1")
                .arg(window->metaObject()->className());
        }
    }
    if (m_ended && m_windows->anyLoaded()) {
        return QStringLiteral("the program ended with a window loaded");
    }
    if (!m_ended && shown.isEmpty()) {
        return QStringLiteral("no window shows, yet the program goes on");
    }
    return std::nullopt;
}

std::optional<QString> SoakUser::checkCode()
{
    QWidget* main = m_windows->frmOrbanil();
    if (!main) {
        return std::nullopt;
    }
    const QString before = m_code;
    const QString now = m_codeTouched ? control<CodeBox>(main, "txtCode")->codeText() : before;
    m_code = now;
    const bool warned = std::ranges::any_of(
        m_messages, [](const auto& message) { return message.first.icon == QMessageBox::Warning; });
    if (m_clicked.contains(QLatin1String("CmdGenerate"))) {
        const std::optional<QString> block = expectedBlock(m_viewpoints);
        if (block && (warned || now != *block)) {
            return QStringLiteral("Generate did not write the block of the fields, %1, but %2")
                .arg(shown(*block), shown(now));
        }
        if (!block && (!warned || now != before)) {
            return QStringLiteral("Generate wrote a block the fields cannot give");
        }
        if (block) {
            m_generated = *block;
        }
        return std::nullopt;
    }
    if (m_clicked.contains(QLatin1String("CmdClip")) &&
        QGuiApplication::clipboard()->text() != now) {
        return QStringLiteral("Copiar al Portapapeles left %1 on the clipboard, not the code %2")
            .arg(shown(QGuiApplication::clipboard()->text()), shown(now));
    }
    if (m_clicked.contains(QLatin1String("CmdOpen"))) {
        const bool replace =
            before.isEmpty() || answerTo(QStringLiteral("Open")) == QMessageBox::No;
        const QString label = control<QLabel>(main, "lblOpenFile")->text();
        if (!replace || warned || !label.startsWith(QLatin1String("File: "))) {
            return now == before ? std::nullopt
                                 : std::optional(QStringLiteral("Abrir replaced the code unasked"));
        }
        QString read;
        try {
            read =
                QString::fromStdString(readCodeFile(m_programFolder / qStringToPath(label.mid(6))));
        } catch (const std::exception& error) {
            return QStringLiteral("Abrir read a file that cannot be read: ") + error.what();
        }
        if (now != read) {
            return QStringLiteral("Abrir gave %1 where the file reads %2")
                .arg(shown(now), shown(read));
        }
        return std::nullopt;
    }
    if (now == before || m_userEditedCode) {
        return std::nullopt;
    }
    if (m_clicked.contains(QLatin1String("CmdClear")) && now.isEmpty()) {
        return std::nullopt;
    }
    if (m_clicked.contains(QLatin1String("CmdSave")) && now.isEmpty() && !warned) {
        return std::nullopt;
    }
    return QStringLiteral("the code changed from %1 to %2, though nothing the user did changes it")
        .arg(shown(before), shown(now));
}

std::optional<QString> SoakUser::checkFiles()
{
    const FolderLook before = std::exchange(m_files, lookAt(m_sandbox));
    if (m_filesChangedByOthers) {
        return std::nullopt;
    }
    // Guardar leaves the name in its field.
    const QWidget* main = m_windows->frmOrbanil();
    const std::string name =
        main ? control<QLineEdit>(main, "txtfilename")->text().toStdString() : std::string();
    const fs::path savedPath = savedFilePath(m_programFolder, name);
    // A saved file of that name (to the system) is replaced only when the question agrees.
    const bool exists = std::ranges::any_of(before, [&](const auto& entry) {
        return entry.first.parent_path() == m_programFolder &&
               entry.second.type == fs::file_type::regular &&
               sameName(entry.first.filename(), savedPath.filename());
    });
    const std::optional<QMessageBox::StandardButton> replace = answerTo(QStringLiteral("Guardar"));
    const bool asked = replace.has_value();
    if (m_clicked.contains(QLatin1String("CmdSave")) && !savedNameProblem(name) &&
        asked != exists) {
        return exists ? QStringLiteral("Guardar replaced %1 without a question")
                            .arg(pathToQString(savedPath.filename()))
                      : QStringLiteral("Guardar asked to replace a file that is not there");
    }
    const bool saved = m_clicked.contains(QLatin1String("CmdSave")) &&
                       (!asked || replace == QMessageBox::Yes) &&
                       std::ranges::none_of(m_messages, [](const auto& message) {
                           return message.first.icon == QMessageBox::Warning;
                       });
    bool found = !saved;
    std::map<fs::path, FileLook> all = before;
    all.insert(m_files.begin(), m_files.end());
    for (const auto& [path, look] : all) {
        const auto was = before.find(path);
        const auto is = m_files.find(path);
        if (was != before.end() && is != m_files.end() && was->second == is->second) {
            continue;
        }
        // "Guardar imagen…" writes a PNG where its dialog said, unless a warning tells why not.
        if (m_imageAnswer && path == *m_imageAnswer && is != m_files.end() &&
            m_pressed.contains(QLatin1String("FrmVista/CmdSaveImage")) &&
            std::ranges::none_of(m_messages, [](const auto& message) {
                return message.first.icon == QMessageBox::Warning;
            })) {
            if (!fileBytes(path).starts_with("\x89PNG\r\n")) {
                return QStringLiteral("%1 is no PNG").arg(pathToQString(path));
            }
            continue;
        }
        if (saved && path.parent_path() == m_programFolder &&
            sameName(path.filename(), savedPath.filename()) && is != m_files.end()) {
            // The code as it stood before Guardar emptied the box, in Windows-1252 with CR LF.
            const std::string expected =
                utf8ToWindows1252(m_codeAtStart.toStdString()).bytes + "\r\n";
            if (fileBytes(path) != expected) {
                return QStringLiteral("%1 does not hold the code that was saved")
                    .arg(pathToQString(path));
            }
            found = true;
            continue;
        }
        return QStringLiteral("%1 %2 without Guardar")
            .arg(pathToQString(path), was == before.end()   ? QStringLiteral("appeared")
                                      : is == m_files.end() ? QStringLiteral("vanished")
                                                            : QStringLiteral("changed"));
    }
    if (!found) {
        return QStringLiteral("Guardar said nothing, yet %1 was not written")
            .arg(pathToQString(savedPath));
    }
    return std::nullopt;
}

std::optional<QMessageBox::StandardButton> SoakUser::answerTo(const QString& title) const
{
    // The last answer counts; QList's iterators are not ranges to every compiler's library.
    for (auto it = m_messages.crbegin(); it != m_messages.crend(); ++it) {
        if (it->first.title == title && it->first.icon == QMessageBox::Question) {
            return it->second;
        }
    }
    return std::nullopt;
}

std::optional<QString> SoakUser::checkLeaving()
{
    const auto presses = std::ranges::count_if(m_pressed, [](const QString& pressed) {
        return pressed == QLatin1String("FrmOrbanil/CmdExit") ||
               pressed == QLatin1String("FrmBox/CmdCancel") ||
               pressed == QLatin1String("FrmOrbanil/close box") ||
               pressed == QLatin1String("FrmBox/close box");
    });
    const bool leaving = presses > 0;
    const auto questions = std::ranges::count_if(m_messages, [](const auto& message) {
        return message.first.title == QLatin1String("Salir");
    });
    // Once a press, as a "No" keeps the work.
    const auto expected = m_heldWork ? presses : 0;
    if (questions != expected) {
        return QStringLiteral("leaving %1 asked %2 times, the main window %3 work")
            .arg(leaving ? QStringLiteral("was") : QStringLiteral("wasn't"))
            .arg(questions)
            .arg(m_heldWork ? QStringLiteral("holding") : QStringLiteral("holding no"));
    }
    const bool left = !m_windows->frmOrbanil() && !m_windows->frmBox();
    if (leaving && left != (!m_heldWork || answerTo(QStringLiteral("Salir")) == QMessageBox::Yes)) {
        return left ? QStringLiteral("the program was left against the answer")
                    : QStringLiteral("the program stayed against the answer");
    }
    return std::nullopt;
}

std::optional<QString> SoakUser::checkViewButtons(const ViewParams& fields,
                                                  const ViewParams& before) const
{
    // "Usar esta dirección" and "Usar esta posición" write where the view looks from and to, and
    // nothing else.
    const FrmVista* vista = qobject_cast<const FrmVista*>(m_windows->frmVista());
    const std::optional<PassengerCamera> looked = vista ? vista->camera() : std::nullopt;
    const bool direction = looked && m_pressed.contains(QLatin1String("FrmVista/CmdUseDirection"));
    const bool position = looked && m_pressed.contains(QLatin1String("FrmVista/CmdUsePosition"));
    if (direction || position) {
        ViewParams taken = before;
        if (direction) {
            taken.startDirectionX = std::to_string(startDirectionOf(*looked).x);
            taken.startDirectionY = std::to_string(startDirectionOf(*looked).y);
        }
        if (position) {
            taken.headX = writeHeadCoordinate(looked->eye.x);
            taken.headY = writeHeadCoordinate(looked->eye.y);
            taken.headZ = writeHeadCoordinate(looked->eye.z);
        }
        if (!sameNumbers(fields, taken)) {
            const auto written = [](const ViewParams& p) {
                return QString::fromStdString(p.headX + " " + p.headY + " " + p.headZ + ", " +
                                              p.startDirectionX + " " + p.startDirectionY);
            };
            return QStringLiteral("the view's buttons wrote %1 where the view shows %2")
                .arg(written(fields), written(taken));
        }
    }
    return std::nullopt;
}

std::optional<QString> SoakUser::checkViewpoints()
{
    auto* main = qobject_cast<FrmOrbanil*>(m_windows->frmOrbanil());
    if (!main) {
        return std::nullopt;
    }
    // A new window, or Leer Valores, whose reading has rules of its own: the driver takes the
    // viewpoints as the window has them.
    if (main != m_viewpointsOf || m_clicked.contains(QLatin1String("CmdRead"))) {
        m_viewpoints = main->viewpoints();
        m_viewpointsOf = main;
        return std::nullopt;
    }
    Viewpoints& expected = m_viewpoints;
    // Each press in its order: a text typed on the focused button may hold two blanks.
    auto questions = m_messages;
    questions.removeIf(
        [](const auto& message) { return message.first.title != QLatin1String("Quitar vista"); });
    for (const QString& clicked : std::as_const(m_clicked)) {
        if (clicked == QLatin1String("CmdAddView")) {
            expected.add();
        }
        if (clicked != QLatin1String("CmdRemoveView")) {
            continue;
        }
        const std::optional<std::string> question = expected.removeQuestion();
        if (question && (questions.isEmpty() ||
                         questions.front().first.text != QString::fromStdString(*question))) {
            return QStringLiteral("Quitar vista asked %1 where it should ask %2")
                .arg(questions.isEmpty() ? QStringLiteral("nothing") : questions.front().first.text,
                     QString::fromStdString(*question));
        }
        if (!question || questions.takeFirst().second == QMessageBox::Yes) {
            expected.removeShown();
        }
    }
    if (!questions.isEmpty()) {
        return QStringLiteral("Quitar vista asked %1 where it should ask nothing")
            .arg(questions.front().first.text);
    }
    const std::size_t shown = static_cast<std::size_t>(shownViewpoint(main));
    const ViewParams fields = typedParams(main);
    // What the user sees is what Generate takes: the names too, whoever wrote them.
    if (fields != main->shownViewpoint()) {
        return QStringLiteral("the fields do not show %1 as the window keeps it")
            .arg(QString::fromStdString(viewpointName(shown)));
    }
    if (shown != expected.shown()) {
        // The list or Generate showed another: its fields show what it held.
        expected.show(shown);
        if (!sameNumbers(fields, expected.shownParams())) {
            return QStringLiteral("%1 shows numbers it did not hold")
                .arg(QString::fromStdString(viewpointName(shown)));
        }
    }
    if (std::optional<QString> wrong = checkViewButtons(fields, expected.shownParams())) {
        return wrong;
    }
    // The names are the principal's whichever viewpoint shows, as the pickers write them.
    expected.setShownParams(fields);
    expected.setNames(fields);
    if (expected.all() != main->allViewpoints()) {
        return QStringLiteral("the viewpoints are not those the user made: %1 of %2 expected")
            .arg(main->viewpoints().size())
            .arg(expected.size());
    }
    const std::optional<std::string> missing =
        missingValuesText(expected.principal(), expected.added());
    // To the eye and to a screen reader.
    const auto* generate = control<QPushButton>(main, "CmdGenerate");
    const QString says = QString::fromStdString(missing.value_or(std::string()));
    if (generate->toolTip() != says || generate->accessibleDescription() != says) {
        return QStringLiteral("Generar Código does not say what is missing: %1").arg(says);
    }
    return std::nullopt;
}

std::optional<QString> SoakUser::checkCodeNote()
{
    const QWidget* main = m_windows->frmOrbanil();
    if (!main) {
        return std::nullopt;
    }
    // The note speaks of Generate's block only while the code box holds it as written.
    const bool stale =
        !m_generated.isEmpty() && m_code == m_generated &&
        isStaleBlock(m_generated.toStdString(), m_viewpoints.principal(), m_viewpoints.added());
    const QString note = control<QLabel>(main, "lblCodeNote")->text();
    if (stale != note.startsWith(QStringLiteral("El código no refleja"))) {
        return stale ? QStringLiteral("the note does not say the code is older than the values")
                     : QStringLiteral("the note says the code is old, but it is not: %1").arg(note);
    }
    return std::nullopt;
}

std::optional<QString> SoakUser::checkEnabledStates()
{
    const auto broken = [this]() -> std::optional<QString> {
        for (QWidget* window : shownWindows()) {
            for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
                if (button->isEnabled() != enabledByRule(window, button)) {
                    return QStringLiteral("%1 of %2 is %3")
                        .arg(button->objectName(), window->objectName(),
                             button->isEnabled() ? QStringLiteral("enabled")
                                                 : QStringLiteral("disabled"));
                }
            }
        }
        return std::nullopt;
    };
    if (!broken()) {
        return std::nullopt;
    }
    // Every timer of the shown windows ticks twice, unless the rule holds before.
    std::map<const QTimer*, int> ticks;
    QList<QMetaObject::Connection> counting;
    for (QWidget* window : shownWindows()) {
        for (const QTimer* timer : window->findChildren<QTimer*>()) {
            ticks[timer] = 0;
            counting.append(QObject::connect(timer, &QTimer::timeout, timer,
                                             [&ticks, timer] { ++ticks[timer]; }));
        }
    }
    const bool held = QTest::qWaitFor(
        [&] {
            return !broken() || std::ranges::all_of(ticks, [](const auto& counted) {
                return counted.second >= enabledWithinTicks;
            });
        },
        tickWaitLimitMs);
    for (const QMetaObject::Connection& connection : std::as_const(counting)) {
        QObject::disconnect(connection);
    }
    if (!broken()) {
        return std::nullopt;
    }
    return broken().value_or(QString()) +
           (held ? QStringLiteral(" after two ticks of the timers (200 ms)")
                 : QStringLiteral(", and the timers did not tick twice in %1 s")
                       .arg(tickWaitLimitMs / 1000));
}

QtMessageHandler qtHandler = nullptr;

// The platform's notes on itself (offscreen cannot raise; Wine lacks two calls), for every window.
bool isPlatformNote(const QString& text)
{
    static const char* const notes[] = {"This plugin does not support", "fromWinHICON",
                                        "EnableNonClientDpiScaling"};
    return std::ranges::any_of(
        notes, [&text](const char* note) { return text.contains(QLatin1String(note)); });
}

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (isPlatformNote(text)) {
        return;
    }
    if (playing) {
        playing->heard(type, text);
    }
    if (qtHandler) {
        qtHandler(type, context, text);
    }
}

#ifdef ORBANIL_SOAK_SANITIZED
void tellLastActions()
{
    if (playing) {
        std::fprintf(stderr, "The last actions before the sanitizer's report:\n%s\n",
                     qPrintable(playing->lastActions(true)));
    }
}
#endif

} // namespace

class SoakTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void randomUserBreaksNoRule_data();
    void randomUserBreaksNoRule();
};

void SoakTest::initTestCase()
{
    qtHandler = qInstallMessageHandler(handleMessage);
#ifdef ORBANIL_SOAK_SANITIZED
    __sanitizer_set_death_callback(tellLastActions);
#endif
    std::printf("memory at the start: %ld kB\n", memoryKb("VmRSS"));
}

void SoakTest::cleanupTestCase()
{
    std::printf("memory at the end: %ld kB, at its peak: %ld kB\n", memoryKb("VmRSS"),
                memoryKb("VmHWM"));
    qInstallMessageHandler(qtHandler);
}

void SoakTest::randomUserBreaksNoRule_data()
{
    QTest::addColumn<unsigned long long>("seed");
    if (const std::optional<unsigned long long> seed = numberFromEnvironment("ORBANIL_SOAK_SEED")) {
        QTest::addRow("seed %llu", *seed) << *seed;
        return;
    }
    for (const unsigned long long seed : {1ULL, 2ULL, 3ULL}) {
        QTest::addRow("seed %llu", seed) << seed;
    }
}

void SoakTest::randomUserBreaksNoRule()
{
    QFETCH(unsigned long long, seed);
    const int steps =
        static_cast<int>(numberFromEnvironment("ORBANIL_SOAK_STEPS").value_or(defaultSteps));
    std::printf("seed %llu, %d steps\n", seed, steps);
    std::fflush(stdout);
    QTemporaryDir sandbox;
    QVERIFY(sandbox.isValid());
    SoakUser user(seed, sandbox);
    const std::optional<QString> broken = user.play(steps);
    if (broken) {
        // Whole, where Qt Test would cut a long message.
        std::printf("seed %llu, %s\n", seed, qPrintable(*broken));
    }
    QVERIFY2(!broken,
             qPrintable(QStringLiteral("seed %1, %2")
                            .arg(seed)
                            .arg(broken.value_or(QString()).section(QLatin1Char('\n'), 0, 0))));
}

QTEST_MAIN(SoakTest)
#include "SoakTest.moc"
