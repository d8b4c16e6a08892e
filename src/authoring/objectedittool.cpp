#include "authoring/objectedittool.h"

#include "authoring/objectfields.h"
#include "authoring/objecttypes.h"
#include "common/helpers.h"
#include "document/documenteditor.h"
#include "view/learnview.h"

#include <algorithm>
#include <cmath>

namespace bw {

namespace {

constexpr double kTolerance = 5.0; // pixels
constexpr int kHandleSize = 13;

double Distance(QPointF a, QPointF b) {
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

QPointF PositionPoint(const LearnView& v, const ObjDataTyp& o) {
    return v.PageToView({o.Sx, o.Sy});
}

QPointF CardPoint(const LearnView& v, const ObjDataTyp& o) {
    return v.PageToView({o.Kx, o.Ky});
}

QRect CardRect(const LearnView& v, int index) {
    const DoubleRect& r = v.Card(index).KRect;
    if (r.left < 0) return {};
    return v.PageRectToView(r);
}

// Near the line from the card point to the position point, or the card point alone.
bool NearLine(const LearnView& v, const ObjDataTyp& o, QPointF p) {
    const QPointF k = CardPoint(v, o);
    if (o.Sline == 1) return NearSegment(p, k, PositionPoint(v, o), kTolerance);
    return Distance(p, k) <= kTolerance;
}

bool Candidate(const LearnView& v, int index) {
    return IsEditableTyp(v.doc().CurrentObjects[index].Typ) && v.IsObjectVisible(index);
}

// Where the card's centre lies from its card point, for each side (page fractions).
QPointF CentreOffset(int side, double breite, double hoehe) {
    switch (side) {
    case 2:
        return {0, -hoehe};
    case 3:
        return {-breite, 0};
    case 4:
        return {0, hoehe};
    default:
        return {breite, 0};
    }
}

} // namespace

EditHandle HitTestEditHandle(const LearnView& v, QPoint viewPoint) {
    const Document& doc = v.doc();
    const QPointF p(viewPoint);
    int found = -1;
    const int sel = v.selectedObject;
    if (doc.ValidIndex(sel) && Candidate(v, sel) &&
        (NearLine(v, doc.CurrentObjects[sel], p) || CardRect(v, sel).contains(viewPoint)))
        found = sel;
    for (int i = 0; found < 0 && i < doc.ObjectCount(); ++i)
        if (Candidate(v, i) && NearLine(v, doc.CurrentObjects[i], p)) found = i;
    if (found < 0) {
        found = v.HitTestObject(viewPoint);
        if (found >= 0 && !IsEditableTyp(doc.CurrentObjects[found].Typ)) found = -1;
    }
    if (found < 0) return {};
    const ObjDataTyp& o = doc.CurrentObjects[found];
    EditHandle h{found, EditHandle::None};
    if (o.Sline == 1 && Distance(p, PositionPoint(v, o)) <= kTolerance)
        h.part = EditHandle::Anchor;
    else if (Distance(p, CardPoint(v, o)) <= kTolerance)
        h.part = EditHandle::CardPoint;
    else if (CardRect(v, found).contains(viewPoint))
        h.part = EditHandle::Card;
    return h;
}

QRect EditHandleRect(const LearnView& v, const EditHandle& h) {
    if (!v.doc().ValidIndex(h.index)) return {};
    const ObjDataTyp& o = v.doc().CurrentObjects[h.index];
    auto square = [](QPointF c) {
        const QPoint centre = c.toPoint();
        return QRect(centre.x() - kHandleSize / 2, centre.y() - kHandleSize / 2, kHandleSize,
                     kHandleSize);
    };
    switch (h.part) {
    case EditHandle::Anchor:
        return square(PositionPoint(v, o));
    case EditHandle::CardPoint:
        return square(CardPoint(v, o));
    case EditHandle::Card:
        return CardRect(v, h.index).adjusted(-4, -4, 4, 4);
    default:
        return {};
    }
}

ObjectEditTool::ObjectEditTool(QObject* parent) : Tool(QStringLiteral("Objekteditor"), parent) {}

void ObjectEditTool::deactivate(ToolContext& ctx) {
    hover_ = {};
    drag_ = {};
    ctx.showHandle({});
}

void ObjectEditTool::hover(ToolContext& ctx, QPoint pos) {
    const EditHandle h = HitTestEditHandle(ctx.view(), pos);
    hover_ = h;
    ctx.showHandle(EditHandleRect(ctx.view(), h));
}

void ObjectEditTool::mousePressed(ToolContext& ctx, const ToolEvent& e) {
    if (e.button != Qt::LeftButton) return;
    const EditHandle h = HitTestEditHandle(ctx.view(), e.pos);
    emit objectClicked(h.index);
    DocumentEditor* ed = ctx.editor();
    if (h.part == EditHandle::None || !ed || !ed->document().ValidIndex(h.index)) return;
    drag_ = h;
    const QRect r = EditHandleRect(ctx.view(), h);
    grab_ = e.pos - r.center();
    last_ = e.pos;
    moved_ = false;
    before_ = ed->document().CurrentObjects[h.index];
}

void ObjectEditTool::mouseMoved(ToolContext& ctx, const ToolEvent& e) {
    if (!dragging()) {
        if (!(e.buttons & Qt::LeftButton)) hover(ctx, e.pos);
        return;
    }
    DocumentEditor* ed = ctx.editor();
    LearnView& v = ctx.view();
    if (!ed || !(e.buttons & Qt::LeftButton) || !ed->document().ValidIndex(drag_.index)) return;
    if (e.pos == last_) return;
    ObjDataTyp& o = ed->document().CurrentObjects[drag_.index];
    const QRect before = v.ObjectFootprint(drag_.index);
    if (drag_.part == EditHandle::Card) {
        const double pw = std::max(1, v.PageBitmap().width());
        const double ph = std::max(1, v.PageBitmap().height());
        o.Kx = std::clamp(o.Kx + (e.pos.x() - last_.x()) / pw, 0.0, 1.0);
        o.Ky = std::clamp(o.Ky + (e.pos.y() - last_.y()) / ph, 0.0, 1.0);
        const CardPlacement& c = v.Card(drag_.index);
        if (o.KAusr == 0 && o.KAusrAkt >= 1 && o.KAusrAkt <= 4) {
            // The side follows the card's centre, so the card stays under the pointer while
            // its card point changes sides.
            const QPointF centre =
                QPointF(o.Kx, o.Ky) + CentreOffset(o.KAusrAkt, c.KBreite, c.KHoehe);
            const int side = AutomaticCardSide(centre.x() - o.Sx, centre.y() - o.Sy, v.ViewAspect);
            if (side != o.KAusrAkt) {
                const QPointF k = centre - CentreOffset(side, c.KBreite, c.KHoehe);
                o.Kx = k.x();
                o.Ky = k.y();
                o.KAusrAkt = side;
            }
        }
    } else {
        const QPointF f = v.ViewToPage(QPointF(e.pos - grab_));
        if (drag_.part == EditHandle::Anchor) {
            o.Sx = f.x();
            o.Sy = f.y();
        } else {
            o.Kx = f.x();
            o.Ky = f.y();
        }
    }
    last_ = e.pos;
    moved_ = true;
    v.RedrawMovedObject(drag_.index, before);
    ctx.showHandle(EditHandleRect(v, drag_));
    emit dragged(drag_.index, e.modifiers & Qt::ControlModifier);
}

void ObjectEditTool::mouseReleased(ToolContext& ctx, const ToolEvent& e) {
    const EditHandle h = drag_;
    drag_ = {};
    DocumentEditor* ed = ctx.editor();
    if (h.index < 0 || !moved_ || !ed || !ed->document().ValidIndex(h.index)) return;
    moved_ = false;
    ObjDataTyp& o = ed->document().CurrentObjects[h.index];
    ObjDataTyp moved = o;
    if (!(e.modifiers & Qt::ControlModifier)) {
        if (h.part == EditHandle::Anchor) {
            moved.Sx = RoundToHundredth(moved.Sx);
            moved.Sy = RoundToHundredth(moved.Sy);
        } else {
            moved.Kx = RoundToHundredth(moved.Kx);
            moved.Ky = RoundToHundredth(moved.Ky);
        }
    }
    // The drag changed the object in place; the step goes from where it was to where it lands.
    o = before_;
    ed->SetObject(h.index, moved, QStringLiteral("Verschieben"));
    emit dropped(h.index);
    hover(ctx, e.pos);
}

QCursor ObjectEditTool::cursor(ToolContext& ctx, QPoint pos) const {
    return HitTestEditHandle(ctx.view(), pos).index >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor;
}

} // namespace bw
