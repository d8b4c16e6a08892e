// Drawings across a new size of the picture control.
#include "drawingfixture.h"

using namespace bw;
using namespace bw::test;

namespace {

const QColor kBlue(0, 0, 255);

int CountColour(const QImage& img, QColor c) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += img.pixelColor(x, y) == c;
    return n;
}

} // namespace

TEST_F(DrawingFixture, AWiderControlKeepsThePageAndTheDrawingsOnIt) {
    use(DrawTool::Pen, 24, 2);
    stroke({{100, 100}, {300, 100}});
    const QImage drawn = picture().copy();
    const QSize page = view.PageBitmap().size();

    // The page's fit follows the height, which stays: the page keeps its size.
    view.SetViewSize(1000, 600);
    board.RedrawKeepingDrawings();
    ASSERT_EQ(view.PageBitmap().size(), page);
    EXPECT_EQ(CountDiffering(drawn, picture()), 0);
    EXPECT_FALSE(board.UndoAvailable());

    // The page under the drawings is still the rendered one: the eraser restores white.
    use(DrawTool::Eraser, 24, 1);
    stroke({{200, 100}});
    EXPECT_EQ(Pixel(picture(), 200, 100), QColor(Qt::white));
    EXPECT_EQ(Pixel(picture(), 120, 100), kBlue);

    // And removing all drawings removes the kept ones.
    board.RemoveAllDrawings();
    EXPECT_EQ(CountColour(picture(), kBlue), 0);
}

TEST_F(DrawingFixture, AtDoubleZoomCommittedAndFreshDrawingsBothStay) {
    view.ChangeZoom(4);
    use(DrawTool::Pen, 24, 2);
    stroke({{100, 100}, {300, 100}});
    view.BeginPan();
    view.Pan(60, 40);
    stroke({{100, 300}, {300, 300}});
    const QPoint before = view.ScrollOffset;
    const QSize page = view.PageBitmap().size();
    const int blue = CountColour(view.PageBitmap(), kBlue) + CountColour(picture(), kBlue);

    view.SetViewSize(980, 600); // wider: more of the page shows, the page stays
    board.RedrawKeepingDrawings();
    ASSERT_EQ(view.PageBitmap().size(), page);
    const QPoint after = view.ScrollOffset;
    // Both strokes, at their places on the page.
    EXPECT_EQ(Pixel(picture(), QPoint(200, 300) + before - after), kBlue);
    EXPECT_EQ(Pixel(picture(), QPoint(200 - 60, 100 - 40) + before - after), kBlue);
    EXPECT_GT(blue, 0);
    EXPECT_EQ(Pixel(view.ObjectPage(), QPoint(200, 300) + before), QColor(Qt::white));
    // They travel with the page at the next pan.
    view.BeginPan();
    EXPECT_EQ(Pixel(view.PageBitmap(), QPoint(200, 300) + before), kBlue);
}

TEST_F(DrawingFixture, ADrawingThatLeavesTheSmallerViewStaysOnThePage) {
    view.SetViewSize(1000, 600);
    view.ChangeZoom(4); // page 1740 x 1200, 1000 x 600 of it in view
    use(DrawTool::Pen, 24, 2);
    stroke({{900, 300}, {990, 300}});
    const QPoint onPage = QPoint(980, 300) + view.ScrollOffset;
    view.SetViewSize(900, 600); // narrower: the page stays, the view loses its right edge
    board.RedrawKeepingDrawings();
    ASSERT_EQ(view.PageBitmap().size(), QSize(1740, 1200));
    ASSERT_FALSE(QRect(view.ScrollOffset, picture().size()).contains(onPage));
    EXPECT_EQ(Pixel(view.PageBitmap(), onPage), kBlue);
    EXPECT_EQ(Pixel(view.ObjectPage(), onPage), QColor(Qt::white));
    // Scrolled to, it shows.
    view.Pan(200, 0);
    EXPECT_EQ(Pixel(picture(), onPage - view.ScrollOffset), kBlue);
}

TEST_F(DrawingFixture, AControlThatChangesThePageDropsTheDrawings) {
    use(DrawTool::Pen, 24, 2);
    stroke({{100, 100}, {300, 100}});
    view.SetViewSize(870, 500); // lower: the page shrinks with it
    board.RedrawKeepingDrawings();
    EXPECT_NE(view.PageBitmap().size(), QSize(870, 600));
    EXPECT_EQ(CountColour(picture(), kBlue), 0);
    EXPECT_EQ(CountColour(view.PageBitmap(), kBlue), 0);

    // Back to the old size, nothing comes back either.
    view.SetViewSize(870, 600);
    board.RedrawKeepingDrawings();
    EXPECT_EQ(CountColour(picture(), kBlue), 0);
}

TEST_F(DrawingFixture, UndoneDrawingsAreNotBroughtBackByAResize) {
    use(DrawTool::Pen, 24, 2);
    stroke({{100, 100}, {300, 100}});
    board.Undo();
    view.SetViewSize(1000, 600);
    board.RedrawKeepingDrawings();
    EXPECT_EQ(CountColour(picture(), kBlue), 0);
}
