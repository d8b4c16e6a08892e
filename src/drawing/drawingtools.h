#pragma once

#include "drawing/drawingboard.h"
#include "view/tool.h"

#include <optional>

namespace bw {

// Pen, eraser, stamp and text: the left button paints through the drawing board.
class DrawingTool : public Tool {
    Q_OBJECT
public:
    // cursor: the name of the program cursor the tool shows over the picture.
    DrawingTool(QString name, DrawTool kind, DrawingBoard& board, const QString& cursor,
                QObject* parent = nullptr);
    DrawTool kind() const { return kind_; }

    void mousePressed(ToolContext& ctx, const ToolEvent& e) override;
    void mouseMoved(ToolContext& ctx, const ToolEvent& e) override;
    void mouseReleased(ToolContext& ctx, const ToolEvent& e) override;
    // Refused with a message while the object editor is open.
    bool mayBecomeCurrent() override;
    QCursor cursor(ToolContext&, QPoint) const override { return toolCursor(); }

private:
    const QCursor& toolCursor() const;

    DrawTool kind_;
    DrawingBoard& board_;
    QString cursorName_;
    // Drawn at the first use: four cursor pictures are not worth a slower start.
    mutable std::optional<QCursor> cursor_;
};

// Adds the four drawing tools to a tool manager and keeps the board's CurrentTool in step
// with the manager's current tool.
class DrawingTools : public QObject {
    Q_OBJECT
public:
    DrawingTools(DrawingBoard& board, ToolManager& tools, QObject* parent = nullptr);

    Tool* tool(DrawTool kind) const;
    QAction* action(DrawTool kind) const;
    void select(DrawTool kind);

private:
    DrawingBoard& board_;
    ToolManager& tools_;
    DrawingTool* pen_;
    DrawingTool* eraser_;
    DrawingTool* stamp_;
    DrawingTool* text_;
};

} // namespace bw
