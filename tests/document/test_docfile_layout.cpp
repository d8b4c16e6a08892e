#include "bytebuilder.h"
#include "docsamples.h"

#include "document/binaryio.h"
#include "document/docfile.h"
#include "document/imagecodec.h"
#include "support/docbytes.h"

#include <gtest/gtest.h>

using namespace bw;
using bw::test::Bytes;
using bw::test::ReadBytes;
using bw::test::WriteBytes;

namespace {

const QByteArray kFieldList =
    "|HD-vers|HD-titel|HD-autor|HD-bemerkung|HD-lueckentext|HD-fragentext|HD-AnzFrageNummern|"
    "HD-DokTyp|HD-RandErw|HD-NumArt|HD-GeordnetArt|OB-Sx|OB-Sy|OB-Kx|OB-Ky|OB-Cap|OB-KAusr|"
    "OB-TAusr|OB-Ebene|OB-Typ|OB-Sline|OB-Fsize|OB-KAusrAkt|OB-FrageNummer|OB-Stil|OB-Farbe|"
    "OB-Untertyp|OB-BildAntw|OB-AntwortAnz|";

ObjDataTyp TextObject(const QString& cap) {
    ObjDataTyp o;
    o.Sx = 0.25;
    o.Sy = 0.5;
    o.Kx = 0.75;
    o.Ky = 0.125;
    o.Cap = cap;
    o.KAusr = 2;
    o.TAusr = 1;
    o.Ebene = 1;
    o.Typ = 0;
    o.Sline = 1;
    o.Fsize = -3;
    o.KAusrAkt = 2;
    o.FrageNummer = 4;
    o.Stil = 5;
    o.Farbe = 0x00FF8000;
    o.Untertyp = 0;
    o.AntwortAnz = 0;
    return o;
}

} // namespace

TEST(DocFileLayout, WholeFileIsTheFormatByteForByte) {
    Document d;
    d.CurrentHeader.vers = QStringLiteral("1.00");
    d.CurrentHeader.titel = QStringLiteral("Flüsse");
    d.CurrentHeader.autor = QStringLiteral("A");
    d.CurrentHeader.bemerkung = QString();
    d.CurrentHeader.lueckentext = QStringLiteral("L");
    d.CurrentHeader.fragentext = QStringLiteral("F");
    d.CurrentHeader.AnzFrageNummern = 3;
    d.CurrentHeader.DokTyp = 1;
    d.CurrentHeader.RandErw = {0.5, 0.25, 0.125, 1.0};
    d.CurrentHeader.NumArt = 1;
    d.CurrentHeader.GeordnetArt = 0;
    d.CurrentObjects.push_back(TextObject(QStringLiteral("Paris\r\nFrankreich")));
    d.BaseImage = Picture(test::SamplePicture(16, 8, 1));

    Bytes e;
    e.str("BWK-2.10")
        .str(kFieldList)
        .str("1.00")
        .str("Fl\xFCsse")
        .str("A")
        .str("")
        .str("L")
        .str("F")
        .i32(3)
        .i32(1)
        .f64(0.5)
        .f64(0.25)
        .f64(0.125)
        .f64(1.0)
        .i32(1)
        .i32(0)
        .i32(1);
    e.f64(0.25).f64(0.5).f64(0.75).f64(0.125).str("Paris,Frankreich");
    e.i32(2).i32(1).i32(1).i32(0).i32(1).i32(-3).i32(2).i32(4).i32(5).i32(0x00FF8000).i32(0).i32(0);

    const QByteArray file = WriteBytes(d);
    ASSERT_GT(file.size(), e.data.size());
    EXPECT_EQ(file.left(e.data.size()), e.data);
    // The rest is exactly one PNG stream, the base image.
    const QByteArray png = file.mid(e.data.size());
    EXPECT_EQ(PngStreamLength(png), png.size());
    QImage decoded;
    ASSERT_TRUE(DecodePng(reinterpret_cast<const uchar*>(png.constData()), png.size(), decoded));
    EXPECT_EQ(decoded, d.BaseImage.image());
}

TEST(DocFileLayout, CapIsStoredAsCommaList) {
    const struct {
        QString cap;
        QByteArray stored;
    } cases[] = {
        {QStringLiteral("Paris\r\nFrankreich"), "Paris,Frankreich"},
        {QStringLiteral("Le Mans"), "\"Le Mans\""},
        {QStringLiteral("a,b"), "\"a,b\""},
        {QStringLiteral("Er sagte \"ja\""), "\"Er sagte \"\"ja\"\"\""},
        {QStringLiteral("eins\r\n\r\ndrei"), "eins,,drei"},
        {QStringLiteral("\r\n"), "\"\""},
        {QString(), ""},
    };
    for (const auto& c : cases) {
        Document d;
        d.CurrentObjects.push_back(TextObject(c.cap));
        const QByteArray file = WriteBytes(d);
        const QByteArray record = Bytes().f64(0.125).str(c.stored).i32(2).data;
        EXPECT_TRUE(file.contains(record)) << c.stored.constData();
    }
    Document d;
    d.CurrentObjects.push_back(TextObject(QStringLiteral("Paris\r\nFrankreich")));
    EXPECT_TRUE(WriteBytes(d).contains(QByteArray("\x10\0\0\0Paris,Frankreich", 20)));
    Document m;
    m.CurrentObjects.push_back(TextObject(QStringLiteral("Le Mans")));
    EXPECT_TRUE(WriteBytes(m).contains(QByteArray("\x09\0\0\0\"Le Mans\"", 13)));
}

TEST(DocFileLayout, RuntimeLayoutObjectsAreNotWrittenNorCounted) {
    Document d;
    d.CurrentObjects.push_back(TextObject(QStringLiteral("eins")));
    for (int typ = 22; typ <= 27; ++typ) {
        ObjDataTyp o = TextObject(QStringLiteral("Laufzeit"));
        o.Typ = typ;
        d.CurrentObjects.push_back(o);
    }
    d.CurrentObjects.push_back(TextObject(QStringLiteral("zwei")));
    const QByteArray file = WriteBytes(d);
    const QByteArray head = Bytes()
                                .str("BWK-2.10")
                                .str(kFieldList)
                                .str("1.00")
                                .str("")
                                .str("")
                                .str("")
                                .str("")
                                .str("")
                                .i32(0)
                                .i32(0)
                                .f64(0)
                                .f64(0)
                                .f64(0)
                                .f64(0)
                                .i32(0)
                                .i32(0)
                                .data;
    ASSERT_TRUE(file.startsWith(head));
    EXPECT_EQ(file.mid(head.size(), 4), Bytes().i32(2).data);
    EXPECT_FALSE(file.contains("Laufzeit"));
    EXPECT_EQ(d.ObjectCount(), 8); // the model keeps them

    const Document back = ReadBytes(file);
    ASSERT_EQ(back.ObjectCount(), 2);
    EXPECT_EQ(back.CurrentObjects[0].Cap, QStringLiteral("eins"));
    EXPECT_EQ(back.CurrentObjects[1].Cap, QStringLiteral("zwei"));
}

TEST(DocFileLayout, PictureTypesWithoutPictureAreNormalisedInFileAndModel) {
    Document d;
    for (int typ : {6, 7, 21}) {
        ObjDataTyp o = TextObject(QStringLiteral("x"));
        o.Typ = typ;
        d.CurrentObjects.push_back(o);
    }
    ObjDataTyp withPicture = TextObject(QStringLiteral("y"));
    withPicture.Typ = 6;
    withPicture.Bild = Picture(test::SamplePicture(5, 5, 3));
    d.CurrentObjects.push_back(withPicture);

    const Document back = ReadBytes(WriteBytes(d));
    const int expected[] = {0, 1, 20, 6};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(d.CurrentObjects[i].Typ, expected[i]);
        EXPECT_EQ(back.CurrentObjects[i].Typ, expected[i]);
    }
    EXPECT_FALSE(back.CurrentObjects[3].Bild.isNull());
}

TEST(DocFileRoundTrip, EveryFieldOfEveryObjectTypeSurvives) {
    Document d = test::SampleDocument();
    const Document back = ReadBytes(WriteBytes(d));
    test::ExpectSameStoredContent(d, back);
    // Answer pictures only in the slots the count names.
    const ObjDataTyp& mc = back.CurrentObjects.back();
    ASSERT_EQ(mc.Typ, 21);
    EXPECT_FALSE(mc.BildAntw[2].isNull());
    EXPECT_TRUE(mc.BildAntw[3].isNull());
}

TEST(DocFileRoundTrip, TranslucentPicturesSurvive) {
    Document d;
    QImage img(6, 4, QImage::Format_ARGB32);
    img.fill(qRgba(10, 200, 30, 255));
    img.setPixel(1, 1, qRgba(255, 0, 0, 0));
    img.setPixel(2, 2, qRgba(0, 0, 255, 255));
    img.setPixel(3, 1, qRgba(200, 100, 50, 128));
    ObjDataTyp o = TextObject(QStringLiteral("Bild"));
    o.Typ = 7;
    o.Bild = Picture(img.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    d.CurrentObjects.push_back(o);
    const Document back = ReadBytes(WriteBytes(d));
    const QImage got = back.CurrentObjects[0].Bild.image();
    EXPECT_EQ(got.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(qAlpha(got.pixel(1, 1)), 0);
    EXPECT_EQ(got.pixel(2, 2), qRgba(0, 0, 255, 255));
    EXPECT_EQ(got.pixel(0, 0), qRgba(10, 200, 30, 255));
    // Half-transparent: the premultiplied value comes back exactly.
    const auto raw = [](const QImage& i) {
        return reinterpret_cast<const QRgb*>(i.constScanLine(1))[3];
    };
    EXPECT_EQ(raw(got), raw(o.Bild.image()));
}

TEST(DocFileRoundTrip, TextsAreWindows1252) {
    Document d;
    d.CurrentHeader.titel = QStringLiteral("Größe € – Ω");
    const QByteArray file = WriteBytes(d);
    EXPECT_TRUE(file.contains(Bytes()
                                  .str("Gr\xF6\xDF"
                                       "e \x80 \x96 ?")
                                  .data));
    EXPECT_EQ(ReadBytes(file).CurrentHeader.titel, QStringLiteral("Größe € – ?"));
}

TEST(DocFileRoundTrip, MissingAnswerPictureStillGivesAReadableFile) {
    Document d;
    ObjDataTyp o = TextObject(QStringLiteral("Frage"));
    o.Typ = 20;
    o.Untertyp = 1;
    o.AntwortAnz = 2;
    o.BildAntw[0] = Picture(test::SamplePicture(4, 4, 1));
    d.CurrentObjects.push_back(o);
    const Document back = ReadBytes(WriteBytes(d));
    ASSERT_EQ(back.ObjectCount(), 1);
    EXPECT_EQ(back.CurrentObjects[0].BildAntw[0].width(), 4);
    EXPECT_FALSE(back.CurrentObjects[0].BildAntw[1].isNull());
    EXPECT_EQ(d.CurrentObjects[0].AntwortAnz, 2);
}

TEST(DocFileRead, SetsRuntimeValuesAndDerivedGeometry) {
    Document d = test::SampleDocument();
    const QByteArray file = WriteBytes(d);
    for (bool editorOpen : {false, true}) {
        Document back = ReadBytes(file, editorOpen);
        for (const ObjDataTyp& o : back.CurrentObjects) {
            EXPECT_EQ(o.Abgedeckt, editorOpen ? 0 : -1);
            EXPECT_EQ(o.Nummer, -1);
        }
        const HeaderDataTyp& h = back.CurrentHeader;
        // Base image 64 x 48, margins 0.1 / 0.05 / 0.2 / 0.15.
        EXPECT_EQ(h.SeitFest, 1);
        EXPECT_EQ(h.SeitBreite, 83); // round(1.3 * 64)
        EXPECT_EQ(h.SeitHoehe, 58);  // round(1.2 * 48)
        EXPECT_NEAR(h.BildPosX, 100.0 / 3, 1e-9);
        EXPECT_NEAR(h.BildPosY, 25.0, 1e-9);
        EXPECT_FALSE(h.Geaendert);
    }
}

TEST(DocFileRead, PicturesKeepTheStreamTheyCameFrom) {
    Document d = test::SampleDocument();
    const QByteArray file = WriteBytes(d);
    const Document back = ReadBytes(file);
    const QByteArray& base = back.BaseImage.sourcePng();
    ASSERT_FALSE(base.isEmpty());
    EXPECT_TRUE(file.endsWith(base));
    const ObjDataTyp& mc = back.CurrentObjects.back();
    EXPECT_TRUE(file.contains(mc.Bild.sourcePng()));
    EXPECT_TRUE(file.contains(mc.BildAntw[1].sourcePng()));
}

TEST(DocFileWrite, UnchangedPicturesAreWrittenAsTheStreamThatWasRead) {
    // A stream the writer would never produce itself (compression level 9).
    const QByteArray foreign = EncodePng(test::SamplePicture(40, 30, 5), 9);
    ASSERT_NE(foreign, EncodePng(test::SamplePicture(40, 30, 5), 5));
    Document d;
    d.BaseImage = Picture(test::SamplePicture(40, 30, 5), foreign);
    ObjDataTyp o = TextObject(QStringLiteral("Bild"));
    o.Typ = 6;
    o.Bild = Picture(test::SamplePicture(9, 9, 2));
    d.CurrentObjects.push_back(o);
    const QByteArray first = WriteBytes(d);
    EXPECT_TRUE(first.endsWith(foreign));

    // Read, save again: the same bytes, no picture encoded anew.
    Document back = ReadBytes(first);
    EXPECT_EQ(WriteBytes(back), first);

    // A changed picture is encoded again, at level 5.
    back.BaseImage.mutableImage().setPixel(0, 0, qRgb(1, 2, 3));
    const QByteArray changed = WriteBytes(back);
    EXPECT_FALSE(changed.endsWith(foreign));
    EXPECT_TRUE(changed.endsWith(EncodePng(back.BaseImage.image(), 5)));
    EXPECT_EQ(ReadBytes(changed).BaseImage.image().pixel(0, 0), qRgb(1, 2, 3));
}

TEST(DocFileWrite, EncodedPicturesKeepTheirStreamAfterASuccessfulWrite) {
    Document d = test::SampleDocument();
    ASSERT_TRUE(d.BaseImage.sourcePng().isEmpty());
    const QByteArray file = WriteBytes(d);
    EXPECT_TRUE(file.endsWith(d.BaseImage.sourcePng()));
    EXPECT_FALSE(d.CurrentObjects.back().BildAntw[0].sourcePng().isEmpty());
    EXPECT_EQ(WriteBytes(d), file);
}
