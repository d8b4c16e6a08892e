#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

class QFont;

namespace bw {

// The pixels one pen segment from `from` to `to` may touch: the segment's box grown by 15
// pixels (more for wider pens), before clipping.
QRect PenSegmentRect(QPoint from, QPoint to, int width);

// Paints one pen segment into a 32-bit opaque image: a band of the given width from `from` to
// `to` (flat at `from`) and a disc of that diameter at `to`, both centred on the pixel
// centres, antialiased and filled as one shape so that their overlap is painted once.
void PaintPenSegment(QImage& target, QPoint from, QPoint to, int width, QColor colour,
                     const QRect& clip);

// For each pixel of rect: view := per-channel minimum of view and layer (RGB only; the view
// stays opaque). White in the layer leaves the view unchanged.
void CombineMinimum(QImage& view, const QImage& layer, const QRect& rect);

// Paints text centred horizontally on x and vertically on y (with its line height) in the
// family at the point size, plain style, transparent background.
void DrawCentredGlyph(QImage& picture, int x, int y, QColor colour, int pointSize,
                      const QString& family, const QString& text);

// Paints text with its top-left at topLeft (left/top aligned, transparent background);
// returns the rectangle it may have touched.
QRect PaintTextAt(QImage& picture, QPoint topLeft, const QFont& font, QColor colour,
                  const QString& text);

} // namespace bw
