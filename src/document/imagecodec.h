#pragma once

#include <QByteArray>
#include <QImage>

namespace bw {

// PNG through libpng, JPEG through libjpeg; results are 32-bit (RGB32, or
// ARGB32_Premultiplied when the picture has transparency). Damaged input returns false.
bool DecodePng(const uchar* data, qsizetype size, QImage& out);
QByteArray EncodePng(const QImage& image, int level = 5);
bool DecodeJpeg(const QByteArray& data, QImage& out);
QByteArray EncodeJpeg(const QImage& image, int quality = 99);
// Windows bitmaps through Qt's reader.
bool DecodeBmp(const QByteArray& data, QImage& out);

} // namespace bw
