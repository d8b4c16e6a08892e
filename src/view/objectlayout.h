#pragma once

#include "document/document.h"
#include "view/viewstate.h"

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

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

// The card text's horizontal alignment for TAusr (0 left, 1 centred, 2 right).
Qt::Alignment CardTextAlignment(int tausr);

// Whether the object belongs to the question on show (question documents).
bool BelongsToCurrentQuestion(const ObjDataTyp& o, const ObjectDrawContext& ctx);

} // namespace bw
