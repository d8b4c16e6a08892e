#pragma once

#include "document/halving.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <cstddef>
#include <memory>

namespace bw {

// The memory of one working bitmap, kept across size changes. Fresh memory for every zoom
// step costs more than drawing the page (the kernel faults in and clears every page), so the
// view reserves room for the largest bitmap the document and the view need and reshapes the
// bitmap inside it.
class ImageStore {
public:
    // Makes img a size.width() x size.height() image of format (contents undefined), in this
    // store's memory when it holds at least reserveBytes and nobody else still holds a copy
    // of an image made in it; otherwise in new memory of max(needed, reserveBytes) bytes.
    void Shape(QImage& img, QSize size, QImage::Format format, std::size_t reserveBytes = 0);
    std::size_t capacity() const { return capacity_; }

    // Bytes of a width x height image of format laid out as Shape lays it out.
    static std::size_t BytesFor(QSize size, QImage::Format format);

private:
    std::shared_ptr<uchar> block_;
    std::size_t capacity_ = 0;
};

// Copies src into dst; both must have the same size and format. Never detaches into an
// unaligned heap copy.
void CopyWholeImage(QImage& dst, const QImage& src);

// Copies srcRect of src to dstPos in dst, clipped to both images. Same format required.
void CopyImageRect(QImage& dst, QPoint dstPos, const QImage& src, const QRect& srcRect);

// Fills a rectangle of a 32-bit image with one ARGB value.
void FillImageRect(QImage& img, const QRect& rect, QRgb value);

} // namespace bw
