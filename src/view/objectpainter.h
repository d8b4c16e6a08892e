#pragma once

#include "document/document.h"
#include "view/viewstate.h"

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>

class QPainter;

namespace bw {

// Everything one object's drawing depends on besides the object itself. The target's size
// comes from here, never from the painter's device, so that a printer or a vector file is
// drawn on like a bitmap of that size.
struct ObjectDrawContext {
    const Document* doc = nullptr;
    QSize page;         // size of the target page in pixels (painter coordinates)
    double scale = 1.0; // page width / 870
    double viewAspect = 1.0;
    int targetKind = TargetScreen;
    bool editorOpen = false;
    int selectedObject = -1;
    int currentQuestion = 0;
    int clozeFontReduction = 0;
    const ExerciseDrawState* exercise = nullptr;

    bool exerciseRunning() const { return exercise && exercise->running; }
    // round(n x scale)
    int units(double n) const;
};

// A context for a target of its own (worksheet, printer, vector file) of page pixels:
// automatic card sides follow the page's own shape.
ObjectDrawContext TargetContext(const Document& doc, QSize page, int targetKind);

// A font of "Arial" with a pixel height (the view works in pixels throughout).
QFont ArialPixels(int pixels, bool bold = false, bool italic = false, bool underline = false);

// Whether the object takes part in drawing at all (layer, question, type).
// layerVisible is the check box state of the object's layer.
bool ObjectTakesPart(const ObjectDrawContext& ctx, int index, bool layerVisible);

// Where one object lands on the target and what its card holds. Computed from the object and
// the context alone; nothing is written into the document.
struct CardLayout {
    QRect box;    // the card's box in target pixels; empty for a label without text
    int side = 1; // 1 right, 2 above, 3 left, 4 below
    QPoint anchor, card;
    QFont font;
    int lineHeight = 0;
    QString text;
    int textFlags = 0;
    QRect textRect;
    bool picture = false;
    bool emptyLabel = false;
    // From the card point to the box centre, as page fractions (KBreite, KHoehe).
    double breite = 0, hoehe = 0;
};
CardLayout LayoutObject(const ObjectDrawContext& ctx, int index);

// The side a card with automatic placement takes for the card point at (dx, dy) page fractions
// from the anchor: 1 right, 2 above, 3 left, 4 below.
int AutomaticCardSide(double dx, double dy, double viewAspect);

// Draws the object as laid out: the connecting line (when lines is set) and the content.
// Does not erase and copies nothing.
void PaintObject(QPainter& p, const ObjectDrawContext& ctx, int index, const CardLayout& layout,
                 bool lines);

// Lays out and draws every object that takes part, in index order, on a target of its own.
void PaintObjects(QPainter& p, const ObjectDrawContext& ctx,
                  const std::array<bool, kLayerCount>& layerVisible, bool lines);

// Where a card landed on the screen's page: the view keeps one per object for the hit test,
// the erase before a card is redrawn and the object editor.
struct CardPlacement {
    DoubleRect KRect{-1, -1, -1, -1}; // page fractions; unset until the card is drawn
    int KPixelX = -1, KPixelY = -1;   // top-left pixel on the page bitmap
    double KBreite = 0, KHoehe = 0;
};
CardPlacement PlacementOf(const CardLayout& layout, QSize page);

// The pixel rectangle of a card's KRect on a page of the given size; empty while unset.
QRect KRectPixels(const CardPlacement& c, QSize page);

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
