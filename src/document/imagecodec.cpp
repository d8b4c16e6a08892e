#include "document/imagecodec.h"

#include <QBuffer>
#include <QImageReader>

#include <png.h>
#include <jpeglib.h>

#include <csetjmp>
#include <cstring>
#include <vector>

namespace bw {

namespace {

// Pictures larger than this are refused rather than allocated (hostile headers).
constexpr qint64 kMaxPixels = 20000LL * 20000LL;

struct PngReadSource {
    const uchar* data;
    qsizetype size;
    qsizetype pos;
};

void PngRead(png_structp png, png_bytep out, png_size_t len) {
    auto* src = static_cast<PngReadSource*>(png_get_io_ptr(png));
    if (static_cast<qsizetype>(len) > src->size - src->pos)
        png_error(png, "truncated");
    std::memcpy(out, src->data + src->pos, len);
    src->pos += static_cast<qsizetype>(len);
}

void PngWarning(png_structp, png_const_charp) {}
void PngError(png_structp png, png_const_charp) { png_longjmp(png, 1); }

void PngWrite(png_structp png, png_bytep data, png_size_t len) {
    auto* out = static_cast<QByteArray*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(len));
}
void PngFlush(png_structp) {}

} // namespace

bool DecodePng(const uchar* data, qsizetype size, QImage& out) {
    if (size < 8 || png_sig_cmp(data, 0, 8) != 0)
        return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, PngWarning);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    PngReadSource src{data, size, 0};
    QImage img;
    std::vector<png_bytep> rows;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &src, PngRead);
    png_set_user_limits(png, 0x7fffffff, 0x7fffffff);
    png_read_info(png, info);
    png_uint_32 w = 0, h = 0;
    int depth = 0, colorType = 0, interlace = 0;
    png_get_IHDR(png, info, &w, &h, &depth, &colorType, &interlace, nullptr, nullptr);
    if (w == 0 || h == 0 || qint64(w) * qint64(h) > kMaxPixels) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    const bool hasAlpha =
        (colorType & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS);
    if (depth == 16)
        png_set_strip_16(png);
    if (colorType == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(png);
    if ((colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) && depth < 8)
        png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS))
        png_set_tRNS_to_alpha(png);
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    // QImage 32-bit pixels are BGRA in memory on little-endian machines.
    png_set_bgr(png);
    if (!hasAlpha)
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != png_size_t(w) * 4) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    img = QImage(int(w), int(h), hasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (img.isNull()) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    rows.resize(h);
    for (png_uint_32 y = 0; y < h; ++y)
        rows[y] = img.scanLine(int(y));
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    out = hasAlpha ? img.convertToFormat(QImage::Format_ARGB32_Premultiplied) : img;
    return true;
}

QByteArray EncodePng(const QImage& image, int level) {
    if (image.isNull())
        return {};
    const bool alpha = image.hasAlphaChannel();
    const QImage src = image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    QByteArray out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, PngWarning);
    if (!png)
        return {};
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return {};
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    out.reserve(qsizetype(src.width()) * src.height() / 2 + 1024);
    png_set_write_fn(png, &out, PngWrite, PngFlush);
    png_set_compression_level(png, level);
    png_set_IHDR(png, info, png_uint_32(src.width()), png_uint_32(src.height()), 8,
                 alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_set_bgr(png);
    if (!alpha)
        png_set_filler(png, 0, PNG_FILLER_AFTER);
    for (int y = 0; y < src.height(); ++y)
        png_write_row(png, const_cast<png_bytep>(src.constScanLine(y)));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
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
} // namespace

bool DecodeJpeg(const QByteArray& data, QImage& out) {
    if (data.size() < 4)
        return false;
    jpeg_decompress_struct cinfo;
    JpegError err;
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = JpegErrorExit;
    err.mgr.emit_message = JpegSilent;
    QImage img;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);
    if (qint64(cinfo.image_width) * qint64(cinfo.image_height) > kMaxPixels) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
#ifdef JCS_EXTENSIONS
    cinfo.out_color_space = JCS_EXT_BGRX;
#else
    cinfo.out_color_space = JCS_RGB;
#endif
    jpeg_start_decompress(&cinfo);
    img = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB32);
    if (img.isNull()) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
#ifndef JCS_EXTENSIONS
    std::vector<unsigned char> row(size_t(cinfo.output_width) * 3);
#endif
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = int(cinfo.output_scanline);
#ifdef JCS_EXTENSIONS
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
    jpeg_destroy_decompress(&cinfo);
    out = img;
    return true;
}

QByteArray EncodeJpeg(const QImage& image, int quality) {
    if (image.isNull())
        return {};
    const QImage src = image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct cinfo;
    JpegError err;
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = JpegErrorExit;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        free(buffer);
        return {};
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &buffer, &size);
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
    QByteArray out(reinterpret_cast<const char*>(buffer), qsizetype(size));
    jpeg_destroy_compress(&cinfo);
    free(buffer);
    return out;
}

bool DecodeBmp(const QByteArray& data, QImage& out) {
    QBuffer buf;
    buf.setData(data);
    buf.open(QIODevice::ReadOnly);
    QImageReader reader(&buf, "bmp");
    const QSize s = reader.size();
    if (s.isValid() && qint64(s.width()) * s.height() > kMaxPixels)
        return false;
    QImage img = reader.read();
    if (img.isNull())
        return false;
    out = img.hasAlphaChannel() ? img.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                : img.convertToFormat(QImage::Format_RGB32);
    return true;
}

} // namespace bw
