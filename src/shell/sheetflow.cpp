#include "shell/sheetflow.h"

#include "document/objtypes.h"
#include "shell/navigation.h"
#include "shell/workspace.h"

#include <algorithm>

namespace bw {

QSize NewSheetSize(const Settings& s, Edition edition, QSize control) {
    const SheetRatioPreset preset{s.DokSeitRatioArt, s.DokSeitRatioBreite, s.DokSeitRatioHoehe,
                                  s.DokSeitRatioNeuesBlattVollflaeche};
    return SheetSize(control, preset, edition == Edition::Basis);
}

bool NewSheet(Workspace& ws, QSize control, SheetKind kind, int n, const TableRuling& table) {
    if (ws.ViewMode != ViewModeKind::Learning || !ws.AskSaveChanges()) return false;
    ws.ResetDocument();
    ws.doc.BaseImage =
        Picture(MakeSheet(NewSheetSize(ws.settings, ws.edition, control), kind, n, table));
    ws.doc.CurrentHeader.titel = QStringLiteral("Neues Zeichenblatt");
    ws.editor.DocumentReplaced();
    emit ws.documentReplaced();
    emit ws.selectedTopicChanged();
    emit ws.titleChanged();
    return true;
}

int LeaveSheet(Workspace& ws, int currentQuestion) {
    if (ws.ViewMode != ViewModeKind::Learning) return -1;
    // A document that is not a sheet may hold changes: those are not thrown away.
    if (!ws.AskSaveChanges()) return -1;
    ws.CloseDocument();
    OpenPreviousDocument(ws);
    const HeaderDataTyp& h = ws.doc.CurrentHeader;
    if (!IsQuestionDocument(h.DokTyp) || h.AnzFrageNummern < 1) return 0;
    return std::clamp(currentQuestion, 1, h.AnzFrageNummern);
}

} // namespace bw
