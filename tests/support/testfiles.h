#pragma once

#include <QString>
#include <QTemporaryDir>

namespace bw::test {

// The source tree (for resources and samples) as CTest passes it.
inline QString SourceDir() {
    const QByteArray d = qgetenv("BRETTWERK_SOURCE_DIR");
    return d.isEmpty() ? QStringLiteral(".") : QString::fromLocal8Bit(d);
}

} // namespace bw::test
