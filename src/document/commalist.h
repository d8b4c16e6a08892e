#pragma once

#include <QString>

namespace bw {

// The comma-list form in which object texts are stored: lines joined by commas, a line
// quoted when it holds a blank, control character, comma or double quote.
QString EncodeCommaList(const QString& text);
// The reverse: entries joined with CR LF, the result trimmed of characters <= 32.
QString DecodeCommaList(const QString& stored);

} // namespace bw
