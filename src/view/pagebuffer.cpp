#include "view/pagebuffer.h"

#include "platform/largememory.h"

#include <algorithm>
#include <cstring>

namespace bw {

namespace {
std::shared_ptr<uchar> AlignedBlock(std::size_t bytes) {
    auto* mem = static_cast<uchar*>(AllocateLarge(bytes));
    if (!mem) return {};
    return std::shared_ptr<uchar>(mem, FreeLarge);
}

void ReleaseBlockRef(void* ref) {
    delete static_cast<std::shared_ptr<uchar>*>(ref);
}
} // namespace

std::size_t ImageStore::BytesFor(QSize size, QImage::Format format) {
    const int w = std::max(1, size.width());
    const int h = std::max(1, size.height());
    return std::size_t(ImageBytesPerLine(w, format)) * std::size_t(h);
}

void ImageStore::Shape(QImage& img, QSize size, QImage::Format format, std::size_t reserveBytes) {
    const int w = std::max(1, size.width());
    const int h = std::max(1, size.height());
    const std::size_t needed = BytesFor(size, format);
    const std::size_t wanted = std::max(needed, reserveBytes);
    img = QImage(); // lets go of our own reference to the block
    // Reused only when nothing else still shows an image made in it, and not kept when the
    // document and view now need much less.
    const bool reuse =
        block_ && block_.use_count() == 1 && capacity_ >= needed && capacity_ <= 2 * wanted;
    if (!reuse) {
        block_.reset();
        capacity_ = 0;
        block_ = AlignedBlock(wanted);
        if (!block_) {
            img = QImage(w, h, format); // let Qt try (and report a null image)
            return;
        }
        capacity_ = wanted;
    }
    auto* ref = new std::shared_ptr<uchar>(block_);
    img = QImage(block_.get(), w, h, ImageBytesPerLine(w, format), format, ReleaseBlockRef, ref);
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
