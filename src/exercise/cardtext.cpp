#include "exercise/cardtext.h"

namespace bw {

namespace {

bool BlankOrControl(QChar c) {
    return c == u' ' || c.unicode() < 0x20 || c.unicode() == 0x7F;
}

} // namespace

QString NormalizeCardText(const QString& text) {
    QString s = text;
    const QString hyphenBreak = QStringLiteral("-\r\n");
    for (qsizetype p = s.indexOf(hyphenBreak); p >= 0; p = s.indexOf(hyphenBreak)) {
        if (p + 3 >= s.size()) break;
        const QChar next = s.at(p + 3);
        // A capital, digit or sign after the break: a real hyphen ("Nord-\r\nAmerika").
        if (next == next.toUpper())
            s.remove(p + 1, 2);
        else
            s.remove(p, 3);
    }
    s.replace(u'\n', u' ');
    s.replace(u'\r', u' ');
    s.replace(QStringLiteral("  "), QStringLiteral(" "));
    qsizetype a = 0, b = s.size();
    while (a < b && BlankOrControl(s.at(a)))
        ++a;
    while (b > a && BlankOrControl(s.at(b - 1)))
        --b;
    return s.mid(a, b - a);
}

} // namespace bw
