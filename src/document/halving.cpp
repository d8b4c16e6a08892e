#include "document/halving.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif
// AVX2 is chosen at run time where the compiler can build it for a machine without it.
#if (defined(__GNUC__) || defined(__clang__)) && defined(__x86_64__)
#define BW_HALVING_AVX2 1
#include <immintrin.h>
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

#ifdef BW_HALVING_AVX2
// Four output pixels from eight pixels of each row. AVX2 unpacks within each 128-bit lane,
// so the result holds pixels 0, 1 in the low lane and 2, 3 in the high one, in 16-bit lanes.
__attribute__((target("avx2"))) inline __m256i MeanPairs8(__m256i a, __m256i b) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i lo =
        _mm256_add_epi16(_mm256_unpacklo_epi8(a, zero), _mm256_unpacklo_epi8(b, zero));
    const __m256i hi =
        _mm256_add_epi16(_mm256_unpackhi_epi8(a, zero), _mm256_unpackhi_epi8(b, zero));
    const __m256i first = _mm256_add_epi16(lo, _mm256_srli_si256(lo, 8));
    const __m256i second = _mm256_add_epi16(hi, _mm256_srli_si256(hi, 8));
    const __m256i sums = _mm256_unpacklo_epi64(first, second);
    return _mm256_srli_epi16(_mm256_add_epi16(sums, _mm256_set1_epi16(2)), 2);
}

// Eight output pixels a step; returns how many pixels of the row it did.
__attribute__((target("avx2"))) int HalveRowAvx2(const quint32* a, const quint32* b, quint32* out,
                                                 int w) {
    int x = 0;
    for (; x + 8 <= w; x += 8) {
        const auto* pa = reinterpret_cast<const __m256i*>(a + 2 * x);
        const auto* pb = reinterpret_cast<const __m256i*>(b + 2 * x);
        const __m256i first = MeanPairs8(_mm256_loadu_si256(pa), _mm256_loadu_si256(pb));
        const __m256i second = MeanPairs8(_mm256_loadu_si256(pa + 1), _mm256_loadu_si256(pb + 1));
        // Packing works per lane too: pixels come out as 0 1 4 5 2 3 6 7; put them in order.
        const __m256i packed = _mm256_packus_epi16(first, second);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x),
                            _mm256_permute4x64_epi64(packed, 0xD8));
    }
    return x;
}

bool HasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#endif

} // namespace

void HalveRows(const QImage& src, const Pixels32& dst, int top, int bottom, HalvingCode code) {
    const int w = std::min(dst.width, src.width() / 2);
    top = std::max(0, top);
    bottom = std::min({bottom, dst.height, src.height() / 2});
#ifdef BW_HALVING_AVX2
    const bool avx2 = code == HalvingCode::Best && HasAvx2();
#endif
    for (int y = top; y < bottom; ++y) {
        const auto* a = reinterpret_cast<const quint32*>(src.constScanLine(2 * y));
        const auto* b = reinterpret_cast<const quint32*>(src.constScanLine(2 * y + 1));
        auto* out = reinterpret_cast<quint32*>(dst.bits + y * dst.bytesPerLine);
        int x = 0;
#ifdef BW_HALVING_AVX2
        if (avx2) x = HalveRowAvx2(a, b, out, w);
#endif
#if defined(__SSE2__) || defined(_M_X64)
        if (code != HalvingCode::Plain) {
            for (; x + 4 <= w; x += 4) {
                const auto* pa = reinterpret_cast<const __m128i*>(a + 2 * x);
                const auto* pb = reinterpret_cast<const __m128i*>(b + 2 * x);
                const __m128i first = MeanPairs(_mm_loadu_si128(pa), _mm_loadu_si128(pb));
                const __m128i second = MeanPairs(_mm_loadu_si128(pa + 1), _mm_loadu_si128(pb + 1));
                _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x),
                                 _mm_packus_epi16(first, second));
            }
        }
#endif
        for (; x < w; ++x)
            out[x] = MeanOfFour(a[2 * x], a[2 * x + 1], b[2 * x], b[2 * x + 1]);
    }
}

} // namespace bw
