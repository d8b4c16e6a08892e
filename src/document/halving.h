#pragma once

#include <QImage>
#include <array>

namespace bw {

// The pixels of a 32-bit bitmap to be written from several threads at once: taken once,
// before they start, so that none of them touches the image's shared state.
struct Pixels32 {
    uchar* bits = nullptr;
    qsizetype bytesPerLine = 0;
    int width = 0;
    int height = 0;
    static Pixels32 Of(QImage& img) {
        return {img.bits(), img.bytesPerLine(), img.width(), img.height()};
    }
};

// A picture at half and at quarter size (each step HalveRows of the one before), made while
// it was decoded; either null when it was not made.
using Halvings = std::array<QImage, 2>;

// The code HalveRows runs: the fastest the processor has, or (for the tests) SSE2 only or
// plain C++ only. All give the same pixels.
enum class HalvingCode { Best, Sse2, Plain };

// Rows top..bottom-1 of dst, a 32-bit image of half src's size (rounded down), as the rounded
// mean of each 2 x 2 block of src (32-bit too): area averaging for a factor of two exactly.
void HalveRows(const QImage& src, const Pixels32& dst, int top, int bottom,
               HalvingCode code = HalvingCode::Best);

} // namespace bw
