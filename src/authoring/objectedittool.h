#pragma once

#include "document/objdata.h"
#include "view/tool.h"

#include <QRect>

namespace bw {

class LearnView;

// The part of an object under the pointer that the object editor can drag.
struct EditHandle {
    enum Part { None = -1, Anchor = 0, CardPoint = 1, Card = 2 };
    int index = -1;
    Part part = None;
    bool operator==(const EditHandle&) const = default;
};

// Which object and which part of it lie under a view point, by the editor's rules: the
// selected object first, then the first object whose line or card point is near, then the
// drawn cards.
EditHandle HitTestEditHandle(const LearnView& view, QPoint viewPoint);
// Where the handle is shown, in view pixels (empty for none).
QRect EditHandleRect(const LearnView& view, const EditHandle& h);

// The object editor's mouse work in the view while it is open: a click selects, a drag on a
// handle moves the position point, the card point or the card. Each drag step redraws the
// one object; the release stores the move as one undo step.
class ObjectEditTool : public Tool {
    Q_OBJECT
public:
    explicit ObjectEditTool(QObject* parent = nullptr);

    void deactivate(ToolContext& ctx) override;
    void mousePressed(ToolContext& ctx, const ToolEvent& e) override;
    void mouseMoved(ToolContext& ctx, const ToolEvent& e) override;
    void mouseReleased(ToolContext& ctx, const ToolEvent& e) override;
    QCursor cursor(ToolContext& ctx, QPoint pos) const override;

    bool dragging() const { return drag_.index >= 0; }

signals:
    // A click selected this object (-1: none); the editor shows it.
    void objectClicked(int index);
    // The dragged object moved; exact when Ctrl is held (the fields show it unrounded).
    void dragged(int index, bool exact);
    // The drag ended and was stored.
    void dropped(int index);

private:
    void hover(ToolContext& ctx, QPoint pos);

    EditHandle hover_;
    EditHandle drag_;
    QPoint grab_; // pointer minus handle centre at the press
    QPoint last_;
    bool moved_ = false;
    ObjDataTyp before_;
};

} // namespace bw
