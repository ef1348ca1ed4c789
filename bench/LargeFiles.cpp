// Opening and saving large code files through the real main window, as a user would: "Abrir"
// with a file chosen in the list, "Guardar" with a name typed. Sizes alternate, 1 MiB and
// 10 MiB; prints the median milliseconds of each as JSON.
//   LargeFiles [runs]        runs per size (10)
#include "BenchRun.h"
#include "files/CodeFile.h"
#include "ui/CodeBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace orbanil;

constexpr std::size_t MiB = 1024 * 1024;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::exit(2);
}

QListWidgetItem* listed(const FrmOrbanil& main, const QString& name)
{
    const QList<QListWidgetItem*> found =
        bench::control<QListWidget>(&main, "File1")->findItems(name, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

// Milliseconds from the "Abrir" click until the code box holds the file's text and has drawn it.
double timeOpen(FrmOrbanil& main, const QString& name, qsizetype expectedLength)
{
    auto* code = bench::control<CodeBox>(&main, "txtCode");
    auto* open = bench::control<QPushButton>(&main, "CmdOpen");
    bench::control<QPushButton>(&main, "CmdClear")->click();
    QTest::mouseClick(bench::control<QPushButton>(&main, "CmdOpenFile"), Qt::LeftButton);
    bench::control<QListWidget>(&main, "File1")->setCurrentItem(listed(main, name));
    bench::waitFor([open] { return open->isEnabled(); }, "Abrir enabled");
    bench::settle();

    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(open, Qt::LeftButton);
    bench::settle();
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;

    if (bench::control<QGroupBox>(&main, "FraOpen")->isVisible() ||
        code->codeText().size() != expectedLength) {
        fail("the opened text is not in the code box");
    }
    return ms;
}

// Milliseconds from the "Guardar" click until the file is written and the code box emptied.
double timeSave(FrmOrbanil& main, const std::filesystem::path& folder, const QString& code,
                const QString& name, std::uintmax_t expectedSize)
{
    const std::filesystem::path path = folder / (name.toStdString() + ".obn");
    std::filesystem::remove(path);
    auto* codeBox = bench::control<CodeBox>(&main, "txtCode");
    auto* save = bench::control<QPushButton>(&main, "CmdSave");
    codeBox->replaceCodeText(code);
    QTest::mouseClick(bench::control<QPushButton>(&main, "CmdSaveFile"), Qt::LeftButton);
    bench::control<QLineEdit>(&main, "txtfilename")->setText(name);
    bench::settle();

    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(save, Qt::LeftButton);
    bench::settle();
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;

    std::error_code error;
    if (std::filesystem::file_size(path, error) != expectedSize || !codeBox->isEmpty()) {
        fail("the saved file does not hold the code text");
    }
    return ms;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;

    QTemporaryDir dir;
    const std::filesystem::path folder(dir.path().toStdU16String());
    struct Case
    {
        int mib;
        QString openName;
        QString saveName;
        QString code; // what a save writes
        qsizetype openedLength = 0;
        std::uintmax_t savedSize = 0;
    };
    std::vector<Case> cases;
    for (const int mib : {1, 10}) {
        Case c{mib,
               QStringLiteral("abrir-%1.obn").arg(mib),
               QStringLiteral("guardar-%1").arg(mib),
               {}};
        const std::string bytes = bench::savedFileBytes(static_cast<std::size_t>(mib) * MiB);
        std::ofstream(folder / c.openName.toStdString(), std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        c.openedLength = QString::fromStdString(codeTextFromBytes(bytes)).size();
        const std::string code = bench::generatedCodeText(static_cast<std::size_t>(mib) * MiB);
        c.code = QString::fromStdString(code);
        c.savedSize = code.size() + 2;
        cases.push_back(std::move(c));
    }

    WindowSet windows(folder, bench::quietServices());
    windows.start();
    FrmOrbanil& main = bench::passDialog(windows);
    bench::waitFor([&main] { return main.isVisible(); }, "the main window");
    for (const Case& c : cases) {
        if (!listed(main, c.openName)) {
            fail("a saved file is missing from the list");
        }
    }

    std::map<int, std::vector<double>> open;
    std::map<int, std::vector<double>> save;
    for (int run = 0; run < runs; ++run) {
        for (const Case& c : cases) {
            open[c.mib].push_back(timeOpen(main, c.openName, c.openedLength));
            save[c.mib].push_back(timeSave(main, folder, c.code, c.saveName, c.savedSize));
        }
    }

    std::printf("{\"runs\": %d, \"open_1_ms\": %.3f, \"open_10_ms\": %.3f, \"save_1_ms\": %.3f, "
                "\"save_10_ms\": %.3f}\n",
                runs, median(open[1]), median(open[10]), median(save[1]), median(save[10]));
    return 0;
}
