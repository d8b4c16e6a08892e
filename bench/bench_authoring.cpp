// Applying a new 4000 x 3000 base image to a document with 300 objects (page layout, object
// transform, undo step, full redraw) within 2x of one RedrawView of the result with that new
// picture, which is the floor: the new page has to be drawn once whatever the layout costs.

#include "authoring/authoring.h"
#include "authoring/objectedittool.h"
#include "benchdocument.h"
#include "view/learnview.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

using namespace bw;

namespace {

// A drag step may cost a few pan steps and still follow the pointer as smoothly.
constexpr double kDragGoal = 4;

struct Scene {
    Document doc;
    DocumentEditor editor{doc};
    Authoring authoring{editor};
    std::unique_ptr<LearnView> view;
    QImage bases[2] = {bench::MapPicture(0), bench::MapPicture(7)};

    Scene() {
        editor.undoStack().setUndoLimit(4);
        doc.BaseImage = Picture(bench::MapPicture(3).copy(0, 0, 3000, 3000));
        QRandomGenerator rng(42);
        for (int i = 0; i < 300; ++i) {
            ObjDataTyp o = Authoring::MakeNewObject(i % 7, {});
            o.Cap = QStringLiteral("Ort Nummer %1").arg(i);
            o.Sx = rng.bounded(0.9) + 0.05;
            o.Sy = rng.bounded(0.9) + 0.05;
            o.Kx = std::clamp(o.Sx + rng.bounded(0.1) - 0.05, 0.02, 0.98);
            o.Ky = std::clamp(o.Sy + rng.bounded(0.1) - 0.05, 0.02, 0.98);
            o.KAusr = i % 5;
            o.Typ = o.Typ == TypAbfrageBild || o.Typ == TypFixBild ? TypFix : o.Typ;
            doc.CurrentObjects.push_back(o);
        }
        view = std::make_unique<LearnView>(doc);
        view->SetViewSize(1920, 1080);
        view->DocumentLoaded();
    }
};

Scene& TheScene() {
    static Scene s;
    return s;
}

// The base image commands, then a new size and alignment that moves every object.
void BM_ApplyNewBaseImage(benchmark::State& state) {
    Scene& s = TheScene();
    int i = 0;
    for (auto _ : state) {
        s.authoring.ReplaceBaseImage(s.bases[i & 1]);
        PageLayout l = PageLayout::FromHeader(s.doc.CurrentHeader);
        l.BildPosX = (i & 1) ? 30 : 70;
        s.authoring.SetPageLayout(l, true);
        s.view->RedrawView();
        benchmark::DoNotOptimize(s.view->ViewImage().constBits());
        ++i;
    }
}
BENCHMARK(BM_ApplyNewBaseImage)->Unit(benchmark::kMillisecond)->Repetitions(7)->Iterations(3);

void BM_Floor_RedrawView(benchmark::State& state) {
    Scene& s = TheScene();
    int i = 0;
    for (auto _ : state) {
        // Drawn for the first time: the view keeps what it made of a picture it has drawn
        // (its halvings), and a new picture has to be made anew once.
        s.doc.BaseImage = Picture(s.bases[i++ & 1]);
        s.view->RedrawView();
        benchmark::DoNotOptimize(s.view->ViewImage().constBits());
    }
}
BENCHMARK(BM_Floor_RedrawView)->Unit(benchmark::kMillisecond)->Repetitions(7)->Iterations(3);

// One step of a card dragged in the object editor, as its tool in the view does it: the
// object's old footprint, the move, the local redraw and the screen copy.
class BenchContext : public ToolContext {
public:
    explicit BenchContext(Scene& s) : s_(s) {}
    LearnView& view() override { return *s_.view; }
    DocumentEditor* editor() override { return &s_.editor; }
    void setToolCursor(const QCursor&) override {}
    void activate(const ClickResult&) override {}

private:
    Scene& s_;
};

void BM_DragStep(benchmark::State& state) {
    Scene& s = TheScene();
    s.view->editorOpen = true;
    s.view->RedrawView();
    BenchContext ctx(s);
    ObjectEditTool tool;
    // The first card that lies well inside the view.
    int index = 0;
    QPoint at;
    for (; index < s.doc.ObjectCount(); ++index) {
        const QRect r = s.view->PageRectToView(s.view->Card(index).KRect);
        if (r.isValid() && QRect(200, 200, 1500, 700).contains(r) &&
            HitTestEditHandle(*s.view, r.center()).part == EditHandle::Card) {
            at = r.center();
            break;
        }
    }
    tool.mousePressed(ctx, {at, Qt::LeftButton, Qt::LeftButton, {}});
    if (!tool.dragging()) state.SkipWithError("no card to drag");
    int i = 0;
    for (auto _ : state) {
        const QPoint p = at + QPoint((i & 1) ? 40 : 20, (i & 1) ? 10 : 30);
        tool.mouseMoved(ctx, {p, Qt::NoButton, Qt::LeftButton, {}});
        benchmark::DoNotOptimize(s.view->ViewImage().constBits());
        ++i;
    }
    tool.mouseReleased(ctx, {at, Qt::LeftButton, {}, {}});
    s.view->editorOpen = false;
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMillisecond)->Repetitions(7)->Iterations(20);

// The floor of a drag step: one step of panning the zoomed view, a copy of the viewport.
void BM_Floor_PanStep(benchmark::State& state) {
    Scene& s = TheScene();
    s.view->ChangeZoom(4);
    int i = 0;
    for (auto _ : state) {
        s.view->Pan((i & 1) ? 20 : -20, (i & 1) ? 10 : -10);
        benchmark::DoNotOptimize(s.view->ViewImage().constBits());
        ++i;
    }
    s.view->ChangeZoom(0);
}
BENCHMARK(BM_Floor_PanStep)->Unit(benchmark::kMillisecond)->Repetitions(7)->Iterations(20);

// Keeps every repetition's time per iteration (ms) for median, min and max.
class SpreadReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, std::vector<double>> times;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            if (r.run_type != Run::RT_Iteration) continue;
            std::string name = r.benchmark_name();
            times[name.substr(0, name.find('/'))].push_back(r.GetAdjustedRealTime());
        }
        ConsoleReporter::ReportRuns(runs);
    }
    double median(const std::string& n) {
        auto v = times[n];
        if (v.empty()) return 0;
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    }
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    SpreadReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const auto& [name, v] : reporter.times) {
        const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
        std::printf("%-24s median %8.2f ms  min %8.2f  max %8.2f\n", name.c_str(),
                    reporter.median(name), *lo, *hi);
    }
    const double apply = reporter.median("BM_ApplyNewBaseImage");
    const double floor = reporter.median("BM_Floor_RedrawView");
    if (apply <= 0 || floor <= 0) return 0;
    const double r = apply / floor;
    const bool ok = r <= 2;
    std::printf("%-58s %8.2f  %s\n", "new base image applied / RedrawView (goal <= 2)", r,
                ok ? "ok" : "MISSED");
    const double drag = reporter.median("BM_DragStep");
    const double pan = reporter.median("BM_Floor_PanStep");
    if (drag <= 0 || pan <= 0) return ok ? 0 : 1;
    const double d = drag / pan;
    const bool dragOk = d <= kDragGoal;
    std::printf("%-58s %8.2f  %s\n", "drag step / pan step (goal <= 4)", d,
                dragOk ? "ok" : "MISSED");
    return ok && dragOk ? 0 : 1;
}
