#include "bytebuilder.h"

#include "document/binaryio.h"
#include "document/commalist.h"
#include "document/cp1252.h"
#include "document/halving.h"
#include "document/imagecodec.h"
#include "document/picture.h"

#include <QBuffer>
#include <QTemporaryFile>
#include <gtest/gtest.h>

#include <cmath>

using namespace bw;
using bw::test::Bytes;

TEST(Cp1252, EveryByteRoundTrips) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const QString text = DecodeCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(EncodeCp1252(text), all);
    // The five unassigned bytes keep their number; the rest are the code page's.
    for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(text[b].unicode(), b);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0x96], QChar(0x2013));
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    EXPECT_EQ(text[0xE4], QChar(0xE4));
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
    EXPECT_EQ(EncodeCp1252(QStringLiteral("Ω€ä")), QByteArray("?\x80\xE4"));
    EXPECT_EQ(EncodeCp1252(QString::fromUtf8("a\xF0\x9F\x98\x80"
                                             "b")),
              QByteArray("a?b"));
    EXPECT_EQ(EncodeCp1252(QString(QChar(0x0080))), QByteArray("?"));
    EXPECT_EQ(EncodeCp1252(QString(QChar(0xD800))), QByteArray("?")); // lone surrogate
}

TEST(ByteReader, ReadsLittleEndianPrimitives) {
    Bytes b;
    b.i32(-2).f64(-1.5).f64(1).f64(2).f64(3).f64(4).str("\xC4pfel").i32(7);
    ByteReader r(b.data);
    EXPECT_EQ(r.readInt32(), -2);
    EXPECT_EQ(r.readFloat64(), -1.5);
    EXPECT_EQ(r.readDouble4(), (DoubleRect{1, 2, 3, 4}));
    EXPECT_EQ(r.readLengthString(), QStringLiteral("Äpfel"));
    EXPECT_EQ(r.readInt32(), 7);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.remaining(), 0);
    EXPECT_EQ(r.readInt32(), 0);
    EXPECT_FALSE(r.ok());
}

TEST(ByteReader, LengthsBeyondTheBufferFailAndTheFailureSticks) {
    for (qint32 len : {-1, 8, 0x7FFFFFFF}) {
        ByteReader r(Bytes().i32(len).raw("abc").i32(5).data);
        EXPECT_TRUE(r.readLengthString().isEmpty());
        EXPECT_FALSE(r.ok()) << len;
        EXPECT_EQ(r.readInt32(), 0); // would be readable, but the reader has failed
        EXPECT_FALSE(r.ok());
    }
    ByteReader r(QByteArray("\x01\x02\x03", 3));
    EXPECT_EQ(r.readInt32(), 0);
    EXPECT_FALSE(r.ok());
}

TEST(PngStream, EndIsFoundByWalkingTheChunks) {
    QImage img(7, 5, QImage::Format_RGB32);
    img.fill(Qt::red);
    const QByteArray png = EncodePng(img);
    ASSERT_TRUE(png.endsWith(QByteArray("IEND\xAE\x42\x60\x82", 8)));
    EXPECT_EQ(PngStreamLength(png), png.size());
    EXPECT_EQ(PngStreamLength(png + "trailing"), png.size());
    EXPECT_EQ(PngStreamLength(png.left(png.size() - 1)), -1);
    EXPECT_EQ(PngStreamLength(png.mid(1)), -1);
    EXPECT_EQ(PngStreamLength(QByteArray()), -1);

    // A large stream is read as a slice that shares the buffer and outlives it.
    QImage noise(400, 400, QImage::Format_RGB32);
    quint32 seed = 1;
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 400; ++x) {
            seed = seed * 1664525u + 1013904223u;
            noise.setPixel(x, y, seed >> 8);
        }
    }
    const QByteArray large = EncodePng(noise);
    ASSERT_GT(large.size(), 256 * 1024);
    QByteArray file = Bytes().i32(1).raw(large).raw(png).i32(2).data;
    QByteArray shared, copied;
    {
        ByteReader r(file);
        EXPECT_EQ(r.readInt32(), 1);
        shared = r.readPngStream();
        copied = r.readPngStream();
        EXPECT_EQ(shared.constData(), file.constData() + 4);
        EXPECT_NE(copied.constData(), file.constData() + 4 + large.size());
        EXPECT_EQ(r.readInt32(), 2);
        EXPECT_TRUE(r.ok());
    }
    file = QByteArray();
    EXPECT_EQ(shared, large);
    EXPECT_EQ(copied, png);
    shared[0] = 'x'; // writes detach
    EXPECT_EQ(shared.mid(1), large.mid(1));
}

TEST(ByteWriter, WritesTheSameBytesTheReaderReads) {
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    ByteWriter w(buf);
    w.writeInt32(-2);
    w.writeFloat64(0.1);
    w.writeDouble4({1, 2, 3, 4});
    w.writeLengthString(QStringLiteral("Straße"));
    w.writeLengthBytes(QByteArrayView());
    const QByteArray big(200000, 'z');
    w.writeRaw(big);
    w.writeInt32(9);
    ASSERT_TRUE(w.finish());
    Bytes expected;
    expected.i32(-2).f64(0.1).f64(1).f64(2).f64(3).f64(4).str("Stra\xDF"
                                                              "e");
    expected.i32(0);
    expected.raw(big).i32(9);
    EXPECT_EQ(buf.data(), expected.data);
}

TEST(ByteWriter, SmallItemsAcrossTheBufferKeepTheirOrder) {
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    ByteWriter w(buf);
    Bytes expected;
    // Small items fill and overflow the buffer many times, with blocks of several sizes between.
    for (int i = 0; i < 40000; ++i) {
        w.writeInt32(i);
        expected.i32(i);
        if (i % 4096 == 0) {
            const QByteArray block(i / 4, char('a' + i % 26));
            w.writeRaw(block);
            expected.raw(block);
        }
    }
    ASSERT_TRUE(w.finish());
    EXPECT_EQ(buf.data(), expected.data);
}

TEST(DeviceReader, ChecksLengthsAgainstTheFile) {
    QTemporaryFile f;
    ASSERT_TRUE(f.open());
    f.write(Bytes().str("BWK-2.10").i32(1000).raw("kurz").data);
    f.seek(0);
    DeviceReader r(f);
    EXPECT_EQ(r.readLengthBytes(), QByteArray("BWK-2.10"));
    EXPECT_TRUE(r.readLengthBytes().isEmpty());
    EXPECT_FALSE(r.ok());
}

TEST(CommaList, EncodesLinesAsTheFormatRequires) {
    const struct {
        QString text;
        QString stored;
    } cases[] = {
        {"Paris\r\nFrankreich", "Paris,Frankreich"},
        {"Le Mans", "\"Le Mans\""},
        {"eins\ntwo\rdrei", "eins,two,drei"},
        {"a\tb", "\"a\tb\""},
        {"x,y", "\"x,y\""},
        {"sagt \"hallo\"", "\"sagt \"\"hallo\"\"\""},
        {"\"zitiert\"\r\n\"", "\"\"\"zitiert\"\"\",\"\"\"\""},
        {"eins\r\n\r\ndrei", "eins,,drei"},
        {"\r\n", "\"\""},
        {"", ""},
        {"Zeile\r\n", "Zeile"},
        {"Ä-Ö", "Ä-Ö"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EncodeCommaList(c.text), c.stored) << c.text.toStdString();
}

TEST(CommaList, ReadsEntriesByTheFormatRules) {
    const struct {
        QString stored;
        QString text;
    } cases[] = {
        {"Paris,Frankreich", "Paris\r\nFrankreich"},
        {"\"Le Mans\"", "Le Mans"},
        {"Le Mans", "Le\r\nMans"}, // blanks split unquoted entries
        {"a  b", "a\r\nb"},        // runs of blanks split once
        {"a , b", "a\r\nb"},       // blanks around a comma belong to it
        {"a,,b", "a\r\n\r\nb"},    // an empty entry
        {"\"x\"\"y\"", "x\"y"},    // doubled quotes
        {"\"a,b\",c", "a,b\r\nc"}, // comma inside quotes
        {"\"ab\"cd", "ab\r\ncd"},  // text after the closing quote is an entry
        {"\"offen", "offen"},      // quote never closed
        {"  \t vorne", "vorne"},   // leading blanks skipped
        {",a", "a"},               // result trimmed
        {"a,", "a"},
        {"\"  x  \"", "x"},
        {"\"\"", ""},
        {"", ""},
        {QStringLiteral("a\x01"
                        "b"),
         "a\r\nb"}, // control characters split like blanks
        {QString::fromLatin1("\"a\0b\"", 5), QString::fromLatin1("a\0b", 3)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeCommaList(c.stored), c.text) << c.stored.toStdString();
}

TEST(CommaList, TrimmedTextsRoundTrip) {
    const QString texts[] = {"Paris\r\nFrankreich",
                             "Le Mans",
                             "\"quoted\", comma\r\n\r\nend",
                             "a\r\n \r\nb",
                             QStringLiteral("€ ") + QChar(0x81),
                             "x"};
    for (const QString& t : texts)
        EXPECT_EQ(DecodeCommaList(EncodeCommaList(t)), t);
}

TEST(PngCodec, DecodesEveryColourTypeTo32Bits) {
    QImage rgb(9, 7, QImage::Format_RGB32);
    rgb.fill(qRgb(10, 20, 30));
    rgb.setPixel(3, 3, qRgb(200, 100, 0));
    const QImage::Format formats[] = {QImage::Format_Indexed8,    QImage::Format_Grayscale8,
                                      QImage::Format_Grayscale16, QImage::Format_RGB888,
                                      QImage::Format_ARGB32,      QImage::Format_RGBA64,
                                      QImage::Format_Mono};
    for (QImage::Format f : formats) {
        QByteArray png;
        QBuffer buf(&png);
        buf.open(QIODevice::WriteOnly);
        const QImage src = rgb.convertToFormat(f);
        ASSERT_TRUE(src.save(&buf, "PNG")) << f;
        QImage out;
        ASSERT_TRUE(DecodePng(reinterpret_cast<const uchar*>(png.constData()), png.size(), out))
            << f;
        EXPECT_EQ(out.size(), rgb.size());
        EXPECT_TRUE(out.format() == QImage::Format_RGB32 ||
                    out.format() == QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(out.pixel(3, 3), src.pixel(3, 3)) << f;
    }
}

TEST(PngCodec, TransparencyThroughThePaletteArrivesPremultiplied) {
    // A palette entry with alpha (a tRNS chunk) goes through libpng's transforms, not the
    // plain rows; its pixels must end up premultiplied like every other picture's.
    QImage pal(6, 4, QImage::Format_Indexed8);
    pal.setColorTable({qRgba(200, 100, 50, 128), qRgb(0, 0, 255), qRgba(255, 255, 255, 0)});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            pal.setPixel(x, y, (x + y) % 3);
    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    ASSERT_TRUE(pal.save(&buf, "PNG"));
    QImage out;
    ASSERT_TRUE(DecodePng(reinterpret_cast<const uchar*>(png.constData()), png.size(), out));
    ASSERT_EQ(out.format(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(reinterpret_cast<const QRgb*>(out.constScanLine(y))[x],
                      qPremultiply(pal.pixel(x, y)))
                << x << "," << y;
}

TEST(JpegCodec, ATinyJpegClaimingAHugePictureIsRefused) {
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(Qt::gray);
    QByteArray jpg = EncodeJpeg(img, 99);
    const int sof = jpg.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    // height 10000, width 20000
    jpg[sof + 5] = char(0x27);
    jpg[sof + 6] = char(0x10);
    jpg[sof + 7] = char(0x4E);
    jpg[sof + 8] = char(0x20);
    QImage out;
    EXPECT_FALSE(DecodeJpeg(jpg, out));
    EXPECT_TRUE(out.isNull());
    // The untouched picture still decodes.
    EXPECT_TRUE(DecodeJpeg(EncodeJpeg(img, 99), out));
}

namespace {

// Noise with every channel in play, so that a wrong block or lane shows.
QImage Noise(int w, int h, QImage::Format format, quint32 seed) {
    QImage img(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            seed = seed * 1664525u + 1013904223u;
            line[x] = seed;
        }
    }
    return img.convertToFormat(format);
}

} // namespace

TEST(PngCodec, ALargePictureComesWithItsHalvingsMadeWhileDecoding) {
    // Odd sizes: the last row and column have no partner and are left out, as HalveRows does.
    for (QImage::Format f :
         {QImage::Format_RGB888, QImage::Format_ARGB32, QImage::Format_Grayscale8}) {
        QByteArray png;
        QBuffer buf(&png);
        buf.open(QIODevice::WriteOnly);
        ASSERT_TRUE(Noise(2001, 2007, f, 7).save(&buf, "PNG", 100)) << f; // fast, hardly packed
        const auto* data = reinterpret_cast<const uchar*>(png.constData());
        QImage plain, image;
        Halvings halvings;
        ASSERT_TRUE(DecodePng(data, png.size(), plain)) << f;
        ASSERT_TRUE(DecodePng(data, png.size(), image, halvings)) << f;
        EXPECT_TRUE(image == plain) << f;
        const QImage& half = halvings[0];
        const QImage& quarter = halvings[1];
        ASSERT_EQ(half.size(), QSize(1000, 1003)) << f;
        ASSERT_EQ(quarter.size(), QSize(500, 501)) << f;
        EXPECT_EQ(half.format(), image.format()) << f;
        EXPECT_EQ(quarter.format(), image.format()) << f;
        QImage expectedHalf(half.size(), image.format());
        HalveRows(image, Pixels32::Of(expectedHalf), 0, expectedHalf.height());
        EXPECT_TRUE(half == expectedHalf) << f;
        QImage expectedQuarter(quarter.size(), image.format());
        HalveRows(expectedHalf, Pixels32::Of(expectedQuarter), 0, expectedQuarter.height());
        EXPECT_TRUE(quarter == expectedQuarter) << f;
    }
}

TEST(PngCodec, SmallOrUnusualPicturesComeWithoutHalvings) {
    for (auto [size, format] : {std::pair{QSize(300, 200), QImage::Format_RGB888},
                                std::pair{QSize(2100, 2000), QImage::Format_Indexed8},
                                std::pair{QSize(2100, 2000), QImage::Format_RGBA64}}) {
        QByteArray png;
        QBuffer buf(&png);
        buf.open(QIODevice::WriteOnly);
        const QImage src = Noise(size.width(), size.height(), format, 3);
        ASSERT_TRUE(src.save(&buf, "PNG", 100));
        QImage image;
        Halvings halvings{QImage(4, 4, QImage::Format_RGB32), QImage(2, 2, QImage::Format_RGB32)};
        ASSERT_TRUE(DecodePng(reinterpret_cast<const uchar*>(png.constData()), png.size(), image,
                              halvings));
        EXPECT_EQ(image.size(), size);
        EXPECT_TRUE(halvings[0].isNull() && halvings[1].isNull()) << format;
    }
    // A damaged stream gives no picture and no halvings.
    QImage image;
    Halvings halvings{QImage(4, 4, QImage::Format_RGB32), QImage(2, 2, QImage::Format_RGB32)};
    EXPECT_FALSE(
        DecodePng(reinterpret_cast<const uchar*>("\x89PNG\r\n\x1a\n"), 8, image, halvings));
    EXPECT_TRUE(halvings[0].isNull() && halvings[1].isNull());
}

TEST(Picture, TheHalvingsAreForgottenWithAnyChangeAndKeptByCopies) {
    const QImage big(8, 8, QImage::Format_RGB32);
    const Halvings made{QImage(4, 4, QImage::Format_RGB32), QImage(2, 2, QImage::Format_RGB32)};
    const Picture read(big, QByteArray("png"), made);
    auto none = [](const Picture& p) {
        return p.halvings()[0].isNull() && p.halvings()[1].isNull();
    };
    Picture copy = read;
    EXPECT_FALSE(none(copy));
    copy.mutableImage();
    EXPECT_TRUE(none(copy));
    EXPECT_TRUE(copy.sourcePng().isEmpty());
    EXPECT_FALSE(none(read));
    Picture replaced = read;
    replaced.setImage(big);
    EXPECT_TRUE(none(replaced));
    Picture cleared = read;
    cleared.reset();
    EXPECT_TRUE(none(cleared));
}
