// The main window's drawing with the generated coach (20,000 triangles) under its box, at the
// size the main window gives it: a repaint, a repaint after the box changed (the triangles
// projected and drawn again), a step of a drag of the head, and the projection alone.
#include "GeneratedCabin.h"
#include "core/sketch/ShapeProjection.h"
#include "ui/CameraViewWidget.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

using namespace orbanil;

const CabinBox coachBox{"20", "3,6", "2,9"};

// The drawing at the main window's size for the platform's font, the coach under it.
struct Drawing
{
    CameraViewWidget widget;
    QImage target;
    ViewParams head{"coche.s", "-0.8", "2.45", "-5.6", "0", "60", "0", "5", "0", "0", ""};

    Drawing()
    {
        const Twips twips(widget.font());
        widget.resize(twips.px(7335), twips.px(2955));
        widget.setViewInput(head, coachBox);
        widget.setCabinShape(std::make_shared<const CabinShape>(bench::generatedCabin().shape));
        target = QImage(widget.size(), QImage::Format_ARGB32_Premultiplied);
        paint();
    }

    // What a paint event does, into an image of the widget's size.
    void paint()
    {
        widget.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
};

Drawing& drawing()
{
    static Drawing shared;
    return shared;
}

void BM_repaint(benchmark::State& state)
{
    Drawing& d = drawing();
    for (auto _ : state) {
        d.paint();
    }
    state.counters["width"] = d.widget.width();
    state.counters["height"] = d.widget.height();
}
BENCHMARK(BM_repaint)->Unit(benchmark::kMillisecond);

void BM_repaintAfterBoxChange(benchmark::State& state)
{
    Drawing& d = drawing();
    bool longer = false;
    for (auto _ : state) {
        longer = !longer;
        d.widget.setViewInput(d.head, CabinBox{longer ? "20,5" : "20", "3,6", "2,9"});
        d.paint();
    }
    d.widget.setViewInput(d.head, coachBox);
}
BENCHMARK(BM_repaintAfterBoxChange)->Unit(benchmark::kMillisecond);

void BM_dragStep(benchmark::State& state)
{
    Drawing& d = drawing();
    int step = 0;
    for (auto _ : state) {
        ViewParams moved = d.head;
        moved.headZ = std::to_string(-5.6 + 0.05 * (step++ % 40));
        d.widget.setViewInput(moved, coachBox);
        d.paint();
    }
    d.widget.setViewInput(d.head, coachBox);
}
BENCHMARK(BM_dragStep)->Unit(benchmark::kMillisecond);

void BM_projectShape(benchmark::State& state)
{
    Drawing& d = drawing();
    const std::shared_ptr<const CabinShape>& shape = d.widget.cabinShape();
    std::size_t corners = 0;
    for (auto _ : state) {
        const ProjectedShape projected = projectShape(*shape, d.widget.sketch());
        corners = projected.above.size() + projected.side.size();
        benchmark::DoNotOptimize(corners);
    }
    state.counters["triangles_drawn"] = static_cast<double>(corners / 3);
}
BENCHMARK(BM_projectShape)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
