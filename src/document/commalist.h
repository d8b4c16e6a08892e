#pragma once

#include <QString>
#include <QStringList>

namespace bw {

// The comma-list form in which object texts are stored: lines joined by commas, a line
// quoted when it holds a blank, control character, comma or double quote.
QString EncodeCommaList(const QString& text);
// The reverse: entries joined with CR LF, the result trimmed of characters <= 32.
QString DecodeCommaList(const QString& stored);

// The same form for a list of items that may themselves hold line breaks: items joined by
// commas, an item quoted when it holds a blank, control character, comma or double quote.
QString EncodeCommaItems(const QStringList& items);
// The items of a stored list, in order.
QStringList SplitCommaItems(const QString& stored);

// Characters up to and including the blank removed from both ends.
QString TrimBlanks(const QString& s);

// Lines ending at CR LF, LF or a lone CR; a final line break does not start another line.
QStringList SplitLines(const QString& text);

} // namespace bw
