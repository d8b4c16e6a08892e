#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace bw::test {

// The source tree (for resources and samples).
inline QString SourceDir() {
    return QStringLiteral(BRETTWERK_SOURCE_DIR);
}

// The whole of a file; empty when it cannot be read.
inline QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Replaces a file's contents with bytes; false when that fails.
inline bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// One of the bundled sample documents.
inline QString Sample(const QString& name) {
    return SourceDir() + QStringLiteral("/samples/") + name;
}

} // namespace bw::test
