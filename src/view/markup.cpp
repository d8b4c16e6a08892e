#include "view/markup.h"

#include "common/helpers.h"

#include "view/glyphcache.h"
#include "view/objectpainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>
#include <cmath>

namespace bw {

namespace {

struct Tag {
    enum Kind { Bold, Italic, Underline, Linie, PosX, Reb, Col };
    Kind kind = Bold;
    bool on = true;
    int length = 0;
    int value = 0;
};

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
bool IsHex(QChar c) {
    return IsDigit(c) || (c.toUpper() >= u'A' && c.toUpper() <= u'F');
}

bool StartsWithCI(const QString& text, int p, QLatin1StringView s) {
    return p + s.size() <= text.size() &&
           QStringView(text).mid(p, s.size()).compare(s, Qt::CaseInsensitive) == 0;
}

// Recognises a tag at p, only in its exact form.
bool MatchTag(const QString& t, int p, Tag& tag) {
    if (t[p] != u'<' || p + 1 >= t.size()) return false;
    // Every tag goes on with one of these; a text full of "<" is told apart at once.
    const QChar second = t[p + 1].toUpper();
    if (second != u'/' && second != u'@' && second != u'B' && second != u'I' && second != u'U')
        return false;
    struct Simple {
        const char* text;
        Tag::Kind kind;
        bool on;
    };
    static const Simple simple[] = {
        {"<B>", Tag::Bold, true},       {"</B>", Tag::Bold, false},
        {"<I>", Tag::Italic, true},     {"</I>", Tag::Italic, false},
        {"<U>", Tag::Underline, true},  {"</U>", Tag::Underline, false},
        {"<@LINIE>", Tag::Linie, true}, {"</@COL>", Tag::Col, false},
    };
    for (const Simple& s : simple) {
        const QLatin1StringView v(s.text);
        if (StartsWithCI(t, p, v)) {
            tag = {s.kind, s.on, int(v.size()), 0};
            return true;
        }
    }
    struct Param {
        const char* pattern; // 'd' a decimal digit, 'h' a hexadecimal digit
        Tag::Kind kind;
    };
    static const Param params[] = {
        {"<@POSX=dd%>", Tag::PosX},
        {"<@REB=dd>", Tag::Reb},
        {"<@COL=hhhhhh>", Tag::Col},
    };
    for (const Param& prm : params) {
        const QLatin1StringView pat(prm.pattern);
        if (p + pat.size() > t.size()) continue;
        bool ok = true;
        QString digits;
        for (int i = 0; ok && i < pat.size(); ++i) {
            const QChar c = t[p + i];
            const char pc = prm.pattern[i];
            if (pc == 'd') {
                ok = IsDigit(c);
                digits += c;
            } else if (pc == 'h') {
                ok = IsHex(c);
            } else {
                ok = c.toUpper() == QLatin1Char(pc);
            }
        }
        if (ok) {
            tag = {prm.kind, true, int(pat.size()), digits.isEmpty() ? 0 : digits.toInt()};
            return true;
        }
    }
    return false;
}

class LineLayout {
public:
    LineLayout(MarkupCanvas& c, int availableWidth, int pageHeight, int startX, int y,
               double fontSize, int fontHeight, int mode, bool createObjects, const QColor& colour,
               bool measureOnly)
        : c_(c), pageHeight_(pageHeight), startX_(startX), x_(startX), y_(y), mode_(mode),
          create_(createObjects), colour_(colour), measureOnly_(measureOnly),
          painter_(measureOnly ? nullptr : c.painter) {
        const int px = fontHeight != 0 ? std::abs(fontHeight) : Round(fontSize * 96.0 / 72.0);
        font_ = ArialPixels(px);
        fm_ = QFontMetrics(font_);
        drawPlain_ = painter_ && (mode == 0 || mode == 1 || mode == 3 ||
                                  (mode == 99 && c.baseLayerVisible) || c.exerciseRunning);
        h0_ = fm_.height();
        lineHeight_ = Round(h0_ * 1.25);
        if (mode > 0) lineHeight_ = Round(lineHeight_ * 1.1);
        y_ += Round(h0_ * 1.25 * 0.02 / 0.055);
        available_ = availableWidth;
        limit_ = availableWidth - (mode > 0 ? 40 : 0);
        if (painter_) painter_->setFont(font_);
    }

    int run(const QString& source);

private:
    int width(QStringView s) const { return fm_.horizontalAdvance(s.toString()); }
    void emitText(const QString& t, int from, int to) {
        if (to <= from) return;
        const QString seg = t.mid(from, to - from);
        if (drawPlain_) {
            DrawTextAt(*painter_, x_, y_, font_, colour_, seg);
        }
        x_ += width(seg);
    }
    bool stopped() const { return measureOnly_ && y_ > c_.stopBelow; }
    void newLine() {
        x_ = startX_;
        y_ += lineHeight_;
    }
    void applyStyle(const Tag& tag) {
        if (tag.kind == Tag::Bold)
            font_.setBold(tag.on);
        else if (tag.kind == Tag::Italic)
            font_.setItalic(tag.on);
        else
            font_.setUnderline(tag.on);
        fm_ = QFontMetrics(font_);
        if (painter_) painter_->setFont(font_);
    }
    int gapWidth(const QString& gap) const {
        if (mode_ == 99)
            return std::max(width(QStringLiteral(" ") + gap), width(QStringLiteral(" XX")));
        return std::max(width(QStringLiteral("   ") + gap + QStringLiteral("   ")),
                        width(QStringLiteral(" XX")));
    }
    void emitGap(const QString& gap, int gw);

    MarkupCanvas& c_;
    int pageHeight_;
    int startX_;
    int x_;
    int y_;
    int mode_;
    bool create_;
    QColor colour_;
    bool measureOnly_;
    QPainter* painter_;
    QFont font_;
    QFontMetrics fm_{QFont()};
    bool drawPlain_ = false;
    int h0_ = 0;
    int lineHeight_ = 0;
    int limit_ = 0;
    int available_ = 0;
};

void LineLayout::emitGap(const QString& gap, int gw) {
    if (mode_ == 99) {
        if (!measureOnly_ && c_.doc) {
            Document& doc = *c_.doc;
            int index = -1;
            if (create_) {
                index = doc.AddGeneratedObject(TypLuecke, 1, gap, 0, 2, 0, 0, -1);
                doc.CurrentObjects[index].KAusrAkt = 2;
            } else {
                for (int i = c_.lastGapObject + 1; i < doc.ObjectCount(); ++i) {
                    if (doc.CurrentObjects[i].Typ == TypLuecke) {
                        index = i;
                        break;
                    }
                }
            }
            if (index >= 0) {
                c_.lastGapObject = index;
                ObjDataTyp& o = doc.CurrentObjects[index];
                o.Kx = (x_ + gw / 2.0) / std::max(1, c_.pageWidth);
                o.Ky = double(y_ + fm_.height() + 4) / std::max(1, pageHeight_);
                o.Sx = o.Kx;
                o.Sy = o.Ky;
            }
        }
    } else if (painter_) {
        if (mode_ == 1 || mode_ == 3) {
            painter_->setPen(QPen(Qt::black, 1));
            painter_->drawLine(x_, y_ + h0_, x_ + gw - 1, y_ + h0_);
        }
        if (mode_ == 2 || mode_ == 3) {
            DrawTextAt(*painter_, x_, y_, font_, QColor(255, 0, 0), QStringLiteral("   ") + gap);
        }
    }
    x_ += gw;
}

int LineLayout::run(const QString& source) {
    const QString core = source.trimmed();
    if (core.isEmpty()) return y_ + lineHeight_;
    const QString t = core + QLatin1Char(' ');
    const int n = t.size();
    const bool gapModes = mode_ > 0;
    int s = 0, b = -1, p = 0;

    auto skipBlanks = [&](int q) {
        while (q < n && t[q] == u' ')
            ++q;
        return q;
    };
    // The ">>" that closes a "<<" at q. closeAt is the first ">>" at or after closeFrom
    // (-1: none), so that a text of unclosed "<<" is searched once, not to its end for each.
    int closeFrom = n, closeAt = -1;
    auto gapEnd = [&](int q) {
        if (!gapModes || q + 1 >= n || t[q] != u'<' || t[q + 1] != u'<') return -1;
        const int from = q + 2;
        if (from < closeFrom) {
            // Back after a line break: only what lies before the known part needs a look.
            const int upTo = std::min(n, closeFrom + 1);
            const qsizetype found =
                QStringView(t).mid(from, upTo - from).indexOf(QLatin1String(">>"));
            if (found >= 0) closeAt = from + int(found);
            closeFrom = from;
        } else if (closeAt >= 0 && closeAt < from) {
            closeFrom = from;
            closeAt = int(t.indexOf(QLatin1String(">>"), from));
        }
        return closeAt;
    };
    // Where the plain text from q ends: at a tag or a closed gap. Kept across line breaks,
    // which only move back within the same plain stretch.
    int stretchEnd = -1;
    auto plainEnd = [&](int q) {
        if (stretchEnd >= q) return stretchEnd;
        Tag tag;
        stretchEnd = q + 1;
        while (stretchEnd < n && !MatchTag(t, stretchEnd, tag) && gapEnd(stretchEnd) < 0)
            ++stretchEnd;
        return stretchEnd;
    };
    // Whether the pending segment up to and including q passes the line's limit.
    auto over = [&](int q) { return x_ + width(QStringView(t).mid(s, q - s + 1)) > limit_; };

    while (p < n && !stopped()) {
        Tag tag;
        if (MatchTag(t, p, tag)) {
            emitText(t, s, p);
            p += tag.length;
            switch (tag.kind) {
            case Tag::Bold:
            case Tag::Italic:
            case Tag::Underline:
                applyStyle(tag);
                break;
            case Tag::Linie:
                if (drawPlain_ && limit_ > x_) {
                    painter_->setPen(QPen(colour_, 1));
                    const int my = y_ + h0_ / 2;
                    painter_->drawLine(x_, my, limit_ - 1, my);
                }
                x_ = std::max(x_, limit_);
                break;
            case Tag::PosX:
                x_ = Round(tag.value / 100.0 * available_);
                break;
            case Tag::Reb: {
                const QString part = t.mid(p, tag.value);
                const int fw = tag.value * width(QStringLiteral("0"));
                if (x_ > startX_ && x_ + fw > limit_) newLine();
                if (drawPlain_) {
                    DrawTextAt(*painter_, x_ + fw - width(part), y_, font_, colour_, part);
                }
                x_ += fw;
                p += part.size();
                break;
            }
            case Tag::Col:
                break;
            }
            s = p;
            b = p - 1;
            continue;
        }
        if (const int e = gapEnd(p); e >= 0) {
            emitText(t, s, p);
            const QString gap = t.mid(p + 2, e - p - 2);
            int q = e + 2;
            while (q < n && t[q] != u' ' && t[q] != u'<')
                ++q;
            const QString tail = t.mid(e + 2, q - e - 2);
            const int gw = gapWidth(gap);
            // The gap and the punctuation after it stay together on one line.
            if (x_ > startX_ && x_ + gw + width(tail) > limit_) newLine();
            emitGap(gap, gw);
            emitText(t, e + 2, q);
            p = q;
            s = p;
            b = p - 1;
            continue;
        }
        // The first character of the plain stretch at which the pending segment no longer
        // fits. The sum of the characters' own advances points close to it (only kerning
        // differs); the exact widths then settle it with a few measurements around that point
        // instead of one measurement of the growing segment per character.
        const int end = plainEnd(p);
        int guess = p;
        for (int room = limit_ - x_; guess < end - 1; ++guess) {
            room -= fm_.horizontalAdvance(t[guess]);
            if (room < 0) break;
        }
        // Bracket the point: over(full) or full == end; !over(fits) or fits == p - 1.
        int fits, full, step = 1;
        if (over(guess)) {
            full = guess;
            fits = guess - 1;
            for (; fits >= p && over(fits); step *= 2) {
                full = fits;
                fits = full - step;
            }
            fits = std::max(fits, p - 1);
        } else {
            fits = guess;
            full = guess + 1;
            for (; full < end && !over(full); step *= 2) {
                fits = full;
                full = fits + step;
            }
            full = std::min(full, end);
        }
        while (full - fits > 1) {
            const int mid = fits + (full - fits) / 2;
            (over(mid) ? full : fits) = mid;
        }
        // The limit counts at every character, blanks too: a word whose following blank
        // crosses it goes to the next line.
        for (int q = full - 1; q >= p; --q) {
            if (t[q] == u' ') {
                b = q;
                break;
            }
        }
        p = full;
        if (p == end) continue;
        if (b >= s) {
            // Break at the last blank of the pending segment.
            emitText(t, s, b + 1);
            p = skipBlanks(b + 1);
            if (p < n) newLine();
        } else if (b == s - 1 && x_ > startX_) {
            // The segment moves to the next line as a whole.
            newLine();
            p = skipBlanks(s);
        } else {
            // No blank to break at: break the word at the width.
            if (p == s) ++p;
            emitText(t, s, p);
            newLine();
            p = skipBlanks(p);
        }
        s = p;
        b = p - 1;
    }
    if (stopped()) return y_;
    emitText(t, s, n);
    newLine();
    return y_;
}

} // namespace

int RenderMarkupLine(MarkupCanvas& canvas, int availableWidth, int pageHeight, int startX, int y,
                     const QString& text, double fontSize, int fontHeight, int mode,
                     bool createObjects, const QColor& textColour, bool measureOnly) {
    LineLayout layout(canvas, availableWidth, pageHeight, startX, y, fontSize, fontHeight, mode,
                      createObjects, textColour, measureOnly);
    return layout.run(text);
}

QImage RenderInfoText(const QString& cap, int width, const QColor& background) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = cap.split(breaks);
    width = std::max(1, width);
    // Measured first, so that a long text is never cut off.
    MarkupCanvas measure;
    int y = 0;
    for (const QString& line : lines)
        y = RenderMarkupLine(measure, width, 0, 0, y, line, kInfoTextPoints, 0, MarkupInfo, false,
                             Qt::black, true);
    QImage image(width, std::max(1, y), QImage::Format_RGB32);
    image.fill(background);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    MarkupCanvas canvas;
    canvas.painter = &p;
    y = 0;
    for (const QString& line : lines)
        y = RenderMarkupLine(canvas, width, image.height(), 0, y, line, kInfoTextPoints, 0,
                             MarkupInfo, false, Qt::black, false);
    return image;
}

QString StripStyleTags(const QString& text) {
    static const QRegularExpression re(QStringLiteral("</?[biu]>"),
                                       QRegularExpression::CaseInsensitiveOption);
    QString out = text;
    out.remove(re);
    return out;
}

} // namespace bw
