// The learning view's speed goals, each against a floor measured in the same run:
//   uncovering one field                 at least 50 x cheaper than a full redraw at 100 %
//   one pan step at 200 %                within 3 x of a memcpy of the view bitmap
//   a full redraw at 200 %               within 3 x of drawing the base image at that size
//                                        with linear filtering, as the view scales it
//   zoom fit -> 150 % -> 200 % -> fit    within 2 x of steady redraws at the same zooms
// The document: a 4000 x 3000 base image with white margins and 300 objects, in a 1920 x
// 1080 view.

#include "benchdocument.h"
#include "benchgoals.h"
#include "document/document.h"
#include "platform/largememory.h"
#include "view/learnview.h"
#include "view/pagebuffer.h"

#include <QGuiApplication>
#include <QPainter>
#include <cstring>
#include <memory>

using namespace bw;

namespace {

constexpr int kViewW = 1920;
constexpr int kViewH = 1080;

struct Scene {
    Document doc = bench::MapDocument();
    std::unique_ptr<LearnView> view;
    int field = -1;

    Scene() {
        field = 150; // a query label
        view = std::make_unique<LearnView>(doc);
        view->SetViewSize(kViewW, kViewH);
        view->SetNumberMode(1, false);
        view->RedrawView();
    }
};

Scene& TheScene() {
    static Scene scene;
    return scene;
}

void AtZoom(Scene& s, int index) {
    s.view->SetZoom(index);
    s.view->RedrawView();
}

void BM_RedrawView_100(benchmark::State& state) {
    Scene& s = TheScene();
    AtZoom(s, 0);
    for (auto _ : state)
        s.view->RedrawView();
}

void BM_RedrawView_150(benchmark::State& state) {
    Scene& s = TheScene();
    AtZoom(s, 2);
    for (auto _ : state)
        s.view->RedrawView();
}

void BM_RedrawView_200(benchmark::State& state) {
    Scene& s = TheScene();
    AtZoom(s, 4);
    for (auto _ : state)
        s.view->RedrawView();
}

void BM_UncoverOneField_100(benchmark::State& state) {
    Scene& s = TheScene();
    AtZoom(s, 0);
    for (auto _ : state)
        s.view->ToggleQueryField(s.field);
}

// fit -> 150 % -> 200 % -> fit: three zoom changes per iteration.
void BM_ChangeZoomCycle(benchmark::State& state) {
    Scene& s = TheScene();
    AtZoom(s, 0);
    for (auto _ : state) {
        s.view->ChangeZoom(2);
        s.view->ChangeZoom(4);
        s.view->ChangeZoom(0);
    }
}

// Floor: the base image drawn into a page bitmap of the zoomed size with linear filtering,
// the way the view scales it.
void BM_Floor_DrawBase_200(benchmark::State& state) {
    Scene& s = TheScene();
    AtZoom(s, 4);
    const QSize zoomed = s.view->PageBitmap().size();
    const QSize page = s.doc.PageSize();
    const QPoint origin = s.doc.BaseImageOrigin();
    const double sx = double(zoomed.width()) / page.width();
    const double sy = double(zoomed.height()) / page.height();
    const QRectF target(origin.x() * sx, origin.y() * sy, s.doc.BaseImage.width() * sx,
                        s.doc.BaseImage.height() * sy);
    QImage out = NewLargeImage(zoomed.width(), zoomed.height(), QImage::Format_RGB32);
    const QImage& base = s.doc.BaseImage.image();
    for (auto _ : state) {
        QPainter p(&out);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(target, base);
        p.end();
        benchmark::DoNotOptimize(out.constBits());
    }
}

void BM_PanStep_200(benchmark::State& state) {
    Scene& s = TheScene();
    AtZoom(s, 4);
    int dir = 1;
    for (auto _ : state) {
        s.view->Pan(3 * dir, 2 * dir);
        dir = -dir;
    }
}

void BM_Floor_MemcpyView(benchmark::State& state) {
    QImage a = NewLargeImage(kViewW, kViewH, QImage::Format_RGB32);
    QImage b = NewLargeImage(kViewW, kViewH, QImage::Format_RGB32);
    a.fill(Qt::white);
    b.fill(Qt::black);
    for (auto _ : state) {
        std::memcpy(b.bits(), a.constBits(), std::size_t(a.sizeInBytes()));
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_RedrawView_100)->Apply(bench::ThreeRuns)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_RedrawView_150)->Apply(bench::ThreeRuns)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_RedrawView_200)->Apply(bench::ThreeRuns)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ChangeZoomCycle)->Apply(bench::ThreeRuns)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Floor_DrawBase_200)
    ->Apply(bench::ThreeRuns)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);
BENCHMARK(BM_UncoverOneField_100)
    ->Apply(bench::ThreeRuns)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(0.5);
BENCHMARK(BM_PanStep_200)->Apply(bench::ThreeRuns)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(BM_Floor_MemcpyView)
    ->Apply(bench::ThreeRuns)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(0.5);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    bench::Goals goals;
    bench::RunInterleaved(argc, argv, goals);
    goals.PrintSpreads();
    goals.Ratio("RedrawView at 100 % / uncover one field (goal >= 50)", "BM_RedrawView_100",
                "BM_UncoverOneField_100", 50, true);
    goals.Ratio("pan step at 200 % / memcpy of the view bitmap (goal <= 3)", "BM_PanStep_200",
                "BM_Floor_MemcpyView", 3);
    goals.Ratio("RedrawView at 200 % / linear drawImage of the base (goal <= 3)",
                "BM_RedrawView_200", "BM_Floor_DrawBase_200", 3);
    if (goals.Has("BM_ChangeZoomCycle") && goals.Has("BM_RedrawView_100") &&
        goals.Has("BM_RedrawView_150") && goals.Has("BM_RedrawView_200")) {
        auto sum = [&](auto spread) {
            return spread("BM_RedrawView_100").median + spread("BM_RedrawView_150").median +
                   spread("BM_RedrawView_200").median;
        };
        const double cpu = goals.Cpu("BM_ChangeZoomCycle").median /
                           sum([&](const char* n) { return goals.Cpu(n); });
        const double wall = goals.Wall("BM_ChangeZoomCycle").median /
                            sum([&](const char* n) { return goals.Wall(n); });
        goals.Ratio("zoom fit-150-200-fit / steady redraws at those zooms (goal <= 2)", cpu, wall,
                    2);
    }
    return goals.Missed() == 0 ? 0 : 1;
}
