// Reading the topic list of a folder of 2,000 documents with large base pictures, against a
// floor taken in the same run:
//   topic list  <= 2 x opening each file and reading its first 4 KiB
// Every document is a complete file with the full field list, title, author, remark and a
// base picture of about 1 MB; the header reader must stop at the title and never touch it.
// Floor and subject are timed alternately; the best of each (ms) and their ratio are
// reported.

#include "shell/topiclist.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>

using namespace bw;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDocuments = 2000;

double Ms(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

void PutInt32(QByteArray& b, qint32 v) {
    for (int i = 0; i < 4; ++i)
        b += char((quint32(v) >> (8 * i)) & 0xff);
}

void PutLengthString(QByteArray& b, const QByteArray& s) {
    PutInt32(b, qint32(s.size()));
    b += s;
}

void PutFloat64(QByteArray& b, double d) {
    quint64 bits;
    std::memcpy(&bits, &d, sizeof bits);
    for (int i = 0; i < 8; ++i)
        b += char((bits >> (8 * i)) & 0xff);
}

// A picture that does not compress, so the stream is as large as a photograph's.
QByteArray LargePng() {
    QImage img(600, 560, QImage::Format_RGB32);
    quint32 seed = 4711;
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            line[x] = 0xff000000u | (seed >> 8);
        }
    }
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    return buf.data();
}

// Everything before the base picture, as format 2.10 lays it out; no objects.
QByteArray Head(int i) {
    QByteArray b;
    PutLengthString(b, "BWK-2.10");
    PutLengthString(b, "|HD-vers|HD-titel|HD-autor|HD-bemerkung|HD-lueckentext|HD-fragentext|"
                       "HD-AnzFrageNummern|HD-DokTyp|HD-RandErw|HD-NumArt|HD-GeordnetArt|OB-Sx|"
                       "OB-Sy|OB-Kx|OB-Ky|OB-Cap|OB-KAusr|OB-TAusr|OB-Ebene|OB-Typ|OB-Sline|"
                       "OB-Fsize|OB-KAusrAkt|OB-FrageNummer|OB-Stil|OB-Farbe|OB-Untertyp|"
                       "OB-BildAntw|OB-AntwortAnz|");
    PutLengthString(b, "2.10");
    PutLengthString(b, QStringLiteral("Thema %1: Flüsse und Gebirge").arg(i).toLatin1());
    PutLengthString(b, "Fachschaft Erdkunde");
    PutLengthString(b, QByteArray(300, 'b'));
    PutLengthString(b, QByteArray());
    PutLengthString(b, QByteArray());
    PutInt32(b, 0);
    PutInt32(b, 0);
    for (int k = 0; k < 4; ++k)
        PutFloat64(b, 0.05);
    PutInt32(b, 0);
    PutInt32(b, 0);
    PutInt32(b, 0); // objects
    return b;
}

struct Fixture {
    QTemporaryDir dir;
    QStringList paths;
    qint64 pngBytes = 0;

    Fixture() {
        // The picture is encoded once; every file gets a copy of its bytes.
        const QByteArray png = LargePng();
        pngBytes = png.size();
        for (int i = 0; i < kDocuments; ++i) {
            const QString path =
                dir.filePath(QStringLiteral("thema%1.bwk").arg(i, 4, 10, QChar('0')));
            QFile f(path);
            if (!f.open(QIODevice::WriteOnly) || f.write(Head(i)) < 0 || f.write(png) != png.size())
                qFatal("cannot write the benchmark documents");
            paths << path;
        }
        if (ReadTopicList(dir.path()).size() != size_t(kDocuments))
            qFatal("the benchmark documents are not listed");
    }
};

Fixture& Data() {
    static Fixture f;
    return f;
}

// Floor: open every file and read its first 4 KiB.
void OpenAndReadStart(const QStringList& paths) {
    char block[4096];
    for (const QString& p : paths) {
        QFile f(p);
        if (!f.open(QIODevice::ReadOnly)) qFatal("cannot open %s", qPrintable(p));
        benchmark::DoNotOptimize(f.read(block, sizeof block));
    }
}

void BM_TopicList2000(benchmark::State& state) {
    Fixture& d = Data();
    double bestFloor = 1e30, best = 1e30;
    for (auto _ : state) {
        auto t0 = Clock::now();
        OpenAndReadStart(d.paths);
        auto t1 = Clock::now();
        const auto list = ReadTopicList(d.dir.path());
        auto t2 = Clock::now();
        benchmark::DoNotOptimize(list.data());
        bestFloor = std::min(bestFloor, Ms(t0, t1));
        best = std::min(best, Ms(t1, t2));
    }
    state.counters["floor_ms"] = bestFloor;
    state.counters["ms"] = best;
    state.counters["ratio"] = best / bestFloor;
    state.counters["goal"] = 2;
    state.counters["png_kib"] = double(d.pngBytes) / 1024;
}
BENCHMARK(BM_TopicList2000)->Unit(benchmark::kMillisecond)->Iterations(15);

} // namespace

BENCHMARK_MAIN();
