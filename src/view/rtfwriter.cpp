#include "view/rtfwriter.h"

#include "document/cp1252.h"
#include "document/safefile.h"
#include "view/markup.h"

#include <QRegularExpression>

namespace bw {

namespace {

void AppendEscaped(QByteArray& out, const QString& line) {
    for (char32_t u : line.toUcs4()) {
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u < 0x20) {
            continue;
        } else if (u < 0x80) {
            out += char(u);
        } else if (const int c = Cp1252Byte(u, true); c >= 0) {
            out += QByteArray("\\'") + QByteArray::number(c, 16).rightJustified(2, '0');
        } else {
            // \u takes a signed 16-bit value; characters beyond the BMP as surrogate pairs.
            const QString s = QString::fromUcs4(&u, 1);
            for (QChar ch : s)
                out += "\\u" + QByteArray::number(qint16(ch.unicode())) + '?';
        }
    }
}

} // namespace

QByteArray ParagraphsToRtf(const QList<RtfParagraph>& paragraphs, int tabStopPoints) {
    const int firstSize = paragraphs.isEmpty() ? 10 : paragraphs.first().pointSize;
    QByteArray out;
    out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1";
    out += "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n";
    out += "\\viewkind4\\pard";
    if (tabStopPoints > 0) out += "\\tx" + QByteArray::number(tabStopPoints * 20); // twips
    out += "\\plain\\f0\\fs" + QByteArray::number(firstSize * 2) + ' ';
    int size = firstSize;
    bool bold = false;
    for (const RtfParagraph& para : paragraphs) {
        if (para.bold != bold) {
            bold = para.bold;
            out += bold ? "\\b " : "\\b0 ";
        }
        if (para.pointSize != size) {
            size = para.pointSize;
            out += "\\fs" + QByteArray::number(size * 2) + ' ';
        }
        AppendEscaped(out, para.text);
        out += "\\par\r\n";
    }
    out += "}\r\n";
    return out;
}

QString ParagraphsToHtml(const QList<RtfParagraph>& paragraphs) {
    QString html = QStringLiteral("<html><body style=\"font-family:Arial\">");
    for (const RtfParagraph& para : paragraphs) {
        html += QStringLiteral("<p style=\"margin:0; white-space:pre-wrap; font-size:%1pt%2\">")
                    .arg(para.pointSize)
                    .arg(para.bold ? QStringLiteral("; font-weight:bold") : QString());
        html += para.text.isEmpty() ? QStringLiteral("&nbsp;") : para.text.toHtmlEscaped();
        html += QStringLiteral("</p>\n");
    }
    html += QStringLiteral("</body></html>");
    return html;
}

QByteArray PlainLinesToRtf(const QStringList& lines, int pointSize) {
    QList<RtfParagraph> paragraphs;
    for (const QString& line : lines)
        paragraphs.append({line, pointSize, false});
    return ParagraphsToRtf(paragraphs);
}

QString PlainLinesToHtml(const QStringList& lines, int pointSize) {
    QString html = QStringLiteral("<html><body><div style=\"font-family:Arial; font-size:%1pt\">")
                       .arg(pointSize);
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0) html += QStringLiteral("<br>\n");
        html += lines[i].toHtmlEscaped();
    }
    html += QStringLiteral("</div></body></html>");
    return html;
}

QStringList InfoTextCopyLines(const QString& cap) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = cap.split(breaks);
    for (QString& l : lines)
        l = StripStyleTags(l);
    return lines;
}

bool WriteRtfFile(const QString& path, const QByteArray& rtf) {
    return bool(WriteFileSafely(path, rtf));
}

} // namespace bw
