// The learning view's three speed goals, each against a floor measured in the same run:
// uncovering one field at least 50x cheaper than a full redraw, one pan step within 3x of a
// memcpy of the view bitmap, and a full redraw at 200 % within 3x of scaling the base image.

#include "document/document.h"
#include "view/learnview.h"
#include "view/pagebuffer.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>
#include <cstring>
#include <map>
#include <memory>

using namespace bw;

namespace {

constexpr int kViewW = 1920;
constexpr int kViewH = 1080;

QImage MakeBase() {
    // A map-like picture: smooth gradients with some structure, no flat colour.
    QImage img(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            line[x] = qRgb((x / 16) & 0xFF, (y / 12) & 0xFF, ((x ^ y) >> 3) & 0xFF);
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::darkBlue, 8));
    for (int i = 0; i < 40; ++i)
        p.drawLine(i * 100, 0, 4000 - i * 90, 3000);
    return img;
}

struct Scene {
    Document doc;
    std::unique_ptr<LearnView> view;
    int field = -1;

    Scene() {
        doc.BaseImage = Picture(MakeBase());
        doc.CurrentHeader.Datei = QStringLiteral("bench.bwk");
        QRandomGenerator rng(42);
        for (int i = 0; i < 300; ++i) {
            ObjDataTyp o;
            const int kind = i % 10;
            o.Typ = kind < 6 ? TypAbfrage : (kind < 8 ? TypFix : TypInfopunkt);
            o.Ebene = o.Typ == TypInfopunkt ? 2 : 1;
            o.Cap = QStringLiteral("Ort Nummer %1").arg(i);
            o.Sx = rng.bounded(0.9) + 0.05;
            o.Sy = rng.bounded(0.9) + 0.05;
            o.Kx = std::clamp(o.Sx + rng.bounded(0.1) - 0.05, 0.02, 0.98);
            o.Ky = std::clamp(o.Sy + rng.bounded(0.1) - 0.05, 0.02, 0.98);
            o.Sline = i % 3 == 0 ? 1 : 0;
            o.KAusr = i % 5;
            o.KAusrAkt = o.KAusr;
            o.Abgedeckt = -1;
            doc.CurrentObjects.push_back(o);
        }
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

void BM_RedrawView_100(benchmark::State& state) {
    Scene& s = TheScene();
    s.view->SetZoom(0);
    for (auto _ : state)
        s.view->RedrawView();
}

void BM_UncoverOneField_100(benchmark::State& state) {
    Scene& s = TheScene();
    s.view->SetZoom(0);
    s.view->RedrawView();
    for (auto _ : state)
        s.view->ToggleQueryField(s.field);
}

void BM_RedrawView_200(benchmark::State& state) {
    Scene& s = TheScene();
    s.view->SetZoom(4);
    for (auto _ : state)
        s.view->RedrawView();
}

void BM_Floor_ScaleBase_200(benchmark::State& state) {
    Scene& s = TheScene();
    s.view->SetZoom(4);
    s.view->RedrawView();
    const QSize zoomed = s.view->PageBitmap().size();
    for (auto _ : state) {
        QImage scaled =
            s.doc.BaseImage.image().scaled(zoomed, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(scaled.constBits());
    }
}

void BM_PanStep_200(benchmark::State& state) {
    Scene& s = TheScene();
    s.view->SetZoom(4);
    s.view->RedrawView();
    int dir = 1;
    for (auto _ : state) {
        s.view->Pan(3 * dir, 2 * dir);
        dir = -dir;
    }
}

void BM_Floor_MemcpyView(benchmark::State& state) {
    QImage a = NewPageAlignedImage(kViewW, kViewH, QImage::Format_RGB32);
    QImage b = NewPageAlignedImage(kViewW, kViewH, QImage::Format_RGB32);
    a.fill(Qt::white);
    b.fill(Qt::black);
    for (auto _ : state) {
        std::memcpy(b.bits(), a.constBits(), std::size_t(a.sizeInBytes()));
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_RedrawView_100)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_UncoverOneField_100)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(BM_RedrawView_200)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Floor_ScaleBase_200)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PanStep_200)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(BM_Floor_MemcpyView)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

// Keeps each benchmark's time per iteration for the ratios at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> perIteration;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            std::string name = r.benchmark_name();
            name = name.substr(0, name.find('/'));
            perIteration[name] = r.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto t = [&](const char* name) {
        // Adjusted times are in each benchmark's own unit; bring them to seconds.
        static const std::map<std::string, double> unit = {
            {"BM_RedrawView_100", 1e-3}, {"BM_UncoverOneField_100", 1e-6},
            {"BM_RedrawView_200", 1e-3}, {"BM_Floor_ScaleBase_200", 1e-3},
            {"BM_PanStep_200", 1e-6},    {"BM_Floor_MemcpyView", 1e-6}};
        auto it = reporter.perIteration.find(name);
        return it == reporter.perIteration.end() ? 0.0 : it->second * unit.at(name);
    };
    int failures = 0;
    auto check = [&](const char* what, double ratio, bool ok) {
        std::printf("%-58s %8.2f  %s\n", what, ratio, ok ? "ok" : "MISSED");
        failures += ok ? 0 : 1;
    };
    if (t("BM_UncoverOneField_100") > 0 && t("BM_RedrawView_100") > 0) {
        const double r = t("BM_RedrawView_100") / t("BM_UncoverOneField_100");
        check("RedrawView / uncover one field (goal >= 50)", r, r >= 50);
    }
    if (t("BM_PanStep_200") > 0 && t("BM_Floor_MemcpyView") > 0) {
        const double r = t("BM_PanStep_200") / t("BM_Floor_MemcpyView");
        check("pan step / memcpy of the view bitmap (goal <= 3)", r, r <= 3);
    }
    if (t("BM_RedrawView_200") > 0 && t("BM_Floor_ScaleBase_200") > 0) {
        const double r = t("BM_RedrawView_200") / t("BM_Floor_ScaleBase_200");
        check("RedrawView at 200 % / smooth scaling of the base (goal <= 3)", r, r <= 3);
    }
    return failures == 0 ? 0 : 1;
}
