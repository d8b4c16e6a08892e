#pragma once

#include "view/tool.h"

namespace bw {

// A pan of the viewport by dragging: a press commits the drawings, every move shifts.
class PanGesture {
public:
    void begin(ToolContext& ctx, QPoint pos);
    void move(ToolContext& ctx, QPoint pos);
    void end() { active_ = false; }
    bool active() const { return active_; }

private:
    bool active_ = false;
    QPoint last_;
};

// Covers and uncovers query fields and opens info points, links and question buttons.
// While another tool is set over it (the object editor's, while that is open), the pointer
// hands every event to that tool instead.
class PointerTool : public Tool {
    Q_OBJECT
public:
    explicit PointerTool(QObject* parent = nullptr) : Tool(QStringLiteral("Zeiger"), parent) {}
    void setOverride(Tool* tool, ToolContext* ctx);
    Tool* override() const { return override_; }

    void deactivate(ToolContext& ctx) override;
    void mousePressed(ToolContext& ctx, const ToolEvent& e) override;
    void mouseMoved(ToolContext& ctx, const ToolEvent& e) override;
    void mouseReleased(ToolContext& ctx, const ToolEvent& e) override;
    QCursor cursor(ToolContext& ctx, QPoint pos) const override;

private:
    Tool* override_ = nullptr;
};

// Moves the visible part of the page.
class HandTool : public Tool {
    Q_OBJECT
public:
    explicit HandTool(QObject* parent = nullptr) : Tool(QStringLiteral("Hand"), parent) {}
    void mousePressed(ToolContext& ctx, const ToolEvent& e) override;
    void mouseMoved(ToolContext& ctx, const ToolEvent& e) override;
    void mouseReleased(ToolContext& ctx, const ToolEvent& e) override;
    QCursor cursor(ToolContext&, QPoint) const override;

private:
    PanGesture pan_;
};

} // namespace bw
