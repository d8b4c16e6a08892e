#pragma once

#include "document/objdata.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QIODevice;

namespace bw {

// The primitive encodings of the program's binary files: Int32, Float64 (little-endian),
// LengthString (Int32 byte count + Windows-1252 bytes), Double4 (left, top, right, bottom)
// and PngStream (a complete PNG file found by walking its chunks to IEND).

// Length of the PNG stream at the start of data, up to and including the IEND chunk;
// -1 when the signature is wrong or a chunk runs past the end of data.
qsizetype PngStreamLength(QByteArrayView data);

// A slice of whole that shares its buffer instead of copying it.
QByteArray SharedSlice(const QByteArray& whole, qsizetype pos, qsizetype n);

// Reads primitives from a byte buffer. Every length is checked against the bytes that
// remain, so nothing is allocated that the buffer does not hold. The first failure sticks:
// later reads return zero values and ok() stays false.
class ByteReader {
public:
    explicit ByteReader(QByteArray data) : data_(std::move(data)) {}

    bool ok() const { return ok_; }
    qsizetype pos() const { return pos_; }
    qsizetype remaining() const { return data_.size() - pos_; }

    qint32 readInt32();
    double readFloat64();
    DoubleRect readDouble4();
    // The raw bytes of a LengthString.
    QByteArray readLengthBytes();
    QString readLengthString();
    // A large stream shares the reader's buffer; a small one is copied.
    QByteArray readPngStream();
    void fail() { ok_ = false; }

private:
    bool take(qsizetype n);

    QByteArray data_;
    qsizetype pos_ = 0;
    bool ok_ = true;
};

// The same primitives read straight from a device, for callers that need only the start
// of a file. A length is checked against the device size; from a sequential device the
// bytes are fetched in bounded pieces so memory grows only with what actually arrives.
class DeviceReader {
public:
    explicit DeviceReader(QIODevice& in) : in_(in) {}

    bool ok() const { return ok_; }
    qint32 readInt32();
    QByteArray readLengthBytes();
    QString readLengthString();

private:
    QByteArray readExact(qsizetype n);

    QIODevice& in_;
    bool ok_ = true;
};

// Writes primitives to a device through a small buffer; large blocks (PNG streams) go to
// the device directly. The first failure sticks; finish() flushes and reports it.
class ByteWriter {
public:
    explicit ByteWriter(QIODevice& out) : out_(out) {}

    void writeInt32(qint32 v);
    void writeFloat64(double v);
    void writeDouble4(const DoubleRect& r);
    void writeLengthBytes(QByteArrayView bytes);
    void writeLengthString(const QString& text);
    void writeRaw(QByteArrayView bytes);
    bool finish();
    bool ok() const { return ok_; }

private:
    void flush();

    QIODevice& out_;
    QByteArray buffer_; // allocated at the first write, filled up to used_
    qsizetype used_ = 0;
    bool ok_ = true;
};

} // namespace bw
