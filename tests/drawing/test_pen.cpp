#include "drawing/drawingtables.h"
#include "drawing/penpainter.h"
#include "drawingfixture.h"

using namespace bw;
using namespace bw::test;

namespace {

QImage White(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

// Pixels of a row or column at least half covered by black ink.
int DarkRun(const QImage& img, QPoint from, QPoint step, int count) {
    int n = 0;
    for (int i = 0; i < count; ++i) {
        const QPoint p = from + step * i;
        if (qRed(img.pixel(p)) < 128) ++n;
    }
    return n;
}

} // namespace

TEST(PenPainter, ADotHasTheStrokeWidthAcrossAndIsRound) {
    for (int step = 1; step <= 4; ++step) {
        const int w = StrokeWidth(step);
        QImage img = White(100, 100);
        PaintPenSegment(img, {50, 50}, {50, 50}, w, Qt::black, img.rect());
        SCOPED_TRACE(w);
        EXPECT_EQ(DarkRun(img, {0, 50}, {1, 0}, 100), w);
        EXPECT_EQ(DarkRun(img, {50, 0}, {0, 1}, 100), w);
        // Centred on the pixel: as much ink left of the centre column as right of it.
        EXPECT_EQ(DarkRun(img, {0, 50}, {1, 0}, 50), (w - 1) / 2);
        EXPECT_EQ(DarkRun(img, {51, 50}, {1, 0}, 49), (w - 1) / 2);
        const QRect box = InkBox(img);
        // The corners of the bounding square stay white: a disc, not a square.
        if (w >= 7) {
            EXPECT_EQ(Pixel(img, box.topLeft()), QColor(Qt::white));
            EXPECT_EQ(Pixel(img, box.bottomRight()), QColor(Qt::white));
        }
        EXPECT_EQ(Pixel(img, 50, 50), QColor(Qt::black));
    }
}

TEST(PenPainter, ASegmentIsABandOfTheWidthWithRoundEnd) {
    QImage img = White(200, 100);
    PaintPenSegment(img, {20, 50}, {180, 50}, 13, Qt::black, img.rect());
    EXPECT_EQ(DarkRun(img, {100, 0}, {0, 1}, 100), 13);
    // The band starts flat at the first point; the disc rounds the end.
    EXPECT_NEAR(DarkRun(img, {0, 50}, {1, 0}, 200), 180 - 20 + 1 + 6, 1);
    EXPECT_EQ(Pixel(img, 10, 50), QColor(Qt::white));
}

TEST(PenPainter, PaintingStaysInsideTheClip) {
    QImage img = White(100, 100);
    const QRect clip(0, 0, 50, 100);
    PaintPenSegment(img, {10, 50}, {90, 50}, 21, Qt::black, clip);
    EXPECT_TRUE(clip.contains(InkBox(img)));
}

TEST(PenPainter, CombineMinimumDarkensPerChannelAndKeepsTheViewOpaque) {
    QImage view = White(4, 1);
    view.setPixel(1, 0, qRgb(0, 0, 0));
    view.setPixel(2, 0, qRgb(100, 200, 50));
    QImage layer(4, 1, QImage::Format_RGB32);
    layer.fill(qRgb(255, 255, 0));
    layer.setPixel(3, 0, qRgb(255, 255, 255));
    CombineMinimum(view, layer, QRect(0, 0, 4, 1));
    EXPECT_EQ(view.pixel(0, 0), qRgb(255, 255, 0));
    EXPECT_EQ(view.pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(view.pixel(2, 0), qRgb(100, 200, 0));
    EXPECT_EQ(view.pixel(3, 0), qRgb(255, 255, 255));
}

TEST(PenPainter, CentredGlyphIsCentredOnThePoint) {
    QImage img = White(300, 300);
    DrawCentredGlyph(img, 150, 150, Qt::black, 48, StampFontFamily(), StampSymbolText(3));
    const QRect box = InkBox(img);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_NEAR(box.center().x(), 150, 3);
    EXPECT_NEAR(box.center().y(), 150, 12);
}

TEST(DrawingTables, TablesOfThePart) {
    EXPECT_EQ(StrokeWidth(1), 3);
    EXPECT_EQ(StrokeWidth(4), 21);
    EXPECT_EQ(StrokeWidth(9), 21);
    EXPECT_EQ(EraserSide(3), 96);
    EXPECT_EQ(TextPointSize(2), 36);
    EXPECT_EQ(DrawColour(28), QColor(255, 128, 0));
    EXPECT_EQ(DrawColour(30), QColor(0, 192, 255));
    EXPECT_FALSE(IsDrawColourIndex(15));
    EXPECT_EQ(DrawColourHint(13), QStringLiteral("grün - transparent"));
    EXPECT_TRUE(DrawColourHint(23).isEmpty());
    EXPECT_EQ(StampSymbolCode(1), 0xFC);
    EXPECT_EQ(StampSymbolCode(6), 0x4C);
    EXPECT_EQ(StampSymbolText(1), QString(QChar(0x2714)));
}
