#pragma once

#include <QString>

namespace bw {

// The text of a card as shown, logged and compared: hyphenated line breaks joined, line
// breaks as blanks, double blanks halved once, trimmed.
QString NormalizeCardText(const QString& text);

} // namespace bw
