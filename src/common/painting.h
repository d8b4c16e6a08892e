#pragma once

#include <QColor>
#include <QPainter>
#include <QString>

namespace bw {

// Font style bits as the documents store them.
enum FontStyleBits : int { StyleBold = 1, StyleItalic = 2, StyleUnderline = 4 };

// Pen, brush and font setters: a width, name, size or height of 0 (or empty) keeps the
// painter's current one; style and colour are always set.
void SetPen(QPainter& p, int width, Qt::PenStyle style, QPainter::CompositionMode mode,
            const QColor& colour);
void SetBrush(QPainter& p, Qt::BrushStyle style, const QColor& colour);
// size in points, height in pixels (the height wins when both are given).
void SetFont(QPainter& p, const QString& name, int size, int height, int styleBits,
             const QColor& colour);

} // namespace bw
