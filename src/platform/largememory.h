#pragma once

#include <QImage>
#include <cstddef>

namespace bw {

// Memory for large bitmaps (decoded pictures, the view's working pages). Aligned to 4 KiB:
// copies between buffers misaligned by a few bytes modulo 4 KiB run several times slower.
// Blocks of kHugeBlock and more are aligned to it and, where the system offers it, backed by
// huge pages: faulting in a fresh picture page by page costs more than decoding it, and a
// huge page takes one fault for 512 small ones.
inline constexpr std::size_t kHugeBlock = std::size_t(2) << 20;

// Null when there is no memory. The block's bytes are undefined.
void* AllocateLarge(std::size_t bytes);
void FreeLarge(void* block);

// A width x height image of format in such memory (contents undefined); null when there is
// no memory. Below kHugeBlock it is an ordinary image of 4 KiB aligned memory.
QImage NewLargeImage(int width, int height, QImage::Format format);

// Bytes per line of a width-pixel image of format as Qt lays it out (32-bit aligned).
qsizetype ImageBytesPerLine(int width, QImage::Format format);

} // namespace bw
