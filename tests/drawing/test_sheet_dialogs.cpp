// The new-sheet menu and its two dialogs, driven as a user would.
#include "drawing/widgets/sheetdialogs.h"
#include "drawing/widgets/sheetmenu.h"
#include "support/dialogdriver.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace bw;
using test::OnDialog;

namespace {

struct Request {
    SheetKind kind;
    int n;
    TableRuling table;
};

struct MenuFixture : ::testing::Test {
    QWidget window;
    SheetMenu sheets{&window};
    std::vector<Request> requests;

    void SetUp() override {
        QObject::connect(&sheets, &SheetMenu::sheetRequested,
                         [this](SheetKind k, int n, const TableRuling& t) {
                             requests.push_back({k, n, t});
                         });
    }

    QAction* entry(const QString& caption) {
        for (QAction* a : sheets.menu()->findChildren<QAction*>())
            if (a->text() == caption) return a;
        ADD_FAILURE() << caption.toStdString();
        return nullptr;
    }
};

int ClientHeight(QDialog* d) {
    return d->height();
}

} // namespace

TEST_F(MenuFixture, EveryEntryAsksForItsKindAndCount) {
    // Top level: the blank sheet and one submenu per kind, in this order.
    QStringList top;
    for (QAction* a : sheets.menu()->actions())
        top << a->text();
    EXPECT_EQ(top, QStringList({"Leeres Blatt", "Linien", "Kariert", "Notenlinien", "Tabelle",
                                "Lineatur 1. Klasse", "Lineatur 2. Klasse", "Lineatur 3. Klasse",
                                "Lineatur 4. Klasse"}));
    QMenu* linien = sheets.menu()->actions().value(1)->menu();
    ASSERT_NE(linien, nullptr);
    QStringList lines;
    for (QAction* a : linien->actions())
        lines << a->text();
    EXPECT_EQ(lines, QStringList({"Linien weit (10)", "Linien mittel (15)", "Linien eng (20)",
                                  "Linien frei..."}));

    const struct {
        const char* caption;
        SheetKind kind;
        int n;
    } fixed[] = {{"Leeres Blatt", SheetKind::Blank, 0},
                 {"Linien weit (10)", SheetKind::Lines, 10},
                 {"Linien eng (20)", SheetKind::Lines, 20},
                 {"Kariert groß (20)", SheetKind::Squares, 20},
                 {"Kariert klein (40)", SheetKind::Squares, 40},
                 {"Notenlinien mittel (5)", SheetKind::Staves, 5},
                 {"Lineatur 1. Klasse weit (3)", SheetKind::Class1, 3},
                 {"Lineatur 2. Klasse eng (8)", SheetKind::Class2, 8},
                 {"Lineatur 3. Klasse mittel (9)", SheetKind::Class3, 9},
                 {"Lineatur 4. Klasse eng (16)", SheetKind::Class4, 16}};
    for (const auto& f : fixed) {
        requests.clear();
        QAction* a = entry(QString::fromUtf8(f.caption));
        ASSERT_NE(a, nullptr);
        a->trigger();
        ASSERT_EQ(requests.size(), 1u) << f.caption;
        EXPECT_EQ(requests[0].kind, f.kind) << f.caption;
        EXPECT_EQ(requests[0].n, f.n) << f.caption;
    }

    requests.clear();
    entry(QStringLiteral("Tabelle 12x4"))->trigger();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].kind, SheetKind::Table);
    EXPECT_EQ(requests[0].table.rows, 12);
    EXPECT_EQ(requests[0].table.columns, 4);
    for (int m : {requests[0].table.left, requests[0].table.top, requests[0].table.right,
                  requests[0].table.bottom})
        EXPECT_EQ(m, 5);
    // 1 blank + 4 kinds with 4 entries + 7 table entries + 4 classes with 4 entries.
    int entries = 0;
    for (QAction* a : sheets.menu()->findChildren<QAction*>())
        entries += !a->menu() && !a->text().isEmpty();
    EXPECT_EQ(entries, 1 + 3 * 4 + 7 + 4 * 4);
}

TEST_F(MenuFixture, AFreeCountIsClampedRememberedAndCancelAsksForNothing) {
    TBlattAnzahlForm* form = sheets.countForm();
    QString caption;
    int offered = 0;
    OnDialog(
        form,
        [&] {
            caption = form->windowTitle();
            offered = form->AnzEdit->value();
            EXPECT_EQ(form->focusWidget(), form->AnzEdit);
            form->AnzEdit->setValue(150); // more than staves allow
        },
        QStringLiteral("OK"));
    entry(QStringLiteral("Notenlinien frei..."))->trigger();
    EXPECT_EQ(caption, QStringLiteral("Blatt mit Notenlinien"));
    EXPECT_EQ(offered, 8);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].kind, SheetKind::Staves);
    EXPECT_EQ(requests[0].n, 20);
    EXPECT_EQ(sheets.counts().count(SheetKind::Staves), 20);

    // The next time the dialog offers the count remembered for that kind only.
    OnDialog(
        form, [&] { offered = form->AnzEdit->value(); }, QStringLiteral("Abbrechen"));
    entry(QStringLiteral("Notenlinien frei..."))->trigger();
    EXPECT_EQ(offered, 20);
    EXPECT_EQ(requests.size(), 1u);
    OnDialog(
        form,
        [&] {
            caption = form->windowTitle();
            offered = form->AnzEdit->value();
            // Typed, not stepped: the number edit takes at most 200.
            form->AnzEdit->selectAll();
            QTest::keyClicks(form->AnzEdit, QStringLiteral("0"));
        },
        QStringLiteral("OK"));
    entry(QStringLiteral("Kariert frei..."))->trigger();
    EXPECT_EQ(caption, QStringLiteral("Kariertes Blatt"));
    EXPECT_EQ(offered, 50);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].kind, SheetKind::Squares);
    EXPECT_EQ(requests[1].n, 1);
    EXPECT_EQ(form->AnzEdit->minimum(), 1);
    EXPECT_EQ(form->AnzEdit->maximum(), 200);
}

TEST_F(MenuFixture, TheTableDialogKeepsItsValuesAndShowsTheMarginsOnRequest) {
    TBlattTabelleForm* form = sheets.tableForm();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Blatt mit Tabelle"));
    int heightPlain = 0, heightMargins = 0;
    bool marginsShownFirst = true;
    OnDialog(
        form,
        [&] {
            EXPECT_EQ(form->ZeilenEdit->value(), 6);
            EXPECT_EQ(form->SpaltenEdit->value(), 3);
            EXPECT_FALSE(form->FreiraumCheck->isChecked());
            EXPECT_EQ(form->focusWidget(), form->ZeilenEdit);
            heightPlain = ClientHeight(form);
            marginsShownFirst = form->FreiraumGroup->isVisible();
            // "+" twice on the rows, "-" once on the columns.
            QList<QPushButton*> plus, minus;
            for (QPushButton* b : form->findChildren<QPushButton*>()) {
                if (b->text() == QLatin1String("+")) plus << b;
                if (b->text() == QLatin1String("-")) minus << b;
            }
            ASSERT_EQ(plus.size(), 2);
            ASSERT_EQ(minus.size(), 2);
            plus[0]->click();
            plus[0]->click();
            minus[1]->click();
            form->FreiraumCheck->click();
            heightMargins = ClientHeight(form);
            form->ObenEdit->setValue(0);
            form->LinksEdit->setValue(10);
            form->RechtsEdit->setValue(20);
            form->UntenEdit->setValue(100);
        },
        QStringLiteral("OK"));
    entry(QStringLiteral("Tabelle frei..."))->trigger();
    EXPECT_EQ(heightPlain, 145);
    EXPECT_FALSE(marginsShownFirst);
    EXPECT_EQ(heightMargins, 275);
    ASSERT_EQ(requests.size(), 1u);
    const TableRuling t = requests[0].table;
    EXPECT_EQ(requests[0].kind, SheetKind::Table);
    EXPECT_EQ(t.rows, 8);
    EXPECT_EQ(t.columns, 2);
    EXPECT_EQ(t.top, 0);
    EXPECT_EQ(t.left, 10);
    EXPECT_EQ(t.right, 20);
    EXPECT_EQ(t.bottom, 100);

    // Hidden margins still count, and the dialog shows what it had.
    OnDialog(
        form,
        [&] {
            EXPECT_EQ(form->ZeilenEdit->value(), 8);
            EXPECT_TRUE(form->FreiraumCheck->isChecked());
            form->FreiraumCheck->click();
            heightPlain = ClientHeight(form);
        },
        QStringLiteral("OK"));
    entry(QStringLiteral("Tabelle frei..."))->trigger();
    EXPECT_EQ(heightPlain, 145);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].table.left, 10);
    EXPECT_EQ(requests[1].table.bottom, 100);

    // The edits take only their ranges.
    EXPECT_EQ(form->ZeilenEdit->maximum(), 200);
    EXPECT_EQ(form->SpaltenEdit->minimum(), 1);
    EXPECT_EQ(form->UntenEdit->maximum(), 100);
    EXPECT_EQ(form->ObenEdit->minimum(), 0);
}
