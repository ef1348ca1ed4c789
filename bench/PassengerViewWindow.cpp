// The passenger view open on the generated coach (20,000 triangles, four 512 x 512 textures) at
// 640 x 400 beside the main window: what opening it adds to the program's memory, and how soon
// a keystroke in a head field, or one in the view that moves the head, is answered while the
// view draws every change.
//   PassengerViewWindow FOLDER [keystrokes]   prints one line of JSON (200 keystrokes)
// FOLDER holds the coach as bench_write_cabin writes it, written by another process so that
// its writing leaves nothing in this one's memory.
#include "BenchRun.h"
#include "ui/FrmVista.h"
#include "ui/PassengerViewWidget.h"
#include "ui/ProgramFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace orbanil;

long statusKiB(const char* field)
{
    std::ifstream status("/proc/self/status");
    const std::string name = std::string(field) + ":";
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(name, 0) == 0) {
            return std::stol(line.substr(name.size()));
        }
    }
    return -1;
}

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1))];
}

void spin(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Keystrokes
{
    std::vector<double> answers;  // ms from a press to its answer
    std::vector<double> followed; // ms from every tenth press until the view shows it
};

// Presses `count` keys a random 0 to 60 ms apart, so that most land while a frame is drawn;
// `press` presses the k-th and gives the nanoseconds on `clock` until it was answered.
Keystrokes pressKeys(int count, const FrmVista& view, QElapsedTimer& clock,
                     const std::function<qint64(int)>& press)
{
    static std::mt19937 random(24);
    Keystrokes timed;
    for (int k = 0; k < count; ++k) {
        clock.restart();
        timed.answers.push_back(static_cast<double>(press(k)) / 1e6);
        if (k % 10 == 9) {
            // Now and then the view is let finish, to time how soon it follows.
            bench::waitFor([&] { return view.isUpToDate(); }, "the frame", 30000);
            timed.followed.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        } else {
            spin(std::uniform_int_distribution(0, 60)(random));
        }
    }
    bench::waitFor([&] { return view.isUpToDate(); }, "the last frame", 30000);
    return timed;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER [keystrokes]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path cabinFolder = argv[1];
    const int keystrokes = argc > 2 ? std::stoi(argv[2]) : 200;

    WindowSet windows(programFolder(), bench::quietServices());
    windows.start();
    FrmOrbanil& main = bench::passDialog(windows);
    bench::settle();
    spin(500);
    const long before = statusKiB("VmRSS");

    // The values typed, the shape chosen with the picker, then "Vista del pasajero".
    const ViewParams typed{"coche.s", "-0.8", "2.45", "-5.6", "0", "0", "0", "5", "0", "0", ""};
    for (const ViewField& field : viewFields) {
        bench::control<QLineEdit>(&main, field.control)
            ->setText(QString::fromStdString(typed.*field.member));
    }
    main.setChosenShape(QStringLiteral("coche.s"), cabinFolder);
    bench::control<QPushButton>(&main, "CmdVista")->click();
    FrmVista& view = *windows.frmVista();
    auto* picture = bench::control<PassengerViewWidget>(&view, "picVista");
    bench::waitFor([&view] { return view.isVisible(); }, "the view shown");
    bench::settle();
    // The notes under the image wrap to fewer lines as the window widens, which gives the image
    // more height: the window is sized again until the image takes 640 x 400.
    bench::waitFor(
        [&view, picture] {
            view.resize(view.size() + (QSize(640, 400) - picture->size()));
            bench::settle();
            return picture->size() == QSize(640, 400);
        },
        "640 x 400");
    bench::waitFor([&] { return view.isUpToDate() && !picture->image().isNull(); }, "first frame",
                   30000);
    bench::settle();
    spin(500);
    const long opened = statusKiB("VmRSS");

    // Answered once the main window has told the view: this runs after the window set's own
    // handler of the same signal.
    auto* headX = bench::control<QLineEdit>(&main, "txtCamPosX");
    QElapsedTimer clock;
    qint64 answered = -1;
    QObject::connect(&main, &FrmOrbanil::shownViewpointChanged, &view,
                     [&] { answered = clock.nsecsElapsed(); });
    headX->setFocus();
    const Keystrokes typing = pressKeys(keystrokes, view, clock, [&](int k) {
        const bool erase = k % 2 == 1;
        answered = -1;
        QCoreApplication::postEvent(
            headX, new QKeyEvent(QEvent::KeyPress, erase ? Qt::Key_Backspace : Qt::Key_5,
                                 Qt::NoModifier, erase ? QString() : QStringLiteral("5")));
        bench::waitFor([&] { return answered >= 0; }, "the keystroke");
        return answered;
    });
    const long after = statusKiB("VmRSS");

    // PageUp and PageDown in the view: a press is answered once the window has moved the head,
    // shown its numbers and handed the state to the drawing thread, which its handler does
    // before it returns.
    picture->setFocus();
    const Keystrokes moves = pressKeys(keystrokes, view, clock, [&](int k) {
        QKeyEvent press(QEvent::KeyPress, k % 2 == 0 ? Qt::Key_PageUp : Qt::Key_PageDown,
                        Qt::NoModifier);
        QCoreApplication::sendEvent(picture, &press);
        return clock.nsecsElapsed();
    });
    std::printf("{\"rss_before_kib\": %ld, \"rss_opened_kib\": %ld, \"rss_after_keys_kib\": %ld, "
                "\"peak_kib\": %ld, \"keystrokes\": %d, \"answer_median_ms\": %.3f, "
                "\"answer_p99_ms\": %.3f, \"answer_max_ms\": %.3f, \"followed_median_ms\": %.1f, "
                "\"followed_max_ms\": %.1f, \"move_answer_median_ms\": %.3f, "
                "\"move_answer_max_ms\": %.3f, \"move_followed_median_ms\": %.1f}\n",
                before, opened, after, statusKiB("VmHWM"), keystrokes,
                percentile(typing.answers, 0.5), percentile(typing.answers, 0.99),
                percentile(typing.answers, 1.0), percentile(typing.followed, 0.5),
                percentile(typing.followed, 1.0), percentile(moves.answers, 0.5),
                percentile(moves.answers, 1.0), percentile(moves.followed, 0.5));
    return 0;
}
