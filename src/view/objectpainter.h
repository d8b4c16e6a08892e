#pragma once

#include "view/objectlayout.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <array>

class QPainter;

namespace bw {

// Draws the object as laid out: the connecting line (when lines is set) and the content.
// Does not erase and copies nothing.
void PaintObject(QPainter& p, const ObjectDrawContext& ctx, int index, const CardLayout& layout,
                 bool lines);

// Lays out and draws every object that takes part, in index order, on a target of its own.
void PaintObjects(QPainter& p, const ObjectDrawContext& ctx,
                  const std::array<bool, kLayerCount>& layerVisible, bool lines);

// The 36-segment ellipse inside r, filled and outlined, with an optional centred label.
void DrawPolyEllipse(QPainter& p, const QRect& r, const QColor& fill, const QColor& outline,
                     const QString& label = {}, const QFont& labelFont = {},
                     const QColor& labelColour = Qt::white);

// One line of text centred in r, horizontally and vertically.
void DrawCentredText(QPainter& p, const QRect& r, const QFont& font, const QColor& colour,
                     const QString& text);

// r filled with fill inside a one-pixel frame of frame (an aliased rectangle of a one-pixel
// pen).
void FillFramedBox(QPainter& p, const QRect& r, const QColor& fill, const QColor& frame);

// Per channel round(c x 0.7).
QColor Darker30(const QColor& c);

} // namespace bw
