#include "document/commalist.h"

#include <QStringList>

namespace bw {

namespace {

bool IsBlankOrControl(QChar c) {
    return c.unicode() <= 32;
}

} // namespace

QString TrimBlanks(const QString& s) {
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && IsBlankOrControl(s[b]))
        ++b;
    while (e > b && IsBlankOrControl(s[e - 1]))
        --e;
    return s.mid(b, e - b);
}

QStringList SplitLines(const QString& text) {
    // Like a string list's text: a final line break does not start another line.
    QStringList lines;
    QString cur;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines << cur;
            cur.clear();
            if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n')) ++i;
            ++i;
            continue;
        }
        cur += c;
        ++i;
    }
    if (!cur.isEmpty()) lines << cur;
    return lines;
}

QString EncodeCommaItems(const QStringList& items) {
    if (items.size() == 1 && items[0].isEmpty()) return QStringLiteral("\"\"");
    QStringList out;
    out.reserve(items.size());
    for (const QString& item : items) {
        bool quote = false;
        for (QChar c : item) {
            if (IsBlankOrControl(c) || c == QLatin1Char(',') || c == QLatin1Char('"')) {
                quote = true;
                break;
            }
        }
        if (quote) {
            QString q = item;
            q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            out << QLatin1Char('"') + q + QLatin1Char('"');
        } else {
            out << item;
        }
    }
    return out.join(QLatin1Char(','));
}

QStringList SplitCommaItems(const QString& stored) {
    const QString& s = stored;
    QStringList entries;
    const qsizetype n = s.size();
    qsizetype p = 0;
    auto skipBlanks = [&] {
        while (p < n && IsBlankOrControl(s[p]))
            ++p;
    };
    skipBlanks();
    while (p < n) {
        QString entry;
        if (s[p] == QLatin1Char('"')) {
            ++p;
            while (p < n) {
                if (s[p] == QLatin1Char('"')) {
                    if (p + 1 < n && s[p + 1] == QLatin1Char('"')) {
                        entry += QLatin1Char('"');
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                entry += s[p++];
            }
        } else {
            const qsizetype start = p;
            while (p < n && !IsBlankOrControl(s[p]) && s[p] != QLatin1Char(','))
                ++p;
            entry = s.mid(start, p - start);
        }
        entries << entry;
        skipBlanks();
        if (p < n && s[p] == QLatin1Char(',')) {
            if (p + 1 >= n) entries << QString();
            do {
                ++p;
            } while (p < n && IsBlankOrControl(s[p]));
        }
    }
    return entries;
}

QString EncodeCommaList(const QString& text) {
    return EncodeCommaItems(SplitLines(text));
}

QString DecodeCommaList(const QString& stored) {
    return TrimBlanks(SplitCommaItems(stored).join(QStringLiteral("\r\n")));
}

} // namespace bw
