#include "../view/fakehost.h"
#include "common/cursors.h"
#include "drawing/drawingtools.h"
#include "drawing/widgets/drawingcontrols.h"
#include "drawingfixture.h"
#include "view/pointertools.h"
#include "view/widgets/tlernviewwidget.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

using namespace bw;
using namespace bw::test;

namespace {

void Send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button,
          Qt::MouseButtons buttons) {
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

TEST(DrawingWidget, ThePenDrawsThroughTheViewWidgetAndTheRightButtonStillPans) {
    Document doc = PlainDocument(870, 600);
    LearnView view(doc);
    FakeHost host;
    ToolManager tools;
    tools.addTool(new PointerTool);
    tools.addTool(new HandTool);
    DrawingBoard board(view);
    DrawingTools drawing(board, tools);
    TLernViewWidget widget(view, &host);
    widget.setToolManager(&tools);
    widget.resize(1000, 620);
    widget.show();
    widget.RedrawForSize();
    const QPoint offset = widget.bitmapOffset();

    drawing.select(DrawTool::Pen);
    board.SetDrawColour(24);
    board.SetStrokeWidth(2);
    Send(&widget, QEvent::MouseButtonPress, offset + QPoint(100, 100), Qt::LeftButton,
         Qt::LeftButton);
    for (int x = 110; x <= 300; x += 10)
        Send(&widget, QEvent::MouseMove, offset + QPoint(x, 100), Qt::NoButton, Qt::LeftButton);
    Send(&widget, QEvent::MouseButtonRelease, offset + QPoint(300, 100), Qt::LeftButton,
         Qt::NoButton);
    // Moving without the button paints nothing; the pen's own cursor shows.
    Send(&widget, QEvent::MouseMove, offset + QPoint(300, 300), Qt::NoButton, Qt::NoButton);
    QPoint hot;
    const QImage pen = ProgramCursorImage(QStringLiteral("STIFT5"), &hot);
    EXPECT_EQ(widget.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(widget.cursor().hotSpot(), hot);
    EXPECT_EQ(widget.cursor().pixmap().toImage().convertToFormat(pen.format()), pen);

    const QImage& v = view.ViewImage();
    for (int x = 100; x <= 300; x += 25)
        EXPECT_EQ(Pixel(v, x, 100), QColor(0, 0, 255)) << x;
    EXPECT_EQ(Pixel(v, 200, 110), QColor(Qt::white));
    EXPECT_EQ(Pixel(v, 300, 300), QColor(Qt::white));
    const QRect ink = InkBox(v);
    EXPECT_NEAR(ink.height(), 7, 2);

    // What the widget shows is the view bitmap.
    const QImage shown = widget.grab().toImage();
    EXPECT_EQ(Pixel(shown, offset + QPoint(200, 100)), QColor(0, 0, 255));

    // The middle button goes to the fields, not to the pen.
    Send(&widget, QEvent::MouseButtonPress, offset + QPoint(400, 400), Qt::MiddleButton,
         Qt::MiddleButton);
    Send(&widget, QEvent::MouseButtonRelease, offset + QPoint(400, 400), Qt::MiddleButton,
         Qt::NoButton);
    EXPECT_EQ(Pixel(v, 400, 400), QColor(Qt::white));
    EXPECT_EQ(tools.currentTool(), drawing.tool(DrawTool::Pen));
}

TEST(DrawingWidget, TheTextBoxPaintsOnEnterAndDropsOnEscape) {
    Document doc = PlainDocument(870, 600);
    LearnView view(doc);
    FakeHost host;
    ToolManager tools;
    tools.addTool(new PointerTool);
    TLernViewWidget widget(view, &host);
    widget.setToolManager(&tools);
    DrawingControls controls(view, tools, &widget, {});
    widget.resize(1000, 620);
    widget.show();
    widget.RedrawForSize();
    const QPoint offset = widget.bitmapOffset();
    controls.tools().select(DrawTool::Text);
    controls.board().SetDrawColour(24);
    const QImage before = view.ViewImage().copy();

    auto click = [&](QPoint at) {
        Send(&widget, QEvent::MouseButtonPress, offset + at, Qt::LeftButton, Qt::LeftButton);
        Send(&widget, QEvent::MouseButtonRelease, offset + at, Qt::LeftButton, Qt::NoButton);
    };
    click({200, 300});
    QLineEdit* box = controls.textBox();
    ASSERT_TRUE(box->isVisible());
    EXPECT_EQ(box->geometry().bottomLeft() - offset, QPoint(200, 299));
    QTest::keyClicks(box, QStringLiteral("Elbe"));
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(CountDiffering(before, view.ViewImage()), 0);

    click({200, 300});
    QTest::keyClicks(box, QStringLiteral("Elbe"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(box->isVisible());
    EXPECT_TRUE(box->text().isEmpty());
    const QRect ink = InkBox(view.ViewImage());
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(QRect(195, 260, 200, 45).contains(ink)) << ink.x() << "," << ink.y();
    EXPECT_TRUE(controls.board().UndoAvailable());
    controls.board().Undo();
    EXPECT_EQ(CountDiffering(before, view.ViewImage()), 0);

    // Another tool hides the box.
    click({100, 100});
    EXPECT_TRUE(box->isVisible());
    controls.tools().select(DrawTool::Pen);
    EXPECT_FALSE(box->isVisible());
}
