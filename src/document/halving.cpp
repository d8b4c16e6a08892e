#include "document/halving.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

#include <algorithm>

namespace bw {

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
