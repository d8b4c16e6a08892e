#pragma once

#include "document/document.h"
#include "view/viewstate.h"

#include <QFont>
#include <QRect>
#include <QSize>

class QPainter;

namespace bw {

// Everything one object's drawing depends on besides the object itself.
struct ObjectDrawContext {
    Document* doc = nullptr;
    QSize page;         // size of the target page in pixels
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

// A font of "Arial" with a pixel height (the view works in pixels throughout).
QFont ArialPixels(int pixels, bool bold = false, bool italic = false, bool underline = false);

// Whether the object takes part in drawing at all (layer, question, type).
// layerVisible is the check box state of the object's layer.
bool ObjectTakesPart(const ObjectDrawContext& ctx, int index, bool layerVisible);

// Computes the object's box, records KRect, KPixelX/Y, KBreite, KHoehe and KAusrAkt, draws the
// connecting line (when lines is set) and the content. Returns the box in target pixels,
// or an empty rectangle when nothing was placed. Does not erase and copies nothing.
QRect PaintObject(QPainter& p, const ObjectDrawContext& ctx, int index, bool lines);

// The pixel rectangle of an object's KRect on a page of the given size; empty before the
// object was drawn.
QRect KRectPixels(const ObjDataTyp& o, QSize page);

// The 36-segment ellipse inside r, filled and outlined, with an optional centred label.
void DrawPolyEllipse(QPainter& p, const QRect& r, const QColor& fill, const QColor& outline,
                     const QString& label = {}, const QFont& labelFont = {},
                     const QColor& labelColour = Qt::white);

// One line of text centred in r, horizontally and vertically.
void DrawCentredText(QPainter& p, const QRect& r, const QFont& font, const QColor& colour,
                     const QString& text);

// Per channel round(c x 0.7).
QColor Darker30(const QColor& c);

} // namespace bw
