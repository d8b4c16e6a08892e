// One translucent pen segment of width 21 on a 1920 x 1080 view (clear of the touched part of
// the draw layer, band and disc, per-channel minimum into the view, repaint region), against
// the floor of a plain antialiased QPainter::drawLine of the same segment into an ARGB32
// premultiplied image. Goal: within 3x of the floor and under 1 ms median.
//
// A resize at 200 % that keeps the page's size (a 1920 x 1080 sheet in a wider control), with a
// stroke drawn before it: the redraw that keeps the drawings, against the floor of the plain
// full redraw that drops them. Goal: within 2x of the floor.

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

// A 1920 x 1080 sheet at 200 % in a control whose width alternates; a short stroke before
// each resize, so there is always something to keep.
struct ResizedSheet {
    Document doc;
    std::unique_ptr<LearnView> view;
    std::unique_ptr<DrawingBoard> board;
    int i = 0;

    ResizedSheet() {
        QImage base(kViewW, kViewH, QImage::Format_RGB32);
        base.fill(Qt::white);
        doc.BaseImage = Picture(base);
        doc.CurrentHeader.titel = QStringLiteral("bench");
        view = std::make_unique<LearnView>(doc);
        view->SetViewSize(kViewW + 100, kViewH);
        view->SetZoom(4);
        view->RedrawView();
        board = std::make_unique<DrawingBoard>(*view);
        board->state().CurrentTool = DrawTool::Pen;
        board->state().DrawColourIndex = 24;
        board->state().StrokeWidthStep = 2;
    }
    void strokeAndResize() {
        board->PressAt(StrokePoint(i));
        for (int k = 1; k < 8; ++k)
            board->ApplyToolAt(true, StrokePoint(i + k));
        board->Release(StrokePoint(i + 7));
        i += 8;
        view->SetViewSize(kViewW + ((i / 8) % 2 ? 200 : 100), kViewH);
    }
};

void BM_ResizeKeepingDrawings(benchmark::State& state) {
    ResizedSheet s;
    for (auto _ : state) {
        s.strokeAndResize();
        s.board->RedrawKeepingDrawings();
        benchmark::DoNotOptimize(s.view->ViewImage().constBits());
    }
    state.SetLabel("goal: <= 2x floor");
}

void BM_Floor_ResizeRedrawView(benchmark::State& state) {
    ResizedSheet s;
    for (auto _ : state) {
        s.strokeAndResize();
        s.view->RedrawView();
        benchmark::DoNotOptimize(s.view->ViewImage().constBits());
    }
}

} // namespace

BENCHMARK(BM_ResizeKeepingDrawings)->Apply(bench::ThreeRuns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Floor_ResizeRedrawView)->Apply(bench::ThreeRuns)->Unit(benchmark::kMillisecond);
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
    goals.Ratio("resize at 200 % keeping the drawings / plain redraw (goal <= 2)",
                "BM_ResizeKeepingDrawings", "BM_Floor_ResizeRedrawView", 2);
    if (goals.Has("BM_TranslucentPenSegment"))
        goals.Ratio("translucent pen segment in ms (goal < 1)",
                    goals.Cpu("BM_TranslucentPenSegment").median * 1e3,
                    goals.Wall("BM_TranslucentPenSegment").median * 1e3, 1);
    return goals.Missed() == 0 ? 0 : 1;
}
