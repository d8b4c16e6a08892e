#pragma once

#include <QCursor>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <vector>

class QAction;
class QActionGroup;

namespace bw {

class DocumentEditor;
class LearnView;
struct ClickResult;

// A mouse event in view-bitmap pixels.
struct ToolEvent {
    QPoint pos;
    Qt::MouseButton button = Qt::NoButton;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
};

// What a tool may use: the view, the document editor and a few services of the window
// that shows the view. Tools never see the main window.
class ToolContext {
public:
    virtual ~ToolContext() = default;
    virtual LearnView& view() = 0;
    virtual DocumentEditor* editor() = 0; // null where the document is not editable
    virtual void setToolCursor(const QCursor& cursor) = 0;
    // Opens what a click activated (info window, link, question step).
    virtual void activate(const ClickResult& result) = 0;
    // Shows the editing handle (MoveAnker) at a rectangle of view pixels; empty hides it.
    virtual void showHandle(const QRect& viewRect) { (void)viewRect; }
};

// One way of working with the mouse in the view (pointer, hand, pen, eraser, stamp, text,
// the object editor's handles). The view widget sends it the left button; the right button
// pans and the middle button uncovers in every tool.
class Tool : public QObject {
    Q_OBJECT
public:
    explicit Tool(QString name, QObject* parent = nullptr)
        : QObject(parent), name_(std::move(name)) {}
    const QString& name() const { return name_; }

    // Asked before the tool becomes current; a tool that refuses tells the user why.
    virtual bool mayBecomeCurrent() { return true; }
    virtual void activate(ToolContext&) {}
    virtual void deactivate(ToolContext&) {}
    virtual void mousePressed(ToolContext&, const ToolEvent&) {}
    virtual void mouseMoved(ToolContext&, const ToolEvent&) {}
    virtual void mouseReleased(ToolContext&, const ToolEvent&) {}
    // The cursor over this view point while no button is held.
    virtual QCursor cursor(ToolContext&, QPoint) const { return Qt::ArrowCursor; }

private:
    QString name_;
};

// Holds the tools and the current one. Each tool has one checkable action in an exclusive
// group; menu entries and toolbar buttons share that action.
class ToolManager : public QObject {
    Q_OBJECT
public:
    explicit ToolManager(QObject* parent = nullptr);
    ~ToolManager() override;

    // Takes ownership; the first tool added becomes the current one.
    QAction* addTool(Tool* tool);
    QAction* action(const Tool* tool) const;
    Tool* currentTool() const { return current_; }
    // Makes the tool current unless it refuses; a refused tool leaves the current one checked.
    void selectTool(Tool* tool);
    // The context tools are activated in; set by the view that shows them.
    void setContext(ToolContext* context);
    ToolContext* context() const { return context_; }

signals:
    void currentToolChanged(Tool* tool);

private:
    struct Entry {
        Tool* tool;
        QAction* action;
    };
    std::vector<Entry> tools_;
    QActionGroup* group_;
    Tool* current_ = nullptr;
    ToolContext* context_ = nullptr;
};

} // namespace bw
