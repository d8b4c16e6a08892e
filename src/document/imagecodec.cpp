#include "document/imagecodec.h"

#include "document/halving.h"
#include "platform/largememory.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include <jpeglib.h>
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdlib>
#include <cstring>
#include <vector>

// libpng and libjpeg report errors by longjmp. Each setjmp sits in a small function of its
// own whose results live in the caller's frame, so no object modified after the setjmp is
// read again after the jump, and every destructor still runs in the caller.

namespace bw {

namespace {

constexpr qint64 kMaxPixels = kMaxPicturePixels;
// Deflate never packs more than about 1032 bytes into one.
constexpr qint64 kMaxDeflateRatio = 1032;

struct PngReadSource {
    const uchar* data;
    qsizetype size;
    qsizetype pos;
};

void PngRead(png_structp png, png_bytep out, png_size_t len) {
    auto* src = static_cast<PngReadSource*>(png_get_io_ptr(png));
    if (static_cast<qsizetype>(len) > src->size - src->pos) png_error(png, "truncated");
    std::memcpy(out, src->data + src->pos, len);
    src->pos += static_cast<qsizetype>(len);
}

void PngWarning(png_structp, png_const_charp) {}
void PngError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

void PngWrite(png_structp png, png_bytep data, png_size_t len) {
    auto* out = static_cast<QByteArray*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(len));
}
void PngFlush(png_structp) {}

// Sum of the IDAT chunk lengths, walking the chunks as far as they go.
qint64 IdatBytes(const uchar* data, qsizetype size) {
    qint64 sum = 0;
    qsizetype pos = 8;
    while (size - pos >= 12) {
        const quint32 len = qFromBigEndian<quint32>(data + pos);
        if (len > 0x7FFFFFFFu) break;
        const qint64 avail = qMin<qint64>(len, size - pos - 12);
        if (std::memcmp(data + pos + 4, "IDAT", 4) == 0) sum += avail;
        if (std::memcmp(data + pos + 4, "IEND", 4) == 0 || avail < qint64(len)) break;
        pos += 12 + qsizetype(len);
    }
    return sum;
}

// The least number of bytes the image data must inflate to (filter bytes not counted).
qint64 RawBytesLowerBound(png_uint_32 w, png_uint_32 h, int depth, int colorType) {
    int channels = 1;
    if (colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
        channels = 2;
    else if (colorType == PNG_COLOR_TYPE_RGB)
        channels = 3;
    else if (colorType == PNG_COLOR_TYPE_RGB_ALPHA)
        channels = 4;
    return qint64(h) * ((qint64(w) * channels * depth + 7) / 8);
}

struct PngDecode {
    const uchar* data;
    qsizetype size;
    QImage image;
    bool wantHalvings = false;
    Halvings halvings;
    std::vector<png_bytep> rows;
    std::vector<uchar> row;
};

// The common streams (8-bit RGB, RGBA or gray, not interlaced) are read as stored and
// turned into QImage pixels by one loop of our own: cheaper than libpng's byte-wise swap
// and filler transforms, and RGBA lands premultiplied without a second pass.
bool IsPlainStream(png_structp png, png_infop info, int depth, int colorType, int interlace) {
    return depth == 8 && interlace == PNG_INTERLACE_NONE &&
           !png_get_valid(png, info, PNG_INFO_tRNS) &&
           (colorType == PNG_COLOR_TYPE_RGB || colorType == PNG_COLOR_TYPE_RGB_ALPHA ||
            colorType == PNG_COLOR_TYPE_GRAY);
}

// Runs inside RunPngDecode's setjmp frame, so it keeps nothing with a destructor itself.
bool ReadPlainRows(png_structp png, png_uint_32 w, png_uint_32 h, int colorType, PngDecode& d) {
    const bool alpha = colorType == PNG_COLOR_TYPE_RGB_ALPHA;
    const size_t channels = colorType == PNG_COLOR_TYPE_GRAY ? 1 : alpha ? 4 : 3;
    d.image = NewLargeImage(int(w), int(h),
                            alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (d.image.isNull()) return false;
    Pixels32 half, quarter;
    if (d.wantHalvings && qint64(w) * h >= kHalfWorthPixels) {
        QImage& h1 = d.halvings[0];
        QImage& h2 = d.halvings[1];
        h1 = NewLargeImage(int(w / 2), int(h / 2), d.image.format());
        if (!h1.isNull()) {
            half = Pixels32::Of(h1);
            h2 = NewLargeImage(h1.width() / 2, h1.height() / 2, h1.format());
            if (!h2.isNull()) quarter = Pixels32::Of(h2);
        }
    }
    d.row.resize(size_t(w) * channels);
    for (png_uint_32 y = 0; y < h; ++y) {
        png_read_row(png, d.row.data(), nullptr);
        const uchar* s = d.row.data();
        auto* dst = reinterpret_cast<quint32*>(d.image.scanLine(int(y)));
        if (colorType == PNG_COLOR_TYPE_RGB) {
            for (png_uint_32 x = 0; x < w; ++x, s += 3)
                dst[x] = 0xFF000000u | quint32(s[0]) << 16 | quint32(s[1]) << 8 | s[2];
        } else if (alpha) {
            for (png_uint_32 x = 0; x < w; ++x, s += 4)
                dst[x] = qPremultiply(qRgba(s[0], s[1], s[2], s[3]));
        } else {
            for (png_uint_32 x = 0; x < w; ++x)
                dst[x] = 0xFF000000u | quint32(s[x]) * 0x010101u;
        }
        // Both rows are still in the cache; read again later, they would come from memory.
        if (half.bits && (y & 1)) {
            const int k = int(y / 2);
            HalveRows(d.image, half, k, k + 1);
            if (quarter.bits && (k & 1)) HalveRows(d.halvings[0], quarter, k / 2, k / 2 + 1);
        }
    }
    return true;
}

bool RunPngDecode(png_structp png, png_infop info, PngDecode& d) {
    if (setjmp(png_jmpbuf(png))) return false;
    PngReadSource src{d.data, d.size, 0};
    png_set_read_fn(png, &src, PngRead);
    png_set_user_limits(png, 0x7fffffff, 0x7fffffff);
    // No ancillary chunk (text, profile) may claim more memory than the stream holds.
    png_set_chunk_malloc_max(png, png_alloc_size_t(d.size) + 4096);
    png_read_info(png, info);
    png_uint_32 w = 0, h = 0;
    int depth = 0, colorType = 0, interlace = 0;
    png_get_IHDR(png, info, &w, &h, &depth, &colorType, &interlace, nullptr, nullptr);
    // The pixels must be justified by the compressed data the stream actually holds.
    const qint64 idat = IdatBytes(d.data, d.size);
    if (w == 0 || h == 0 || qint64(w) * qint64(h) > kMaxPixels ||
        RawBytesLowerBound(w, h, depth, colorType) > idat * kMaxDeflateRatio + 1024)
        return false;
    if (IsPlainStream(png, info, depth, colorType, interlace)) {
        if (!ReadPlainRows(png, w, h, colorType, d)) return false;
        png_read_end(png, nullptr);
        return true;
    }
    const bool hasAlpha =
        (colorType & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS);
    if (depth == 16) png_set_strip_16(png);
    if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if ((colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) && depth < 8)
        png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    // QImage 32-bit pixels are BGRA in memory on little-endian machines.
    png_set_bgr(png);
    if (!hasAlpha) png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != png_size_t(w) * 4) return false;
    // The rarer kinds go through libpng's transforms straight into the scanlines.
    d.image =
        NewLargeImage(int(w), int(h), hasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (d.image.isNull()) return false;
    if (passes == 1) {
        for (png_uint_32 y = 0; y < h; ++y)
            png_read_row(png, d.image.scanLine(int(y)), nullptr);
    } else {
        d.rows.resize(h);
        for (png_uint_32 y = 0; y < h; ++y)
            d.rows[y] = d.image.scanLine(int(y));
        png_read_image(png, d.rows.data());
    }
    png_read_end(png, nullptr);
    return true;
}

// The rows go to libpng as plain RGB or RGBA, converted by one loop of our own.
bool RunPngEncode(png_structp png, png_infop info, const QImage& src, bool alpha, int level,
                  std::vector<uchar>& row, QByteArray& out) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, &out, PngWrite, PngFlush);
    png_set_compression_level(png, level);
    const int w = src.width();
    png_set_IHDR(png, info, png_uint_32(w), png_uint_32(src.height()), 8,
                 alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const bool premultiplied = src.format() == QImage::Format_ARGB32_Premultiplied;
    row.resize(size_t(w) * (alpha ? 4 : 3));
    for (int y = 0; y < src.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        uchar* d = row.data();
        if (!alpha) {
            for (int x = 0; x < w; ++x, d += 3) {
                d[0] = uchar(qRed(p[x]));
                d[1] = uchar(qGreen(p[x]));
                d[2] = uchar(qBlue(p[x]));
            }
        } else {
            for (int x = 0; x < w; ++x, d += 4) {
                const QRgb c = premultiplied ? qUnpremultiply(p[x]) : p[x];
                d[0] = uchar(qRed(c));
                d[1] = uchar(qGreen(c));
                d[2] = uchar(qBlue(c));
                d[3] = uchar(qAlpha(c));
            }
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    return true;
}

} // namespace

qint64 PngPixelCount(const uchar* data, qsizetype size) {
    // Signature, then the IHDR chunk: length, type, width, height.
    static const uchar kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (size < 24 || std::memcmp(data, kSignature, 8) != 0 || std::memcmp(data + 12, "IHDR", 4))
        return -1;
    return qint64(qFromBigEndian<quint32>(data + 16)) * qFromBigEndian<quint32>(data + 20);
}

namespace {

bool DecodePngInto(PngDecode& d) {
    if (!d.data || d.size < 8 || png_sig_cmp(d.data, 0, 8) != 0) return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, PngWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    const bool ok = info && RunPngDecode(png, info, d);
    png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    if (!ok) return false;
    // Premultiplied in place: Qt would convert an image in memory of our own into a copy.
    if (d.image.format() == QImage::Format_ARGB32) {
        for (int y = 0; y < d.image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(d.image.scanLine(y));
            for (int x = 0; x < d.image.width(); ++x)
                line[x] = qPremultiply(line[x]);
        }
        d.image.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    }
    return true;
}

} // namespace

bool DecodePng(const uchar* data, qsizetype size, QImage& out) {
    PngDecode d{data, size};
    if (!DecodePngInto(d)) return false;
    out = std::move(d.image);
    return true;
}

bool DecodePng(const uchar* data, qsizetype size, QImage& out, Halvings& halvings) {
    PngDecode d{data, size};
    d.wantHalvings = true;
    halvings = {};
    if (!DecodePngInto(d)) return false;
    out = std::move(d.image);
    halvings = std::move(d.halvings);
    return true;
}

QByteArray EncodePng(const QImage& image, int level) {
    if (image.isNull()) return {};
    const bool alpha = image.hasAlphaChannel();
    // The usual formats are read row by row as they are; others are converted once.
    const QImage::Format f = image.format();
    const bool direct = f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
                        f == QImage::Format_ARGB32_Premultiplied;
    const QImage src =
        direct ? image
               : image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, PngWarning);
    if (!png) return {};
    png_infop info = png_create_info_struct(png);
    QByteArray out;
    out.reserve(qsizetype(src.width()) * src.height() / 2 + 1024);
    std::vector<uchar> row;
    const bool ok = info && RunPngEncode(png, info, src, alpha, level, row, out);
    png_destroy_write_struct(&png, info ? &info : nullptr);
    return ok ? out : QByteArray();
}

namespace {

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};
void JpegErrorExit(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<JpegError*>(cinfo->err);
    std::longjmp(err->jump, 1);
}
void JpegSilent(j_common_ptr, int) {}

bool RunJpegDecode(jpeg_decompress_struct& cinfo, JpegError& err, const QByteArray& data,
                   QImage& img, std::vector<unsigned char>& row) {
    if (setjmp(err.jump)) return false;
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);
    const qint64 pixels = qint64(cinfo.image_width) * qint64(cinfo.image_height);
    // Even a flat picture needs some bytes per block of pixels; a few bytes claiming a
    // huge picture would only make us allocate gigabytes of grey.
    const qint64 plausible = std::max<qint64>(qint64(1) << 24, qint64(data.size()) * 4096);
    if (pixels > kMaxPixels || pixels > plausible) return false;
#ifdef JCS_EXTENSIONS
    cinfo.out_color_space = JCS_EXT_BGRX;
#else
    cinfo.out_color_space = JCS_RGB;
#endif
    jpeg_start_decompress(&cinfo);
    img = NewLargeImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB32);
    if (img.isNull()) return false;
#ifndef JCS_EXTENSIONS
    row.resize(size_t(cinfo.output_width) * 3);
#endif
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = int(cinfo.output_scanline);
#ifdef JCS_EXTENSIONS
        Q_UNUSED(row);
        JSAMPROW r = img.scanLine(y);
        jpeg_read_scanlines(&cinfo, &r, 1);
#else
        JSAMPROW r = row.data();
        jpeg_read_scanlines(&cinfo, &r, 1);
        auto* dst = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (unsigned x = 0; x < cinfo.output_width; ++x)
            dst[x] = qRgb(row[x * 3], row[x * 3 + 1], row[x * 3 + 2]);
#endif
    }
    jpeg_finish_decompress(&cinfo);
    return true;
}

struct JpegOut {
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    ~JpegOut() { std::free(buffer); }
};

bool RunJpegEncode(jpeg_compress_struct& cinfo, JpegError& err, const QImage& src, int quality,
                   JpegOut& out) {
    if (setjmp(err.jump)) return false;
    jpeg_mem_dest(&cinfo, &out.buffer, &out.size);
    cinfo.image_width = JDIMENSION(src.width());
    cinfo.image_height = JDIMENSION(src.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW r = const_cast<JSAMPROW>(src.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    return true;
}

} // namespace

bool DecodeJpeg(const QByteArray& data, QImage& out) {
    if (data.size() < 4) return false;
    jpeg_decompress_struct cinfo;
    JpegError err;
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = JpegErrorExit;
    err.mgr.emit_message = JpegSilent;
    jpeg_create_decompress(&cinfo);
    QImage img;
    std::vector<unsigned char> row;
    const bool ok = RunJpegDecode(cinfo, err, data, img, row);
    jpeg_destroy_decompress(&cinfo);
    if (!ok) return false;
    out = std::move(img);
    return true;
}

QByteArray EncodeJpeg(const QImage& image, int quality) {
    if (image.isNull()) return {};
    const QImage src = image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct cinfo;
    JpegError err;
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = JpegErrorExit;
    jpeg_create_compress(&cinfo);
    JpegOut out;
    const bool ok = RunJpegEncode(cinfo, err, src, quality, out);
    jpeg_destroy_compress(&cinfo);
    if (!ok) return {};
    return QByteArray(reinterpret_cast<const char*>(out.buffer), qsizetype(out.size));
}

bool DecodeBmp(const QByteArray& data, QImage& out) {
    QBuffer buf;
    buf.setData(data);
    buf.open(QIODevice::ReadOnly);
    QImageReader reader(&buf, "bmp");
    const QSize s = reader.size();
    if (s.isValid() && qint64(s.width()) * s.height() > kMaxPixels) return false;
    QImage img = reader.read();
    if (img.isNull()) return false;
    out = img.hasAlphaChannel() ? img.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                : img.convertToFormat(QImage::Format_RGB32);
    return true;
}

} // namespace bw
