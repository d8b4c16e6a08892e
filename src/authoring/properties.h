#pragma once

#include <QString>

namespace bw {

// The file lines of the properties dialog, "(konnte nicht ermittelt werden)" when the file
// cannot be looked at.
QString FileSizeText(const QString& path);
QString FileDateText(const QString& path);

} // namespace bw
