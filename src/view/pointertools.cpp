#include "view/pointertools.h"

#include "common/cursors.h"
#include "view/learnview.h"

namespace bw {

void PanGesture::begin(ToolContext& ctx, QPoint pos) {
    ctx.view().BeginPan();
    active_ = true;
    last_ = pos;
    ctx.setToolCursor(ProgramCursor(QStringLiteral("HAND")));
}

void PanGesture::move(ToolContext& ctx, QPoint pos) {
    if (!active_) return;
    const QPoint d = last_ - pos;
    last_ = pos;
    if (!d.isNull()) ctx.view().Pan(d.x(), d.y());
}

void PointerTool::setOverride(Tool* tool, ToolContext* ctx) {
    if (tool == override_) return;
    if (override_ && ctx) override_->deactivate(*ctx);
    override_ = tool;
    if (override_ && ctx) override_->activate(*ctx);
}

void PointerTool::deactivate(ToolContext& ctx) {
    if (override_) override_->deactivate(ctx);
}

void PointerTool::mousePressed(ToolContext& ctx, const ToolEvent& e) {
    if (override_)
        override_->mousePressed(ctx, e);
    else if (e.button == Qt::LeftButton)
        ctx.activate(ctx.view().ClickAt(e.pos));
}

void PointerTool::mouseMoved(ToolContext& ctx, const ToolEvent& e) {
    if (override_) override_->mouseMoved(ctx, e);
}

void PointerTool::mouseReleased(ToolContext& ctx, const ToolEvent& e) {
    if (override_) override_->mouseReleased(ctx, e);
}

QCursor PointerTool::cursor(ToolContext& ctx, QPoint pos) const {
    if (override_) return override_->cursor(ctx, pos);
    LearnView& v = ctx.view();
    const bool inside = QRect(QPoint(0, 0), v.ViewImage().size()).contains(pos);
    return inside && v.HitTestObject(pos) >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor;
}

void HandTool::mousePressed(ToolContext& ctx, const ToolEvent& e) {
    if (e.button == Qt::LeftButton) pan_.begin(ctx, e.pos);
}

void HandTool::mouseMoved(ToolContext& ctx, const ToolEvent& e) {
    pan_.move(ctx, e.pos);
}

void HandTool::mouseReleased(ToolContext& ctx, const ToolEvent&) {
    pan_.end();
    ctx.setToolCursor(ProgramCursor(QStringLiteral("HAND")));
}

QCursor HandTool::cursor(ToolContext&, QPoint) const {
    return ProgramCursor(QStringLiteral("HAND"));
}

} // namespace bw
