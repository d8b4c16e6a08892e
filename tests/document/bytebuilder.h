#pragma once

#include <QBuffer>
#include <QByteArray>
#include <cstring>

namespace bw::test {

// Builds file bytes by hand, independently of the writer under test.
struct Bytes {
    QByteArray data;

    Bytes& i32(qint32 v) {
        const quint32 u = quint32(v);
        for (int k = 0; k < 4; ++k)
            data += char((u >> (8 * k)) & 0xFF);
        return *this;
    }
    Bytes& f64(double v) {
        quint64 u;
        std::memcpy(&u, &v, 8);
        for (int k = 0; k < 8; ++k)
            data += char((u >> (8 * k)) & 0xFF);
        return *this;
    }
    Bytes& str(const QByteArray& s) {
        i32(qint32(s.size()));
        data += s;
        return *this;
    }
    Bytes& raw(const QByteArray& s) {
        data += s;
        return *this;
    }
};

} // namespace bw::test
