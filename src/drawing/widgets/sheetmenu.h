#pragma once

#include "drawing/sheetmenu.h"
#include "drawing/sheets.h"

#include <QObject>

class QMenu;
class QWidget;

namespace bw {

class TBlattAnzahlForm;
class TBlattTabelleForm;

// The new-sheet popup menu (BlattMenu) with its free-count and table dialogs and the counts
// remembered for each kind. A chosen entry asks for a sheet through sheetRequested.
class SheetMenu : public QObject {
    Q_OBJECT
public:
    // The dialogs are children of dialogParent.
    explicit SheetMenu(QWidget* dialogParent, QObject* parent = nullptr);
    ~SheetMenu() override;

    QMenu* menu() const { return menu_; }
    TBlattAnzahlForm* countForm();
    TBlattTabelleForm* tableForm();
    const SheetCounts& counts() const { return counts_; }

    // What the entry's handler does: a fixed variant asks at once, a free one after its dialog.
    void Choose(const SheetMenuEntry& entry);
    // BlattBtnMouseDown: the menu just below the button.
    void PopupBelow(QWidget* button);

signals:
    void sheetRequested(bw::SheetKind kind, int n, const bw::TableRuling& table);

private:
    QWidget* dialogParent_;
    QMenu* menu_;
    TBlattAnzahlForm* countForm_ = nullptr;
    TBlattTabelleForm* tableForm_ = nullptr;
    SheetCounts counts_;
};

} // namespace bw
