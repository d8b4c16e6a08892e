#include "view/glyphcache.h"
#include "view/objectpainter.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace bw;

namespace {

const QString kTexts[] = {QStringLiteral("Info"),
                          QStringLiteral("Dok."),
                          QStringLiteral("17"),
                          QStringLiteral("1000"),
                          QStringLiteral("Ort Nummer 42"),
                          QStringLiteral("Größe: Übersee"),
                          QStringLiteral("fi ffl AV Ty")};

QImage Canvas() {
    QImage img(700, 160, QImage::Format_RGB32);
    // A coloured background, so that blending differences show.
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb((x * 3) & 0xFF, (y * 5) & 0xFF, 180));
    return img;
}

} // namespace

TEST(TextCache, ArialPixelsGivesTheFontAskedForEveryTime) {
    const QFont a = ArialPixels(40, true, false, true);
    EXPECT_EQ(a, ArialPixels(40, true, false, true));
    EXPECT_EQ(a.pixelSize(), 40);
    EXPECT_TRUE(a.bold());
    EXPECT_FALSE(a.italic());
    EXPECT_TRUE(a.underline());
    EXPECT_NE(a, ArialPixels(40, false, false, true));
    EXPECT_NE(a, ArialPixels(40, true, true, true));
    EXPECT_NE(a, ArialPixels(40, true, false, false));
    EXPECT_NE(a, ArialPixels(41, true, false, true));
    // A changed copy leaves the remembered font alone.
    QFont changed = ArialPixels(40, true, false, true);
    changed.setPixelSize(12);
    EXPECT_EQ(ArialPixels(40, true, false, true).pixelSize(), 40);
    EXPECT_EQ(ArialPixels(0).pixelSize(), 1);
}

TEST(TextCache, TextWidthIsTheMeasuredWidthForEachFontAndText) {
    for (int px : {9, 20, 59, 77, 150}) {
        for (int style = 0; style < 4; ++style) {
            const QFont f = ArialPixels(px, style & 1, style & 2);
            for (const QString& t : kTexts) {
                const int expected = QFontMetrics(f).horizontalAdvance(t);
                EXPECT_EQ(TextWidth(f, t), expected)
                    << px << " " << style << " " << t.toStdString();
                EXPECT_EQ(TextWidth(f, t), expected); // remembered
            }
        }
    }
    EXPECT_EQ(TextWidth(ArialPixels(20), QString()), 0);
}

// Text up to the painter's own glyph size is drawn from remembered shaping; the pixels must
// be those QPainter::drawText leaves.
TEST(TextCache, SmallTextDrawsThePixelsOfDrawText) {
    for (int px : {8, 13, 20, 42, 59, 64}) {
        for (int style = 0; style < 4; ++style) {
            const QFont f = ArialPixels(px, style & 1, style & 2);
            for (const QString& t : kTexts) {
                QImage ours = Canvas();
                QImage theirs = Canvas();
                {
                    QPainter p(&ours);
                    DrawTextAt(p, 11, 17, f, QColor(200, 0, 30), t);
                    DrawTextAt(p, 11, 90, f, QColor(200, 0, 30), t); // again, from the caches
                }
                {
                    QPainter p(&theirs);
                    p.setFont(f);
                    p.setPen(QColor(200, 0, 30));
                    const int ascent = QFontMetrics(f).ascent();
                    p.drawText(QPoint(11, 17 + ascent), t);
                    p.drawText(QPoint(11, 90 + ascent), t);
                }
                EXPECT_TRUE(ours == theirs) << px << " " << style << " " << t.toStdString();
            }
        }
    }
}

TEST(TextCache, CentredLinesUseTheMeasuredWidth) {
    const QFont f = ArialPixels(30, true);
    const QString t = QStringLiteral("Ort 7");
    QImage img(400, 60, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        DrawTextLine(p, QRect(0, 0, 400, 60), Qt::AlignHCenter, f, Qt::black, t);
    }
    int left = img.width(), right = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != qRgb(255, 255, 255)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GE(right, left);
    const int start = (400 - QFontMetrics(f).horizontalAdvance(t)) / 2;
    EXPECT_NEAR(left, start, 4);
    EXPECT_NEAR(right, start + QFontMetrics(f).horizontalAdvance(t), 4);
}
