#include "ui/CameraViewWidget.h"

#include "core/shape/CabinShape.h"
#include "tests/support/UiTestSupport.h"
#include "ui/Twips.h"

#include <QImage>
#include <QLineEdit>
#include <QTest>

using namespace orbanil;
using namespace orbanil::testing;

namespace {

const CabinBox workedBox{"12,5", "3", "2,9"};

ViewParams headAtZ(const char* z)
{
    ViewParams view = workedExampleParams();
    view.headZ = z;
    return view;
}

// A field, the drawing at the size the main window gives it, and another field.
struct Form
{
    QWidget window;
    QLineEdit* before = new QLineEdit(&window);
    CameraViewWidget* view = new CameraViewWidget(&window);
    QLineEdit* after = new QLineEdit(&window);

    Form()
    {
        const Twips twips(window.font());
        twips.place(before, 0, 0, 1000, 285);
        twips.place(view, 0, 300, 7335, 2955);
        twips.place(after, 0, 3500, 1000, 285);
        window.resize(twips.px(7400), twips.px(3900));
    }
};

// Pixels of the drawing in a strong red or a strong blue: the head's two colours.
int pixelsLike(const QImage& image, bool red)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int own = red ? c.red() : c.blue();
            const int other = red ? c.blue() : c.red();
            count += own > 150 && other < 80 && c.green() < 110 ? 1 : 0;
        }
    }
    return count;
}

} // namespace

class CameraViewWidgetTest : public QObject
{
    Q_OBJECT
private slots:
    void describesWhereTheHeadIs();
    void everyLabelFitsAtTheDefaultFont();
    void neverTakesFocus();
    void repaintsOnlyWhenWhatItShowsChanges();
    void headOutsideIsDrawnInTheWarningColour();
    void cabinIsDrawnUnderTheBoxInALightColour();
};

void CameraViewWidgetTest::describesWhereTheHeadIs()
{
    Form form;
    QCOMPARE(form.view->accessibleName(), QStringLiteral("Vista de la cámara"));
    const QList<QPair<const char*, QString>> cases{
        {"-5.25", QStringLiteral("La cabeza está dentro de la caja.")},
        {"-7", QStringLiteral("La cabeza está 0,75 m por detrás de la caja.")},
        {"-", QStringLiteral("La coordenada Z de la cabeza aún no es un número.")},
    };
    for (const auto& [z, text] : cases) {
        form.view->setViewInput(headAtZ(z), workedBox);
        QCOMPARE(form.view->accessibleDescription(), text);
        QCOMPARE(form.view->toolTip(), text);
    }
}

void CameraViewWidgetTest::everyLabelFitsAtTheDefaultFont()
{
    Form form;
    form.view->setViewInput(headAtZ("-7"), workedBox);
    QStringList texts;
    for (const ViewSketch* view : {&form.view->sketch().above, &form.view->sketch().side}) {
        for (const SketchLabel& label : view->labels) {
            texts.append(QString::fromStdString(label.text));
        }
    }
    QCOMPARE(texts, (QStringList{"Desde arriba", "Delante", "De lado", "Delante", "carril (Y = 0)",
                                 QStringLiteral("cuadrícula: 1 m")}));
}

void CameraViewWidgetTest::neverTakesFocus()
{
    Form form;
    form.view->setViewInput(workedExampleParams(), workedBox);
    form.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&form.window));
    form.before->setFocus();
    QTest::mouseClick(form.view, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), form.before);
    QTest::keyClick(form.before, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form.after);
    QTest::keyClick(form.after, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form.before);
}

void CameraViewWidgetTest::repaintsOnlyWhenWhatItShowsChanges()
{
    Form form;
    PaintCounter counter;
    form.view->installEventFilter(&counter);
    form.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form.window));
    form.view->setViewInput(workedExampleParams(), workedBox);
    QTRY_VERIFY(counter.paints > 0);
    QCoreApplication::processEvents();
    counter.paints = 0;

    // Ticks of an idle window, edits of texts the drawing does not use, and a start direction
    // a full turn round, which draws the same.
    ViewParams same = workedExampleParams();
    same.shapeFile = "otro.s";
    same.soundFile = "";
    same.rotationLimitZ = "5";
    same.startDirectionY = "360";
    for (int tick = 0; tick < 10; ++tick) {
        form.view->setViewInput(tick % 2 ? same : workedExampleParams(), workedBox);
        QCoreApplication::processEvents();
    }
    QCOMPARE(counter.paints, 0);

    form.view->setViewInput(headAtZ("-5.2"), workedBox);
    QTRY_VERIFY(counter.paints > 0);
}

void CameraViewWidgetTest::headOutsideIsDrawnInTheWarningColour()
{
    Form form;
    form.view->setViewInput(workedExampleParams(), workedBox);
    const QImage inside = form.view->grab().toImage();
    QVERIFY(pixelsLike(inside, false) > 0);
    QCOMPARE(pixelsLike(inside, true), 0);

    form.view->setViewInput(headAtZ("-7"), workedBox);
    const QImage outside = form.view->grab().toImage();
    QVERIFY(pixelsLike(outside, true) > 0);
    QCOMPARE(pixelsLike(outside, false), 0);
}

void CameraViewWidgetTest::cabinIsDrawnUnderTheBoxInALightColour()
{
    Form form;
    form.view->setViewInput(workedExampleParams(), workedBox);
    const QImage empty = form.view->grab().toImage();
    // Four floors over each other, seen from above through one another.
    auto shape = std::make_shared<CabinShape>();
    for (const float y : {1.0f, 1.1f, 1.2f, 1.3f}) {
        const Vec3 a{-1.4f, y, -6}, b{1.4f, y, -6}, c{1.4f, y, 6}, d{-1.4f, y, 6};
        for (const std::array<Vec3, 3>& corners : {std::array{a, b, c}, std::array{a, c, d}}) {
            CabinTriangle triangle;
            for (std::size_t i = 0; i < 3; ++i) {
                triangle.corners[i].position = corners[i];
            }
            shape->triangles.push_back(triangle);
        }
    }
    form.view->setCabinShape(shape);
    const QImage drawn = form.view->grab().toImage();

    // Where the plots were blank the cabin shows, never darker than a light colour, and the
    // head is drawn over it as before.
    int shaded = 0;
    int darkest = 255;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor before = empty.pixelColor(x, y);
            const QColor after = drawn.pixelColor(x, y);
            if (before == form.view->palette().color(QPalette::Base) && after != before) {
                ++shaded;
                darkest = std::min(darkest, after.lightness());
            }
        }
    }
    QVERIFY2(shaded > 1000, qPrintable(QString::number(shaded)));
    QVERIFY2(darkest >= 180, qPrintable(QString::number(darkest)));
    QVERIFY(pixelsLike(drawn, false) >= pixelsLike(empty, false));

    form.view->setCabinShape(nullptr);
    QCOMPARE(form.view->grab().toImage(), empty);
}

QTEST_MAIN(CameraViewWidgetTest)
#include "CameraViewWidgetTest.moc"
