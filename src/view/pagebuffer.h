#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

namespace bw {

// Large working bitmaps are allocated on 4 KiB boundaries: copies between buffers that are
// misaligned by a few bytes modulo 4 KiB run several times slower.
QImage NewPageAlignedImage(int width, int height, QImage::Format format);

// Copies src into dst; both must have the same size and format. Never detaches into an
// unaligned heap copy.
void CopyWholeImage(QImage& dst, const QImage& src);

// Copies srcRect of src to dstPos in dst, clipped to both images. Same format required.
void CopyImageRect(QImage& dst, QPoint dstPos, const QImage& src, const QRect& srcRect);

// Fills a rectangle of a 32-bit image with one ARGB value.
void FillImageRect(QImage& img, const QRect& rect, QRgb value);

} // namespace bw
