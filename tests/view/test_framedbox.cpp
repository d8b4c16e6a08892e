#include "view/objectpainter.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace bw;

namespace {

const QColor kFill(202, 228, 255);
const QColor kFrame(70, 125, 187);

// The box as the painter's stroker draws it.
void StrokedBox(QPainter& p, const QRect& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(r, kFill);
    p.setPen(QPen(kFrame, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.restore();
}

} // namespace

// Boxes on the bitmap, across each of its edges, tiny ones, overlapping ones, with and without
// a clip and a shifted painter: the same pixels as the stroker's.
TEST(FramedBox, DrawsThePixelsOfAStrokedRectangle) {
    QRandomGenerator rng(11);
    std::vector<QRect> boxes{QRect(0, 0, 600, 400)}; // the whole bitmap, under the others
    for (int i = 0; i < 400; ++i)
        boxes.emplace_back(int(rng.bounded(700)) - 100, int(rng.bounded(500)) - 80,
                           1 + int(rng.bounded(250)), 1 + int(rng.bounded(90)));
    boxes.emplace_back(5, 5, 2, 2);
    for (int variant = 0; variant < 3; ++variant) {
        QImage ours(600, 400, QImage::Format_RGB32);
        ours.fill(Qt::white);
        QImage theirs = ours.copy();
        QPainter a(&ours);
        QPainter b(&theirs);
        for (QPainter* p : {&a, &b}) {
            if (variant == 1) p->setClipRect(QRect(37, 41, 300, 200));
            if (variant == 2) p->translate(13, -7);
        }
        for (const QRect& r : boxes) {
            FillFramedBox(a, r, kFill, kFrame);
            StrokedBox(b, r);
        }
        a.end();
        b.end();
        EXPECT_TRUE(ours == theirs) << "variant " << variant;
    }
}
