// The screen layout belongs to the view; other targets are drawn without touching it, and
// the view's bitmaps keep their memory across zoom changes.

#include "view/learnview.h"
#include "view/objectpainter.h"
#include "viewfixtures.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <gtest/gtest.h>

using namespace bw;
using namespace bw::test;

namespace {

struct LayoutFixture : ::testing::Test {
    Document doc = PlainDocument(870, 600);
    LearnView view{doc};
    int automatic = -1; // a card that chooses its side when first drawn
    int fixed = -1;

    void SetUp() override {
        fixed = AddObject(doc, TypAbfrage, QStringLiteral("Paris"), 0.5, 0.5);
        automatic = AddObject(doc, TypFix, QStringLiteral("Rhein"), 0.3, 0.3, 0);
        // The card point lies left of and a little below its anchor.
        doc.CurrentObjects[automatic].Sx = 0.36;
        doc.CurrentObjects[automatic].Sy = 0.28;
        view.SetViewSize(870, 600);
        view.DocumentLoaded();
    }
};

} // namespace

TEST_F(LayoutFixture, OtherTargetsLeaveTheScreenLayoutAlone) {
    const CardPlacement before = view.Card(fixed);
    const int side = doc.CurrentObjects[automatic].KAusrAkt;
    ASSERT_GE(side, 1);
    const QPoint centre = view.PageRectToView(before.KRect).center();
    ASSERT_EQ(view.HitTestObject(centre), fixed);

    // A worksheet of another size and shape, through the view and without it.
    QImage sheet(400, 900, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    view.DrawObject(sheet, fixed, true, false, false, TargetWorksheetBoth);
    QPainter p(&sheet);
    doc.CurrentObjects[automatic].KAusrAkt = 0; // not yet placed anywhere
    PaintObjects(p, TargetContext(doc, sheet.size(), TargetWorksheetBoth), {true, true, true},
                 true);
    p.end();

    EXPECT_EQ(view.Card(fixed).KRect, before.KRect);
    EXPECT_EQ(view.Card(fixed).KPixelX, before.KPixelX);
    EXPECT_EQ(view.HitTestObject(centre), fixed);
    EXPECT_EQ(doc.CurrentObjects[automatic].KAusrAkt, 0);
}

TEST_F(LayoutFixture, PaintingWithoutAViewDrawsWhatTheViewDraws) {
    for (int kind : {TargetWorksheetBlank, TargetWorksheetSolution, TargetWorksheetBoth}) {
        QImage viaView(870, 600, QImage::Format_RGB32), alone(870, 600, QImage::Format_RGB32);
        viaView.fill(Qt::white);
        alone.fill(Qt::white);
        for (int i = 0; i < doc.ObjectCount(); ++i)
            view.DrawObject(viaView, i, true, false, false, kind);
        QPainter p(&alone);
        ObjectDrawContext ctx = TargetContext(doc, alone.size(), kind);
        ctx.viewAspect = view.ViewAspect;
        PaintObjects(p, ctx, {true, true, true}, true);
        p.end();
        EXPECT_EQ(viaView, alone) << "kind " << kind;
        EXPECT_FALSE(InkBox(alone).isEmpty());
    }
}

TEST_F(LayoutFixture, SizesComeFromTheContextNotFromTheDevice) {
    // A card near the right edge: its worksheet box is cut at 99.5 % of the page width.
    AddObject(doc, TypAbfrage, QStringLiteral("Rechts am Rand"), 0.9, 0.5);
    // The page is 870 x 600 in the painter's coordinates, on a device twice as large.
    QImage big(1740, 1200, QImage::Format_RGB32);
    big.fill(Qt::white);
    QPainter p(&big);
    p.scale(2, 2);
    PaintObjects(p, TargetContext(doc, QSize(870, 600), TargetWorksheetBlank), {true, true, true},
                 false);
    p.end();
    const int cut = 2 * int(std::lround(0.995 * 870)); // in device pixels
    const QRect ink = InkBox(big, Qt::white, QRect(1200, 0, 540, 1200));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LE(ink.right(), cut);
    EXPECT_GE(ink.right(), cut - 4);
}

TEST_F(LayoutFixture, APdfIsDrawnWithoutAViewAndChangesNothing) {
    const Document before = doc;
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        QPainter p(&writer);
        const QRect page = p.viewport();
        PaintObjects(p, TargetContext(doc, page.size(), TargetWorksheetBoth), {true, true, true},
                     true);
    }
    EXPECT_TRUE(pdf.data().startsWith("%PDF"));
    EXPECT_GT(pdf.data().size(), 1000);
    for (int i = 0; i < doc.ObjectCount(); ++i)
        EXPECT_EQ(doc.CurrentObjects[i].KAusrAkt, before.CurrentObjects[i].KAusrAkt);
}

TEST_F(LayoutFixture, OpeningAtAZoomLooksLikeOpeningThenZooming) {
    // A wide view, so that the fitted page and the zoomed view differ in shape and an
    // automatic card would pick another side in the one than in the other.
    Document a = PlainDocument(870, 600), b = PlainDocument(870, 600);
    for (Document* d : {&a, &b}) {
        const int i = AddObject(*d, TypAbfrage, QStringLiteral("Norden"), 0.5, 0.5, 0);
        d->CurrentObjects[i].Sx = 0.48; // above at 100 %, right of it at 200 %
        d->CurrentObjects[i].Sy = 0.54;
    }
    LearnView zoomed(a), direct(b);
    zoomed.SetViewSize(1600, 500);
    direct.SetViewSize(1600, 500);
    zoomed.DocumentLoaded();
    zoomed.ChangeZoom(4);
    direct.DocumentLoaded(4);
    EXPECT_EQ(direct.ZoomIndex, 4);
    EXPECT_EQ(a.CurrentObjects[0].KAusrAkt, 2);
    EXPECT_EQ(b.CurrentObjects[0].KAusrAkt, 2);
    EXPECT_EQ(direct.ViewImage(), zoomed.ViewImage());
}

TEST_F(LayoutFixture, ZoomingKeepsTheBitmapsMemory) {
    view.ChangeZoom(4);
    const uchar* page = view.PageBitmap().constBits();
    const uchar* clean = view.CleanPage().constBits();
    for (int zoom : {0, 2, 4, 0}) {
        view.ChangeZoom(zoom);
        EXPECT_EQ(view.PageBitmap().constBits(), page);
        EXPECT_EQ(view.CleanPage().constBits(), clean);
    }
    // The same pixels as a view that drew at this zoom from fresh memory.
    Document other = doc;
    LearnView fresh(other);
    fresh.SetViewSize(870, 600);
    fresh.SetZoom(2);
    fresh.RedrawView();
    view.ChangeZoom(2);
    EXPECT_EQ(view.ViewImage(), fresh.ViewImage());
    EXPECT_EQ(view.PageBitmap(), fresh.PageBitmap());
}

TEST_F(LayoutFixture, AHeldCopyOfTheViewIsNotOverwrittenByAZoom) {
    const QImage held = view.ViewImage(); // shares the view's memory
    const QImage pixels = held.copy();
    view.ChangeZoom(4);
    view.ChangeZoom(0);
    view.ChangeZoom(2);
    EXPECT_EQ(held, pixels);
}

TEST_F(LayoutFixture, TheObjectPageKeepsThePageWithoutDrawings) {
    view.ChangeZoom(4);
    QImage& page = view.PageBitmapForDrawings();
    const QPoint at = view.ScrollOffset + QPoint(5, 5);
    const QRgb before = view.ObjectPage().pixel(at);
    page.setPixel(at, qRgb(1, 2, 3)); // a committed stroke
    EXPECT_EQ(view.ObjectPage().pixel(at), before);
    EXPECT_EQ(view.ViewBackground().pixel(5, 5), before);
    view.RedrawView(); // a full redraw starts without drawings
    EXPECT_EQ(view.ObjectPage().pixel(at), view.PageBitmap().pixel(at));
}

TEST(EllipseCache, CachedEllipsesMatchEllipsesDrawnDirectly) {
    // A pixmap takes the direct way, an image the cached one; antialiased edges may round
    // differently, interiors are the same.
    for (const QRect r : {QRect(3, 4, 30, 30), QRect(10, 7, 105, 61), QRect(0, 0, 1, 1)}) {
        QImage cached(140, 90, QImage::Format_RGB32);
        cached.fill(QColor(90, 160, 40));
        QPixmap direct(140, 90);
        direct.fill(QColor(90, 160, 40));
        for (QPaintDevice* d : std::initializer_list<QPaintDevice*>{&cached, &direct}) {
            QPainter p(d);
            DrawPolyEllipse(p, r, QColor(0, 95, 253), Darker30(QColor(0, 95, 253)));
            DrawPolyEllipse(p, r.translated(9, 5), Qt::white, QColor(70, 125, 187));
        }
        const QImage a = direct.toImage().convertToFormat(QImage::Format_RGB32);
        int worst = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                const QColor u = Pixel(a, x, y), v = Pixel(cached, x, y);
                worst = std::max({worst, std::abs(u.red() - v.red()),
                                  std::abs(u.green() - v.green()), std::abs(u.blue() - v.blue())});
            }
        EXPECT_LE(worst, 2) << r.width() << "x" << r.height();
        EXPECT_EQ(Pixel(cached, r.center()), Pixel(a, r.center()));
    }
}

TEST_F(LayoutFixture, ARedrawClearsTheDrawingLayer) {
    view.DrawLayer().setPixel(3, 3, qRgba(10, 20, 30, 255)); // a stroke
    view.RedrawView();
    EXPECT_EQ(view.DrawLayer().pixel(3, 3), 0x00FFFFFFu);
    view.RedrawView();
    EXPECT_EQ(view.DrawLayer().pixel(3, 3), 0x00FFFFFFu);
}
