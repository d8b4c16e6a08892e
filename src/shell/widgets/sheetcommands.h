#pragma once

#include "drawing/sheets.h"

#include <QObject>

class QToolButton;
class QWidget;

namespace bw {

class DrawingControls;
class LearnView;
class SheetMenu;
class Workspace;
class WorkspaceViewHost;

// The drawing sheet in the window: BlattBtn with its menu and dialogs, a press on the start
// screen, and BlattVerlassenPan.
class SheetCommands : public QObject {
    Q_OBJECT
public:
    SheetCommands(Workspace& ws, LearnView& view, DrawingControls& drawing, WorkspaceViewHost& host,
                  QToolButton* blattBtn, QToolButton* leaveBtn, QWidget* window);

    SheetMenu& menu() const { return *menu_; }
    // NewSheet with the ruling, then the pen in place of pointer or hand.
    void OpenSheet(SheetKind kind, int n, const TableRuling& table = {});
    // BlattVerlassenPan: back to the document shown before, at the question it showed.
    void LeaveSheet();

private:
    Workspace& ws_;
    LearnView& view_;
    DrawingControls& drawing_;
    SheetMenu* menu_;
};

} // namespace bw
