#pragma once

#include "shell/topiclist.h"

#include <QObject>
#include <functional>
#include <vector>

class QAction;
class QActionGroup;
class QMenu;
class QScrollArea;
class QWidgetAction;

namespace bw {

class TopicGrid;

// The topic entries of the "&Themenauswahl" menu, after its fixed entries. Every topic is
// a checkable radio action named "MenueThemaItem" + index. Up to 30 topics they stand in
// the menu itself; beyond that the whole menu is one grid of two columns, the second one
// starting at TopicMenuColumnBreak, with the fixed entries at the top of the first, so
// that the columns come out even. The fixed entries then leave the menu itself; their
// shortcuts stay with the window.
class TopicMenu : public QObject {
    Q_OBJECT
public:
    explicit TopicMenu(QMenu* menu);
    ~TopicMenu() override;

    // Replaces the topic entries; selected is checked (-1: none).
    void Fill(const std::vector<ThemenDataTyp>& list, int selected);
    void Check(int selected);

    // The entry to show checked once a choice was handled (the window's SelectedTopic).
    std::function<int()> selectedTopic;

    const QList<QAction*>& topicActions() const { return actions_; }
    // -1 while the entries stand in the menu itself.
    int columnBreak() const { return columnBreak_; }
    QWidgetAction* columnsAction() const { return columnsAction_; }
    TopicGrid* grid() const { return grid_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The user chose the entry of index.
    void topicChosen(int index);

private:
    void clear();
    void FitGridToScreen();

    QMenu* menu_;
    QActionGroup* group_;
    QList<QAction*> fixed_; // the menu's own entries before the topics
    QList<QAction*> actions_;
    QWidgetAction* columnsAction_ = nullptr;
    QScrollArea* area_ = nullptr;
    TopicGrid* grid_ = nullptr;
    int columnBreak_ = -1;
};

} // namespace bw
