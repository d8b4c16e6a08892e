#include "shell/widgets/sheetcommands.h"

#include "drawing/widgets/drawingcontrols.h"
#include "drawing/widgets/sheetmenu.h"
#include "shell/sheetflow.h"
#include "shell/widgets/viewcontrols.h"
#include "shell/workspace.h"
#include "view/learnview.h"

#include <QToolButton>

namespace bw {

SheetCommands::SheetCommands(Workspace& ws, LearnView& view, DrawingControls& drawing,
                             WorkspaceViewHost& host, QToolButton* blattBtn, QToolButton* leaveBtn,
                             QWidget* window)
    : QObject(window), ws_(ws), view_(view), drawing_(drawing), menu_(new SheetMenu(window, this)) {
    connect(menu_, &SheetMenu::sheetRequested, this,
            [this](SheetKind kind, int n, const TableRuling& t) { OpenSheet(kind, n, t); });
    host.newSheet = [this] { OpenSheet(SheetKind::Blank, 0); };
    if (blattBtn) {
        blattBtn->setEnabled(true);
        connect(blattBtn, &QToolButton::clicked, this, [this, blattBtn] {
            // A running exercise keeps its document.
            if (ws_.ViewMode == ViewModeKind::Learning) menu_->PopupBelow(blattBtn);
        });
    }
    if (leaveBtn) {
        leaveBtn->setEnabled(true);
        leaveBtn->setVisible(true);
        connect(leaveBtn, &QToolButton::clicked, this, [this] { LeaveSheet(); });
    }
}

void SheetCommands::OpenSheet(SheetKind kind, int n, const TableRuling& table) {
    // The question shown before the sheet is where leaving it returns to.
    const int question = view_.CurrentQuestion;
    if (!NewSheet(ws_, view_.ViewSize(), kind, n, table)) return;
    view_.CurrentQuestion = question;
    const DrawTool tool = drawing_.board().state().CurrentTool;
    if ((tool == DrawTool::Pointer || tool == DrawTool::Hand) && !drawing_.EditorOpen())
        drawing_.tools().select(DrawTool::Pen);
}

void SheetCommands::LeaveSheet() {
    const int question = ::bw::LeaveSheet(ws_, view_.CurrentQuestion);
    if (question >= 1) view_.SetCurrentQuestion(question);
}

} // namespace bw
