#include "platform/largememory.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

#if defined(_WIN32)
#include <malloc.h>
#elif defined(__linux__)
#include <sys/mman.h>
#endif

namespace bw {

namespace {
constexpr std::size_t kPage = 4096;

std::size_t RoundUp(std::size_t n, std::size_t to) {
    return (n + to - 1) / to * to;
}
} // namespace

void* AllocateLarge(std::size_t bytes) {
    const std::size_t align = bytes >= kHugeBlock ? kHugeBlock : kPage;
    const std::size_t rounded = RoundUp(std::max<std::size_t>(bytes, 1), align);
    if (rounded < bytes) return nullptr; // wrapped
#if defined(_WIN32)
    return _aligned_malloc(rounded, align);
#else
    void* p = std::aligned_alloc(align, rounded);
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    // Only advice: where huge pages are off or none is free the kernel uses small ones.
    if (p && align == kHugeBlock) madvise(p, rounded, MADV_HUGEPAGE);
#endif
    return p;
#endif
}

void FreeLarge(void* block) {
#if defined(_WIN32)
    _aligned_free(block);
#else
    std::free(block);
#endif
}

qsizetype ImageBytesPerLine(int width, QImage::Format format) {
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    return ((qsizetype(width) * depth + 31) / 32) * 4;
}

QImage NewLargeImage(int width, int height, QImage::Format format) {
    if (width <= 0 || height <= 0) return {};
    const qsizetype bpl = ImageBytesPerLine(width, format);
    const std::uint64_t bytes = std::uint64_t(bpl) * std::uint64_t(height);
    if (bpl <= 0 || bytes > std::numeric_limits<std::size_t>::max()) return {};
    void* mem = AllocateLarge(std::size_t(bytes));
    if (!mem) return {};
    return QImage(static_cast<uchar*>(mem), width, height, bpl, format, FreeLarge, mem);
}

} // namespace bw
