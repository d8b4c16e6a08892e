#pragma once

#include "shell/topiclist.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class QAction;
class QActionGroup;
class QMenu;
class QWidgetAction;

namespace bw {

class TopicColumns;

// The topic entries of the "&Themenauswahl" menu, after its fixed entries. Every topic is
// a checkable radio action named "MenueThemaItem" + index. Up to 30 topics they stand in
// the menu itself; beyond that one grid entry shows them in two columns, the second one
// starting at TopicMenuColumnBreak, and the digits 1 to 9 still open the first nine.
class TopicMenu : public QObject {
    Q_OBJECT
public:
    explicit TopicMenu(QMenu* menu);
    ~TopicMenu() override;

    // Replaces the topic entries; selected is checked (-1: none).
    void Fill(const std::vector<ThemenDataTyp>& list, int selected);
    void Check(int selected);

    // Called with the index of the entry the user chose.
    std::function<void(int)> onOpenTopic;
    // The entry to show checked once a choice was handled (the window's SelectedTopic).
    std::function<int()> selectedTopic;

    const QList<QAction*>& topicActions() const { return actions_; }
    // -1 while the entries stand in the menu itself.
    int columnBreak() const { return columnBreak_; }
    QWidgetAction* columnsAction() const { return columnsAction_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void clear();

    QMenu* menu_;
    QActionGroup* group_;
    QList<QAction*> actions_;
    QWidgetAction* columnsAction_ = nullptr;
    int columnBreak_ = -1;
};

} // namespace bw
