#include "view/learnview.h"
#include "view/objectpainter.h"
#include "viewfixtures.h"

#include <QFontMetrics>
#include <gtest/gtest.h>
#include <limits>

using namespace bw;
using namespace bw::test;

namespace {

const QColor kFill(202, 228, 255);
const QColor kFrame(70, 125, 187);

// 870 pixels wide pages make one unit one pixel.
struct RenderFixture : ::testing::Test {
    Document doc = PlainDocument(870, 600);
    LearnView view{doc};

    void redraw(int w = 870, int h = 600) {
        view.SetViewSize(w, h);
        view.RedrawView();
    }
};

} // namespace

TEST_F(RenderFixture, CoveredFieldHasItsFillFrameAndQuestionMark) {
    const int i = AddObject(doc, TypAbfrage, QStringLiteral("Hamburg"), 0.5, 0.5);
    redraw();
    const QImage& page = view.PageBitmap();
    const QRect box = BoxOf(view, i);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_EQ(view.ViewImage().size(), QSize(870, 600));
    // Frame on all four edges, fill inside near the corners (the "?" is centred).
    EXPECT_EQ(Pixel(page, box.left(), box.center().y()), kFrame);
    EXPECT_EQ(Pixel(page, box.right(), box.center().y()), kFrame);
    EXPECT_EQ(Pixel(page, box.center().x(), box.top()), kFrame);
    EXPECT_EQ(Pixel(page, box.center().x(), box.bottom()), kFrame);
    EXPECT_EQ(Pixel(page, box.left() + 2, box.top() + 2), kFill);
    EXPECT_EQ(Pixel(page, box.right() - 2, box.bottom() - 2), kFill);
    // Outside the box the page stays white.
    EXPECT_EQ(Pixel(page, box.left() - 2, box.center().y()), QColor(Qt::white));
    // The "?" is drawn in the text colour (black) in the middle.
    const QRect ink = InkBox(page, kFill, box.adjusted(1, 1, -1, -1));
    EXPECT_TRUE(box.contains(ink.center()));
    EXPECT_LT(ink.width(), box.width() / 2);
    // The view bitmap shows the same pixels.
    EXPECT_EQ(Pixel(view.ViewImage(), box.left() + 2, box.top() + 2), kFill);
}

TEST_F(RenderFixture, NumberedFieldShowsARedBadgeAndUncoveredFieldShowsItsText) {
    const int i = AddObject(doc, TypAbfrage, QStringLiteral("Hamburg"), 0.5, 0.5);
    view.SetNumberMode(1, false);
    EXPECT_EQ(doc.CurrentObjects[i].Nummer, 1);
    redraw();
    const QRect box = BoxOf(view, i);
    bool red = false;
    for (int x = box.left(); x < box.left() + box.height(); ++x)
        for (int y = box.top(); y <= box.bottom(); ++y) {
            const QColor c = Pixel(view.PageBitmap(), x, y);
            red |= c.red() > 200 && c.green() < 80 && c.blue() < 80;
        }
    EXPECT_TRUE(red);

    view.ToggleQueryField(i);
    EXPECT_EQ(doc.CurrentObjects[i].Abgedeckt, 0);
    const QImage& page = view.PageBitmap();
    EXPECT_EQ(Pixel(page, box.left() + 2, box.top() + 2), QColor(Qt::white));
    const QRect ink = InkBox(page, Qt::white, box);
    EXPECT_GT(ink.width(), box.width() * 3 / 4); // the text spans the card
    // The click path copied the box to the view bitmap and the object page.
    EXPECT_EQ(Pixel(view.ViewImage(), ink.center()), Pixel(page, ink.center()));
    EXPECT_EQ(Pixel(view.ObjectPage(), box.left() + 2, box.top() + 2), QColor(Qt::white));
}

TEST_F(RenderFixture, AStoredSideWinsOverKAusr) {
    // A card dragged across its anchor in the editor keeps the side it was given there.
    const int i = AddObject(doc, TypFix, QStringLiteral("Ulm"), 0.5, 0.5, 1);
    doc.CurrentObjects[i].KAusrAkt = 3;
    redraw();
    EXPECT_EQ(doc.CurrentObjects[i].KAusrAkt, 3);
    EXPECT_LT(BoxOf(view, i).right(), 435);
    // Below 1 it falls back to KAusr.
    doc.CurrentObjects[i].KAusrAkt = 0;
    redraw();
    EXPECT_EQ(doc.CurrentObjects[i].KAusrAkt, 1);
    EXPECT_GT(BoxOf(view, i).left(), 435);
}

TEST_F(RenderFixture, CardSidesFollowKAusr) {
    const int u7 = 7, u2 = 2; // one unit is one pixel here
    const double kx = 0.5, ky = 0.5;
    const QPoint card(435, 300);
    int idx[5];
    for (int k = 1; k <= 4; ++k) {
        doc.CurrentObjects.clear();
        idx[k] = AddObject(doc, TypFix, QStringLiteral("Ulm"), kx, ky, k);
        redraw();
        const QRect b = BoxOf(view, idx[k]);
        SCOPED_TRACE(k);
        EXPECT_EQ(doc.CurrentObjects[idx[k]].KAusrAkt, k);
        switch (k) {
        case 1:
            EXPECT_EQ(b.left(), card.x() + u7);
            EXPECT_NEAR(b.center().y(), card.y(), 1);
            break;
        case 2:
            EXPECT_EQ(b.top() + b.height(), card.y() - u2);
            EXPECT_NEAR(b.center().x(), card.x(), 1);
            break;
        case 3:
            EXPECT_EQ(b.left() + b.width(), card.x() - u7);
            EXPECT_NEAR(b.center().y(), card.y(), 1);
            break;
        case 4:
            EXPECT_EQ(b.top(), card.y() + u2);
            EXPECT_NEAR(b.center().x(), card.x(), 1);
            break;
        }
        // The text is drawn inside its box.
        const QRect ink = InkBox(view.PageBitmap());
        EXPECT_TRUE(b.adjusted(-1, -1, 1, 1).contains(ink)) << ink.x() << "," << ink.y();
    }
}

TEST_F(RenderFixture, AutomaticPlacementUsesTheDirectionFromTheAnchor) {
    struct Case {
        double sx, sy, kx, ky;
        int side;
    } cases[] = {
        {0.8, 0.5, 0.2, 0.5, 3}, // card point far left of the anchor
        {0.2, 0.5, 0.8, 0.5, 1}, {0.5, 0.8, 0.5, 0.2, 2},
        {0.5, 0.2, 0.5, 0.8, 4}, {0.5, 0.5, 0.5, 0.5, 1}, // no direction: right
    };
    for (const Case& c : cases) {
        doc.CurrentObjects.clear();
        const int i = AddObject(doc, TypFix, QStringLiteral("Ort"), c.kx, c.ky, 0);
        ObjDataTyp& o = doc.CurrentObjects[i];
        o.KAusrAkt = 0;
        o.Sx = c.sx;
        o.Sy = c.sy;
        o.Sline = 1;
        redraw();
        EXPECT_EQ(o.KAusrAkt, c.side);
        const QRect b = BoxOf(view, i);
        const QPoint card(int(c.kx * 870 + 0.5), int(c.ky * 600 + 0.5));
        if (c.side == 3) EXPECT_LT(b.right(), card.x());
        if (c.side == 1) EXPECT_GT(b.left(), card.x());
        if (c.side == 2) EXPECT_LT(b.bottom(), card.y());
        if (c.side == 4) EXPECT_GT(b.top(), card.y());
    }
}

TEST_F(RenderFixture, AFieldWithFsizeMinusEightUsesSixUnits) {
    // Page 1740 wide: one unit is two pixels, so the font is 12 pixels.
    doc = PlainDocument(1740, 1200);
    const int small = AddObject(doc, TypFix, QStringLiteral("HHH"), 0.2, 0.2);
    doc.CurrentObjects[small].Fsize = -8;
    const int normal = AddObject(doc, TypFix, QStringLiteral("HHH"), 0.2, 0.6);
    redraw(1740, 1200);
    EXPECT_DOUBLE_EQ(view.Scale(), 2.0);
    const QFontMetrics six(ArialPixels(12));
    const QFontMetrics standard(ArialPixels(44));
    EXPECT_EQ(BoxOf(view, small).height(), six.height());
    EXPECT_EQ(BoxOf(view, normal).height(), standard.height());
    // Capital H of a 12-pixel font is about 9 pixels high.
    const QRect ink = InkBox(view.PageBitmap(), Qt::white, BoxOf(view, small));
    EXPECT_GE(ink.height(), 7);
    EXPECT_LE(ink.height(), 10);
    // The minimum width is 30 units.
    EXPECT_EQ(BoxOf(view, small).width(), 60);
}

TEST_F(RenderFixture, ViewportAtTwoHundredPercent) {
    // A base image whose pixel colours encode their position.
    QImage base(870, 600, QImage::Format_RGB32);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 870; ++x)
            base.setPixel(x, y, qRgb(x * 255 / 869, y * 255 / 599, 128));
    doc.BaseImage = Picture(base);
    redraw();
    EXPECT_EQ(view.Viewport, (DoubleRect{0, 0, 1, 1}));
    EXPECT_EQ(view.ViewImage().size(), QSize(870, 600));

    view.ChangeZoom(4);
    EXPECT_DOUBLE_EQ(view.ZoomFactor, 2.0);
    EXPECT_EQ(view.PageBitmap().size(), QSize(1740, 1200));
    EXPECT_EQ(view.ViewImage().size(), QSize(870, 600));
    EXPECT_DOUBLE_EQ(view.Viewport.width(), 0.5);
    EXPECT_DOUBLE_EQ(view.Viewport.height(), 0.5);
    EXPECT_DOUBLE_EQ(view.Viewport.left, 0.25); // the centre stays
    EXPECT_EQ(view.ScrollOffset, QPoint(435, 300));
    // The view's top-left shows the base image at a quarter of its size.
    EXPECT_TRUE(Near(Pixel(view.ViewImage(), 0, 0), QColor(base.pixel(217, 150)), 2));
    EXPECT_TRUE(Near(Pixel(view.ViewImage(), 869, 599), QColor(base.pixel(652, 449)), 2));

    // Panning keeps the viewport's size and stops at the page edge.
    view.Pan(-10000, 0);
    EXPECT_DOUBLE_EQ(view.Viewport.left, 0.0);
    EXPECT_DOUBLE_EQ(view.Viewport.width(), 0.5);
    EXPECT_TRUE(Near(Pixel(view.ViewImage(), 0, 0), QColor(base.pixel(0, 150)), 2));
    view.Pan(174, 0);
    EXPECT_NEAR(view.Viewport.left, 0.1, 1e-9);
    EXPECT_EQ(view.ScrollOffset.x(), 174);
}

TEST_F(RenderFixture, ScrollMovesByAShareOfTheViewportAndStopsAtTheEdge) {
    redraw();
    view.ChangeZoom(4);
    int commits = 0;
    QObject::connect(&view, &LearnView::commitDrawings, [&] { ++commits; });
    view.Scroll(0.1, 0);
    EXPECT_NEAR(view.Viewport.left, 0.3, 1e-9);
    EXPECT_NEAR(view.Viewport.width(), 0.5, 1e-9);
    view.Scroll(0, -10);
    EXPECT_DOUBLE_EQ(view.Viewport.top, 0.0);
    EXPECT_NEAR(view.Viewport.height(), 0.5, 1e-9);
    EXPECT_EQ(view.ScrollOffset, QPoint(522, 0));
    EXPECT_EQ(commits, 2);
}

TEST_F(RenderFixture, ViewportOnlyShrinksInTheDirectionTheWindowLimits) {
    redraw(1000, 600); // the height limits the fitted page
    view.ChangeZoom(4);
    EXPECT_DOUBLE_EQ(view.Viewport.height(), 0.5);
    EXPECT_NEAR(view.Viewport.width(), 1000.0 / 1740.0, 1e-9);
    EXPECT_EQ(view.ViewImage().size(), QSize(1000, 600));
}

TEST_F(RenderFixture, HiddenBaseImageLayerShowsObjectsOnWhite) {
    doc = PlainDocument(870, 600, QColor(10, 120, 30));
    const int i = AddObject(doc, TypAbfrage, QStringLiteral("Feld"), 0.5, 0.5);
    redraw();
    EXPECT_EQ(Pixel(view.ViewImage(), 5, 5), QColor(10, 120, 30));
    view.SetLayerVisible(0, false);
    view.RedrawView();
    EXPECT_EQ(Pixel(view.ViewImage(), 5, 5), QColor(Qt::white));
    const QRect box = BoxOf(view, i);
    EXPECT_EQ(Pixel(view.ViewImage(), box.left() + 2, box.top() + 2), kFill);
    // Hiding the objects' layer removes them and makes them unhittable.
    view.SetLayerVisible(1, false);
    view.RedrawView();
    EXPECT_EQ(Pixel(view.ViewImage(), box.left() + 2, box.top() + 2), QColor(Qt::white));
    EXPECT_EQ(view.HitTestObject(box.center()), -1);
}

TEST_F(RenderFixture, InfoPointIsABlueEllipseLabelledInfo) {
    const int i = AddObject(doc, TypInfopunkt, QStringLiteral("<B>Text</B>"), 0.5, 0.5, 1, 2);
    const int link = AddObject(doc, TypLinkIntern, QStringLiteral("x.bwk"), 0.5, 0.8, 1, 2);
    redraw();
    const QRect box = BoxOf(view, i);
    EXPECT_EQ(box.size(), QSize(30, 30));
    const QImage& page = view.PageBitmap();
    // Left of the label, inside the ellipse.
    EXPECT_EQ(Pixel(page, box.left() + 3, box.center().y()), QColor(0, 95, 253));
    // The corners are outside the ellipse.
    EXPECT_EQ(Pixel(page, box.left(), box.top()), QColor(Qt::white));
    // The outline, 30 % darker, at the leftmost point.
    EXPECT_TRUE(Near(Pixel(page, box.left(), box.top() + 14), QColor(0, 67, 177), 60));
    // The white label in the middle.
    int white = 0;
    for (int x = box.left() + 5; x < box.right() - 4; ++x)
        for (int y = box.top() + 8; y < box.bottom() - 8; ++y)
            white += Pixel(page, x, y) == QColor(Qt::white);
    EXPECT_GT(white, 10);
    int green = 0;
    const QRect lb = BoxOf(view, link);
    for (int x = lb.left(); x <= lb.right(); ++x)
        for (int y = lb.top(); y <= lb.bottom(); ++y)
            green += Pixel(page, x, y) == QColor(41, 152, 74);
    EXPECT_GT(green, 300);
    // Info points hide with their layer.
    view.SetLayerVisible(2, false);
    view.RedrawView();
    EXPECT_EQ(Pixel(view.PageBitmap(), box.left() + 3, box.center().y()), QColor(Qt::white));
}

TEST_F(RenderFixture, HitTestFindsQueryFieldsAndInfoPointsButNotFixedLabels) {
    const int fixed = AddObject(doc, TypFix, QStringLiteral("fest"), 0.2, 0.2);
    const int query = AddObject(doc, TypAbfrage, QStringLiteral("frage"), 0.5, 0.5);
    const int info = AddObject(doc, TypInfopunkt, QStringLiteral("i"), 0.8, 0.8, 1, 2);
    redraw();
    EXPECT_EQ(view.HitTestObject(BoxOf(view, fixed).center()), -1);
    EXPECT_EQ(view.HitTestObject(BoxOf(view, query).center()), query);
    EXPECT_EQ(view.HitTestObject(BoxOf(view, info).center()), info);
    EXPECT_EQ(view.HitTestObject({1, 1}), -1);
    view.editorOpen = true;
    EXPECT_EQ(view.HitTestObject(BoxOf(view, fixed).center()), fixed);
}

TEST_F(RenderFixture, CoverAllAndUncoverAllKeepTheConnectingLines) {
    const int i = AddObject(doc, TypAbfrage, QStringLiteral("Berlin"), 0.6, 0.3);
    doc.CurrentObjects[i].Sx = 0.2;
    doc.CurrentObjects[i].Sy = 0.3;
    doc.CurrentObjects[i].Sline = 1;
    redraw();
    const QRect box = BoxOf(view, i);
    EXPECT_EQ(Pixel(view.ViewImage(), 300, 180), QColor(Qt::black)); // on the line
    view.UncoverAll();
    EXPECT_EQ(doc.CurrentObjects[i].Abgedeckt, 0);
    EXPECT_EQ(Pixel(view.ViewImage(), box.left() + 2, box.top() + 2), QColor(Qt::white));
    EXPECT_EQ(Pixel(view.ViewImage(), 300, 180), QColor(Qt::black));
    view.CoverAll();
    EXPECT_EQ(Pixel(view.ViewImage(), box.left() + 2, box.top() + 2), kFill);
}

TEST_F(RenderFixture, OverlappingCardsSurviveAFullRedraw) {
    // Each card's old rectangle is not erased over earlier cards in a full redraw.
    const int a = AddObject(doc, TypFix, QStringLiteral("MMMMMMMM"), 0.3, 0.5);
    const int b = AddObject(doc, TypFix, QStringLiteral("i"), 0.32, 0.5);
    redraw();
    const QImage first = view.PageBitmap().copy();
    view.RedrawView();
    EXPECT_EQ(view.PageBitmap(), first);
    EXPECT_TRUE(BoxOf(view, a).intersects(BoxOf(view, b)));
}

TEST_F(RenderFixture, WorksheetKindDrawsAWhiteBoxWithADoubleFrame) {
    const int i = AddObject(doc, TypAbfrage, QStringLiteral("Paris"), 0.5, 0.5);
    redraw();
    QImage sheet(870, 600, QImage::Format_RGB32);
    sheet.fill(QColor(200, 200, 200));
    view.DrawObject(sheet, i, true, false, false, TargetWorksheetBlank);
    const QRect box = BoxOf(view, i);
    EXPECT_EQ(Pixel(sheet, box.center()), QColor(Qt::white));
    // Widened to the right by 2e, inflated by 1 % of the width.
    const int e = int(std::lround(0.18 * box.width()));
    const int right = box.left() + box.width() + 2 * e + int(std::lround(0.01 * 870)) - 1;
    EXPECT_EQ(Pixel(sheet, right, box.center().y()), QColor(Qt::black));
    EXPECT_EQ(Pixel(sheet, right - 1, box.center().y()), QColor(Qt::black));
    EXPECT_EQ(Pixel(sheet, right - 2, box.center().y()), QColor(Qt::white));
    EXPECT_EQ(Pixel(sheet, right + 1, box.center().y()), QColor(200, 200, 200));

    QImage overlay(870, 600, QImage::Format_RGB32);
    overlay.fill(Qt::white);
    view.DrawObject(overlay, i, true, false, false, TargetWorksheetSolution);
    const QRect ink = InkBox(overlay);
    ASSERT_FALSE(ink.isEmpty());
    bool red = false;
    for (int x = ink.left(); x <= ink.right(); ++x)
        red |= Pixel(overlay, x, ink.center().y()) == QColor(255, 0, 0);
    EXPECT_TRUE(red);
}

TEST_F(RenderFixture, DamagedValuesDrawWithoutHarm) {
    const int a = AddObject(doc, TypAbfrage, QStringLiteral("x"), 0.5, 0.5);
    doc.CurrentObjects[a].Kx = std::numeric_limits<double>::quiet_NaN();
    doc.CurrentObjects[a].Sy = 1e300;
    doc.CurrentObjects[a].Sline = 1;
    const int b = AddObject(doc, TypFix, QStringLiteral("riesig"), 0.5, 0.5);
    doc.CurrentObjects[b].Fsize = 1000000;
    doc.CurrentObjects[b].KAusr = 77;
    doc.CurrentObjects[b].KAusrAkt = -5;
    redraw();
    // The huge font is treated as the largest size, 222 units.
    EXPECT_EQ(BoxOf(view, b).height(), QFontMetrics(ArialPixels(222)).height());
    EXPECT_GE(doc.CurrentObjects[b].KAusrAkt, 1);
    EXPECT_LE(doc.CurrentObjects[b].KAusrAkt, 4);
    EXPECT_EQ(view.ViewImage().size(), QSize(870, 600));
    // No base image at all still gives a defined, white view.
    doc.BaseImage = Picture();
    redraw();
    EXPECT_FALSE(view.ViewImage().isNull());
    EXPECT_EQ(Pixel(view.ViewImage(), 0, 0), QColor(Qt::white));
}

TEST_F(RenderFixture, ShortTextSitsAtTheCardPointSideOfItsMinimumWidthBox) {
    // "I" is far narrower than the 30-unit box: it sits next to the card point (left edge for
    // placement right, right edge for left, centred above and below), whatever TAusr says.
    for (int side = 1; side <= 4; ++side) {
        SCOPED_TRACE(side);
        doc.CurrentObjects.clear();
        const int i = AddObject(doc, TypFix, QStringLiteral("I"), 0.5, 0.5, side);
        redraw();
        const QRect box = BoxOf(view, i);
        ASSERT_EQ(box.width(), 30);
        const QRect ink = InkBox(view.PageBitmap(), Qt::white, box);
        ASSERT_FALSE(ink.isEmpty());
        ASSERT_LT(ink.width(), 10);
        if (side == 1) EXPECT_LT(ink.left() - box.left(), 6);
        if (side == 3) EXPECT_LT(box.right() - ink.right(), 6);
        if (side == 2 || side == 4) EXPECT_NEAR(ink.center().x(), box.center().x(), 3);
    }
}
