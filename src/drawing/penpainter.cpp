#include "drawing/penpainter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace bw {

QRect PenSegmentRect(QPoint from, QPoint to, int width) {
    const int m = std::max(15, width / 2 + 3);
    return QRect(QPoint(std::min(from.x(), to.x()) - m, std::min(from.y(), to.y()) - m),
                 QPoint(std::max(from.x(), to.x()) + m, std::max(from.y(), to.y()) + m));
}

// Coverage of each pixel by the union of the band (flat at `from`) and the disc at `to`,
// from the distance of the pixel centre to the shape's edge: one pass, so the overlap of
// band and disc is painted once.
void PaintPenSegment(QImage& target, QPoint from, QPoint to, int width, QColor colour,
                     const QRect& clip) {
    if (width <= 0 || target.depth() != 32) return;
    const float r = width / 2.0f;
    const float ax = from.x() + 0.5f, ay = from.y() + 0.5f;
    const float bx = to.x() + 0.5f, by = to.y() + 0.5f;
    const int reach = int(std::ceil(r)) + 1;
    const QRect box(QPoint(std::min(from.x(), to.x()) - reach, std::min(from.y(), to.y()) - reach),
                    QPoint(std::max(from.x(), to.x()) + reach, std::max(from.y(), to.y()) + reach));
    const QRect area = box.intersected(clip).intersected(target.rect());
    if (area.isEmpty()) return;

    const float dx = bx - ax, dy = by - ay;
    const float len = std::sqrt(dx * dx + dy * dy);
    const bool band = len > 0;
    const float ux = band ? dx / len : 0, uy = band ? dy / len : 0;
    const int cr = colour.red(), cg = colour.green(), cb = colour.blue();
    const float edge = r + 0.5f;

    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* row = reinterpret_cast<quint32*>(target.scanLine(y));
        const float py = y + 0.5f;
        for (int x = area.left(); x <= area.right(); ++x) {
            const float px = x + 0.5f;
            const float ex = px - bx, ey = py - by;
            float cov = edge - std::sqrt(ex * ex + ey * ey);
            if (band) {
                const float qx = px - ax, qy = py - ay;
                const float along = qx * ux + qy * uy;
                const float across = std::fabs(qx * uy - qy * ux);
                const float b = std::min({edge - across, along + 0.5f, len + 0.5f - along});
                cov = std::max(cov, b);
            }
            if (cov <= 0) continue;
            const int alpha = cov >= 1 ? 256 : int(cov * 256);
            const quint32 d = row[x];
            const int dr = int((d >> 16) & 0xFF), dg = int((d >> 8) & 0xFF), db = int(d & 0xFF);
            row[x] = 0xFF000000u | quint32(dr + (((cr - dr) * alpha) >> 8)) << 16 |
                     quint32(dg + (((cg - dg) * alpha) >> 8)) << 8 |
                     quint32(db + (((cb - db) * alpha) >> 8));
        }
    }
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
