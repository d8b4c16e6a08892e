#include "view/pagebuffer.h"

#include "platform/largememory.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

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

QImage NewPageAlignedImage(int width, int height, QImage::Format format) {
    width = std::max(1, width);
    height = std::max(1, height);
    QImage img = NewLargeImage(width, height, format);
    if (img.isNull()) return QImage(width, height, format); // let Qt try (and report a null image)
    return img;
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

namespace {

// The rounded mean of four pixels, two channels per word (ten bits hold a sum of four).
inline quint32 MeanOfFour(quint32 p0, quint32 p1, quint32 p2, quint32 p3) {
    constexpr quint32 kLanes = 0x00FF00FF;
    constexpr quint32 kHalf = 0x00020002;
    const quint32 rb = (p0 & kLanes) + (p1 & kLanes) + (p2 & kLanes) + (p3 & kLanes) + kHalf;
    const quint32 ag = ((p0 >> 8) & kLanes) + ((p1 >> 8) & kLanes) + ((p2 >> 8) & kLanes) +
                       ((p3 >> 8) & kLanes) + kHalf;
    return ((rb >> 2) & kLanes) | (((ag >> 2) & kLanes) << 8);
}

#if defined(__SSE2__) || defined(_M_X64)
// Two output pixels from four pixels of each row, in 16-bit lanes.
inline __m128i MeanPairs(__m128i a, __m128i b) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i lo = _mm_add_epi16(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero));
    const __m128i hi = _mm_add_epi16(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero));
    // Each 64-bit half holds one pixel's four channels; add the neighbours.
    const __m128i first = _mm_add_epi16(lo, _mm_srli_si128(lo, 8));
    const __m128i second = _mm_add_epi16(hi, _mm_srli_si128(hi, 8));
    const __m128i sums = _mm_unpacklo_epi64(first, second);
    return _mm_srli_epi16(_mm_add_epi16(sums, _mm_set1_epi16(2)), 2);
}
#endif

} // namespace

void HalveRows(const QImage& src, const Pixels32& dst, int top, int bottom) {
    const int w = std::min(dst.width, src.width() / 2);
    top = std::max(0, top);
    bottom = std::min({bottom, dst.height, src.height() / 2});
    for (int y = top; y < bottom; ++y) {
        const auto* a = reinterpret_cast<const quint32*>(src.constScanLine(2 * y));
        const auto* b = reinterpret_cast<const quint32*>(src.constScanLine(2 * y + 1));
        auto* out = reinterpret_cast<quint32*>(dst.bits + y * dst.bytesPerLine);
        int x = 0;
#if defined(__SSE2__) || defined(_M_X64)
        for (; x + 4 <= w; x += 4) {
            const auto* pa = reinterpret_cast<const __m128i*>(a + 2 * x);
            const auto* pb = reinterpret_cast<const __m128i*>(b + 2 * x);
            const __m128i first = MeanPairs(_mm_loadu_si128(pa), _mm_loadu_si128(pb));
            const __m128i second = MeanPairs(_mm_loadu_si128(pa + 1), _mm_loadu_si128(pb + 1));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), _mm_packus_epi16(first, second));
        }
#endif
        for (; x < w; ++x)
            out[x] = MeanOfFour(a[2 * x], a[2 * x + 1], b[2 * x], b[2 * x + 1]);
    }
}

} // namespace bw
