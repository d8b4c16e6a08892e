#include "exercise/cardface.h"

#include <QHash>
#include <QTextLayout>
#include <array>
#include <cmath>
#include <memory>

namespace bw {

namespace {

constexpr int kLargestPoints = 11;
constexpr int kSmallestPoints = 8;

// Bold Arial at pt points; a font used before draws without being looked up again.
const QFont& CardFont(int pt) {
    thread_local const std::array<QFont, kLargestPoints - kSmallestPoints + 1> fonts = [] {
        std::array<QFont, kLargestPoints - kSmallestPoints + 1> made;
        for (int i = 0; i < int(made.size()); ++i) {
            made[i] = QFont(QStringLiteral("Arial"));
            made[i].setBold(true);
            made[i].setPointSize(kSmallestPoints + i);
        }
        return made;
    }();
    return fonts[std::size_t(pt - kSmallestPoints)];
}

struct FitKey {
    QString text;
    QSize box;
    bool operator==(const FitKey&) const = default;
};

size_t qHash(const FitKey& k, size_t seed = 0) {
    return qHashMulti(seed, k.text, k.box.width(), k.box.height());
}

// The largest size from 11 down to 8 points at which the text fits the box; every panel
// repaint asks again for the same cards, and each try lays the text out.
int FittingPoints(const QString& text, const QRect& box, int flags) {
    constexpr qsizetype kMaxFits = 4096;
    thread_local QHash<FitKey, int> fits;
    FitKey key{text, box.size()};
    auto it = fits.constFind(key);
    if (it != fits.constEnd()) return *it;
    int pt = kLargestPoints;
    for (; pt > kSmallestPoints; --pt) {
        const QRect need = QFontMetrics(CardFont(pt)).boundingRect(box, flags, text);
        if (need.width() <= box.width() && need.height() <= box.height()) break;
    }
    if (fits.size() >= kMaxFits) fits.clear();
    fits.insert(std::move(key), pt);
    return pt;
}

// A card's text laid out once for its font and box, as QPainter::drawText lays out centred,
// word-wrapped text: the layout keeps its shaped lines, so a repaint only draws them.
struct CardText {
    QTextLayout layout;
    qreal height = 0;
    qreal width = 0;
};

struct TextKey {
    QString text;
    int pt;
    QSize box;
    bool operator==(const TextKey&) const = default;
};

size_t qHash(const TextKey& k, size_t seed = 0) {
    return qHashMulti(seed, k.text, k.pt, k.box.width(), k.box.height());
}

// Lines that start with white space are centred by their text alone; those cards keep the
// painter's own layout.
bool LaysOutLikeThePainter(const QString& text) {
    return !text.isEmpty() && !text.front().isSpace() && !text.contains(QLatin1String("\n ")) &&
           !text.contains(QLatin1Char('\t'));
}

const CardText& LaidOut(const QString& text, int pt, QSize box, QPaintDevice* device) {
    constexpr qsizetype kMaxTexts = 2048;
    thread_local QHash<TextKey, std::shared_ptr<CardText>> texts;
    TextKey key{text, pt, box};
    auto it = texts.constFind(key);
    if (it != texts.constEnd()) return **it;
    auto made = std::make_shared<CardText>();
    QTextLayout& layout = made->layout;
    const QFont font(CardFont(pt), device);
    // Line breaks become line separators and carriage returns blanks, as for the painter.
    QString lines = text;
    lines.replace(QLatin1Char('\r'), QLatin1Char(' '));
    lines.replace(QLatin1Char('\n'), QChar::LineSeparator);
    layout.setText(lines);
    layout.setFont(font);
    // Lines are centred when drawn, as the painter centres them.
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    const qreal leading = QFontMetricsF(font).leading();
    qreal height = -leading;
    layout.beginLayout();
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) break;
        line.setLineWidth(box.width());
        height += leading;
        height = std::ceil(height); // lines on whole pixels
        line.setPosition(QPointF(0, height));
        height += line.ascent() + line.descent(); // unrounded, as the painter adds them
        made->width = std::max(made->width, line.naturalTextWidth());
        // Lines below the box would be clipped away.
        if (height >= box.height()) break;
    }
    layout.endLayout();
    made->height = height;
    if (texts.size() >= kMaxTexts) texts.clear();
    return **texts.insert(std::move(key), std::move(made));
}

void DrawCardText(QPainter& p, const QRect& box, int pt, const QString& text) {
    const CardText& laid = LaidOut(text, pt, box.size(), p.device());
    const qreal yoff = (box.height() - laid.height) / 2;
    const QRectF bounds(box.x() + (box.width() - laid.width) / 2, box.y() + yoff, laid.width,
                        laid.height);
    const bool clip = !QRectF(box).contains(bounds);
    if (clip) {
        p.save();
        p.setClipRect(box, Qt::IntersectClip);
    }
    for (int i = 0; i < laid.layout.lineCount(); ++i) {
        const QTextLine line = laid.layout.lineAt(i);
        const qreal xoff = (box.width() - line.horizontalAdvance()) / 2;
        line.draw(&p, QPointF(box.x() + xoff, box.y() + yoff));
    }
    if (clip) p.restore();
}

} // namespace

QColor CardFill(CardColour colour) {
    switch (colour) {
    case CardColour::Right:
        return {155, 255, 143};
    case CardColour::Wrong:
        return {255, 150, 143};
    default:
        return {255, 243, 144};
    }
}

void PaintCardFace(QPainter& p, const QRect& r, const QString& text, const QImage& picture,
                   CardColour colour) {
    const QColor fill = CardFill(colour);
    p.fillRect(r, fill);
    p.setPen(Qt::black);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const QRect inner = r.adjusted(1, 1, -1, -1);
    p.setPen(fill.lighter(140));
    p.drawLine(inner.topLeft(), inner.topRight());
    p.drawLine(inner.topLeft(), inner.bottomLeft());
    p.setPen(fill.darker(140));
    p.drawLine(inner.bottomLeft(), inner.bottomRight());
    p.drawLine(inner.topRight(), inner.bottomRight());

    if (!picture.isNull()) {
        const QRect box = r.adjusted(1, 1, -1, -1);
        const QSize s = picture.size().scaled(box.size(), Qt::KeepAspectRatio);
        const QRect target(box.x() + (box.width() - s.width()) / 2,
                           box.y() + (box.height() - s.height()) / 2, s.width(), s.height());
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(target, picture);
        return;
    }
    const QRect textBox = r.adjusted(2 + 2, 2, -2 - 2, -2);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    const int pt = FittingPoints(text, textBox, flags);
    p.setFont(CardFont(pt));
    p.setPen(QColor(33, 33, 31));
    if (LaysOutLikeThePainter(text) && textBox.width() > 0 && textBox.height() > 0)
        DrawCardText(p, textBox, pt, text);
    else
        p.drawText(textBox, flags, text);
}

} // namespace bw
