#include "view/rtfwriter.h"

#include "document/safefile.h"
#include "view/markup.h"

#include <QRegularExpression>

namespace bw {

namespace {

// Windows-1252 0x80..0x9F; 0 where the code page has no character.
const char16_t kCp1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                  0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int ToCp1252(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return int(u);
    for (int i = 0; i < 32; ++i) {
        if (kCp1252High[i] != 0 && kCp1252High[i] == u) return 0x80 + i;
    }
    return -1;
}

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
        } else if (const int c = ToCp1252(u); c >= 0) {
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
