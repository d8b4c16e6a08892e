#include "exercise/protocoltext.h"

#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace bw {

namespace {

const QString kHeadingMark = QStringLiteral("<tit>");

bool IsHeading(const QString& line) {
    return line.startsWith(kHeadingMark, Qt::CaseInsensitive);
}

} // namespace

QStringList SplitProtocolLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) continue;
        lines << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n')) ++i;
        start = i + 1;
    }
    if (start < n) lines << text.mid(start);
    return lines;
}

void ProtocolText::Append(const QString& text) {
    lines_ << SplitProtocolLines(text);
}

bool ProtocolText::AppendComment(const QString& comment) {
    const QString t = comment.trimmed();
    if (t.isEmpty()) return false;
    Append(QStringLiteral("\r\n<tit>Kommentar\r\n") + t);
    return true;
}

QList<RtfParagraph> ProtocolText::Paragraphs() const {
    QList<RtfParagraph> out;
    for (const QString& line : lines_) {
        if (IsHeading(line)) {
            out.append({line.mid(kHeadingMark.size()), kPointSize, true});
            out.append({QString(), kHeadingGapPointSize, false});
        } else {
            out.append({line, kPointSize, false});
        }
    }
    return out;
}

QByteArray ProtocolText::Rtf() const {
    return ParagraphsToRtf(Paragraphs(), kTabStopPoints);
}

QString ProtocolText::Html() const {
    return ParagraphsToHtml(Paragraphs());
}

QString ProtocolText::PlainText() const {
    QString out;
    for (const RtfParagraph& p : Paragraphs())
        out += p.text + QStringLiteral("\r\n");
    return out;
}

void ProtocolText::FillDocument(QTextDocument& doc, qreal tabStopPixels) const {
    doc.clear();
    QTextCursor cursor(&doc);
    QTextBlockFormat block;
    block.setTabPositions({QTextOption::Tab(tabStopPixels, QTextOption::LeftTab)});
    bool first = true;
    for (const RtfParagraph& p : Paragraphs()) {
        QTextCharFormat chars;
        chars.setFontFamilies({QStringLiteral("Arial")});
        chars.setFontPointSize(p.pointSize);
        chars.setFontWeight(p.bold ? QFont::Bold : QFont::Normal);
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        cursor.setBlockCharFormat(chars);
        cursor.insertText(p.text, chars);
        first = false;
    }
}

} // namespace bw
