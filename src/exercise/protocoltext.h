#pragma once

#include "view/rtfwriter.h"

#include <QList>
#include <QString>
#include <QStringList>

class QTextDocument;

namespace bw {

// The protocol as the protocol window holds it: lines separated by "\r\n", tabs between
// label and value, headings marked by a leading "<tit>" (any letter case).
class ProtocolText {
public:
    static constexpr int kPointSize = 9;
    static constexpr int kHeadingGapPointSize = 4;
    static constexpr int kTabStopPoints = 160;

    void Clear() { lines_.clear(); }
    // Adds the lines of text; a final line break does not add an empty line.
    void Append(const QString& text);
    // Appends a comment under the heading "Kommentar"; false (and nothing added) when the
    // comment is empty after trimming.
    bool AppendComment(const QString& comment);

    const QStringList& Lines() const { return lines_; }
    bool IsEmpty() const { return lines_.isEmpty(); }

    // Headings in bold followed by a small empty line, everything else in 9 pt.
    QList<RtfParagraph> Paragraphs() const;
    QByteArray Rtf() const;
    QString Html() const;
    QString PlainText() const; // headings without their mark, "\r\n" line ends

    // Fills a rich-text document (the window's view of the protocol); the tab stop is given
    // in the document's pixels.
    void FillDocument(QTextDocument& doc, qreal tabStopPixels) const;

private:
    QStringList lines_;
};

// Puts protocol text into the protocol, clearing it first when asked.
inline void FormatProtocol(ProtocolText& protocol, const QString& text, bool clear) {
    if (clear) protocol.Clear();
    protocol.Append(text);
}

// Splits text into lines at "\r\n", "\r" or "\n"; a trailing break adds no empty line.
QStringList SplitProtocolLines(const QString& text);

} // namespace bw
