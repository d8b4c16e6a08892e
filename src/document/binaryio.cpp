#include "document/binaryio.h"

#include "document/cp1252.h"

#include <QIODevice>
#include <QtEndian>

#include <cstring>

namespace bw {

namespace {

constexpr char kPngSignature[8] = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1A', '\n'};
// Pieces in which a sequential device is read, so a lying length cannot reserve memory.
constexpr qsizetype kDevicePiece = 64 * 1024;
// Small items gather here before they go to the device.
constexpr qsizetype kWriteBuffer = 64 * 1024;
// PNG streams from this size on share the reader's buffer instead of being copied.
constexpr qsizetype kShareFrom = 256 * 1024;

} // namespace

qsizetype PngStreamLength(QByteArrayView data) {
    const qsizetype n = data.size();
    if (n < 8 || std::memcmp(data.data(), kPngSignature, 8) != 0) return -1;
    const auto* p = reinterpret_cast<const uchar*>(data.data());
    qsizetype pos = 8;
    for (;;) {
        if (n - pos < 12) return -1;
        const quint32 len = qFromBigEndian<quint32>(p + pos);
        // Chunk lengths are limited to 2^31 - 1.
        if (len > 0x7FFFFFFFu || qsizetype(len) > n - pos - 12) return -1;
        const bool iend = std::memcmp(p + pos + 4, "IEND", 4) == 0;
        pos += 12 + qsizetype(len);
        if (iend) return pos;
    }
}

QByteArray SharedSlice(const QByteArray& whole, qsizetype pos, qsizetype n) {
    Q_ASSERT(pos >= 0 && n >= 0 && pos + n <= whole.size());
    QByteArray holder = whole;
    QByteArray::DataPointer dp = holder.data_ptr(); // one more reference to the buffer
    if (!dp.d_ptr()) return whole.sliced(pos, n);   // raw data: nothing to share
    // A data pointer that starts inside the buffer is a state QByteArray uses itself
    // (after removing from the front); it detaches as usual on the first write.
    dp.setBegin(dp.data() + pos);
    dp.size = n;
    return QByteArray(std::move(dp));
}

// ByteReader

bool ByteReader::take(qsizetype n) {
    if (!ok_ || n < 0 || n > remaining()) {
        ok_ = false;
        return false;
    }
    return true;
}

qint32 ByteReader::readInt32() {
    if (!take(4)) return 0;
    const qint32 v = qFromLittleEndian<qint32>(data_.constData() + pos_);
    pos_ += 4;
    return v;
}

double ByteReader::readFloat64() {
    if (!take(8)) return 0;
    const quint64 bits = qFromLittleEndian<quint64>(data_.constData() + pos_);
    pos_ += 8;
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

DoubleRect ByteReader::readDouble4() {
    DoubleRect r;
    r.left = readFloat64();
    r.top = readFloat64();
    r.right = readFloat64();
    r.bottom = readFloat64();
    return ok_ ? r : DoubleRect{};
}

QByteArray ByteReader::readLengthBytes() {
    const qint32 n = readInt32();
    if (!take(n)) return {};
    QByteArray out(data_.constData() + pos_, n);
    pos_ += n;
    return out;
}

QString ByteReader::readLengthString() {
    const qint32 n = readInt32();
    if (!take(n)) return {};
    QString s = DecodeCp1252(QByteArrayView(data_.constData() + pos_, n));
    pos_ += n;
    return s;
}

QByteArray ByteReader::readPngStream() {
    if (!ok_) return {};
    const qsizetype len = PngStreamLength(QByteArrayView(data_).sliced(pos_));
    if (len < 0) {
        ok_ = false;
        return {};
    }
    // Small streams are copied so that they alone do not keep a large buffer alive.
    QByteArray out = len < kShareFrom ? data_.sliced(pos_, len) : SharedSlice(data_, pos_, len);
    pos_ += len;
    return out;
}

// DeviceReader

QByteArray DeviceReader::readExact(qsizetype n) {
    if (!ok_ || n < 0) {
        ok_ = false;
        return {};
    }
    QByteArray out;
    if (!in_.isSequential()) {
        if (n > in_.size() - in_.pos()) {
            ok_ = false;
            return {};
        }
        out = in_.read(n);
    } else {
        while (out.size() < n) {
            const QByteArray piece = in_.read(qMin(kDevicePiece, n - out.size()));
            if (piece.isEmpty() && !in_.waitForReadyRead(30000)) break;
            out += piece;
        }
    }
    if (out.size() != n) {
        ok_ = false;
        return {};
    }
    return out;
}

qint32 DeviceReader::readInt32() {
    const QByteArray b = readExact(4);
    return ok_ ? qFromLittleEndian<qint32>(b.constData()) : 0;
}

QByteArray DeviceReader::readLengthBytes() {
    const qint32 n = readInt32();
    return ok_ ? readExact(n) : QByteArray();
}

QString DeviceReader::readLengthString() {
    return DecodeCp1252(readLengthBytes());
}

// ByteWriter

void ByteWriter::flush() {
    if (used_ == 0) return;
    if (ok_ && out_.write(buffer_.constData(), used_) != used_) ok_ = false;
    used_ = 0;
}

void ByteWriter::writeRaw(QByteArrayView bytes) {
    if (!ok_ || bytes.isEmpty()) return; // an empty view may have no data at all
    if (used_ + bytes.size() <= kWriteBuffer) {
        if (buffer_.isEmpty()) buffer_.resize(kWriteBuffer);
        std::memcpy(buffer_.data() + used_, bytes.data(), size_t(bytes.size()));
        used_ += bytes.size();
        return;
    }
    flush();
    if (ok_ && out_.write(bytes.data(), bytes.size()) != bytes.size()) ok_ = false;
}

void ByteWriter::writeInt32(qint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    writeRaw(QByteArrayView(b, 4));
}

void ByteWriter::writeFloat64(double v) {
    quint64 bits;
    std::memcpy(&bits, &v, sizeof bits);
    char b[8];
    qToLittleEndian(bits, b);
    writeRaw(QByteArrayView(b, 8));
}

void ByteWriter::writeDouble4(const DoubleRect& r) {
    writeFloat64(r.left);
    writeFloat64(r.top);
    writeFloat64(r.right);
    writeFloat64(r.bottom);
}

void ByteWriter::writeLengthBytes(QByteArrayView bytes) {
    if (bytes.size() > 0x7FFFFFFF) {
        ok_ = false;
        return;
    }
    writeInt32(qint32(bytes.size()));
    writeRaw(bytes);
}

void ByteWriter::writeLengthString(const QString& text) {
    writeLengthBytes(EncodeCp1252(text));
}

bool ByteWriter::finish() {
    flush();
    return ok_;
}

} // namespace bw
