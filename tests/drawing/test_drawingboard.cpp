#include "drawing/drawingtools.h"
#include "drawingfixture.h"
#include "view/pointertools.h"

#include <QAction>

using namespace bw;
using namespace bw::test;

namespace {

// A page with black text on it, to draw over.
struct TextPageFixture : DrawingFixture {
    void SetUp() override {
        QImage base = doc.BaseImage.image();
        QPainter p(&base);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(40);
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(QRect(100, 100, 600, 80), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Rhein Main"));
        p.end();
        doc.BaseImage = Picture(base);
        show();
    }
};

} // namespace

TEST_F(DrawingFixture, APenClickLeavesARoundDotOfTheStrokeWidth) {
    use(DrawTool::Pen, 26, 3);
    stroke({{200, 200}});
    const QRect box = InkBox(picture());
    EXPECT_EQ(box.center(), QPoint(200, 200));
    EXPECT_NEAR(box.width(), 13, 2);
    EXPECT_NEAR(box.height(), 13, 2);
    EXPECT_EQ(Pixel(picture(), 200, 200), QColor(Qt::black));
    EXPECT_EQ(Pixel(picture(), box.topLeft()), QColor(Qt::white));
}

TEST_F(DrawingFixture, TwoTranslucentPassesOverTheSameSpotEqualOne) {
    use(DrawTool::Pen, 12, 4);
    stroke({{100, 100}, {200, 130}, {300, 110}});
    const QImage once = picture().copy();
    EXPECT_EQ(Pixel(once, 200, 130), QColor(255, 255, 0));
    stroke({{100, 100}, {200, 130}, {300, 110}});
    EXPECT_EQ(CountDiffering(once, picture()), 0);
}

TEST_F(TextPageFixture, TranslucentYellowOverBlackTextLeavesTheTextBlack) {
    const QImage before = picture().copy();
    QList<QPoint> black;
    for (int y = 100; y < 180; ++y)
        for (int x = 100; x < 700; ++x)
            if (before.pixel(x, y) == qRgb(0, 0, 0)) black.append({x, y});
    ASSERT_GT(black.size(), 100);
    use(DrawTool::Pen, 12, 4);
    for (int y = 110; y <= 170; y += 15)
        stroke({{90, y}, {400, y}, {710, y}});
    for (const QPoint& p : black)
        ASSERT_EQ(picture().pixel(p), qRgb(0, 0, 0)) << p.x() << p.y();
    EXPECT_EQ(Pixel(picture(), 95, 140), QColor(255, 255, 0));
    // An opaque pen covers it.
    use(DrawTool::Pen, 22, 4);
    stroke({{90, 140}, {710, 140}});
    EXPECT_EQ(Pixel(picture(), 95, 140), QColor(255, 255, 0));
    EXPECT_GT(CountDiffering(before, picture()), 0);
}

TEST_F(TextPageFixture, TheEraserRestoresThePageUnderItsSquareAndNothingElse) {
    const QImage page = picture().copy();
    use(DrawTool::Pen, 21, 4);
    for (int y = 90; y <= 200; y += 10)
        stroke({{50, y}, {750, y}});
    const QImage drawn = picture().copy();
    use(DrawTool::Eraser, 21, 2); // a square of 64
    stroke({{300, 140}});
    const QRect square(300 - 32, 140 - 32, 64, 64);
    for (int y = 60; y < 230; ++y)
        for (int x = 0; x < picture().width(); ++x) {
            const QRgb expected = square.contains(x, y) ? page.pixel(x, y) : drawn.pixel(x, y);
            ASSERT_EQ(picture().pixel(x, y), expected) << x << "," << y;
        }
}

TEST_F(DrawingFixture, OnePressStampsOnceAndDraggingStampsNothingMore) {
    use(DrawTool::Stamp, 21, 1);
    const QImage before = picture().copy();
    board.PressAt({200, 200});
    const QImage one = picture().copy();
    const QRect stamp = InkBox(one);
    EXPECT_FALSE(stamp.isEmpty());
    EXPECT_NEAR(stamp.center().x(), 205, 4);
    board.ApplyToolAt(true, {400, 300});
    board.ApplyToolAt(true, {600, 400});
    EXPECT_EQ(CountDiffering(one, picture()), 0);
    board.Release({600, 400});
    board.PressAt({600, 400});
    EXPECT_GT(CountDiffering(one, picture()), 0);
    EXPECT_EQ(CountDiffering(before, one), CountDiffering(one, picture()));
}

TEST_F(DrawingFixture, UndoRestoresTheViewBeforeThePress) {
    use(DrawTool::Pen, 24, 2);
    const QImage before = picture().copy();
    stroke({{100, 100}, {300, 300}});
    EXPECT_TRUE(board.UndoAvailable());
    board.Undo();
    EXPECT_EQ(CountDiffering(before, picture()), 0);
    EXPECT_FALSE(board.UndoAvailable());
}

TEST_F(DrawingFixture, UndoAfterAPanDoesNothing) {
    view.ChangeZoom(4); // a page larger than the view
    use(DrawTool::Pen, 24, 2);
    stroke({{100, 100}, {300, 300}});
    view.BeginPan();
    view.Pan(40, 30);
    const QImage panned = picture().copy();
    EXPECT_FALSE(board.UndoAvailable());
    board.Undo();
    EXPECT_EQ(CountDiffering(panned, picture()), 0);
    // The drawing travelled with the page.
    EXPECT_EQ(Pixel(picture(), 200 - 40, 200 - 30), QColor(0, 0, 255));
}

TEST_F(DrawingFixture, AZoomChangeDropsTheDrawingsAndTheSnapshot) {
    use(DrawTool::Pen, 24, 2);
    stroke({{100, 100}, {300, 300}});
    view.ChangeZoom(2);
    EXPECT_FALSE(board.UndoAvailable());
    view.ChangeZoom(0);
    EXPECT_EQ(Pixel(picture(), 200, 200), QColor(Qt::white));
}

TEST_F(DrawingFixture, TypedTextIsUndoneTogetherWithThePressThatPlacedItsBox) {
    use(DrawTool::Text, 26, 1);
    QList<QPoint> requested;
    QObject::connect(&board, &DrawingBoard::textBoxRequested,
                     [&](QPoint p) { requested.append(p); });
    const QImage before = picture().copy();
    board.PressAt({100, 200});
    board.ApplyToolAt(true, {120, 210});
    board.Release({120, 210});
    EXPECT_EQ(requested, (QList<QPoint>{{100, 200}, {120, 210}}));
    EXPECT_EQ(CountDiffering(before, picture()), 0); // the box paints nothing yet
    board.CommitText({120, 180}, QStringLiteral("Hallo"));
    const QRect ink = InkBox(picture());
    EXPECT_TRUE(QRect(120, 180, 200, 60).contains(ink)) << ink.x() << "," << ink.y();
    board.Undo();
    EXPECT_EQ(CountDiffering(before, picture()), 0);
}

TEST_F(DrawingFixture, RemovingAllDrawingsAlsoRemovesCommittedOnesAndCanBeUndone) {
    view.ChangeZoom(4);
    const QImage clean = picture().copy();
    use(DrawTool::Pen, 26, 1);
    stroke({{100, 100}, {200, 100}});
    view.BeginPan();
    view.Pan(10, 0);
    view.Pan(-10, 0);
    stroke({{100, 150}, {200, 150}});
    const QImage drawn = picture().copy();
    board.RemoveAllDrawings();
    EXPECT_EQ(CountDiffering(clean, picture()), 0);
    board.Undo();
    EXPECT_EQ(CountDiffering(drawn, picture()), 0);
}

TEST_F(DrawingFixture, NoPaintingWhileTheObjectEditorIsOpen) {
    view.editorOpen = true;
    use(DrawTool::Pen, 26, 4);
    const QImage before = picture().copy();
    stroke({{100, 100}, {200, 100}});
    EXPECT_EQ(CountDiffering(before, picture()), 0);
}

TEST(DrawingToolsTest, AColourChoiceUnderTheHandSwitchesToThePenButKeepsTheEraser) {
    Document doc = PlainDocument(100, 100);
    LearnView view(doc);
    DrawingBoard board(view);
    ToolManager tools;
    auto* pointer = new PointerTool;
    auto* hand = new HandTool;
    tools.addTool(pointer);
    tools.addTool(hand);
    DrawingTools drawing(board, tools);
    tools.selectTool(hand);
    EXPECT_EQ(board.state().CurrentTool, DrawTool::Hand);
    board.SetDrawColour(12);
    EXPECT_EQ(tools.currentTool(), drawing.tool(DrawTool::Pen));
    EXPECT_EQ(board.state().CurrentTool, DrawTool::Pen);
    EXPECT_TRUE(drawing.action(DrawTool::Pen)->isChecked());
    drawing.select(DrawTool::Eraser);
    board.SetDrawColour(22);
    board.SetStrokeWidth(3);
    EXPECT_EQ(board.state().CurrentTool, DrawTool::Eraser);
    EXPECT_EQ(board.state().DrawColourIndex, 22);
    board.SetDrawColour(17); // no colour there
    EXPECT_EQ(board.state().DrawColourIndex, 22);
}
