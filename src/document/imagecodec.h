#pragma once

#include "document/halving.h"
#include <QByteArray>

#include <QImage>

namespace bw {

// What pictures may cost once decoded (4 bytes a pixel): one picture at most 40 million
// pixels (a 7300 x 5500 photograph, 160 MB), all pictures of one document together at most
// 100 million (400 MB). A few kilobytes of compressed data can claim far more.
constexpr qint64 kMaxPicturePixels = 40'000'000;
constexpr qint64 kMaxDocumentPixels = 100'000'000;

// Width times height a PNG stream declares in its header, or -1 when it has none.
qint64 PngPixelCount(const uchar* data, qsizetype size);

// PNG through libpng, JPEG through libjpeg; results are 32-bit (RGB32, or
// ARGB32_Premultiplied when the picture has transparency). Damaged input, and pictures of
// more than kMaxPicturePixels, return false.
bool DecodePng(const uchar* data, qsizetype size, QImage& out);
// The same; a picture of kHalfWorthPixels or more in the usual 8-bit RGB, RGBA or grey also
// gives its halvings (the picture at half and at quarter size, each pixel the mean of a
// 2 x 2 block of the step before, as HalveRows makes it), made from each pair of rows while
// they are fresh from the decoder. Otherwise both are null.
constexpr qint64 kHalfWorthPixels = 4'000'000;
bool DecodePng(const uchar* data, qsizetype size, QImage& out, Halvings& halvings);
QByteArray EncodePng(const QImage& image, int level = 5);
bool DecodeJpeg(const QByteArray& data, QImage& out);
QByteArray EncodeJpeg(const QImage& image, int quality = 99);
// Windows bitmaps through Qt's reader.
bool DecodeBmp(const QByteArray& data, QImage& out);

} // namespace bw
