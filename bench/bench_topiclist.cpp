// Reading the topic list of a folder of 2,000 documents with large base pictures, against a
// floor measured in the same run:
//   topic list  <= 2 x open, read of the first 4 KiB and close of each file (plain system
//                      calls, no buffering)
// Every document is a complete file with the full field list, title, author, remark and a
// base picture of about 1 MB; the header reader must stop at the title and never touch it.

#include "benchgoals.h"
#include "shell/topiclist.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstring>
#include <fcntl.h>
#include <unistd.h>

using namespace bw;

namespace {

constexpr int kDocuments = 2000;

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

    Fixture() {
        // The picture is encoded once; every file gets a copy of its bytes.
        const QByteArray png = LargePng();
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

// Floor: open, read the first 4 KiB and close every file, nothing else.
void BM_Floor_OpenRead4K(benchmark::State& state) {
    Fixture& d = Data();
    std::vector<QByteArray> names;
    for (const QString& p : d.paths)
        names.push_back(QFile::encodeName(p));
    char block[4096];
    for (auto _ : state) {
        for (const QByteArray& n : names) {
            const int fd = ::open(n.constData(), O_RDONLY | O_CLOEXEC);
            if (fd < 0) qFatal("cannot open %s", n.constData());
            benchmark::DoNotOptimize(::read(fd, block, sizeof block));
            ::close(fd);
        }
    }
}

void BM_TopicList2000(benchmark::State& state) {
    Fixture& d = Data();
    for (auto _ : state) {
        const auto list = ReadTopicList(d.dir.path());
        benchmark::DoNotOptimize(list.data());
    }
}

BENCHMARK(BM_Floor_OpenRead4K)
    ->Apply(bench::ThreeRuns)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.5);
BENCHMARK(BM_TopicList2000)->Apply(bench::ThreeRuns)->Unit(benchmark::kMillisecond)->MinTime(0.5);

} // namespace

int main(int argc, char** argv) {
    Data();
    bench::Goals goals;
    bench::RunInterleaved(argc, argv, goals);
    goals.PrintSpreads();
    goals.Ratio("topic list of 2,000 documents / open + read 4 KiB + close (goal <= 2)",
                "BM_TopicList2000", "BM_Floor_OpenRead4K", 2);
    return goals.Missed() == 0 ? 0 : 1;
}
