#pragma once

#include "view/learnview.h"
#include "view/pointertools.h"
#include "view/tool.h"
#include "view/viewhost.h"

#include <QWidget>

class QMenu;

namespace bw {

class TInfoboxForm;

// The picture control of the learning view (LernKartPicImg): shows the view bitmap centred
// and hands the mouse to the current tool. The right button pans and the middle button
// uncovers whatever the tool.
class TLernViewWidget : public QWidget, public ToolContext {
    Q_OBJECT
public:
    TLernViewWidget(LearnView& view, ViewHost* host, QWidget* parent = nullptr);
    ~TLernViewWidget() override;

    // The tools the left button goes to; without one the view only pans and uncovers.
    void setToolManager(ToolManager* tools);
    void setDocumentEditor(DocumentEditor* editor) { editor_ = editor; }

    // ToolContext
    LearnView& view() override { return view_; }
    DocumentEditor* editor() override { return editor_; }
    void setToolCursor(const QCursor& cursor) override { setCursor(cursor); }
    void activate(const ClickResult& r) override;
    // true in the learning view, false while an exercise runs (mode 3)
    void setLearningView(bool on) { learningView_ = on; }

    // Sizes the view to this control and redraws it completely.
    void RedrawForSize();

    // Offset of the view bitmap inside the control (it is centred).
    QPoint bitmapOffset() const;

    // Shows the information window for an info text (TInfoboxForm).
    void ShowInfoText(const QString& cap);
    TInfoboxForm* infobox();

    // The position marker (MoveAnker): the object editor's handle under the pointer.
    void showHandle(const QRect& viewRect) override;
    QWidget* marker() const { return marker_; }
    // The menu a right click without a pan opens (the object editor's, while it is open).
    void setContextMenu(QMenu* menu) { contextMenu_ = menu; }

signals:
    // A question button changed the current question.
    void questionChanged(int question);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    QPoint toBitmap(QPoint widgetPoint) const;
    ToolEvent toolEvent(QMouseEvent* e) const;
    void updateCursor(QPoint bitmapPoint);

    LearnView& view_;
    ViewHost* host_;
    ToolManager* tools_ = nullptr;
    DocumentEditor* editor_ = nullptr;
    bool learningView_ = true;
    PanGesture rightPan_;            // the right button pans in every tool
    bool toolPress_ = false;         // the left button went to the tool
    QWidget* selectFrame_ = nullptr; // SelectElemRahmen
    QWidget* marker_ = nullptr;      // MoveAnker
    QMenu* contextMenu_ = nullptr;
    QPoint rightPress_;
    TInfoboxForm* infobox_ = nullptr;
};

} // namespace bw
