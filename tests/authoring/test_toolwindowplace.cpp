// Where the author assistant goes beside the main window, and where the view shows the
// base image.

#include "authoring/newdocument.h"
#include "authoring/toolwindowplace.h"
#include "document/document.h"
#include "view/learnview.h"

#include <gtest/gtest.h>

using namespace bw;

namespace {

const QSize kAssistant(170, 460);

// A main window with a 118 px toolbar and its button right of the view, and a picture in
// the view.
ToolWindowRoom Room(QRect screen, QRect main, QRect picture) {
    ToolWindowRoom r;
    r.screen = screen;
    r.mainFrame = main;
    r.view = QRect(main.left() + 4, main.top() + 60, main.width() - 118 - 40, main.height() - 70);
    r.picture = picture;
    r.top = main.top() + 150;
    return r;
}

QRect At(QPoint p) {
    return QRect(p, kAssistant);
}

} // namespace

TEST(ToolWindowPlace, BesideTheMainWindowWhereTheScreenHasRoom) {
    const QRect picture(100, 200, 600, 400);
    // Room on the right.
    ToolWindowRoom r = Room({0, 0, 1920, 1080}, {100, 100, 1076, 780}, picture);
    EXPECT_EQ(ToolWindowPlace(r, kAssistant), QPoint(100 + 1076 + 4, 250));
    // Only on the left.
    r = Room({0, 0, 1400, 1000}, {300, 50, 1076, 780}, picture);
    EXPECT_EQ(ToolWindowPlace(r, kAssistant), QPoint(300 - 4 - 170, 200));
}

TEST(ToolWindowPlace, InsideAFullScreenWindowItLeavesTheToolbarAndThePictureFree) {
    const QRect screen(0, 0, 1024, 768);
    const QRect toolbar(1024 - 118, 60, 118, 698);
    // The picture leaves room between itself and the toolbar.
    ToolWindowRoom r = Room(screen, screen, {10, 130, 600, 500});
    QRect a = At(ToolWindowPlace(r, kAssistant));
    EXPECT_FALSE(a.intersects(toolbar));
    EXPECT_FALSE(a.intersects(r.picture));
    EXPECT_TRUE(r.view.contains(a));
    EXPECT_EQ(a.right(), r.view.right() - 4);
    EXPECT_EQ(a.top(), 150);

    // The room is on the left of the picture.
    r.picture = QRect(200, 130, 660, 500);
    a = At(ToolWindowPlace(r, kAssistant));
    EXPECT_FALSE(a.intersects(r.picture));
    EXPECT_EQ(a.left(), r.view.left() + 4);

    // No room anywhere: at the view's right edge, the toolbar stays free.
    r.picture = r.view;
    a = At(ToolWindowPlace(r, kAssistant));
    EXPECT_FALSE(a.intersects(toolbar));
    EXPECT_EQ(a.right(), r.view.right() - 4);
}

TEST(ToolWindowPlace, WithoutAViewAndOnALowScreenItStaysOnTheScreen) {
    const QRect screen(0, 24, 1024, 600);
    ToolWindowRoom r = Room(screen, screen, {0, 200, 500, 300});
    r.view = QRect();
    const QRect a = At(ToolWindowPlace(r, kAssistant));
    EXPECT_TRUE(screen.contains(a));
    EXPECT_EQ(a.right(), screen.right() - 4);
    EXPECT_EQ(a.bottom(), screen.bottom());
}

TEST(BaseImageInView, MarksWhereTheViewShowsTheBaseImage) {
    Document doc;
    QImage base(400, 300, QImage::Format_RGB32);
    base.fill(QColor(200, 30, 30));
    // A square page: white margins above and below the base image.
    MakeNewDocument(doc, 0, {1, 1, 1}, base, {}, {});
    LearnView view(doc);
    view.SetViewSize(600, 600);
    view.RedrawView();
    const QRect r = BaseImageInView(doc, view);
    ASSERT_FALSE(r.isEmpty());
    const QImage& shown = view.ViewImage();
    auto red = [&](QPoint p) {
        return shown.pixelColor(p).red() > 150 && shown.pixelColor(p).green() < 100;
    };
    EXPECT_TRUE(red(r.topLeft() + QPoint(1, 1)));
    EXPECT_TRUE(red(r.bottomRight() - QPoint(1, 1)));
    EXPECT_FALSE(red(r.topLeft() - QPoint(0, 3)));
    EXPECT_FALSE(red(r.bottomLeft() + QPoint(0, 3)));
    EXPECT_GT(r.top(), 3);
}
