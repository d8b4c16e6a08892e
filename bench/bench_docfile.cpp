// Opening and saving a large topic document, each against a floor measured in the same run:
//   open               <= 1.15 x libpng decoding the base picture alone
//   save, unchanged    <= 1.2  x writing the same number of bytes to a file and waiting for
//                                the disk (fdatasync), as the save does before it replaces
//                                the old file; shown beside it: the plain write, and the
//                                same bytes through the steps that keep the old file whole
//                                (new file beside it, rename, folder sync)
//   save, new picture  <= 1.15 x libpng encoding the base picture at level 5 alone
// The document: a 4000 x 3000 base picture with gradients, shapes, lines, text and a fine
// grain like a scan, and 300 objects.

#include "benchgoals.h"
#include "document/docfile.h"
#include "platform/largememory.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <png.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <vector>

using namespace bw;

namespace {

QImage BasePicture() {
    const int w = 4000, h = 3000;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, w, h);
    sky.setColorAt(0, QColor(40, 90, 160));
    sky.setColorAt(0.5, QColor(200, 220, 180));
    sky.setColorAt(1, QColor(90, 140, 60));
    p.fillRect(img.rect(), sky);
    quint32 seed = 12345;
    auto next = [&seed](int n) {
        seed = seed * 1664525u + 1013904223u;
        return int((seed >> 8) % quint32(n));
    };
    for (int i = 0; i < 250; ++i) {
        const QPointF c(next(w), next(h));
        const double r = 20 + next(300);
        QRadialGradient g(c, r);
        g.setColorAt(0, QColor::fromHsv(next(360), 120 + next(120), 150 + next(100)));
        g.setColorAt(1, QColor::fromHsv(next(360), 80, 120 + next(100), 120));
        p.setBrush(g);
        p.setPen(QPen(QColor(30, 30, 30), 2));
        p.drawEllipse(c, r, r * (0.4 + next(100) / 100.0));
    }
    for (int i = 0; i < 60; ++i) {
        QPainterPath river(QPointF(next(w), next(h)));
        for (int k = 0; k < 8; ++k)
            river.quadTo(next(w), next(h), next(w), next(h));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(20, 60, 200), 3 + next(8)));
        p.drawPath(river);
    }
    p.setPen(Qt::black);
    p.setFont(QFont(QStringLiteral("Arial"), 40));
    for (int i = 0; i < 80; ++i)
        p.drawText(next(w), next(h), QStringLiteral("Ort %1").arg(i));
    p.end();
    // A fine grain, as scans and photographs have.
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const quint32 n = (quint32(x) * 2654435761u ^ quint32(y) * 40503u) >> 29;
            const QRgb c = line[x];
            line[x] =
                qRgb(qMin(255, qRed(c) + int(n)), qMin(255, qGreen(c) + int(n & 3)), qBlue(c));
        }
    }
    return img;
}

struct Fixture {
    QTemporaryDir dir;
    QString path;
    QByteArray baseStream; // the stream as stored in the file
    QImage picture;
    std::vector<uchar> rgb; // the picture as plain RGB rows, for the encoding floor
    qint64 fileSize = 0;

    Fixture() {
        Document d;
        d.BaseImage = Picture(BasePicture());
        d.CurrentHeader.titel = QStringLiteral("Großes Dokument");
        d.CurrentHeader.RandErw = {0.05, 0.05, 0.05, 0.05};
        for (int i = 0; i < 300; ++i) {
            ObjDataTyp o;
            o.Typ = i % 4; // query and fixed labels, info points, cloze gaps
            o.Sx = (i % 20) / 20.0;
            o.Sy = (i / 20) / 15.0;
            o.Kx = o.Sx + 0.01;
            o.Ky = o.Sy + 0.01;
            o.Cap = QStringLiteral("Beschriftung %1\r\nzweite Zeile").arg(i);
            d.CurrentObjects.push_back(o);
        }
        path = dir.filePath(QStringLiteral("gross.bwk"));
        if (!WriteDocumentFile(path, d).ok) qFatal("cannot write the benchmark document");
        baseStream = d.BaseImage.sourcePng();
        picture = d.BaseImage.image();
        fileSize = QFileInfo(path).size();
        rgb.resize(size_t(picture.width()) * picture.height() * 3);
        for (int y = 0; y < picture.height(); ++y) {
            const auto* src = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            uchar* dst = rgb.data() + size_t(y) * picture.width() * 3;
            for (int x = 0; x < picture.width(); ++x) {
                dst[3 * x] = uchar(qRed(src[x]));
                dst[3 * x + 1] = uchar(qGreen(src[x]));
                dst[3 * x + 2] = uchar(qBlue(src[x]));
            }
        }
    }
};

Fixture& Data() {
    static Fixture f;
    return f;
}

// Floor: libpng alone decodes the stream into plain rows, no transformation, in memory of
// the kind the program decodes into.
void PlainPngDecode(const QByteArray& stream) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    struct Src {
        const QByteArray* data;
        qsizetype pos;
    } src{&stream, 0};
    png_set_read_fn(png, &src, [](png_structp p, png_bytep out, png_size_t n) {
        auto* s = static_cast<Src*>(png_get_io_ptr(p));
        std::memcpy(out, s->data->constData() + s->pos, n);
        s->pos += qsizetype(n);
    });
    png_read_info(png, info);
    const size_t rowBytes = png_get_rowbytes(png, info);
    const png_uint_32 h = png_get_image_height(png, info);
    auto* pixels = static_cast<uchar*>(AllocateLarge(rowBytes * h));
    if (!pixels) qFatal("no memory for the decoding floor");
    for (png_uint_32 y = 0; y < h; ++y)
        png_read_row(png, pixels + y * rowBytes, nullptr);
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    benchmark::DoNotOptimize(pixels);
    FreeLarge(pixels);
}

// Floor: libpng alone encodes plain RGB rows at level 5.
QByteArray PlainPngEncode(const std::vector<uchar>& rgb, int w, int h) {
    QByteArray out;
    out.reserve(qsizetype(w) * h / 2 + 1024); // as the program's encoder does
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep d, png_size_t n) {
            static_cast<QByteArray*>(png_get_io_ptr(p))
                ->append(reinterpret_cast<char*>(d), qsizetype(n));
        },
        [](png_structp) {});
    png_set_compression_level(png, 5);
    png_set_IHDR(png, info, png_uint_32(w), png_uint_32(h), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < h; ++y)
        png_write_row(png, const_cast<uchar*>(rgb.data() + size_t(y) * w * 3));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

// Floor: the same number of bytes written to a file, with and without waiting for the disk
// (saving waits for it before it replaces the old file).
void PlainWrite(const QString& path, const QByteArray& bytes, bool sync) {
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
    f.flush();
    if (sync) ::fdatasync(f.handle());
    f.close();
}

// The same bytes written the way a save keeps the old file whole until the new one is on
// disk: a new file beside it, synced, renamed over it, and the folder synced so that the
// rename survives a power cut. Not a floor: it shows what those steps cost.
void PlainReplace(const QString& path, const QByteArray& bytes) {
    const QByteArray target = QFile::encodeName(path);
    const QByteArray temp = target + ".neu";
    const int fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    for (qsizetype done = 0; fd >= 0 && done < bytes.size();) {
        const ssize_t k = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (k <= 0) break;
        done += k;
    }
    ::fdatasync(fd);
    ::close(fd);
    ::rename(temp.constData(), target.constData());
    const int dir = ::open(QFile::encodeName(QFileInfo(path).path()).constData(),
                           O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::fsync(dir);
    ::close(dir);
}

void BM_OpenDocument(benchmark::State& state) {
    Fixture& f = Data();
    for (auto _ : state) {
        Document doc;
        const DocResult r = ReadDocumentFile(f.path, doc, false);
        if (!r.ok || doc.ObjectCount() != 300) state.SkipWithError("read failed");
    }
}

void BM_Floor_PngDecode(benchmark::State& state) {
    Fixture& f = Data();
    for (auto _ : state)
        PlainPngDecode(f.baseStream);
}

struct SaveFixture {
    Document doc;
    QByteArray sameSize; // as many bytes as the saved file
    QString floorPath, target;
    SaveFixture() {
        Fixture& f = Data();
        ReadDocumentFile(f.path, doc, false);
        QFile in(f.path);
        in.open(QIODevice::ReadOnly);
        sameSize = in.readAll();
        floorPath = f.dir.filePath(QStringLiteral("floor.bin"));
        target = f.dir.filePath(QStringLiteral("kopie.bwk"));
    }
};

SaveFixture& SaveData() {
    static SaveFixture s;
    return s;
}

void BM_SaveUnchanged(benchmark::State& state) {
    SaveFixture& s = SaveData();
    for (auto _ : state) {
        if (!WriteDocumentFile(s.target, s.doc).ok) state.SkipWithError("write failed");
    }
}

void BM_Floor_WriteSynced(benchmark::State& state) {
    SaveFixture& s = SaveData();
    for (auto _ : state)
        PlainWrite(s.floorPath, s.sameSize, true);
}

void BM_Floor_WritePlain(benchmark::State& state) {
    SaveFixture& s = SaveData();
    for (auto _ : state)
        PlainWrite(s.floorPath, s.sameSize, false);
}

void BM_WriteReplacing(benchmark::State& state) {
    SaveFixture& s = SaveData();
    for (auto _ : state)
        PlainReplace(s.floorPath, s.sameSize);
}

void BM_SaveChangedBaseImage(benchmark::State& state) {
    Fixture& f = Data();
    Document doc;
    ReadDocumentFile(f.path, doc, false);
    const QString target = f.dir.filePath(QStringLiteral("geaendert.bwk"));
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        doc.BaseImage.mutableImage().setPixel(n % 4000, 0, qRgb(n & 255, 0, 0)); // a change
        ++n;
        state.ResumeTiming();
        if (!WriteDocumentFile(target, doc).ok) state.SkipWithError("write failed");
    }
}

void BM_Floor_PngEncode(benchmark::State& state) {
    Fixture& f = Data();
    for (auto _ : state)
        benchmark::DoNotOptimize(PlainPngEncode(f.rgb, f.picture.width(), f.picture.height()));
}

} // namespace

BENCHMARK(BM_OpenDocument)->Apply(bench::ThreeRuns)->Unit(benchmark::kMillisecond)->Iterations(4);
BENCHMARK(BM_Floor_PngDecode)
    ->Apply(bench::ThreeRuns)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(4);
BENCHMARK(BM_SaveUnchanged)->Apply(bench::ThreeRuns)->Unit(benchmark::kMillisecond)->Iterations(32);
BENCHMARK(BM_Floor_WriteSynced)
    ->Apply(bench::ThreeRuns)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(32);
BENCHMARK(BM_Floor_WritePlain)
    ->Apply(bench::ThreeRuns)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(32);
BENCHMARK(BM_WriteReplacing)->Apply(bench::ThreeRuns)->Unit(benchmark::kMillisecond)->Iterations(32);
BENCHMARK(BM_SaveChangedBaseImage)
    ->Apply(bench::ThreeRuns)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_Floor_PngEncode)
    ->Apply(bench::ThreeRuns)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv); // fonts for the picture
    Data();
    bench::Goals goals;
    bench::RunInterleaved(argc, argv, goals);
    goals.PrintSpreads();
    goals.Ratio("open / libpng decoding the base picture (goal <= 1.15)", "BM_OpenDocument",
                "BM_Floor_PngDecode", 1.15);
    goals.Ratio("save unchanged / write + fdatasync of the same bytes (goal <= 1.2)",
                "BM_SaveUnchanged", "BM_Floor_WriteSynced", 1.2);
    const auto shown = [&goals](const char* label, const char* subject, const char* floor) {
        if (!goals.Has(subject) || !goals.Has(floor)) return;
        std::printf("%-66s cpu %7.2f  wall %7.2f  (no goal)\n", label,
                    goals.Cpu(subject).median / goals.Cpu(floor).median,
                    goals.Wall(subject).median / goals.Wall(floor).median);
    };
    shown("save unchanged / plain write of the same bytes", "BM_SaveUnchanged",
          "BM_Floor_WritePlain");
    shown("write, fdatasync, rename, folder fsync / write + fdatasync", "BM_WriteReplacing",
          "BM_Floor_WriteSynced");
    shown("save unchanged / write, fdatasync, rename, folder fsync", "BM_SaveUnchanged",
          "BM_WriteReplacing");
    goals.Ratio("save with a new base picture / libpng encoding at level 5 (goal <= 1.15)",
                "BM_SaveChangedBaseImage", "BM_Floor_PngEncode", 1.15);
    return goals.Missed() == 0 ? 0 : 1;
}
