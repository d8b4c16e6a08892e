#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

namespace bw {

// Draws one line of text with its top-left inside lineRect, aligned by hAlign (Qt::AlignLeft,
// AlignHCenter or AlignRight). On a bitmap each text is shaped once per font, and large fonts
// go through a cache of rendered glyphs: the raster engine otherwise fills every glyph above
// 64 pixels as a path, which makes a page of cards at 200 % several times slower than its
// base image.
void DrawTextLine(QPainter& p, const QRect& lineRect, Qt::Alignment hAlign, const QFont& font,
                  const QColor& colour, const QString& text);

// Draws text with its top-left at (x, y).
void DrawTextAt(QPainter& p, int x, int y, const QFont& font, const QColor& colour,
                const QString& text);

// QFontMetrics(font).horizontalAdvance(text), remembered: a page measures the same labels at
// every redraw.
int TextWidth(const QFont& font, const QString& text);

// An equal font that belongs to the calling thread. Copies of a QFont share its engine data,
// which Qt ties to the thread that used it first; a helper thread drawing with the copies
// would take it over at every use while the first thread does the same.
QFont ThreadFont(const QFont& font);

// Empties the cache of rendered glyphs (tests).
void ClearGlyphCache();

} // namespace bw
