#pragma once

#include <QString>

namespace bw::test {

// The source tree (for resources and samples).
inline QString SourceDir() {
    return QStringLiteral(BRETTWERK_SOURCE_DIR);
}

// One of the bundled sample documents.
inline QString Sample(const QString& name) {
    return SourceDir() + QStringLiteral("/samples/") + name;
}

} // namespace bw::test
