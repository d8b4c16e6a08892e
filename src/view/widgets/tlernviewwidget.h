#pragma once

#include "view/learnview.h"
#include "view/viewhost.h"

#include <QWidget>

namespace bw {

class TInfoboxForm;

// The selected tool as far as the view's mouse rules care.
enum class ViewTool { Pointer, Hand, Drawing };

// The picture control of the learning view (LernKartPicImg): shows the view bitmap centred,
// pans, and turns clicks into toggles, activations and question steps.
class TLernViewWidget : public QWidget {
    Q_OBJECT
public:
    TLernViewWidget(LearnView& view, ViewHost* host, QWidget* parent = nullptr);
    ~TLernViewWidget() override;

    LearnView& view() { return view_; }
    void setTool(ViewTool tool) { tool_ = tool; }
    ViewTool tool() const { return tool_; }
    // true in the learning view, false while an exercise runs (mode 3)
    void setLearningView(bool on) { learningView_ = on; }

    // Sizes the view to this control and redraws it completely.
    void RedrawForSize();

    // Offset of the view bitmap inside the control (it is centred).
    QPoint bitmapOffset() const;

    // Shows the information window for an info text (TInfoboxForm).
    void ShowInfoText(const QString& cap);
    TInfoboxForm* infobox() const { return infobox_; }

    // The view installs onViewShown, onViewRectChanged and onSelectionFrame of the
    // LearnView; the other hooks are free for the window.

    // The position marker (MoveAnker) for the object editor: centred on a view point.
    void SetMarker(QPoint viewCentre, bool visible);
    QWidget* marker() const { return marker_; }

signals:
    // Left press with the object editor open (it runs its own hit test).
    void editorMousePress(QPointF pageFraction, Qt::KeyboardModifiers modifiers);
    // Mouse move with the object editor open and the pointer tool.
    void editorMouseMove(QPointF pageFraction, Qt::KeyboardModifiers modifiers);
    // Presses, moves and releases with a drawing tool, in view-bitmap pixels.
    void drawingMousePress(QPoint viewPoint, Qt::MouseButton button);
    void drawingMouseMove(QPoint viewPoint, Qt::MouseButtons buttons);
    void drawingMouseRelease(QPoint viewPoint, Qt::MouseButton button);
    // The position marker was pressed, dragged or released (view-bitmap pixels).
    void markerPressed(QPoint viewPoint, Qt::KeyboardModifiers modifiers);
    void markerDragged(QPoint viewPoint, Qt::KeyboardModifiers modifiers);
    void markerReleased(QPoint viewPoint, Qt::KeyboardModifiers modifiers);
    // A question button changed the current question.
    void questionChanged(int question);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QPoint toBitmap(QPoint widgetPoint) const;
    void activate(const ClickResult& r);
    void updateCursor(QPoint bitmapPoint);

    LearnView& view_;
    ViewHost* host_;
    ViewTool tool_ = ViewTool::Pointer;
    bool learningView_ = true;
    bool panning_ = false;
    QPoint panLast_;
    QWidget* selectFrame_ = nullptr; // SelectElemRahmen
    QWidget* marker_ = nullptr;      // MoveAnker
    TInfoboxForm* infobox_ = nullptr;
};

} // namespace bw
