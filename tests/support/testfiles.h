#pragma once

#include <QString>

namespace bw::test {

// The source tree (for resources and samples).
inline QString SourceDir() { return QStringLiteral(BRETTWERK_SOURCE_DIR); }

} // namespace bw::test
