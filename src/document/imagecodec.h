#pragma once

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
// gives half, the picture at half size (the mean of each 2 x 2 block, as HalveRows makes
// it), made from each pair of rows while they are fresh from the decoder. Otherwise half is
// null.
constexpr qint64 kHalfWorthPixels = 4'000'000;
bool DecodePng(const uchar* data, qsizetype size, QImage& out, QImage& half);
QByteArray EncodePng(const QImage& image, int level = 5);
bool DecodeJpeg(const QByteArray& data, QImage& out);
QByteArray EncodeJpeg(const QImage& image, int quality = 99);
// Windows bitmaps through Qt's reader.
bool DecodeBmp(const QByteArray& data, QImage& out);

} // namespace bw
