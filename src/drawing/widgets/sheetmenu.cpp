#include "drawing/widgets/sheetmenu.h"

#include "common/made.h"
#include "drawing/widgets/sheetdialogs.h"

#include <QMap>
#include <QMenu>

namespace bw {

SheetMenu::SheetMenu(QWidget* dialogParent, QObject* parent)
    : QObject(parent), dialogParent_(dialogParent), menu_(new QMenu(dialogParent)) {
    menu_->setObjectName(QStringLiteral("BlattMenu"));
    QMap<QString, QMenu*> groups;
    for (const SheetMenuEntry& e : SheetMenuEntries()) {
        QMenu* target = menu_;
        if (!e.group.isEmpty()) {
            target = groups.value(e.group);
            if (!target) {
                target = menu_->addMenu(e.group);
                groups.insert(e.group, target);
            }
        }
        QAction* a = target->addAction(e.caption);
        a->setObjectName(e.name);
        connect(a, &QAction::triggered, this, [this, &e] { Choose(e); });
    }
}

SheetMenu::~SheetMenu() = default;

// The two dialogs are made when first asked for.
TBlattAnzahlForm* SheetMenu::countForm() {
    return Made(countForm_, dialogParent_);
}

TBlattTabelleForm* SheetMenu::tableForm() {
    return Made(tableForm_, dialogParent_);
}

void SheetMenu::Choose(const SheetMenuEntry& e) {
    TableRuling table;
    int n = e.n;
    if (e.kind == SheetKind::Table) {
        if (e.free) {
            if (!tableForm()->Execute(&table)) return;
        } else {
            table.rows = e.rows;
            table.columns = e.columns;
        }
    } else if (e.free) {
        n = counts_.count(e.kind);
        if (!countForm()->Execute(FreeSheetCaption(e.kind), &n)) return;
        n = counts_.remember(e.kind, n);
    }
    emit sheetRequested(e.kind, n, table);
}

void SheetMenu::PopupBelow(QWidget* button) {
    menu_->popup(button->mapToGlobal(QPoint(0, button->height())));
}

} // namespace bw
