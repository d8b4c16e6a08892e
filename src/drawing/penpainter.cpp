#include "drawing/penpainter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace bw {

namespace {

double SignedArea(const QPolygonF& poly) {
    double a = 0;
    for (int i = 0, n = int(poly.size()); i < n; ++i) {
        const QPointF& p = poly[i];
        const QPointF& q = poly[(i + 1) % n];
        a += p.x() * q.y() - q.x() * p.y();
    }
    return a / 2;
}

} // namespace

QRect PenSegmentRect(QPoint from, QPoint to, int width) {
    const int m = std::max(15, width / 2 + 3);
    return QRect(QPoint(std::min(from.x(), to.x()) - m, std::min(from.y(), to.y()) - m),
                 QPoint(std::max(from.x(), to.x()) + m, std::max(from.y(), to.y()) + m));
}

void PaintPenSegment(QImage& target, QPoint from, QPoint to, int width, QColor colour,
                     const QRect& clip) {
    const QRect area = clip.intersected(target.rect());
    if (area.isEmpty() || width <= 0) return;
    const double r = width / 2.0;
    const QPointF a = QPointF(from) + QPointF(0.5, 0.5);
    const QPointF b = QPointF(to) + QPointF(0.5, 0.5);

    // A closed polygon of 36 equal steps around the circle.
    QPolygonF disc;
    disc.reserve(36);
    for (int i = 0; i < 36; ++i) {
        const double t = i * std::numbers::pi / 18;
        disc << b + QPointF(r * std::cos(t), r * std::sin(t));
    }
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addPolygon(disc);
    path.closeSubpath();

    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    if (len > 0) {
        const QPointF n(-d.y() / len * r, d.x() / len * r);
        QPolygonF band{a + n, b + n, b - n, a - n};
        // Same orientation as the disc, or the non-zero rule would cancel their overlap.
        if ((SignedArea(band) > 0) != (SignedArea(disc) > 0))
            std::reverse(band.begin(), band.end());
        path.addPolygon(band);
        path.closeSubpath();
    }

    QPainter p(&target);
    p.setClipRect(area);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(colour.red(), colour.green(), colour.blue()));
    p.drawPath(path);
}

void CombineMinimum(QImage& view, const QImage& layer, const QRect& rect) {
    const QRect r = rect.intersected(view.rect()).intersected(layer.rect());
    if (r.isEmpty() || view.depth() != 32 || layer.depth() != 32) return;
    const int bytes = r.width() * 4;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        uchar* d = view.scanLine(y) + r.left() * 4;
        const uchar* s = layer.constScanLine(y) + r.left() * 4;
        for (int i = 0; i < bytes; ++i)
            d[i] = std::min(d[i], s[i]);
        auto* px = reinterpret_cast<quint32*>(d);
        for (int x = 0; x < r.width(); ++x)
            px[x] |= 0xFF000000u;
    }
}

void DrawCentredGlyph(QImage& picture, int x, int y, QColor colour, int pointSize,
                      const QString& family, const QString& text) {
    QFont font(family);
    font.setPointSize(std::max(1, pointSize));
    QPainter p(&picture);
    p.setFont(font);
    p.setPen(QColor(colour.red(), colour.green(), colour.blue()));
    p.setRenderHint(QPainter::TextAntialiasing);
    const QFontMetrics fm = p.fontMetrics();
    const int h = fm.height();
    const int w = fm.horizontalAdvance(text) + 2 * h;
    p.drawText(QRect(x - w / 2, y - h / 2, w, 2 * h), Qt::AlignHCenter | Qt::AlignTop, text);
}

QRect PaintTextAt(QImage& picture, QPoint topLeft, const QFont& font, QColor colour,
                  const QString& text) {
    if (text.isEmpty()) return {};
    QPainter p(&picture);
    p.setFont(font);
    p.setPen(QColor(colour.red(), colour.green(), colour.blue()));
    const QFontMetrics fm = p.fontMetrics();
    const QRect box(topLeft, QSize(fm.horizontalAdvance(text) + fm.height(), 2 * fm.height()));
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
    return box;
}

} // namespace bw
