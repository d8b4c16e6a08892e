#pragma once

#include "drawing/drawingtables.h"

#include <QFont>
#include <QImage>
#include <QObject>
#include <functional>

namespace bw {

class LearnView;

// Paints drawings straight into the learning view's bitmaps: pen segments (opaque into the
// view bitmap, translucent through DrawLayer), the eraser, stamps and typed text; keeps the
// one-level undo snapshot and commits drawings into the page before the viewport moves.
class DrawingBoard : public QObject {
    Q_OBJECT
public:
    explicit DrawingBoard(LearnView& view, QObject* parent = nullptr);

    LearnView& view() { return view_; }

    // Whether the object editor is open; the view's flag unless the window tells otherwise.
    std::function<bool()> editorOpen;
    bool EditorOpen() const;
    DrawToolState& state() { return state_; }
    const DrawToolState& state() const { return state_; }

    // What a tool does at view point p while the left button is held (down) or not.
    void ApplyToolAt(bool down, QPoint p);
    // A press with pen, eraser, stamp or text: snapshot, then the tool at p.
    void PressAt(QPoint p);
    // The button went up: the stroke ends and the next press may stamp again.
    void Release(QPoint p);

    void PenSegment(QPoint p);
    void Erase(QPoint p);
    void Stamp(QPoint p);
    // Paints typed text with its top-left at p (view pixels) in the text font.
    void CommitText(QPoint topLeft, const QString& text);
    QFont TextFont() const; // "Arial" at the size of the width step
    QColor CurrentColour() const { return DrawColour(state_.DrawColourIndex); }

    void TakeUndoSnapshot();
    bool UndoAvailable() const { return undoAvailable_; }
    void Undo();
    void RemoveAllDrawings();
    // Copies the view bitmap into PageBitmap at the scroll offset, so drawings travel.
    void CommitDrawings();
    // The full redraw after the picture control changed size. Where the zoomed page keeps
    // its size (the page's fit does not follow the new size at this zoom), the drawings stay
    // on it; otherwise they go, as at every full redraw.
    void RedrawKeepingDrawings();

    // Tool state changes; a width or colour chosen under pointer or hand switches to the pen.
    void SetStrokeWidth(int step);
    void SetDrawColour(int index);
    void SetStampSymbol(int index);

signals:
    void undoAvailableChanged(bool available);
    // The text tool was pressed or dragged to this view point (bottom-left of the text).
    void textBoxRequested(QPoint viewPoint);
    // A width or colour choice asks for the pen.
    void penRequested();

private:
    void invalidateUndo();
    void changed(const QRect& viewRect);

    LearnView& view_;
    DrawToolState state_;
    QImage layerRgb_; // a view of DrawLayer's pixels, not a copy
    QImage undoSnapshot_;
    int undoZoom_ = 0;
    bool undoAvailable_ = false;
    bool uncommitted_ = false; // painted into the view bitmap since it was last shown whole
};

} // namespace bw
