#include "bytebuilder.h"
#include "docsamples.h"

#include "document/docfile.h"
#include "document/imagecodec.h"
#include "support/docbytes.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <zlib.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <limits>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace bw;
using bw::test::Bytes;
using bw::test::ReadFile;
using bw::test::WriteBytes;
using bw::test::WriteFile;
using Msgs = std::vector<DocMessage>;

namespace {

const QByteArray kOldFieldList = "|HD-vers|HD-titel|HD-autor|HD-bemerkung|OB-Sx|OB-Sy|OB-Kx|OB-Ky|"
                                 "OB-Cap|OB-KAusr|OB-TAusr|OB-Ebene|OB-Typ|OB-Sline|OB-Fsize|"
                                 "OB-KAusrAkt|";

QByteArray Png(int w, int h, int seed) {
    return EncodePng(test::SamplePicture(w, h, seed), 5);
}

// A file of the older kind: no optional key in its field list.
QByteArray OldFile(const QByteArray& magic, const QByteArray& fields = kOldFieldList) {
    Bytes b;
    b.str(magic).str(fields).str("0.9").str("Alt").str("Autor").str("Bem").i32(2);
    b.f64(0.1).f64(0.2).f64(0.3).f64(0.4).str("\"Le Mans\"");
    b.i32(1).i32(2).i32(1).i32(21).i32(1).i32(3).i32(4); // type 21 with picture
    b.raw(Png(5, 4, 1));
    b.f64(0.5).f64(0.6).f64(0.7).f64(0.8).str("Paris,Frankreich");
    b.i32(0).i32(0).i32(2).i32(0).i32(0).i32(0).i32(1);
    b.raw(Png(30, 20, 2));
    return b.data;
}

// The empty start document, with the caller's page-ratio defaults kept.
void ExpectEmptyStartDocument(const Document& d, const PageRatioDefaults& def) {
    EXPECT_EQ(d.ObjectCount(), 0);
    EXPECT_EQ(d.BaseImage.image(), StartBasisbild());
    EXPECT_TRUE(d.CurrentHeader.Datei.isEmpty());
    EXPECT_EQ(d.CurrentHeader.vers, QStringLiteral("1.00"));
    EXPECT_TRUE(d.CurrentHeader.titel.isEmpty());
    EXPECT_EQ(d.CurrentHeader.DokTyp, 0);
    EXPECT_EQ(d.CurrentHeader.RandErw, DoubleRect{});
    EXPECT_EQ(d.CurrentHeader.SeitFest, def.SeitFest);
    EXPECT_EQ(d.CurrentHeader.SeitBreite, def.SeitBreite);
    EXPECT_EQ(d.CurrentHeader.SeitHoehe, def.SeitHoehe);
    EXPECT_EQ(d.CurrentHeader.BildGroesse, 100);
}

// Reads over a loaded document so that the reset is visible.
DocResult ReadOverLoaded(const QByteArray& bytes, Document& d, const PageRatioDefaults& def) {
    d = test::SampleDocument();
    return ReadDocumentBytes(bytes, d, false, def);
}

quint32 Crc(const QByteArray& typeAndData) {
    return quint32(crc32(0, reinterpret_cast<const Bytef*>(typeAndData.constData()),
                         uInt(typeAndData.size())));
}

QByteArray Chunk(const QByteArray& type, const QByteArray& data) {
    QByteArray c;
    const quint32 len = quint32(data.size());
    c += char(len >> 24);
    c += char(len >> 16);
    c += char(len >> 8);
    c += char(len);
    c += type + data;
    const quint32 crc = Crc(type + data);
    c += char(crc >> 24);
    c += char(crc >> 16);
    c += char(crc >> 8);
    c += char(crc);
    return c;
}

QByteArray BigEndian32(quint32 v) {
    QByteArray b;
    for (int s = 24; s >= 0; s -= 8)
        b += char(v >> s);
    return b;
}

} // namespace

TEST(DocFileRead, OldFileWithoutOptionalKeysTakesTheDefaults) {
    Document d;
    const DocResult r = ReadDocumentBytes(OldFile("KEV-1.01"), d, false);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(d.CurrentHeader.vers, QStringLiteral("0.9"));
    EXPECT_EQ(d.CurrentHeader.titel, QStringLiteral("Alt"));
    EXPECT_TRUE(d.CurrentHeader.lueckentext.isEmpty());
    EXPECT_EQ(d.CurrentHeader.AnzFrageNummern, 0);
    EXPECT_EQ(d.CurrentHeader.DokTyp, 0);
    EXPECT_EQ(d.CurrentHeader.RandErw, DoubleRect{});
    ASSERT_EQ(d.ObjectCount(), 2);
    for (const ObjDataTyp& o : d.CurrentObjects) {
        EXPECT_EQ(o.FrageNummer, -1);
        EXPECT_EQ(o.Stil, 0);
        EXPECT_EQ(o.Farbe, 0);
        EXPECT_EQ(o.Untertyp, 0);
        EXPECT_EQ(o.AntwortAnz, 0);
        for (const Picture& p : o.BildAntw)
            EXPECT_TRUE(p.isNull());
    }
    EXPECT_EQ(d.CurrentObjects[0].Cap, QStringLiteral("Le Mans"));
    EXPECT_EQ(d.CurrentObjects[0].Bild.width(), 5);
    EXPECT_EQ(d.CurrentObjects[1].Cap, QStringLiteral("Paris\r\nFrankreich"));
    EXPECT_EQ(d.CurrentObjects[1].KAusrAkt, 1);
    EXPECT_EQ(d.BaseImage.width(), 30);
}

TEST(DocFileRead, FieldListIsSearchedForSubstrings) {
    // No separators at all: the keys are still found.
    Bytes b;
    b.str("BWK-2.10").str("xHD-DokTypHD-NumArtOB-Stilx").str("v").str("t").str("a").str("b");
    b.i32(2).i32(1).i32(1);
    b.f64(0).f64(0).f64(0).f64(0).str("c").i32(0).i32(0).i32(0).i32(0).i32(0).i32(0).i32(1);
    b.i32(4); // Stil
    b.raw(Png(3, 3, 0));
    Document d;
    ASSERT_TRUE(ReadDocumentBytes(b.data, d, false).ok);
    EXPECT_EQ(d.CurrentHeader.DokTyp, 2);
    EXPECT_EQ(d.CurrentHeader.NumArt, 1);
    EXPECT_EQ(d.CurrentObjects[0].Stil, 4);
    EXPECT_EQ(d.CurrentObjects[0].FrageNummer, -1);
}

TEST(DocFileRead, MagicAndVersionDecideWhetherAFileIsRead) {
    const PageRatioDefaults def{0, 16, 9};
    const Msgs none, newer{DocMessage::NewerVersion, DocMessage::ReadFailed},
        invalid{DocMessage::InvalidFormat, DocMessage::ReadFailed};
    const struct {
        QByteArray magic;
        Msgs expected;
    } cases[] = {
        {"BWK-2.10", none},     {"KEV-1.01", none},    {"BWK-2.09", none},  {"BWK-2.1", none},
        {"BWK-2.10beta", none}, {"BWK-2.11", newer},   {"BWK-3.00", newer}, {"KEV-2.2", newer},
        {"bwk-2.10", invalid},  {"QLX-2.10", invalid}, {"BWK", invalid},    {"", invalid},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.magic.constData());
        Document d;
        const DocResult r = ReadOverLoaded(OldFile(c.magic), d, def);
        EXPECT_EQ(r.ok, c.expected.empty());
        EXPECT_EQ(r.messages, c.expected);
        if (r.ok)
            EXPECT_EQ(d.ObjectCount(), 2);
        else
            ExpectEmptyStartDocument(d, def);
    }
}

TEST(DocFileRead, EveryTruncationFailsWithTheEmptyStartDocument) {
    Document sample = test::SampleDocument();
    const QByteArray file = WriteBytes(sample);
    const PageRatioDefaults def{1, 4, 3};
    for (qsizetype cut = 0; cut < file.size(); ++cut) {
        Document d;
        const DocResult r = ReadOverLoaded(file.left(cut), d, def);
        ASSERT_FALSE(r.ok) << cut;
        // Ending inside the magic is a read failure like any other cut, not a foreign format.
        ASSERT_EQ(r.messages, Msgs{DocMessage::ReadFailed}) << cut;
        ASSERT_EQ(d.ObjectCount(), 0) << cut;
        ASSERT_EQ(d.CurrentHeader.SeitBreite, 4) << cut;
    }
}

TEST(DocFileRead, DamagedOrHostilePictureIsAReadFailure) {
    const QByteArray good = OldFile("BWK-2.10");
    const QByteArray base = Png(30, 20, 2);
    const qsizetype at = good.size() - base.size();
    ASSERT_EQ(good.mid(at), base);
    const Msgs failed{DocMessage::ReadFailed};

    // A flipped bit inside the compressed pixels.
    QByteArray flipped = good;
    flipped[at + 50] = char(flipped[at + 50] ^ 0x10);
    Document d;
    EXPECT_EQ(ReadOverLoaded(flipped, d, {}).messages, failed);
    ExpectEmptyStartDocument(d, {});

    // A header that claims 20000 x 20000 pixels with a few bytes of data.
    QByteArray ihdr = BigEndian32(20000) + BigEndian32(20000);
    ihdr += QByteArray("\x08\x02\x00\x00\x00", 5);
    const QByteArray idat = QByteArray::fromHex("789c636000000001000100"); // tiny zlib stream
    const QByteArray hostile = QByteArray("\x89PNG\r\n\x1a\n", 8) + Chunk("IHDR", ihdr) +
                               Chunk("IDAT", idat) + Chunk("IEND", {});
    EXPECT_EQ(ReadOverLoaded(good.left(at) + hostile, d, {}).messages, failed);

    // A chunk length that runs past the end of the file.
    QByteArray lying = good;
    lying.replace(at + 8, 4, BigEndian32(0x7FFFFFF0));
    EXPECT_EQ(ReadOverLoaded(lying, d, {}).messages, failed);

    // No picture at all where the base image belongs.
    EXPECT_EQ(ReadOverLoaded(good.left(at) + QByteArray(100, 'x'), d, {}).messages, failed);
}

TEST(DocFileRead, LyingCountsAndLengthsAreReadFailures) {
    const Msgs failed{DocMessage::ReadFailed};
    Bytes head;
    head.str("BWK-2.10").str(kOldFieldList).str("v").str("t").str("a").str("b");
    Document d;
    for (qint32 n : {-1, 0x7FFFFFFF, 1000}) {
        const QByteArray file = Bytes(head).i32(n).raw(Png(3, 3, 0)).data;
        EXPECT_EQ(ReadOverLoaded(file, d, {}).messages, failed) << n;
    }
    for (qint32 len : {-5, 0x7FFFFFFF}) {
        Bytes b;
        b.str("BWK-2.10").str(kOldFieldList).str("v").i32(len).raw("abc");
        EXPECT_EQ(ReadOverLoaded(b.data, d, {}).messages, failed) << len;
    }
}

TEST(DocFileRead, FilesThatAreNoDocumentAreAnInvalidFormat) {
    const Msgs invalid{DocMessage::InvalidFormat, DocMessage::ReadFailed};
    Document d;
    EXPECT_EQ(ReadOverLoaded(Png(10, 10, 1), d, {}).messages, invalid);
    EXPECT_EQ(ReadOverLoaded("Hallo Welt, dies ist Text.", d, {}).messages, invalid);
    EXPECT_EQ(ReadOverLoaded(QByteArray(6, '\0'), d, {}).messages, invalid);
}

TEST(DocFileRead, FromFileSetsDateiAndReportsAMissingFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("karte.bwk"));
    ASSERT_TRUE(WriteFile(path, OldFile("BWK-2.10")));
    Document d;
    ASSERT_TRUE(ReadDocumentFile(path, d, false).ok);
    EXPECT_EQ(d.CurrentHeader.Datei, path);

    const PageRatioDefaults def{1, 3, 2};
    const DocResult r = ReadDocumentFile(dir.filePath(QStringLiteral("fehlt.bwk")), d, false, def);
    EXPECT_EQ(r.messages, Msgs{DocMessage::FileMissing});
    ExpectEmptyStartDocument(d, def);

    d = test::SampleDocument();
    EXPECT_EQ(ReadDocumentFile(dir.path(), d, false, def).messages, Msgs{DocMessage::ReadFailed});
    ExpectEmptyStartDocument(d, def);

    // Refused by their first bytes, before the rest of the file is loaded.
    ASSERT_TRUE(WriteFile(path, OldFile("BWK-2.11")));
    EXPECT_EQ(ReadDocumentFile(path, d, false).messages,
              (Msgs{DocMessage::NewerVersion, DocMessage::ReadFailed}));
    ASSERT_TRUE(WriteFile(path, QByteArray(100000, 'x')));
    EXPECT_EQ(ReadDocumentFile(path, d, false).messages,
              (Msgs{DocMessage::InvalidFormat, DocMessage::ReadFailed}));
    ExpectEmptyStartDocument(d, {});
}

TEST(DocFileRead, APipeNamedLikeADocumentIsRefusedWithoutWaiting) {
    // A link in a document may name a pipe or a device; reading one would wait for a
    // writer for ever or fill the memory.
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("rohr.bwk"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    Document d = test::SampleDocument();
    DocResult r;
    std::atomic<bool> done = false;
    std::thread reader([&] {
        r = ReadDocumentFile(fifo, d, false);
        done = true;
    });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (!done && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const bool waited = !done;
    // Let a reader that waits see a writer come and go, so that the test ends.
    while (!done) {
        const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    reader.join();
    EXPECT_FALSE(waited);
    EXPECT_EQ(r.messages, Msgs{DocMessage::ReadFailed});
    ExpectEmptyStartDocument(d, {});
}

TEST(DocFileHeader, ReadsTitleWithoutVersionCheckAndOnlyAsFarAsNeeded) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.bwk"));
    // A newer version and a file that ends right after the title: the header is still read.
    const QByteArray head = Bytes().str("BWK-9.99").str("|HD-vers|").str("3.1").str("Titel").data;
    ASSERT_TRUE(WriteFile(path, head));
    HeaderDataTyp h;
    h.autor = QStringLiteral("bleibt");
    ASSERT_TRUE(ReadDocumentHeader(path, h));
    EXPECT_EQ(h.vers, QStringLiteral("3.1"));
    EXPECT_EQ(h.titel, QStringLiteral("Titel"));
    EXPECT_EQ(h.autor, QStringLiteral("bleibt"));

    HeaderDataTyp untouched;
    ASSERT_TRUE(WriteFile(path, head.left(head.size() - 1)));
    EXPECT_FALSE(ReadDocumentHeader(path, untouched));
    ASSERT_TRUE(WriteFile(path, Png(4, 4, 0)));
    EXPECT_FALSE(ReadDocumentHeader(path, untouched));
    EXPECT_FALSE(ReadDocumentHeader(dir.filePath(QStringLiteral("fehlt.bwk")), untouched));
    EXPECT_EQ(untouched.titel, QString());
    EXPECT_EQ(untouched.vers, QStringLiteral("1.00"));
}

namespace {

// A document whose only change in a failed write is the type normalisation.
Document DocumentToSave() {
    Document d = test::SampleDocument();
    ObjDataTyp o;
    o.Typ = 6; // no picture: becomes 0
    o.Cap = QStringLiteral("ohne Bild");
    d.CurrentObjects.push_back(o);
    return d;
}

void ExpectOnlyNormalised(const Document& before, const Document& after) {
    Document expected = before;
    NormalisePictureTypes(expected);
    EXPECT_EQ(after.CurrentObjects.back().Typ, 0);
    test::ExpectSameStoredContent(expected, after);
    // Nothing was taken for saved.
    EXPECT_TRUE(after.BaseImage.sourcePng().isEmpty());
}

QStringList Entries(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

TEST(DocFileWrite, IntoAMissingFolderFailsAndChangesNothing) {
    QTemporaryDir dir;
    Document d = DocumentToSave();
    const Document before = d;
    const DocResult r = WriteDocumentFile(dir.filePath(QStringLiteral("fehlt/a.bwk")), d);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.messages, Msgs{DocMessage::WriteFailed});
    ExpectOnlyNormalised(before, d);
    EXPECT_TRUE(Entries(dir).isEmpty());
}

TEST(DocFileWrite, OntoAReadOnlyFileFailsAndKeepsIt) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("alt.bwk"));
    const QByteArray old = OldFile("KEV-1.01");
    ASSERT_TRUE(WriteFile(path, old));
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
    Document d = DocumentToSave();
    const Document before = d;
    EXPECT_EQ(WriteDocumentFile(path, d).messages, Msgs{DocMessage::WriteFailed});
    EXPECT_EQ(ReadFile(path), old);
    EXPECT_EQ(Entries(dir), QStringList{QStringLiteral("alt.bwk")});
    ExpectOnlyNormalised(before, d);
}

TEST(DocFileWrite, FailureHalfwayLeavesTheOldFileByteForByte) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("alt.bwk"));
    const QByteArray old = OldFile("BWK-2.10");
    ASSERT_TRUE(WriteFile(path, old));

    // The new file outgrows the file-size limit: the write fails in the middle.
    Document d = DocumentToSave();
    QImage noise(400, 400, QImage::Format_RGB32);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 400; ++x)
            noise.setPixel(x, y, qRgb((x * 7919 + y * 104729) & 255, (x * y) & 255, x ^ y));
    d.BaseImage = Picture(noise);
    const Document before = d;
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const DocResult r = WriteDocumentFile(path, d);
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_EQ(r.messages, Msgs{DocMessage::WriteFailed});
    EXPECT_EQ(ReadFile(path), old);
    EXPECT_EQ(Entries(dir), QStringList{QStringLiteral("alt.bwk")});
    ExpectOnlyNormalised(before, d);

    // Without the limit the same document replaces the file.
    ASSERT_TRUE(WriteDocumentFile(path, d).ok);
    Document back;
    ASSERT_TRUE(ReadDocumentFile(path, back, false).ok);
    test::ExpectSameStoredContent(d, back);
}

TEST(DocFileWrite, ReplacingAFileKeepsItsPermissions) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.bwk"));
    ASSERT_TRUE(WriteFile(path, "alt"));
    const auto perms = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path, perms));
    Document d = test::SampleDocument();
    ASSERT_TRUE(WriteDocumentFile(path, d).ok);
    EXPECT_EQ(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser), perms);
    EXPECT_EQ(Entries(dir), QStringList{QStringLiteral("a.bwk")});
}

namespace {

// Accepts a number of bytes, then refuses.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 budget) : budget_(budget) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 len) override {
        if (len > budget_) return -1;
        budget_ -= len;
        return len;
    }

private:
    qint64 budget_;
};

} // namespace

TEST(DocFileWrite, DeviceThatFailsGivesWriteFailed) {
    Document probe = DocumentToSave();
    const qint64 size = WriteBytes(probe).size();
    for (qint64 budget : {qint64(0), qint64(100), size / 2, size - 1}) {
        Document d = DocumentToSave();
        const Document before = d;
        FailingDevice dev(budget);
        const DocResult r = WriteDocumentTo(dev, d);
        EXPECT_EQ(r.messages, Msgs{DocMessage::WriteFailed}) << budget;
        ExpectOnlyNormalised(before, d);
    }
}

TEST(DocFileRead, CoordinatesThatAreNoNumbersReadAsZero) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double bad : {nan, inf, -inf}) {
        Document d = test::SampleDocument();
        d.CurrentObjects[3].Ky = bad;
        d.CurrentHeader.RandErw.bottom = bad;
        Document back;
        ASSERT_TRUE(ReadDocumentBytes(WriteBytes(d), back, false).ok);
        EXPECT_EQ(back.CurrentObjects[3].Ky, 0.0);
        EXPECT_EQ(back.CurrentObjects[3].Kx, d.CurrentObjects[3].Kx);
        EXPECT_EQ(back.CurrentHeader.RandErw, (DoubleRect{0.1, 0.05, 0.2, 0}));
    }
}

TEST(DocFileRead, AbsurdMarginsGiveAPageSizeWithinRange) {
    // Found by the fuzzer: the page size overflowed an int.
    Document d = test::SampleDocument();
    d.CurrentHeader.RandErw = {1e15, -1e300, 2e15, 0};
    Document back;
    ASSERT_TRUE(ReadDocumentBytes(WriteBytes(d), back, false).ok);
    EXPECT_EQ(back.CurrentHeader.SeitBreite, 2147483647);
    EXPECT_EQ(back.CurrentHeader.SeitHoehe, 1);
}

namespace {

// A 1-bit palette PNG of w x h white pixels: a few kilobytes that claim 4 bytes a pixel.
QByteArray OneBitPng(quint32 w, quint32 h) {
    const QByteArray raw(qsizetype(h) * (1 + (w + 7) / 8), '\0'); // filter byte and bits
    uLongf packedSize = compressBound(uLong(raw.size()));
    QByteArray packed(qsizetype(packedSize), Qt::Uninitialized);
    EXPECT_EQ(compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                        reinterpret_cast<const Bytef*>(raw.constData()), uLong(raw.size()), 9),
              Z_OK);
    packed.truncate(qsizetype(packedSize));
    const QByteArray ihdr = BigEndian32(w) + BigEndian32(h) + QByteArray("\x01\x03\x00\x00\x00", 5);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + Chunk("IHDR", ihdr) +
           Chunk("PLTE", QByteArray("\xff\xff\xff\x00\x00\x00", 6)) + Chunk("IDAT", packed) +
           Chunk("IEND", {});
}

// A document of one fixed picture object per stream; the last stream is the base image.
QByteArray DocumentWithPictures(const std::vector<QByteArray>& streams) {
    Bytes b;
    b.str("BWK-2.10").str(kOldFieldList).str("2.10").str("Bilder").str("").str("");
    b.i32(qint32(streams.size() - 1));
    for (size_t i = 0; i + 1 < streams.size(); ++i) {
        b.f64(0.1).f64(0.2).f64(0.3).f64(0.4).str("Bild");
        b.i32(0).i32(0).i32(1).i32(TypFixBild).i32(0).i32(0).i32(0);
        b.raw(streams[i]);
    }
    b.raw(streams.back());
    return b.data;
}

long PeakKiB() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

} // namespace

TEST(DocFileRead, PicturesThatWouldDecodeTooLargeAreRefusedBeforeTheMemoryIsTaken) {
    const Msgs failed{DocMessage::ReadFailed};
    // 49 KB that passes the compression check and would take 1.6 GB decoded.
    const QByteArray bomb = OneBitPng(20000, 20000);
    ASSERT_LT(bomb.size(), 100 * 1024);
    QImage img;
    const long before = PeakKiB();
    EXPECT_FALSE(DecodePng(reinterpret_cast<const uchar*>(bomb.constData()), bomb.size(), img));
    Document d;
    EXPECT_EQ(ReadOverLoaded(DocumentWithPictures({bomb, Png(4, 4, 0)}), d, {}).messages, failed);
    ExpectEmptyStartDocument(d, {});
    EXPECT_LT(PeakKiB() - before, 64 * 1024) << "KiB more at the peak";

    // Each picture within the limit for one, together over the limit for a document: the
    // last one is refused from its header.
    const QByteArray large = OneBitPng(5800, 5800);
    ASSERT_LE(5800LL * 5800, kMaxPicturePixels);
    ASSERT_GT(3 * 5800LL * 5800, kMaxDocumentPixels);
    EXPECT_EQ(ReadOverLoaded(DocumentWithPictures({large, large, large}), d, {}).messages, failed);
    ExpectEmptyStartDocument(d, {});
    // One of them beside a small one is a document like any other.
    Document two;
    ASSERT_TRUE(ReadDocumentBytes(DocumentWithPictures({Png(4, 4, 0), large}), two, false).ok);
    EXPECT_EQ(two.BaseImage.image().size(), QSize(5800, 5800));
}
