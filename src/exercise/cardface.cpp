#include "exercise/cardface.h"

namespace bw {

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
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    for (int pt = 11; pt >= 8; --pt) {
        f.setPointSize(pt);
        const QRect need = QFontMetrics(f).boundingRect(textBox, flags, text);
        if (pt == 8 || (need.width() <= textBox.width() && need.height() <= textBox.height()))
            break;
    }
    p.setFont(f);
    p.setPen(QColor(33, 33, 31));
    p.drawText(textBox, flags, text);
}

} // namespace bw
