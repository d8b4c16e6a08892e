#include "common/cursors.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace bw;

TEST(Cursors, EachToolHasItsOwnPictureWithTheHotSpotOnIt) {
    QSet<QByteArray> seen;
    for (const char* name : {"STIFT5", "RADIER32", "STEMPEL", "TEXTEINGABE", "HAND", "DRAGBLACK"}) {
        QPoint hot(-1, -1);
        const QImage img = ProgramCursorImage(QString::fromLatin1(name), &hot);
        ASSERT_EQ(img.size(), QSize(32, 32)) << name;
        EXPECT_TRUE(img.rect().contains(hot)) << name;
        // Something opaque is drawn, and not everywhere.
        int opaque = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                opaque += qAlpha(img.pixel(x, y)) == 255;
        EXPECT_GT(opaque, 20) << name;
        EXPECT_LT(opaque, 32 * 32 / 2) << name;
        const QByteArray bytes(reinterpret_cast<const char*>(img.constBits()),
                               int(img.sizeInBytes()));
        EXPECT_FALSE(seen.contains(bytes)) << name;
        seen.insert(bytes);

        const QCursor c = ProgramCursor(QString::fromLatin1(name));
        EXPECT_EQ(c.shape(), Qt::BitmapCursor) << name;
        EXPECT_EQ(c.hotSpot(), hot) << name;
    }
    EXPECT_TRUE(ProgramCursorImage(QStringLiteral("GIBTESNICHT")).isNull());
    EXPECT_EQ(ProgramCursor(QStringLiteral("GIBTESNICHT")).shape(), Qt::ArrowCursor);
}
