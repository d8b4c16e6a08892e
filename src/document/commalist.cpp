#include "document/commalist.h"

#include <QStringList>

#include <algorithm>

namespace bw {

namespace {

bool IsBlankOrControl(QChar c) {
    return c.unicode() <= 32;
}

// Calls f with each line of text, as SplitLines splits it, without copying.
template <typename F> void ForEachLine(QStringView text, F f) {
    // Like a string list's text: a final line break does not start another line.
    const qsizetype n = text.size();
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
            ++i;
            continue;
        }
        f(text.sliced(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n')) ++i;
        start = ++i;
    }
    if (start < n) f(text.sliced(start));
}

// Appends item, quoted when it holds a blank, control character, comma or double quote.
void AppendCommaItem(QString& out, QStringView item) {
    const auto special = [](QChar c) {
        return IsBlankOrControl(c) || c == QLatin1Char(',') || c == QLatin1Char('"');
    };
    if (std::none_of(item.begin(), item.end(), special)) {
        out += item;
        return;
    }
    out += QLatin1Char('"');
    qsizetype from = 0;
    for (qsizetype q = item.indexOf(QLatin1Char('"')); q >= 0;
         q = item.indexOf(QLatin1Char('"'), q + 1)) {
        out += item.sliced(from, q + 1 - from);
        out += QLatin1Char('"');
        from = q + 1;
    }
    out += item.sliced(from);
    out += QLatin1Char('"');
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
    QStringList lines;
    ForEachLine(text, [&lines](QStringView line) { lines << line.toString(); });
    return lines;
}

QString EncodeCommaItems(const QStringList& items) {
    if (items.size() == 1 && items[0].isEmpty()) return QStringLiteral("\"\"");
    QString out;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i > 0) out += QLatin1Char(',');
        AppendCommaItem(out, items[i]);
    }
    return out;
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
    QString out;
    out.reserve(text.size() + 8);
    int lines = 0;
    ForEachLine(text, [&](QStringView line) {
        if (lines++ > 0) out += QLatin1Char(',');
        AppendCommaItem(out, line);
    });
    // A single empty line still needs its quotes, or it would read as no line at all.
    if (lines == 1 && out.isEmpty()) return QStringLiteral("\"\"");
    return out;
}

QString DecodeCommaList(const QString& stored) {
    return TrimBlanks(SplitCommaItems(stored).join(QStringLiteral("\r\n")));
}

} // namespace bw
