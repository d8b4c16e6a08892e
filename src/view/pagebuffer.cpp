#include "view/pagebuffer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace bw {

namespace {
constexpr std::size_t kPage = 4096;

void FreeAligned(void* p) {
    std::free(p);
}
} // namespace

QImage NewPageAlignedImage(int width, int height, QImage::Format format) {
    width = std::max(1, width);
    height = std::max(1, height);
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    const qsizetype bpl = ((qsizetype(width) * depth + 31) / 32) * 4;
    const std::size_t bytes = std::size_t(bpl) * std::size_t(height);
    const std::size_t rounded = (bytes + kPage - 1) / kPage * kPage;
    void* mem = std::aligned_alloc(kPage, rounded);
    if (!mem) return QImage(width, height, format); // let Qt try (and report a null image)
    return QImage(static_cast<uchar*>(mem), width, height, bpl, format, FreeAligned, mem);
}

void CopyWholeImage(QImage& dst, const QImage& src) {
    if (dst.size() != src.size() || dst.format() != src.format() ||
        dst.bytesPerLine() != src.bytesPerLine()) {
        CopyImageRect(dst, {0, 0}, src, src.rect());
        return;
    }
    std::memcpy(dst.bits(), src.constBits(), std::size_t(src.sizeInBytes()));
}

void CopyImageRect(QImage& dst, QPoint dstPos, const QImage& src, const QRect& srcRect) {
    if (dst.isNull() || src.isNull() || dst.depth() != 32 || src.depth() != 32) return;
    QRect s = srcRect.intersected(src.rect());
    if (s.isEmpty()) return;
    // Keep the destination inside dst, shifting the source with it.
    QPoint d = dstPos + (s.topLeft() - srcRect.topLeft());
    QRect dr(d, s.size());
    QRect dc = dr.intersected(dst.rect());
    if (dc.isEmpty()) return;
    s = QRect(s.topLeft() + (dc.topLeft() - dr.topLeft()), dc.size());
    const std::size_t rowBytes = std::size_t(s.width()) * 4;
    const uchar* sp = src.constScanLine(s.top()) + s.left() * 4;
    uchar* dp = dst.scanLine(dc.top()) + dc.left() * 4;
    const qsizetype sbpl = src.bytesPerLine();
    const qsizetype dbpl = dst.bytesPerLine();
    for (int y = 0; y < s.height(); ++y) {
        std::memcpy(dp, sp, rowBytes);
        sp += sbpl;
        dp += dbpl;
    }
}

void FillImageRect(QImage& img, const QRect& rect, QRgb value) {
    if (img.isNull() || img.depth() != 32) return;
    const QRect r = rect.intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y)) + r.left();
        std::fill(line, line + r.width(), value);
    }
}

} // namespace bw
