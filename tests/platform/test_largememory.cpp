// Large-bitmap memory: laid out as Qt lays out its own images, aligned, and an ordinary
// image in every other respect (copies detach, conversions work, the memory is freed).

#include "platform/largememory.h"

#include <QImage>
#include <cstdint>
#include <gtest/gtest.h>

using namespace bw;

namespace {

std::uintptr_t Address(const QImage& img) {
    return reinterpret_cast<std::uintptr_t>(img.constBits());
}

} // namespace

TEST(LargeMemory, RowsAreLaidOutAsQtLaysThemOut) {
    for (QImage::Format f : {QImage::Format_Mono, QImage::Format_Indexed8, QImage::Format_RGB16,
                             QImage::Format_RGB888, QImage::Format_RGB32}) {
        for (int w : {1, 3, 7, 33, 1001}) {
            const QImage ours = NewLargeImage(w, 5, f);
            ASSERT_FALSE(ours.isNull()) << f << " " << w;
            EXPECT_EQ(ours.bytesPerLine(), QImage(w, 5, f).bytesPerLine()) << f << " " << w;
            EXPECT_EQ(ImageBytesPerLine(w, f), ours.bytesPerLine());
        }
    }
}

TEST(LargeMemory, SmallImagesSitOnPagesAndLargeOnesOnHugeBlocks) {
    const QImage small = NewLargeImage(100, 100, QImage::Format_RGB32);
    EXPECT_EQ(Address(small) % 4096, 0u);
    const QImage large = NewLargeImage(2000, 1500, QImage::Format_RGB32);
    ASSERT_FALSE(large.isNull());
    EXPECT_EQ(Address(large) % kHugeBlock, 0u);
}

TEST(LargeMemory, BehavesAsAnOrdinaryImage) {
    QImage img = NewLargeImage(1200, 900, QImage::Format_RGB32); // over kHugeBlock
    ASSERT_FALSE(img.isNull());
    for (int y = 0; y < img.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            row[x] = qRgb(x & 255, y & 255, (x + y) & 255);
    }
    const QImage before = img.copy();
    QImage copy = img;
    copy.setPixel(10, 10, qRgb(1, 2, 3)); // the copy detaches; the original keeps its pixels
    EXPECT_EQ(img, before);
    EXPECT_EQ(copy.pixel(10, 10), qRgb(1, 2, 3));
    EXPECT_EQ(img.convertToFormat(QImage::Format_Grayscale8),
              before.convertToFormat(QImage::Format_Grayscale8));
    img.convertTo(QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(img.pixel(1199, 899), before.pixel(1199, 899));
}

TEST(LargeMemory, ImpossibleSizesGiveANullImage) {
    EXPECT_TRUE(NewLargeImage(0, 10, QImage::Format_RGB32).isNull());
    EXPECT_TRUE(NewLargeImage(10, -1, QImage::Format_RGB32).isNull());
    // Far more than any machine has: refused, not a crash.
    EXPECT_TRUE(NewLargeImage(1 << 30, 1 << 30, QImage::Format_RGB32).isNull());
    EXPECT_EQ(AllocateLarge(~std::size_t(0) - 100), nullptr);
}
