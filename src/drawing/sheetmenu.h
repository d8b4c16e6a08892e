#pragma once

#include "drawing/sheets.h"

#include <QString>
#include <vector>

namespace bw {

// One entry of the new-sheet popup menu (BlattMenu).
struct SheetMenuEntry {
    QString group;   // caption of the submenu that holds it; empty at the top level
    QString caption; // "Linien weit (10)"
    QString name;    // object name of the entry
    SheetKind kind = SheetKind::Blank;
    int n = 0;    // the count of a fixed variant
    int rows = 0; // a fixed table's rows and columns (margins 5 %)
    int columns = 0;
    bool free = false; // asks for the count (or the table) in a dialog
};

// Every entry in menu order, submenus in the order of their first entry.
const std::vector<SheetMenuEntry>& SheetMenuEntries();

} // namespace bw
