// One translucent pen segment of width 21 on a 1920 x 1080 view (clear of the touched part of
// the draw layer, band and disc, per-channel minimum into the view, repaint region), against
// the floor of a plain antialiased QPainter::drawLine of the same segment into an ARGB32
// premultiplied image. Goal: within 3x of the floor and under 1 ms median.

#include "benchgoals.h"
#include "document/document.h"
#include "drawing/drawingboard.h"
#include "view/learnview.h"

#include <QGuiApplication>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>

using namespace bw;

namespace {

constexpr int kViewW = 1920;
constexpr int kViewH = 1080;
constexpr int kSteps = 240; // a two-second stroke at 120 events per second

// Segment i of a stroke that sweeps across the view: about 8 pixels per event.
QPoint StrokePoint(int i) {
    const int k = i % kSteps;
    return {100 + k * 7, 300 + (k * 3) % 500};
}

void BM_TranslucentPenSegment(benchmark::State& state) {
    Document doc;
    QImage base(kViewW, kViewH, QImage::Format_RGB32);
    base.fill(Qt::white);
    doc.BaseImage = Picture(base);
    doc.CurrentHeader.Datei = QStringLiteral("bench.bwk");
    LearnView view(doc);
    view.SetViewSize(kViewW, kViewH);
    view.RedrawView();
    DrawingBoard board(view);
    board.state().CurrentTool = DrawTool::Pen;
    board.state().DrawColourIndex = 12;
    board.state().StrokeWidthStep = 4;
    int i = 0;
    for (auto _ : state) {
        if (i % kSteps == 0) board.state().LastPoint = QPoint(-1, -1);
        board.ApplyToolAt(true, StrokePoint(i));
        ++i;
        benchmark::DoNotOptimize(view.ViewImage().constBits());
    }
    state.SetLabel("goal: <= 3x floor, < 1 ms median");
}

void BM_Floor_PlainAntialiasedDrawLine(benchmark::State& state) {
    QImage img(kViewW, kViewH, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPen pen(QColor(255, 255, 0), 21);
    int i = 0;
    QPoint last = StrokePoint(0);
    for (auto _ : state) {
        const QPoint p = StrokePoint(i);
        if (i % kSteps == 0) last = p;
        QPainter painter(&img);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(pen);
        painter.drawLine(QPointF(last) + QPointF(0.5, 0.5), QPointF(p) + QPointF(0.5, 0.5));
        last = p;
        ++i;
        benchmark::DoNotOptimize(img.constBits());
    }
}

} // namespace

BENCHMARK(BM_TranslucentPenSegment)->Apply(bench::ThreeRuns)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Floor_PlainAntialiasedDrawLine)
    ->Apply(bench::ThreeRuns)
    ->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    bench::Goals goals;
    bench::RunInterleaved(argc, argv, goals);
    goals.PrintSpreads();
    goals.Ratio("translucent pen segment / plain antialiased drawLine (goal <= 3)",
                "BM_TranslucentPenSegment", "BM_Floor_PlainAntialiasedDrawLine", 3);
    if (goals.Has("BM_TranslucentPenSegment"))
        goals.Ratio("translucent pen segment in ms (goal < 1)",
                    goals.Cpu("BM_TranslucentPenSegment").median * 1e3,
                    goals.Wall("BM_TranslucentPenSegment").median * 1e3, 1);
    return goals.Missed() == 0 ? 0 : 1;
}
