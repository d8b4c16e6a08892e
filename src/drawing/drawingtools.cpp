#include "drawing/drawingtools.h"

#include "common/cursors.h"
#include "platform/prompter.h"
#include "view/learnview.h"
#include "view/pointertools.h"

namespace bw {

DrawingTool::DrawingTool(QString name, DrawTool kind, DrawingBoard& board, const QString& cursor,
                         QObject* parent)
    : Tool(std::move(name), parent), kind_(kind), board_(board), cursorName_(cursor) {}

const QCursor& DrawingTool::toolCursor() const {
    if (!cursor_) cursor_ = ProgramCursor(cursorName_);
    return *cursor_;
}

bool DrawingTool::mayBecomeCurrent() {
    if (!board_.EditorOpen()) return true;
    prompter().ShowInfo(QStringLiteral("Bitte zuerst den Beschriftungseditor schließen."));
    return false;
}

void DrawingTool::mousePressed(ToolContext&, const ToolEvent& e) {
    if (e.button == Qt::LeftButton) board_.PressAt(e.pos);
}

void DrawingTool::mouseMoved(ToolContext& ctx, const ToolEvent& e) {
    ctx.setToolCursor(toolCursor());
    board_.ApplyToolAt(e.buttons.testFlag(Qt::LeftButton), e.pos);
}

void DrawingTool::mouseReleased(ToolContext&, const ToolEvent& e) {
    board_.Release(e.pos);
}

DrawingTools::DrawingTools(DrawingBoard& board, ToolManager& tools, QObject* parent)
    : QObject(parent), board_(board), tools_(tools),
      pen_(new DrawingTool(QStringLiteral("Zeichenstift"), DrawTool::Pen, board,
                           QStringLiteral("STIFT5"))),
      eraser_(new DrawingTool(QStringLiteral("Radierer"), DrawTool::Eraser, board,
                              QStringLiteral("RADIER32"))),
      stamp_(new DrawingTool(QStringLiteral("Symbolstempel"), DrawTool::Stamp, board,
                             QStringLiteral("STEMPEL"))),
      text_(new DrawingTool(QStringLiteral("Text"), DrawTool::Text, board,
                            QStringLiteral("TEXTEINGABE"))) {
    for (DrawingTool* t : {pen_, eraser_, stamp_, text_})
        tools_.addTool(t);
    connect(&tools_, &ToolManager::currentToolChanged, this, [this](Tool* t) {
        DrawToolState& s = board_.state();
        if (auto* d = qobject_cast<DrawingTool*>(t))
            s.CurrentTool = d->kind();
        else
            s.CurrentTool = qobject_cast<HandTool*>(t) ? DrawTool::Hand : DrawTool::Pointer;
        s.LastPoint = QPoint(-1, -1);
    });
    connect(&board_, &DrawingBoard::penRequested, this, [this] { select(DrawTool::Pen); });
}

Tool* DrawingTools::tool(DrawTool kind) const {
    switch (kind) {
    case DrawTool::Pen:
        return pen_;
    case DrawTool::Eraser:
        return eraser_;
    case DrawTool::Stamp:
        return stamp_;
    case DrawTool::Text:
        return text_;
    default:
        return nullptr;
    }
}

QAction* DrawingTools::action(DrawTool kind) const {
    Tool* t = tool(kind);
    return t ? tools_.action(t) : nullptr;
}

void DrawingTools::select(DrawTool kind) {
    if (Tool* t = tool(kind)) tools_.selectTool(t);
}

} // namespace bw
