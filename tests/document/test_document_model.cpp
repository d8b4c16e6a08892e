#include "document/document.h"

#include <gtest/gtest.h>

using namespace bw;

namespace {
ObjDataTyp Obj(int typ, int abgedeckt = -1) {
    ObjDataTyp o;
    o.Typ = typ;
    o.Abgedeckt = abgedeckt;
    return o;
}
} // namespace

TEST(DocumentModel, StartPictureIsWhite300x210) {
    Document d;
    EXPECT_EQ(d.BaseImage.width(), 300);
    EXPECT_EQ(d.BaseImage.height(), 210);
    EXPECT_EQ(d.BaseImage.image().pixel(150, 100), qRgb(255, 255, 255));
    EXPECT_EQ(d.PageSize(), QSize(300, 210));
}

TEST(DocumentModel, DeleteObjectKeepsOrderAndIgnoresBadIndex) {
    Document d;
    for (int i = 0; i < 3; ++i)
        d.AddGeneratedObject(0, 1, QString::number(i), 0, 0, 0.1 * i, 0.2, -1);
    d.DeleteObject(5);
    d.DeleteObject(-1);
    ASSERT_EQ(d.ObjectCount(), 3);
    d.DeleteObject(1);
    ASSERT_EQ(d.ObjectCount(), 2);
    EXPECT_EQ(d.CurrentObjects[1].Cap, QStringLiteral("2"));
    d.DeleteObject(1);
    d.DeleteObject(0);
    EXPECT_EQ(d.ObjectCount(), 0);
    d.DeleteObject(0);
    EXPECT_EQ(d.ObjectCount(), 0);
}

TEST(DocumentModel, GeneratedObjectHasAnchorAtCardPoint) {
    Document d;
    const int i = d.AddGeneratedObject(3, 1, QStringLiteral("Lücke"), -2, 4, 0.3, 0.6, 7);
    const ObjDataTyp& o = d.CurrentObjects[i];
    EXPECT_EQ(o.Sx, 0.3);
    EXPECT_EQ(o.Sy, 0.6);
    EXPECT_EQ(o.Abgedeckt, -1);
    EXPECT_EQ(o.Sline, 0);
    EXPECT_EQ(o.TAusr, 0);
    EXPECT_EQ(o.FrageNummer, 7);
    EXPECT_EQ(o.Fsize, -2);
    EXPECT_EQ(o.KAusr, 4);
}

TEST(DocumentModel, QueryObjectsDependOnDocumentType) {
    Document d;
    for (int t : {0, 1, 3, 6, 10, 24, 20, 21})
        d.CurrentObjects.push_back(Obj(t, -5));
    d.CurrentObjects.push_back(Obj(0, -1));
    d.CurrentHeader.DokTyp = DokBildbeschriftung;
    EXPECT_EQ(d.CountQueryObjects(false), 4); // 0, 3, 6, 0; type 24 does not count here
    EXPECT_EQ(d.CountQueryObjects(true), 3);
    d.CurrentHeader.DokTyp = DokEinzelfragen;
    EXPECT_EQ(d.CountQueryObjects(false), 1);
    d.CurrentHeader.DokTyp = DokMultipleChoice;
    EXPECT_EQ(d.CountQueryObjects(false), 2);
    EXPECT_EQ(d.CountOpenObjects(), 8);
}

TEST(DocumentModel, DerivedGeometryWithoutMargins) {
    Document d;
    d.BaseImage = Picture(QImage(400, 300, QImage::Format_RGB32));
    d.ComputeDerivedGeometry();
    const HeaderDataTyp& h = d.CurrentHeader;
    EXPECT_EQ(h.SeitFest, 1);
    EXPECT_EQ(h.SeitBreite, 400);
    EXPECT_EQ(h.SeitHoehe, 300);
    EXPECT_DOUBLE_EQ(h.BildPosX, 50);
    EXPECT_DOUBLE_EQ(h.BildPosY, 50);
    EXPECT_DOUBLE_EQ(h.BildRand, 0);
    EXPECT_DOUBLE_EQ(h.BildGroesse, 100);
}

TEST(DocumentModel, DerivedGeometryWithMargins) {
    Document d;
    d.BaseImage = Picture(QImage(400, 300, QImage::Format_RGB32));
    d.CurrentHeader.RandErw = {0.25, 0, 0.25, 0};
    d.ComputeDerivedGeometry();
    const HeaderDataTyp& h = d.CurrentHeader;
    EXPECT_EQ(h.SeitBreite, 600);
    EXPECT_EQ(h.SeitHoehe, 300);
    EXPECT_DOUBLE_EQ(h.BildPosX, 50);
    EXPECT_DOUBLE_EQ(h.BildPosY, 50);
    // (600 - max(400, 300 * 600 / 300)) / 400 / 2 * 100
    EXPECT_DOUBLE_EQ(h.BildRand, 0);
    EXPECT_DOUBLE_EQ(h.BildGroesse, 100);
    EXPECT_EQ(d.PageSize(), QSize(600, 300));
    EXPECT_EQ(d.BaseImageOrigin(), QPoint(100, 0));

    d.CurrentHeader.RandErw = {0.1, 0.2, 0.3, 0};
    d.ComputeDerivedGeometry();
    EXPECT_EQ(d.CurrentHeader.SeitBreite, 560);
    EXPECT_EQ(d.CurrentHeader.SeitHoehe, 360);
    EXPECT_DOUBLE_EQ(d.CurrentHeader.BildPosX, 25);
    EXPECT_DOUBLE_EQ(d.CurrentHeader.BildPosY, 100);
    EXPECT_NEAR(d.CurrentHeader.BildGroesse, 300.0 / 360 * 100, 1e-9);
}

TEST(DocumentModel, PageOfAbsurdMarginsIsPositiveAndTheDerivedPage) {
    // Margins of a damaged file: a billion image widths on the left, minus five above.
    Document d;
    d.CurrentHeader.RandErw = {1e9, -5, 0, 0};
    d.ComputeDerivedGeometry();
    const QSize page = d.PageSize();
    EXPECT_GE(page.width(), 300);
    EXPECT_GE(page.height(), 1);
    EXPECT_EQ(page, QSize(d.CurrentHeader.SeitBreite, d.CurrentHeader.SeitHoehe));
    EXPECT_GE(d.BaseImageOrigin().x(), 0);
}

TEST(DocumentModel, AnswerPictureSlotsFollowTheAnswerCount) {
    ObjDataTyp o = Obj(21);
    o.Untertyp = 1;
    o.AntwortAnz = 3;
    for (int i = 0; i < o.AntwortAnz; ++i)
        o.BildAntw[i] = Picture(QImage(4, 4, QImage::Format_RGB32));
    int used = 0;
    for (const Picture& p : o.BildAntw)
        used += p.isNull() ? 0 : 1;
    EXPECT_EQ(used, 3);
    EXPECT_TRUE(o.BildAntw[3].isNull());
}

TEST(DocumentModel, ResetHeaderUsesPageRatioDefaults) {
    Document d;
    d.CurrentHeader.titel = QStringLiteral("x");
    d.CurrentHeader.Geaendert = true;
    d.CurrentHeader.RandErw = {1, 1, 1, 1};
    d.ResetHeader({0, 4, 3});
    EXPECT_EQ(d.CurrentHeader.vers, QStringLiteral("1.00"));
    EXPECT_TRUE(d.CurrentHeader.titel.isEmpty());
    EXPECT_FALSE(d.CurrentHeader.Geaendert);
    EXPECT_EQ(d.CurrentHeader.RandErw, (DoubleRect{0, 0, 0, 0}));
    EXPECT_EQ(d.CurrentHeader.SeitFest, 0);
    EXPECT_EQ(d.CurrentHeader.SeitBreite, 4);
    EXPECT_EQ(d.CurrentHeader.SeitHoehe, 3);
    EXPECT_DOUBLE_EQ(d.CurrentHeader.BildGroesse, 100);
}

TEST(DocumentModel, ChangedPictureForgetsItsStream) {
    Picture p(QImage(2, 2, QImage::Format_RGB32), QByteArray("stream"));
    EXPECT_FALSE(p.sourcePng().isEmpty());
    p.mutableImage().fill(Qt::red);
    EXPECT_TRUE(p.sourcePng().isEmpty());
}
