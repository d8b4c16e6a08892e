#include "shell/widgets/topicgrid.h"
#include "shell/widgets/topicmenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidgetAction>
#include <gtest/gtest.h>

using namespace bw;

namespace {

std::vector<ThemenDataTyp> Topics(int n) {
    std::vector<ThemenDataTyp> list;
    for (int i = 0; i < n; ++i)
        list.push_back({QStringLiteral("Thema %1").arg(i + 1),
                        QStringLiteral("/u/thema%1.bwk").arg(i + 1),
                        {}});
    return list;
}

// The "&Themenauswahl" menu with its nine fixed entries, in a window's menu bar.
QMenu* FixedEntries(QMenu* menu) {
    for (const char* c : {"&Startseite", "&Zuvor angzeigtes Dokument", "-",
                          "&Vorheriges Dokument der Liste", "&Nächstes Dokument der Liste", "-",
                          "&Aktuellen Ordner neu einlesen", "&Ordner wählen...", "-"}) {
        if (QByteArray(c) == "-")
            menu->addSeparator();
        else
            menu->addAction(QString::fromUtf8(c));
    }
    menu->actions()[0]->setShortcut(QKeySequence(QStringLiteral("Alt+Home")));
    return menu;
}

struct Menu {
    QMainWindow window;
    QMenu& menu = *FixedEntries(window.menuBar()->addMenu(QStringLiteral("&Themenauswahl")));
    TopicMenu topics{&menu};
    std::vector<int> opened;
    int selected = -1;
    Menu() {
        QObject::connect(&topics, &TopicMenu::topicChosen, [this](int i) { opened.push_back(i); });
        topics.selectedTopic = [this] { return selected; };
    }
};

void Press(QWidget* w, int key, const QString& text = {}) {
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(w, &e);
}

void ClickAt(QWidget* w, QPoint at) {
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &release);
}

} // namespace

TEST(TopicMenu, UpToThirtyTopicsStandInTheMenuAsRadioEntries) {
    Menu m;
    m.topics.Fill(Topics(40), 3);
    m.topics.Fill(Topics(12), 10);
    const QList<QAction*> all = m.menu.actions();
    ASSERT_EQ(all.size(), 9 + 12);
    EXPECT_EQ(m.topics.columnBreak(), -1);
    EXPECT_EQ(m.topics.columnsAction(), nullptr);
    for (int i = 0; i < 12; ++i) {
        QAction* a = all[9 + i];
        EXPECT_EQ(a->objectName(), QStringLiteral("MenueThemaItem%1").arg(i));
        EXPECT_TRUE(a->isCheckable());
        EXPECT_EQ(a->isChecked(), i == 10);
    }
    EXPECT_EQ(all[9]->text(), QStringLiteral("&1:  Thema 1"));
    EXPECT_EQ(all[18]->text(), QStringLiteral("10:  Thema 10"));
    // The forty earlier entries are gone, not just hidden.
    EXPECT_EQ(
        m.menu.findChildren<QAction*>(QRegularExpression(QStringLiteral("^MenueThemaItem"))).size(),
        12);

    m.topics.Check(2);
    EXPECT_TRUE(all[11]->isChecked());
    EXPECT_FALSE(all[19]->isChecked());
    m.topics.Check(-1);
    EXPECT_FALSE(all[11]->isChecked());
}

TEST(TopicMenu, ChoosingAnEntryOpensItAndTheCheckFollowsTheOpenDocument) {
    Menu m;
    m.topics.Fill(Topics(5), 1);
    m.selected = 1; // the open is refused: the check stays on the open document
    m.topics.topicActions()[3]->trigger();
    EXPECT_TRUE(m.opened.empty()); // queued until the menu has closed
    QCoreApplication::processEvents();
    EXPECT_EQ(m.opened, std::vector<int>{3});
    EXPECT_TRUE(m.topics.topicActions()[1]->isChecked());
    EXPECT_FALSE(m.topics.topicActions()[3]->isChecked());
}

TEST(TopicMenu, FortyTopicsShareTwoEvenColumnsWithTheMenusOwnEntries) {
    Menu m;
    const QList<QAction*> fixed = m.menu.actions();
    m.topics.Fill(Topics(40), 20);
    EXPECT_EQ(m.topics.columnBreak(), 16);
    ASSERT_NE(m.topics.columnsAction(), nullptr);
    // The whole menu is the grid; the window keeps the fixed entries' shortcuts.
    EXPECT_EQ(m.menu.actions(), QList<QAction*>{m.topics.columnsAction()});
    EXPECT_EQ(m.window.actions(), fixed);
    const QList<QAction*>& actions = m.topics.topicActions();
    ASSERT_EQ(actions.size(), 40);
    EXPECT_EQ(actions[39]->objectName(), QStringLiteral("MenueThemaItem39"));
    EXPECT_TRUE(actions[20]->isChecked());

    TopicGrid* grid = m.topics.grid();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->objectName(), QStringLiteral("MenueThemaSpaltenListe"));
    EXPECT_EQ(grid->columnCount(0), 9 + 16);
    EXPECT_EQ(grid->columnCount(1), 24);
    // The second column starts at the top, beside the fixed entries, with topic 16.
    const QRect first = grid->entryRect(fixed[0]);
    const QRect right = grid->entryRect(actions[16]);
    EXPECT_EQ(right.top(), first.top());
    EXPECT_GE(right.left(), first.right());
    EXPECT_EQ(grid->entryRect(actions[15]).left(), first.left());
    // Even: the columns end less than two rows apart (16 against 24 rows before).
    const int row = right.height();
    EXPECT_LT(
        std::abs(grid->entryRect(actions[15]).bottom() - grid->entryRect(actions[39]).bottom()),
        2 * row);
    EXPECT_EQ(
        grid->sizeHint().height(),
        std::max(grid->entryRect(actions[15]).bottom(), grid->entryRect(actions[39]).bottom()) + 1);

    grid->resize(grid->sizeHint());
    const QImage painted = grid->grab().toImage();
    EXPECT_EQ(painted.size(), grid->sizeHint() * grid->devicePixelRatioF());

    ClickAt(grid, grid->entryRect(actions[20]).center());
    ClickAt(grid, grid->entryRect(actions[4]).center());
    ClickAt(grid, grid->entryRect(fixed[2]).center()); // a separator does nothing
    // Digits still open the first nine, also while the menu has the focus.
    Press(&m.menu, Qt::Key_3, QStringLiteral("3"));
    QCoreApplication::processEvents();
    EXPECT_EQ(m.opened, (std::vector<int>{20, 4, 2}));
}

TEST(TopicMenu, TheGridIsDrivenByKeysLikeAMenuWithOneHighlight) {
    Menu m;
    const QList<QAction*> fixed = m.menu.actions();
    int startPage = 0;
    QObject::connect(fixed[0], &QAction::triggered, [&] { ++startPage; });
    fixed[1]->setEnabled(false);
    m.topics.Fill(Topics(40), -1);
    TopicGrid* grid = m.topics.grid();
    const QList<QAction*>& topics = m.topics.topicActions();

    // The first arrow reaches the grid through the menu.
    Press(&m.menu, Qt::Key_Down);
    EXPECT_EQ(grid->highlighted(), fixed[0]);
    Press(grid, Qt::Key_Down); // the disabled entry and the separator are skipped
    EXPECT_EQ(grid->highlighted(), fixed[3]);
    Press(grid, Qt::Key_Up);
    Press(grid, Qt::Key_Up); // round to the bottom of the column
    EXPECT_EQ(grid->highlighted(), topics[15]);
    Press(grid, Qt::Key_Right); // the neighbour in the other column
    const QAction* neighbour = grid->highlighted();
    ASSERT_NE(neighbour, nullptr);
    EXPECT_GE(topics.indexOf(neighbour), 16);
    EXPECT_LE(std::abs(grid->entryRect(neighbour).center().y() -
                       grid->entryRect(topics[15]).center().y()),
              grid->entryRect(topics[15]).height());
    // At the right edge the key is the menu bar's, to open the next menu.
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    EXPECT_FALSE(grid->HandleKey(&right));
    Press(grid, Qt::Key_Down);
    const QAction* chosen = grid->highlighted();
    Press(grid, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(m.opened, std::vector<int>{int(topics.indexOf(chosen))});
    EXPECT_EQ(grid->highlighted(), nullptr);

    // Mnemonics of the fixed entries work in the grid as in the menu.
    Press(grid, Qt::Key_S, QStringLiteral("s"));
    EXPECT_EQ(startPage, 1);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    EXPECT_FALSE(grid->HandleKey(&escape));
}

TEST(TopicMenu, FewerTopicsBringTheFixedEntriesBackIntoTheMenu) {
    Menu m;
    const QList<QAction*> fixed = m.menu.actions();
    m.topics.Fill(Topics(40), -1);
    m.topics.Fill(Topics(3), -1);
    EXPECT_EQ(m.topics.grid(), nullptr);
    EXPECT_EQ(m.menu.actions().mid(0, 9), fixed);
    EXPECT_EQ(m.menu.actions().size(), 9 + 3);
    EXPECT_TRUE(m.window.actions().isEmpty());
}

TEST(TopicMenu, TheGridScrollsOnlyWhenItCannotFitBelowTheMenuBar) {
    Menu m;
    const int screenHeight = m.menu.screen()->availableGeometry().height();
    m.topics.Fill(Topics(31), -1);
    auto* area = qobject_cast<QScrollArea*>(m.topics.columnsAction()->defaultWidget());
    ASSERT_NE(area, nullptr);
    ASSERT_LT(m.topics.grid()->sizeHint().height(), screenHeight - 100);
    EXPECT_EQ(area->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(area->height(), m.topics.grid()->sizeHint().height());
    EXPECT_EQ(area->width(), m.topics.grid()->sizeHint().width());

    m.topics.Fill(Topics(200), -1);
    area = qobject_cast<QScrollArea*>(m.topics.columnsAction()->defaultWidget());
    ASSERT_NE(area, nullptr);
    ASSERT_GT(m.topics.grid()->sizeHint().height(), screenHeight);
    EXPECT_EQ(area->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    // The menu bar opens a menu below itself only when it ends above the last pixel row.
    EXPECT_LT(m.menu.sizeHint().height(), screenHeight);
    EXPECT_GE(m.menu.sizeHint().height(), area->height());
    // A window lower on the screen leaves less room below its menu bar.
    m.window.resize(600, 300);
    m.window.move(m.menu.screen()->availableGeometry().topLeft() + QPoint(0, 300));
    m.window.show();
    QCoreApplication::processEvents();
    const int barBottom =
        m.window.menuBar()->mapToGlobal(QPoint(0, m.window.menuBar()->height())).y();
    ASSERT_GT(barBottom, 300);
    EXPECT_LT(barBottom + m.menu.sizeHint().height(),
              m.menu.screen()->availableGeometry().bottom() + 1);
    EXPECT_GT(barBottom + m.menu.sizeHint().height(),
              m.menu.screen()->availableGeometry().bottom() - 10);
    // No gap beside the entries: the scroll bar takes exactly the rest.
    EXPECT_EQ(area->width(),
              m.topics.grid()->sizeHint().width() + area->verticalScrollBar()->sizeHint().width());
}
