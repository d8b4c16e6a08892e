// A large page is drawn in two bands at once; it must come out exactly as drawn on one thread.

#include "document/docfile.h"
#include "view/learnview.h"
#include "view/pagebuffer.h"
#include "viewfixtures.h"

#include <QBuffer>
#include <QPainter>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace bw;
using namespace bw::test;

namespace {

QImage Stripes(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = qRgb((x / 7) & 0xFF, (y / 5) & 0xFF, ((x ^ y) >> 2) & 0xFF);
    }
    return img;
}

// Every kind of card the screen shows, many of them across the middle rows where the bands
// meet: texts large and small, bold, italic, underlined, several lines, pictures, badges and
// connecting lines.
Document ManyCards(QImage base = Stripes(3000, 2200)) {
    Document doc;
    doc.BaseImage = Picture(std::move(base));
    doc.CurrentHeader.Datei = QStringLiteral("/tmp/bands.bwk");
    const QImage picture = Stripes(120, 90);
    for (int i = 0; i < 160; ++i) {
        const int kind = i % 8;
        const int typ = kind < 3    ? TypAbfrage
                        : kind == 3 ? TypFixBild
                        : kind == 4 ? TypAbfrageBild
                        : kind == 5 ? TypInfopunkt
                                    : TypFix;
        const double y = i % 2 ? 0.35 + (i % 13) * 0.025 : 0.05 + (i % 19) * 0.05;
        const int index = AddObject(doc, typ,
                                    i % 6 == 0 ? QStringLiteral("Zwei\nZeilen %1").arg(i)
                                               : QStringLiteral("Ort Nummer %1 Äöü").arg(i),
                                    0.04 + (i * 37 % 90) / 100.0, y, i % 5);
        ObjDataTyp& o = doc.CurrentObjects[index];
        o.Sx = std::clamp(o.Kx + ((i % 3) - 1) * 0.04, 0.01, 0.99);
        o.Sy = std::clamp(o.Ky + ((i % 5) - 2) * 0.03, 0.01, 0.99);
        o.Sline = i % 3 == 0 ? 1 : 0;
        o.Fsize = i % 4 == 0 ? 60 : 0;
        o.Stil = i % 7;
        o.Farbe = i * 0x10305;
        o.TAusr = i % 3;
        if (typ == TypFixBild || typ == TypAbfrageBild) o.Bild = Picture(picture);
        if (kind == 1) o.Abgedeckt = Aufgedeckt;
    }
    return doc;
}

struct Pair {
    Document oneDoc;
    Document twoDoc;
    LearnView one{oneDoc};
    LearnView two{twoDoc};

    explicit Pair(const QImage& base = Stripes(3000, 2200))
        : oneDoc(ManyCards(base)), twoDoc(ManyCards(base)) {
        one.SetTwoBands(false);
        two.SetTwoBands(true);
        for (LearnView* v : {&one, &two}) {
            v->SetViewSize(1920, 1080);
            v->SetNumberMode(1, false);
        }
    }
    void Both(const std::function<void(LearnView&)>& step) {
        step(one);
        step(two);
    }
};

void ExpectSame(const Pair& p) {
    ASSERT_GE(qint64(p.two.PageBitmap().width()) * p.two.PageBitmap().height(), 1'000'000)
        << "the page must be large enough for two bands";
    EXPECT_TRUE(p.one.PageBitmap() == p.two.PageBitmap());
    EXPECT_TRUE(p.one.CleanPage() == p.two.CleanPage());
    EXPECT_TRUE(p.one.ViewImage() == p.two.ViewImage());
    for (int i = 0; i < p.oneDoc.ObjectCount(); ++i) {
        EXPECT_EQ(p.oneDoc.CurrentObjects[i].KAusrAkt, p.twoDoc.CurrentObjects[i].KAusrAkt) << i;
        EXPECT_EQ(BoxOf(p.one, i), BoxOf(p.two, i)) << i;
    }
}

} // namespace

TEST(TwoBands, EveryZoomDrawsThePixelsOfOneThread) {
    Pair p;
    for (int zoom : {0, 2, 4}) {
        p.Both([&](LearnView& v) {
            v.SetZoom(zoom);
            v.RedrawView();
        });
        SCOPED_TRACE(zoom);
        ExpectSame(p);
    }
}

TEST(TwoBands, EveryKindOfBaseImageIsDrawnAsByOneThread) {
    // A transparent base over the white page, one the size of the page (copied as it is),
    // and one without base image (the hidden base layer).
    QImage clear = Stripes(3000, 2200).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < clear.height(); y += 3)
        for (int x = y % 7; x < clear.width(); x += 5)
            clear.setPixel(x, y, qRgba(0, 0, 0, 0));
    {
        Pair p(clear);
        p.Both([](LearnView& v) {
            v.SetZoom(4);
            v.RedrawView();
        });
        ExpectSame(p);
    }
    {
        Pair p(Stripes(1200, 1000));
        p.Both([](LearnView& v) { v.SetViewSize(1600, 1000); });
        p.Both([](LearnView& v) {
            v.SetZoom(0);
            v.RedrawView();
        });
        ASSERT_EQ(p.one.PageBitmap().size(), QSize(1200, 1000)) << "the base is copied unscaled";
        ExpectSame(p);
        p.Both([](LearnView& v) {
            v.SetLayerVisible(0, false);
            v.RedrawView();
        });
        ExpectSame(p);
        EXPECT_EQ(Pixel(p.two.CleanPage(), 1199, 999), QColor(Qt::white));
    }
}

TEST(TwoBands, RedrawingTheObjectsOverTheCleanPageMatchesToo) {
    Pair p;
    p.Both([](LearnView& v) {
        v.SetZoom(4);
        v.RedrawView();
        v.UncoverAll();
        v.RedrawObjects();
    });
    ExpectSame(p);
    // And the clean page is still the page without a card.
    p.Both([](LearnView& v) {
        v.CoverAll();
        v.RedrawObjects();
    });
    ExpectSame(p);
}

TEST(TwoBands, TheEditorsSelectionIsReportedOnce) {
    Pair p;
    std::vector<QList<QVariant>> frames[2];
    int side = 0;
    p.Both([&](LearnView& v) {
        v.editorOpen = true;
        v.selectedObject = 41;
        QSignalSpy spy(&v, &LearnView::selectionFrame);
        v.SetZoom(4);
        v.RedrawView();
        for (const QList<QVariant>& f : spy)
            frames[side].push_back(f);
        ++side;
    });
    ExpectSame(p);
    ASSERT_EQ(frames[0].size(), 2u); // hidden, then shown at the card
    EXPECT_EQ(frames[0], frames[1]);
    EXPECT_TRUE(frames[1].back().at(1).toBool());
}

TEST(TwoBands, ManyRedrawsInARowKeepTheHelperThreadsCachesRight) {
    // The helper thread keeps fonts and glyphs between redraws; a change of zoom and back must
    // not bring stale ones.
    Pair p;
    for (int zoom : {4, 0, 4, 2, 4}) {
        p.Both([&](LearnView& v) {
            v.SetZoom(zoom);
            v.RedrawView();
        });
    }
    ExpectSame(p);
}

TEST(Halving, EachPixelIsTheRoundedMeanOfItsBlock) {
    // Odd sizes leave a last row and column out; the rest of a row that fills no whole step
    // of eight (AVX2) or four (SSE2) takes the next smaller step, down to one pixel.
    for (HalvingCode code : {HalvingCode::Best, HalvingCode::Sse2, HalvingCode::Plain})
        for (QSize size : {QSize(37, 23), QSize(45, 9), QSize(64, 8), QSize(3, 3), QSize(1, 5)}) {
            QImage src(size, QImage::Format_RGB32);
            quint32 seed = 12345;
            for (int y = 0; y < src.height(); ++y)
                for (int x = 0; x < src.width(); ++x) {
                    seed = seed * 1664525u + 1013904223u;
                    src.setPixel(x, y, 0xFF000000u | (seed >> 8));
                }
            QImage dst(src.width() / 2, src.height() / 2, QImage::Format_RGB32);
            dst.fill(Qt::black);
            HalveRows(src, Pixels32::Of(dst), 0, dst.height(), code);
            for (int y = 0; y < dst.height(); ++y)
                for (int x = 0; x < dst.width(); ++x) {
                    const QRgb p[4] = {src.pixel(2 * x, 2 * y), src.pixel(2 * x + 1, 2 * y),
                                       src.pixel(2 * x, 2 * y + 1),
                                       src.pixel(2 * x + 1, 2 * y + 1)};
                    auto mean = [&](int (*channel)(QRgb)) {
                        return (channel(p[0]) + channel(p[1]) + channel(p[2]) + channel(p[3]) + 2) /
                               4;
                    };
                    const QRgb expected = qRgb(mean(qRed), mean(qGreen), mean(qBlue));
                    ASSERT_EQ(dst.pixel(x, y), expected)
                        << int(code) << ": " << size.width() << "x" << size.height() << " at " << x
                        << "," << y;
                }
        }
}

TEST(Halving, AFarShrunkPageStillShowsFineDetailAsGrey) {
    // One-pixel black and white stripes shrunk to a quarter and less: averaged, they turn
    // grey; dropping pixels would show them black or white.
    QImage stripes(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < stripes.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(stripes.scanLine(y));
        for (int x = 0; x < stripes.width(); ++x)
            line[x] = x % 2 ? 0xFFFFFFFF : 0xFF000000;
    }
    Document doc = PlainDocument(10, 10);
    doc.BaseImage = Picture(stripes);
    LearnView view(doc);
    view.SetViewSize(1000, 750);
    view.RedrawView();
    const QImage& page = view.PageBitmap();
    ASSERT_LT(page.width(), 1100);
    for (QPoint at : {QPoint(100, 100), QPoint(page.width() / 2, page.height() / 2),
                      QPoint(page.width() - 50, page.height() - 50)}) {
        const int grey = qGray(page.pixel(at));
        EXPECT_GT(grey, 100) << at.x() << "," << at.y();
        EXPECT_LT(grey, 155) << at.x() << "," << at.y();
    }
}

TEST(Halving, ANewBaseImageIsHalvedAnew) {
    Document doc = PlainDocument(4000, 3000, Qt::black);
    LearnView view(doc);
    view.SetViewSize(1000, 750);
    view.RedrawView();
    const QPoint middle(view.PageBitmap().width() / 2, view.PageBitmap().height() / 2);
    EXPECT_EQ(Pixel(view.PageBitmap(), middle), QColor(Qt::black));
    QImage red(4000, 3000, QImage::Format_RGB32);
    red.fill(Qt::red);
    doc.BaseImage = Picture(red);
    view.RedrawView();
    EXPECT_EQ(Pixel(view.PageBitmap(), middle), QColor(Qt::red));
    // A change in place of the same picture counts as new too.
    doc.BaseImage.mutableImage().fill(Qt::blue);
    view.RedrawView();
    EXPECT_EQ(Pixel(view.PageBitmap(), middle), QColor(Qt::blue));
}

TEST(Halving, TheHalvingsMadeWhileReadingDrawAsTheViewsOwn) {
    QByteArray file;
    {
        Document doc = PlainDocument(10, 10);
        doc.BaseImage = Picture(Stripes(2401, 1803));
        QBuffer out(&file);
        out.open(QIODevice::WriteOnly);
        ASSERT_TRUE(WriteDocumentTo(out, doc).ok);
    }
    Document made, without;
    ASSERT_TRUE(ReadDocumentBytes(file, made, false).ok);
    ASSERT_TRUE(ReadDocumentBytes(file, without, false, {}, BaseHalvings::Skip).ok);
    ASSERT_FALSE(made.BaseImage.halvings()[1].isNull());
    ASSERT_TRUE(without.BaseImage.halvings()[0].isNull());
    LearnView a(made), b(without);
    // The reader's half, its quarter, its quarter and one more step, and 100 %.
    for (QSize view : {QSize(1000, 750), QSize(500, 375), QSize(250, 190), QSize(2600, 2000)}) {
        for (LearnView* v : {&a, &b}) {
            v->SetViewSize(view.width(), view.height());
            v->RedrawView();
        }
        EXPECT_TRUE(a.PageBitmap() == b.PageBitmap()) << view.width();
    }
}
