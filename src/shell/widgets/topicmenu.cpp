#include "shell/widgets/topicmenu.h"

#include "shell/widgets/topicgrid.h"

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QWidgetAction>

namespace bw {

TopicMenu::TopicMenu(QMenu* menu)
    : QObject(menu), menu_(menu), group_(new QActionGroup(this)), fixed_(menu->actions()) {
    // Optional: no entry is checked while no topic document is open.
    group_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    menu_->installEventFilter(this);
    // The menu bar places the menu from its size before the menu is shown, so the grid is
    // fitted whenever the window, and with it the menu bar, moves.
    if (QWidget* bar = menu_->parentWidget()) bar->window()->installEventFilter(this);
}

TopicMenu::~TopicMenu() = default;

void TopicMenu::clear() {
    for (QAction* a : std::as_const(actions_)) {
        menu_->removeAction(a);
        delete a;
    }
    actions_.clear();
    if (columnsAction_) {
        menu_->removeAction(columnsAction_);
        // Later: the grid may be handling the very click that re-reads the list.
        columnsAction_->deleteLater();
        columnsAction_ = nullptr;
        area_ = nullptr;
        grid_ = nullptr;
        QWidget* host = menu_->parentWidget() ? menu_->parentWidget()->window() : nullptr;
        for (QAction* a : std::as_const(fixed_)) {
            if (host) host->removeAction(a);
            menu_->addAction(a);
        }
    }
    columnBreak_ = -1;
}

void TopicMenu::Fill(const std::vector<ThemenDataTyp>& list, int selected) {
    clear();
    for (int i = 0; i < int(list.size()); ++i) {
        auto* a = new QAction(TopicMenuCaption(i, list[i]), menu_);
        a->setObjectName(QStringLiteral("MenueThemaItem") + QString::number(i));
        a->setCheckable(true);
        a->setChecked(i == selected);
        a->setActionGroup(group_);
        // Queued: opening may re-read the list and delete this very action; the menu has
        // closed before a question about unsaved changes appears.
        connect(
            a, &QAction::triggered, this,
            [this, i] {
                emit topicChosen(i);
                // A refused or failed open leaves the check where the document is.
                if (selectedTopic) Check(selectedTopic());
            },
            Qt::QueuedConnection);
        actions_ << a;
    }
    columnBreak_ = TopicMenuColumnBreak(int(actions_.size()));
    if (columnBreak_ < 0) {
        menu_->addActions(actions_);
        return;
    }
    // The window keeps the shortcuts of the entries that move into the grid.
    QWidget* host = menu_->parentWidget() ? menu_->parentWidget()->window() : nullptr;
    for (QAction* a : std::as_const(fixed_)) {
        menu_->removeAction(a);
        if (host) host->addAction(a);
    }
    grid_ = new TopicGrid(fixed_, actions_, columnBreak_);
    area_ = new QScrollArea;
    area_->setObjectName(QStringLiteral("MenueThemaSpaltenBereich"));
    area_->setFrameShape(QFrame::NoFrame);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area_->setWidgetResizable(true);
    // The menu's own background shows through, as behind its other entries.
    area_->setAutoFillBackground(false);
    area_->viewport()->setAutoFillBackground(false);
    area_->setWidget(grid_);
    columnsAction_ = new QWidgetAction(menu_);
    columnsAction_->setObjectName(QStringLiteral("MenueThemaSpalten"));
    columnsAction_->setDefaultWidget(area_);
    FitGridToScreen();
    menu_->addAction(columnsAction_);
}

void TopicMenu::FitGridToScreen() {
    if (!area_) return;
    const QSize content = grid_->sizeHint();
    // Below the menu bar down to the bottom of the work area, less the menu's frame.
    QWidget* bar = menu_->parentWidget();
    const QScreen* screen = bar ? bar->screen() : menu_->screen();
    const QRect work = screen ? screen->availableGeometry() : QRect(QPoint(), content);
    int top = work.top();
    if (bar && bar->isVisible())
        top = std::max(top, bar->mapToGlobal(QPoint(0, bar->height())).y());
    const QStyle* st = menu_->style();
    const int frame = 2 * (st->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, menu_) +
                           st->pixelMetric(QStyle::PM_MenuVMargin, nullptr, menu_) +
                           st->pixelMetric(QStyle::PM_MenuDesktopFrameWidth, nullptr, menu_));
    // The menu bar counts a menu reaching the last pixel row as not fitting.
    const int room = std::max(work.bottom() - top - frame, 8 * menu_->fontMetrics().height());
    const bool scroll = content.height() > room;
    const int scrollBarWidth = scroll ? area_->verticalScrollBar()->sizeHint().width() : 0;
    const QSize size(content.width() + scrollBarWidth, scroll ? room : content.height());
    if (size == area_->size() && area_->minimumSize() == size) return;
    area_->setVerticalScrollBarPolicy(scroll ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    area_->setFixedSize(size);
    // QMenu keeps the size of its entries until they change.
    if (!menu_->isVisible() && menu_->actions().contains(columnsAction_)) {
        menu_->removeAction(columnsAction_);
        menu_->addAction(columnsAction_);
    }
}

void TopicMenu::Check(int selected) {
    if (selected >= 0 && selected < actions_.size()) {
        actions_[selected]->setChecked(true);
    } else if (QAction* a = group_->checkedAction()) {
        a->setChecked(false);
    }
    if (grid_) grid_->update();
}

bool TopicMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched != menu_) {
        const QEvent::Type t = event->type();
        if (t == QEvent::Move || t == QEvent::Resize || t == QEvent::Show) FitGridToScreen();
        return false;
    }
    // Keys the menu gets before the grid has the focus (the first arrow, a digit).
    if (watched == menu_ && grid_ && !grid_->hasFocus() && event->type() == QEvent::KeyPress)
        return grid_->HandleKey(static_cast<QKeyEvent*>(event));
    return QObject::eventFilter(watched, event);
}

} // namespace bw
