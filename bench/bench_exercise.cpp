// The individual exercise's speed goals on a document with 300 query objects and a
// 4000 x 3000 base image: starting the exercise (order list, 300 cards, first picture of the
// panel) within 2x of one RedrawView of the same document, and one drag step (the card moves,
// FindTarget over 300 candidates, the frame and the card repainted) under 1 ms median,
// against the floor of copying the card's rectangle in the view bitmap.

#include "benchdocument.h"
#include "document/document.h"
#include "exercise/cardface.h"
#include "exercise/exercisedriver.h"
#include "platform/largememory.h"
#include "view/learnview.h"
#include "view/pagebuffer.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <vector>

using namespace bw;

namespace {

const QSize kPanel(900, 690);

struct Scene {
    Document doc;
    std::unique_ptr<LearnView> view;
    ManualClock clock;
    QtRandomSource random{1};
    std::unique_ptr<HeadlessExerciseHost> host;
    std::unique_ptr<Exercise> ex;

    Scene() {
        doc.BaseImage = Picture(bench::MapPicture());
        doc.CurrentHeader.Datei = QStringLiteral("bench.bwk");
        QRandomGenerator rng(42);
        for (int i = 0; i < 300; ++i) {
            ObjDataTyp o;
            o.Typ = TypAbfrage;
            o.Cap = QStringLiteral("Ort Nummer %1").arg(i);
            o.Sx = o.Kx = rng.bounded(0.9) + 0.05;
            o.Sy = o.Ky = rng.bounded(0.9) + 0.05;
            o.KAusr = o.KAusrAkt = 1 + i % 4;
            o.Sline = i % 3 == 0 ? 1 : 0;
            doc.CurrentObjects.push_back(o);
        }
        view = std::make_unique<LearnView>(doc);
        view->SetViewSize(kPanel.width(), kPanel.height());
        view->DocumentLoaded();
        host = std::make_unique<HeadlessExerciseHost>(clock);
        ex = std::make_unique<Exercise>(doc, *view, clock, random, *host);
        ex->SetPanelSize(kPanel);
    }

    // The panel as the window paints it first: background and every visible card.
    void PaintPanel(QImage& panel) {
        QPainter p(&panel);
        ex->DrawInstruction(p);
        for (const ExerciseCard& c : ex->cards)
            if (c.shown()) PaintCardFace(p, c.rect, ex->ObjectText(c.object), QImage(), c.colour);
    }
};

Scene& TheScene() {
    static Scene s;
    return s;
}

void BM_RedrawView(benchmark::State& state) {
    Scene& s = TheScene();
    s.view->SetViewSize(kPanel.width(), kPanel.height());
    for (auto _ : state) {
        s.view->RedrawView();
        benchmark::DoNotOptimize(s.view->ViewImage().constBits());
    }
}

void BM_StartExercise(benchmark::State& state) {
    Scene& s = TheScene();
    QImage panel = NewLargeImage(kPanel.width(), kPanel.height(), QImage::Format_RGB32);
    for (auto _ : state) {
        s.ex->StartExercise(false, 0, 0);
        s.PaintPanel(panel);
        benchmark::DoNotOptimize(panel.constBits());
        state.PauseTiming();
        s.ex->ReturnToLearningView();
        state.ResumeTiming();
    }
}

// One mouse move of a dragged card and the repaint it causes: the background under the old
// card and frame, the card at its new place, the frame around the new target.
void BM_DragStep(benchmark::State& state) {
    Scene& s = TheScene();
    s.ex->StartExercise(false, 0, 0);
    QImage background = NewLargeImage(kPanel.width(), kPanel.height(), QImage::Format_RGB32);
    {
        QPainter p(&background);
        s.ex->DrawInstruction(p);
    }
    QImage screen = background.copy();
    const int card = 0;
    const QPoint grip = s.ex->cards[card].rect.center();
    s.ex->CardMouseDown(card, grip);
    // Pointer positions across the picture, over and between fields.
    std::vector<QPoint> path;
    QRandomGenerator rng(3);
    for (int i = 0; i < 256; ++i)
        path.emplace_back(rng.bounded(s.ex->ueb.CardAreaLeft), rng.bounded(kPanel.height()));
    std::size_t i = 0;
    const QString text = s.ex->ObjectText(s.ex->cards[card].object);
    for (auto _ : state) {
        const QRect oldCard = s.ex->cards[card].rect;
        const QRect oldFrame = s.ex->TargetFrameRect();
        s.ex->CardMouseMove(path[i++ % path.size()]);
        CopyImageRect(screen, oldCard.topLeft(), background, oldCard);
        if (!oldFrame.isEmpty())
            CopyImageRect(screen, oldFrame.topLeft(), background, oldFrame.adjusted(0, 0, 1, 1));
        QPainter p(&screen);
        const QRect frame = s.ex->TargetFrameRect();
        if (!frame.isEmpty()) {
            p.setPen(QPen(QColor(255, 0, 0), 2));
            p.drawRect(frame.adjusted(1, 1, -1, -1));
        }
        PaintCardFace(p, s.ex->cards[card].rect, text, QImage(), CardColour::Normal);
        benchmark::DoNotOptimize(screen.constBits());
    }
    s.ex->CardMouseUp();
    s.ex->ReturnToLearningView();
}

// The floor of a drag step: the card's rectangle copied once within the view bitmap.
void BM_Floor_CopyCardRect(benchmark::State& state) {
    Scene& s = TheScene();
    QImage& view = s.view->ViewImage();
    const QRect card(100, 100, kCardWidth, kCardHeight);
    int dx = 0;
    for (auto _ : state) {
        dx = (dx + 7) % 300;
        CopyImageRect(view, QPoint(300 + dx, 300), view, card);
        benchmark::DoNotOptimize(view.constBits());
    }
}

BENCHMARK(BM_RedrawView)->Unit(benchmark::kMillisecond)->Repetitions(5)->MinTime(0.5);
BENCHMARK(BM_StartExercise)->Unit(benchmark::kMillisecond)->Repetitions(5)->MinTime(0.5);
BENCHMARK(BM_DragStep)->Unit(benchmark::kMicrosecond)->Repetitions(5)->MinTime(0.3);
BENCHMARK(BM_Floor_CopyCardRect)->Unit(benchmark::kMicrosecond)->Repetitions(5)->MinTime(0.3);

// Keeps every repetition's time per iteration (in seconds) for the figures at the end.
class FigureReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, std::vector<double>> seconds;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            if (r.run_type != Run::RT_Iteration) continue;
            std::string name = r.benchmark_name();
            name = name.substr(0, name.find('/'));
            seconds[name].push_back(r.GetAdjustedRealTime() /
                                    benchmark::GetTimeUnitMultiplier(r.time_unit));
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

struct Figures {
    double median = 0, min = 0, max = 0;
};

Figures Of(std::vector<double> v) {
    if (v.empty()) return {};
    std::sort(v.begin(), v.end());
    return {v[v.size() / 2], v.front(), v.back()};
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    FigureReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const auto& [name, v] : reporter.seconds) {
        const Figures f = Of(v);
        std::printf("%-24s median %10.4f ms  min %10.4f ms  max %10.4f ms\n", name.c_str(),
                    f.median * 1e3, f.min * 1e3, f.max * 1e3);
    }
    int failures = 0;
    auto check = [&](const char* what, double value, bool ok) {
        std::printf("%-62s %8.3f  %s\n", what, value, ok ? "ok" : "MISSED");
        failures += ok ? 0 : 1;
    };
    const Figures redraw = Of(reporter.seconds["BM_RedrawView"]);
    const Figures start = Of(reporter.seconds["BM_StartExercise"]);
    const Figures drag = Of(reporter.seconds["BM_DragStep"]);
    const Figures floor = Of(reporter.seconds["BM_Floor_CopyCardRect"]);
    if (redraw.median > 0 && start.median > 0)
        check("StartExercise / RedrawView, medians (goal <= 2)", start.median / redraw.median,
              start.median <= 2 * redraw.median);
    if (drag.median > 0) {
        check("drag step median in ms (goal < 1)", drag.median * 1e3, drag.median < 1e-3);
        if (floor.median > 0)
            std::printf("%-62s %8.1f\n", "drag step / copy of the card rectangle, medians",
                        drag.median / floor.median);
    }
    return failures == 0 ? 0 : 1;
}
