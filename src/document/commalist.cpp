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

// Writes item at out, quoted when it holds a blank, control character, comma or double
// quote, and returns the end; out has room for 2 * item.size() + 2 characters.
char16_t* PutCommaItem(char16_t* out, QStringView item) {
    const char16_t* p = item.utf16();
    const qsizetype n = item.size();
    const bool quote = std::any_of(
        p, p + n, [](char16_t c) { return IsBlankOrControl(c) || c == u',' || c == u'"'; });
    if (!quote) return std::copy(p, p + n, out);
    *out++ = u'"';
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] == u'"') *out++ = u'"';
        *out++ = p[i];
    }
    *out++ = u'"';
    return out;
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
    qsizetype room = 0;
    for (const QString& item : items)
        room += 2 * item.size() + 3;
    QString out(room, Qt::Uninitialized);
    char16_t* const begin = reinterpret_cast<char16_t*>(out.data());
    char16_t* end = begin;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i > 0) *end++ = u',';
        end = PutCommaItem(end, items[i]);
    }
    out.truncate(end - begin);
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
    // Every line takes at most twice its length, two quotes and a comma.
    const qsizetype breaks = std::count_if(text.cbegin(), text.cend(), [](QChar c) {
        return c == QLatin1Char('\r') || c == QLatin1Char('\n');
    });
    QString out(2 * text.size() + 3 * (breaks + 1), Qt::Uninitialized);
    char16_t* const begin = reinterpret_cast<char16_t*>(out.data());
    char16_t* end = begin;
    qsizetype lines = 0;
    ForEachLine(text, [&](QStringView line) {
        if (lines++ > 0) *end++ = u',';
        end = PutCommaItem(end, line);
    });
    // A single empty line still needs its quotes, or it would read as no line at all.
    if (lines == 1 && end == begin) return QStringLiteral("\"\"");
    out.truncate(end - begin);
    return out;
}

QString DecodeCommaList(const QString& stored) {
    return TrimBlanks(SplitCommaItems(stored).join(QStringLiteral("\r\n")));
}

} // namespace bw
