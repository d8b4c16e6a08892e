#include "shell/widgets/topicmenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QRegularExpression>
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

// The "&Themenauswahl" menu with its nine fixed entries.
struct Menu {
    QMenu menu;
    TopicMenu topics{&menu};
    std::vector<int> opened;
    int selected = -1;
    Menu() {
        for (const char* c : {"&Startseite", "&Zuvor angzeigtes Dokument", "-",
                              "&Vorheriges Dokument der Liste", "&Nächstes Dokument der Liste", "-",
                              "&Aktuellen Ordner neu einlesen", "&Ordner wählen...", "-"}) {
            if (QByteArray(c) == "-")
                menu.addSeparator();
            else
                menu.addAction(QString::fromUtf8(c));
        }
        topics.onOpenTopic = [this](int i) { opened.push_back(i); };
        topics.selectedTopic = [this] { return selected; };
    }
};

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

TEST(TopicMenu, FortyTopicsShowTwoColumnsFromIndex16) {
    Menu m;
    m.topics.Fill(Topics(40), 20);
    EXPECT_EQ(m.topics.columnBreak(), 16);
    ASSERT_NE(m.topics.columnsAction(), nullptr);
    EXPECT_EQ(m.menu.actions().size(), 9 + 1);
    const QList<QAction*>& actions = m.topics.topicActions();
    ASSERT_EQ(actions.size(), 40);
    EXPECT_EQ(actions[39]->objectName(), QStringLiteral("MenueThemaItem39"));
    EXPECT_TRUE(actions[20]->isChecked());

    QWidget* grid = m.topics.columnsAction()->defaultWidget()->findChild<QWidget*>(
        QStringLiteral("MenueThemaSpaltenListe"));
    if (!grid) grid = m.topics.columnsAction()->defaultWidget();
    ASSERT_EQ(grid->objectName(), QStringLiteral("MenueThemaSpaltenListe"));
    // 24 rows: 16 on the left, 24 on the right.
    const QSize size = grid->sizeHint();
    const int row = size.height() / 24;
    ASSERT_GT(row, 0);
    EXPECT_EQ(size.height(), row * 24);
    grid->resize(size);
    const QImage painted = grid->grab().toImage();
    EXPECT_EQ(painted.size(), size * grid->devicePixelRatioF());

    // A click in the right column, fifth row, is topic 16 + 4.
    const QPointF at(size.width() - 4, 4 * row + row / 2);
    QMouseEvent release(QEvent::MouseButtonRelease, at, grid->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(grid, &release);
    // A click in the left column, same row, is topic 4.
    const QPointF left(4, 4 * row + row / 2);
    QMouseEvent release2(QEvent::MouseButtonRelease, left, grid->mapToGlobal(left), Qt::LeftButton,
                         Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(grid, &release2);
    // Digits still open the first nine.
    QKeyEvent three(QEvent::KeyPress, Qt::Key_3, Qt::NoModifier, QStringLiteral("3"));
    QCoreApplication::sendEvent(&m.menu, &three);
    QCoreApplication::processEvents();
    EXPECT_EQ(m.opened, (std::vector<int>{20, 4, 2}));
}
