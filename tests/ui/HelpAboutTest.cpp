#include "core/block/CabinBox.h"
#include "core/sketch/CameraViewSketch.h"
#include "files/HelpFile.h"
#include "tests/support/UiTestSupport.h"
#include "ui/FrmAbout.h"
#include "ui/FrmAyuda.h"
#include "ui/Icons.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <memory>

using namespace orbanil;
using namespace orbanil::testing;

namespace {

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QString helpFilePath(const QTemporaryDir& dir)
{
    return pathToQString(folderOf(dir) / "Ayuda.txt");
}

QString shownHelp(const FrmAyuda& window)
{
    return control<QPlainTextEdit>(&window, "Ayuda")->toPlainText();
}

// Caption without its access-key marker, as it is drawn.
QString drawnCaption(const QString& caption)
{
    QString text = caption;
    return text.remove(QLatin1Char('&'));
}

// Every label and button caption must be readable in full at the platform font.
void verifyCaptionsFit(const QWidget& window)
{
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty()) {
            continue;
        }
        const QFontMetrics metrics(label->font());
        const QRect inside = label->contentsRect();
        const QRect needed = label->wordWrap()
                                 ? metrics.boundingRect(QRect(0, 0, inside.width(), 10000),
                                                        Qt::TextWordWrap, label->text())
                                 : metrics.boundingRect(label->text());
        QVERIFY2(needed.width() <= inside.width() && metrics.height() <= inside.height() &&
                     needed.height() <= inside.height(),
                 qPrintable(label->objectName()));
    }
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        const QFontMetrics metrics(button->font());
        QVERIFY2(metrics.horizontalAdvance(drawnCaption(button->text())) + 8 <= button->width() &&
                     metrics.height() + 4 <= button->height(),
                 qPrintable(button->objectName()));
    }
}

} // namespace

class HelpAboutTest : public QObject
{
    Q_OBJECT

private slots:
    void helpWindowShowsTheFileUnchanged_data();
    void helpWindowShowsTheFileUnchanged();
    void unreadableHelpFileIsExplainedAndTheWindowStillOpens_data();
    void unreadableHelpFileIsExplainedAndTheWindowStillOpens();
    void helpTextIsReadOnlyAndFirstInTabOrder();
    void aboutWindowShowsNameAuthorVersionAndPicture();
    void closeButtonsAskTheWindowSetToUnload_data();
    void closeButtonsAskTheWindowSetToUnload();
    void captionsFitAtThePlatformFont();
    void iconsAreDistinct32PixelImages();
    void bundledHelpTextIsWindows1252WithCrLf();
    void bundledHelpAgreesWithTheProgram();
    void bundledHelpReadsWellInAProportionalFont();
};

void HelpAboutTest::helpWindowShowsTheFileUnchanged_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("shown");

    QTest::newRow("lines with CR LF")
        << QByteArray("uno\r\ndos\r\n") << QStringLiteral("uno\ndos\n");
    QTest::newRow("blanks, commas, quotes and accents kept")
        << QByteArray("   Sound ( \"a,b.sms\" ) , x\r\n\xe1rbol \xf1 \xa9\r\n")
        << QStringLiteral("   Sound ( \"a,b.sms\" ) , x\nárbol ñ ©\n");
    QTest::newRow("last line without line end gets one")
        << QByteArray("uno\r\nfin") << QStringLiteral("uno\nfin\n");
    QTest::newRow("empty lines kept")
        << QByteArray("a\r\n\r\n\r\nb\r\n") << QStringLiteral("a\n\n\nb\n");
    QTest::newRow("empty file") << QByteArray() << QString();
}

void HelpAboutTest::helpWindowShowsTheFileUnchanged()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, shown);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    writeBytes(dir.filePath(QStringLiteral("Ayuda.txt")), file);

    const FrmAyuda window(folderOf(dir));
    QCOMPARE(window.windowTitle(), QStringLiteral("Orbanil - Ayuda"));
    QCOMPARE(shownHelp(window), shown);
}

void HelpAboutTest::unreadableHelpFileIsExplainedAndTheWindowStillOpens_data()
{
    QTest::addColumn<bool>("folderInstead");
    QTest::newRow("no Ayuda.txt") << false;
    QTest::newRow("Ayuda.txt is a folder") << true;
}

void HelpAboutTest::unreadableHelpFileIsExplainedAndTheWindowStillOpens()
{
    QFETCH(bool, folderInstead);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (folderInstead) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Ayuda.txt")));
    }

    FrmAyuda window(folderOf(dir));
    window.showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString text = shownHelp(window);
    QVERIFY2(text.startsWith(QStringLiteral("No se puede mostrar la ayuda.")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("«%1»").arg(helpFilePath(dir))), qPrintable(text));
}

void HelpAboutTest::helpTextIsReadOnlyAndFirstInTabOrder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    writeBytes(dir.filePath(QStringLiteral("Ayuda.txt")), "texto de ayuda\r\n");
    FrmAyuda window(folderOf(dir));
    auto* ayuda = control<QPlainTextEdit>(&window, "Ayuda");
    QVERIFY(ayuda->isReadOnly());

    window.showWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTRY_COMPARE(QApplication::focusWidget(), ayuda);
    QTest::keyClicks(ayuda, QStringLiteral("xyz"));
    QTest::keyClick(ayuda, Qt::Key_Delete);
    QCOMPARE(ayuda->toPlainText(), QStringLiteral("texto de ayuda\n"));
}

void HelpAboutTest::aboutWindowShowsNameAuthorVersionAndPicture()
{
    const FrmAbout window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Orbanil - Acerca de.."));
    QCOMPARE(control<QLabel>(&window, "Label1")->text(),
             QStringLiteral("Orbanil Code para Microsoft© Train Simulator Ver 1.x "));
    QCOMPARE(control<QLabel>(&window, "Label2")->text(), QStringLiteral("Autor : Equipo Orbanil"));
    QCOMPARE(control<QLabel>(&window, "Label3")->text(), QStringLiteral("Versión : 1.0  Español."));

    const auto* picture = control<QLabel>(&window, "Picture1");
    const QPixmap shown = picture->pixmap();
    QCOMPARE(shown.size(), QSize(32, 32));
    QCOMPARE(shown.toImage(), programPicture().toImage());
    QCOMPARE(picture->size(), QSize(32, 32));
}

void HelpAboutTest::closeButtonsAskTheWindowSetToUnload_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::newRow("help") << QStringLiteral("FrmAyuda") << QStringLiteral("CmdAceptar")
                          << QStringLiteral("&Cerrar");
    QTest::newRow("about") << QStringLiteral("FrmAbout") << QStringLiteral("CmdOk")
                           << QStringLiteral("&Aceptar");
}

void HelpAboutTest::closeButtonsAskTheWindowSetToUnload()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    std::unique_ptr<FixedWindow> shown;
    if (window == QLatin1String("FrmAyuda")) {
        shown = std::make_unique<FrmAyuda>(folderOf(dir));
    } else {
        shown = std::make_unique<FrmAbout>();
    }
    shown->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));

    auto* command = control<QPushButton>(shown.get(), qPrintable(button));
    QCOMPARE(command->text(), caption);
    QVERIFY(!command->autoDefault());
    QSignalSpy unload(shown.get(), &FixedWindow::closeBoxPressed);
    QTest::mouseClick(command, Qt::LeftButton);
    QCOMPARE(unload.count(), 1);
    // Unloading is the window set's decision; the window itself stays until then.
    QVERIFY(shown->isVisible());
}

void HelpAboutTest::captionsFitAtThePlatformFont()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const FrmAyuda help(folderOf(dir));
    verifyCaptionsFit(help);
    const FrmAbout about;
    verifyCaptionsFit(about);
}

void HelpAboutTest::iconsAreDistinct32PixelImages()
{
    const QIcon icons[] = {programIcon(), aboutIcon(), ayudaIcon()};
    QList<QImage> images;
    for (const QIcon& icon : icons) {
        QVERIFY(!icon.isNull());
        QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
        images.append(icon.pixmap(QSize(32, 32)).toImage());
    }
    QVERIFY(images[0] != images[1]);
    QVERIFY(images[0] != images[2]);
    QVERIFY(images[1] != images[2]);
    QCOMPARE(programPicture().size(), QSize(32, 32));
    QCOMPARE(programPicture().toImage().convertToFormat(QImage::Format_ARGB32),
             images[0].convertToFormat(QImage::Format_ARGB32));
}

void HelpAboutTest::bundledHelpTextIsWindows1252WithCrLf()
{
    QFile file(QStringLiteral(ORBANIL_BUNDLED_HELP));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(!bytes.isEmpty());
    QVERIFY(!bytes.startsWith("\xef\xbb\xbf"));
    QVERIFY(bytes.endsWith("\r\n"));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const bool lineFeed = bytes[i] == '\n';
        const bool carriageReturn = bytes[i] == '\r';
        QVERIFY2(!lineFeed || (i > 0 && bytes[i - 1] == '\r'), "lone LF");
        QVERIFY2(!carriageReturn || (i + 1 < bytes.size() && bytes[i + 1] == '\n'), "lone CR");
    }
    // Accented letters stored as single bytes: the file is not UTF-8.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QVERIFY(!QString(utf8(bytes)).isEmpty());
    QVERIFY(utf8.hasError());
    for (const char unassigned : {'\x81', '\x8d', '\x8f', '\x90', '\x9d'}) {
        QVERIFY(!bytes.contains(unassigned));
    }
    for (const QByteArray& line : bytes.split('\n')) {
        QVERIFY2(line.size() <= 80, line.constData());
    }

    const QString text = QString::fromStdString(readHelpFile(ORBANIL_BUNDLED_HELP));
    for (const char* words :
         {"Size ( X Y Z )", "Wagon ( ", "Inside (", "PassengerCabinHeadPos", "RotationLimit",
          "StartDirection", "Generar Código", "vagón", "+Z hacia la parte delantera", ".obn"}) {
        QVERIFY2(text.contains(QString::fromUtf8(words)), words);
    }
}

void HelpAboutTest::bundledHelpAgreesWithTheProgram()
{
    const QString text = QString::fromStdString(readHelpFile(ORBANIL_BUNDLED_HELP));
    // The head position takes a point: its numbers are written with one, never with a comma.
    const qsizetype from = text.indexOf(QStringLiteral("PassengerCabinHeadPos ( X Y Z )"));
    const qsizetype to = text.indexOf(QStringLiteral("RotationLimit ( X Y Z )"));
    QVERIFY(from > 0 && to > from);
    const QString headPosition = text.mid(from, to - from);
    QVERIFY(headPosition.contains(QStringLiteral("2.3")));
    const QRegularExpressionMatch comma =
        QRegularExpression(QStringLiteral("\\d,\\d")).match(headPosition);
    QVERIFY2(!comma.hasMatch(), qPrintable(comma.captured()));

    // Every range line it quotes is the line the program shows for that dimension.
    int rangeLines = 0;
    for (const QString& line : text.split(QStringLiteral("\r\n"))) {
        const QString quoted = line.trimmed();
        const qsizetype limits = quoted.indexOf(QStringLiteral(" m Limites: "));
        const qsizetype word = quoted.indexOf(QStringLiteral(": ")) + 2;
        if (limits < 0) {
            continue;
        }
        const std::optional<std::string> shown = rangeLine(
            quoted.left(word).toStdString(), quoted.mid(word, limits - word).toStdString());
        QVERIFY2(shown, qPrintable(quoted));
        QCOMPARE(quoted, QString::fromStdString(*shown));
        ++rangeLines;
    }
    QVERIFY(rangeLines >= 4);

    // The drawing's section names its views and quotes its warning as the program writes them.
    ViewParams behind = workedExampleParams();
    behind.headZ = "-7";
    const TextMetrics anyFont{13, [](std::string_view text) { return 6.0 * text.size(); }};
    const CameraViewSketch sketch = sketchCameraView(
        readCameraViewNumbers(behind, CabinBox{"12,5", "3", "2,9"}), 489, 197, anyFont);
    QStringList said{QString::fromStdString(sketch.description)};
    for (const ViewSketch* view : {&sketch.above, &sketch.side}) {
        for (const SketchLabel& label : view->labels) {
            said << QString::fromStdString(label.text);
        }
    }
    // The grid label of a very long box, which the help quotes too.
    const CameraViewSketch longBox = sketchCameraView(
        readCameraViewNumbers(behind, CabinBox{"400", "3", "2,9"}), 489, 197, anyFont);
    said << QString::fromStdString(longBox.side.labels.back().text);
    QCOMPARE(said.size(), 8);
    QCOMPARE(said.last(), QStringLiteral("cuadrícula: 5 m"));
    for (const QString& words : said) {
        QVERIFY2(text.simplified().contains(words), qPrintable(words));
    }
}

// The help window's font is proportional: a rule of dashes or a column lined up with blanks
// shows ragged there.
void HelpAboutTest::bundledHelpReadsWellInAProportionalFont()
{
    const QString text = QString::fromStdString(readHelpFile(ORBANIL_BUNDLED_HELP));
    const QRegularExpression innerBlanks(QStringLiteral("\\S( {2,})(?=\\S)"));
    QList<qsizetype> previousColumns;
    for (const QString& line : text.split(QStringLiteral("\r\n"))) {
        QVERIFY2(!line.contains(QStringLiteral("----")) && !line.contains(QStringLiteral("====")),
                 qPrintable(line));
        // Where a run of blanks inside a line ends: a column, if the line above has one there.
        QList<qsizetype> columns;
        for (const QRegularExpressionMatch& run : innerBlanks.globalMatch(line)) {
            columns << run.capturedEnd(1);
            QVERIFY2(!previousColumns.contains(columns.last()), qPrintable(line));
        }
        previousColumns = columns;
    }
}

QTEST_MAIN(HelpAboutTest)
#include "HelpAboutTest.moc"
