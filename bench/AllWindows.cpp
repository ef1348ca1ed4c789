// All six windows loaded and shown, the code box holding a generated block.
//   AllWindows peak          quits once every window is on screen (peak RSS read by the caller)
//   AllWindows idle [S]      then sits idle S seconds (20) with the five timers ticking and prints
//                            the CPU time and the RSS at 1 s and at 1 + S s, as JSON
#include "BenchRun.h"
#include "ui/FrmAbout.h"
#include "ui/FrmAyuda.h"
#include "ui/FrmPicker.h"
#include "ui/ProgramFolder.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

using namespace orbanil;

long vmRssKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const bool idle = argc > 1 && std::strcmp(argv[1], "idle") == 0;
    const double idleSeconds = argc > 2 ? std::stod(argv[2]) : 20.0;

    WindowSet windows(programFolder(), bench::quietServices());
    windows.start();
    FrmOrbanil& main = bench::passDialog(windows);
    bench::generateBlock(main);
    for (const char* button : {"Command1", "Command2", "CmdAyuda", "CmdAbout"}) {
        bench::control<QPushButton>(&main, button)->click();
    }
    windows.frmBox()->showWindow();

    const std::vector<QWidget*> all{windows.frmOrbanil(), windows.frmBox(), windows.frmAbout(),
                                    windows.frmShape(),   windows.frmSms(), windows.frmAyuda()};
    bench::waitFor(
        [&all] {
            for (QWidget* w : all) {
                if (!w || !w->windowHandle() || !w->windowHandle()->isExposed()) {
                    return false;
                }
            }
            return true;
        },
        "all six windows on screen");
    bench::settle();
    if (!idle) {
        return 0;
    }

    struct Sample
    {
        double cpu;
        long rss;
    };
    Sample first{};
    Sample last{};
    const auto wait = [](double seconds) {
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
        loop.exec();
    };
    wait(1.0);
    first = {cpuSeconds(), vmRssKiB()};
    wait(idleSeconds);
    last = {cpuSeconds(), vmRssKiB()};
    std::printf("{\"seconds\": %.3f, \"cpu_seconds\": %.6f, \"rss_1s_kib\": %ld, "
                "\"rss_end_kib\": %ld}\n",
                idleSeconds, last.cpu - first.cpu, first.rss, last.rss);
    return 0;
}
