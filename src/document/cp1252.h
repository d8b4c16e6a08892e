#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace bw {

// Windows-1252 as every file of the program stores text. Lossless for bytes: the five
// values Windows leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control
// characters of the same number and back, so any byte string survives a round trip.
QString DecodeCp1252(QByteArrayView bytes);
// Characters outside the code page become '?', one per character (not per UTF-16 unit).
QByteArray EncodeCp1252(const QString& text);
// The byte of one character, or -1. Strict leaves out the five unassigned values, for
// writers whose readers do not take them as their C1 characters.
int Cp1252Byte(char32_t c, bool strict = false);

} // namespace bw
