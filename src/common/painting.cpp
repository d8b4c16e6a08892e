#include "common/painting.h"

namespace bw {

void SetPen(QPainter& p, int width, Qt::PenStyle style, QPainter::CompositionMode mode,
            const QColor& colour) {
    QPen pen = p.pen();
    if (width > 0)
        pen.setWidth(width);
    pen.setStyle(style);
    pen.setColor(colour);
    p.setPen(pen);
    p.setCompositionMode(mode);
}

void SetBrush(QPainter& p, Qt::BrushStyle style, const QColor& colour) {
    p.setBrush(QBrush(colour, style));
}

void SetFont(QPainter& p, const QString& name, int size, int height, int styleBits,
             const QColor& colour) {
    QFont f = p.font();
    if (!name.isEmpty())
        f.setFamily(name);
    if (height > 0)
        f.setPixelSize(height);
    else if (size > 0)
        f.setPointSize(size);
    f.setBold(styleBits & StyleBold);
    f.setItalic(styleBits & StyleItalic);
    f.setUnderline(styleBits & StyleUnderline);
    p.setFont(f);
    // Text is drawn with the pen.
    QPen pen = p.pen();
    pen.setColor(colour);
    p.setPen(pen);
}

} // namespace bw
