#pragma once

#include "drawing/sheets.h"
#include "shell/edition.h"

#include <QSize>

namespace bw {

class Workspace;
struct Settings;

// The size of a new sheet for a picture control of the given size: the page-ratio preset of
// the settings, the base edition always the control's size.
QSize NewSheetSize(const Settings& settings, Edition edition, QSize control);

// NewSheet with the ruling of a kind: the save question, an empty document whose base image
// is the white, ruled sheet, sized for a picture control of the given size by the page-ratio
// preset (the base edition always takes the control's size), titled "Neues Zeichenblatt" and
// unmodified. False when the save question was cancelled or no learning view is shown; the
// document is then unchanged.
bool NewSheet(Workspace& ws, QSize control, SheetKind kind, int n, const TableRuling& table = {});

// Leaving the sheet: closes the document (with the save question, which a sheet never needs)
// and reopens the one shown before. Returns the question to show in the reopened document,
// the given one clamped to its questions, or 0 when it has none; -1 when nothing was left.
int LeaveSheet(Workspace& ws, int currentQuestion);

} // namespace bw
