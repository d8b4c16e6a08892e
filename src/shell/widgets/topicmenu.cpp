#include "shell/widgets/topicmenu.h"

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionMenuItem>
#include <QWidgetAction>

namespace bw {

// Two columns of topic entries drawn as menu items by the style, so they look like the
// rest of the menu. QMenu itself cannot be told where a column starts.
class TopicColumns : public QWidget {
public:
    TopicColumns(QList<QAction*> actions, int columnBreak, QWidget* parent)
        : QWidget(parent), actions_(std::move(actions)), break_(columnBreak) {
        setObjectName(QStringLiteral("MenueThemaSpaltenListe"));
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
        QStyleOptionMenuItem opt = option(0, false);
        rowHeight_ = 0;
        colWidth_ = {0, 0};
        for (int i = 0; i < actions_.size(); ++i) {
            opt.text = actions_[i]->text();
            const QSize text(fontMetrics().horizontalAdvance(QString(opt.text).remove(u'&')),
                             fontMetrics().height());
            const QSize s = style()->sizeFromContents(QStyle::CT_MenuItem, &opt, text, this);
            rowHeight_ = std::max(rowHeight_, s.height());
            int& w = colWidth_[column(i)];
            w = std::max(w, s.width());
        }
    }

    QSize sizeHint() const override {
        const int rows = std::max(break_, int(actions_.size()) - break_);
        return {colWidth_[0] + colWidth_[1], rows * rowHeight_};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        for (int i = 0; i < actions_.size(); ++i) {
            QStyleOptionMenuItem opt = option(i, i == hover_);
            style()->drawControl(QStyle::CE_MenuItem, &opt, &p, this);
        }
    }
    void mouseMoveEvent(QMouseEvent* e) override { setHover(indexAt(e->position().toPoint())); }
    void leaveEvent(QEvent*) override { setHover(-1); }
    void mouseReleaseEvent(QMouseEvent* e) override {
        const int i = indexAt(e->position().toPoint());
        if (i >= 0) activate(i);
    }
    void keyPressEvent(QKeyEvent* e) override {
        const int n = int(actions_.size());
        int i = hover_ < 0 ? 0 : hover_;
        switch (e->key()) {
        case Qt::Key_Up:
            i = std::max(0, i - 1);
            break;
        case Qt::Key_Down:
            i = std::min(n - 1, i + 1);
            break;
        case Qt::Key_Left:
            if (column(i) == 1) i = std::min(i - break_, break_ - 1);
            break;
        case Qt::Key_Right:
            if (column(i) == 0) i = std::min(i + break_, n - 1);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (hover_ >= 0) activate(hover_);
            return;
        default:
            QWidget::keyPressEvent(e);
            return;
        }
        setHover(i);
    }

private:
    int column(int i) const { return i < break_ ? 0 : 1; }

    QRect cell(int i) const {
        const int c = column(i);
        const int row = c == 0 ? i : i - break_;
        return {c == 0 ? 0 : colWidth_[0], row * rowHeight_, colWidth_[c], rowHeight_};
    }

    int indexAt(QPoint pos) const {
        for (int i = 0; i < actions_.size(); ++i) {
            if (cell(i).contains(pos)) return i;
        }
        return -1;
    }

    QStyleOptionMenuItem option(int i, bool hovered) const {
        QStyleOptionMenuItem opt;
        opt.initFrom(this);
        opt.menuItemType = QStyleOptionMenuItem::Normal;
        opt.checkType = QStyleOptionMenuItem::Exclusive;
        opt.menuHasCheckableItems = true;
        opt.maxIconWidth = 0;
        opt.reservedShortcutWidth = 0;
        opt.font = font();
        opt.state = QStyle::State_Enabled;
        if (hovered) opt.state |= QStyle::State_Selected;
        if (i < actions_.size()) {
            opt.text = actions_[i]->text();
            opt.checked = actions_[i]->isChecked();
            if (!actions_[i]->isEnabled()) opt.state &= ~QStyle::State_Enabled;
            opt.rect = cell(i);
        }
        return opt;
    }

    void setHover(int i) {
        if (i == hover_) return;
        hover_ = i;
        if (i >= 0) ensureVisible(i);
        update();
    }

    void ensureVisible(int i) {
        for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
            if (auto* area = qobject_cast<QScrollArea*>(w)) {
                area->ensureVisible(cell(i).center().x(), cell(i).center().y(), 0, rowHeight_);
                return;
            }
        }
    }

    void activate(int i) {
        QAction* a = actions_[i];
        for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
            if (auto* menu = qobject_cast<QMenu*>(w)) {
                menu->hide();
                break;
            }
        }
        a->trigger();
    }

    QList<QAction*> actions_;
    int break_;
    int rowHeight_ = 0;
    std::array<int, 2> colWidth_{};
    int hover_ = -1;
};

TopicMenu::TopicMenu(QMenu* menu) : QObject(menu), menu_(menu), group_(new QActionGroup(this)) {
    // Optional: no entry is checked while no topic document is open.
    group_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    menu_->installEventFilter(this);
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
        delete columnsAction_;
        columnsAction_ = nullptr;
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
                if (onOpenTopic) onOpenTopic(i);
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
    columnsAction_ = new QWidgetAction(menu_);
    columnsAction_->setObjectName(QStringLiteral("MenueThemaSpalten"));
    auto* columns = new TopicColumns(actions_, columnBreak_, nullptr);
    // Hundreds of topics: the grid scrolls instead of running off the screen.
    const QScreen* screen = menu_->screen();
    const int maxHeight = screen ? screen->availableGeometry().height() - 240 : 600;
    if (columns->sizeHint().height() > maxHeight && maxHeight > 0) {
        auto* area = new QScrollArea;
        area->setFrameShape(QFrame::NoFrame);
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area->setWidget(columns);
        area->setFixedSize(
            columns->sizeHint().width() + area->verticalScrollBar()->sizeHint().width(), maxHeight);
        columnsAction_->setDefaultWidget(area);
    } else {
        columnsAction_->setDefaultWidget(columns);
    }
    menu_->addAction(columnsAction_);
}

void TopicMenu::Check(int selected) {
    if (selected >= 0 && selected < actions_.size()) {
        actions_[selected]->setChecked(true);
    } else if (QAction* a = group_->checkedAction()) {
        a->setChecked(false);
    }
    if (columnsAction_ && columnsAction_->defaultWidget())
        columnsAction_->defaultWidget()->update();
}

bool TopicMenu::eventFilter(QObject* watched, QEvent* event) {
    // In the grid the digits lose their menu accelerators; give them back.
    if (watched == menu_ && columnsAction_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int digit = key->key() - Qt::Key_1;
        if (key->modifiers() == Qt::NoModifier && digit >= 0 && digit < 9 &&
            digit < actions_.size()) {
            menu_->hide();
            actions_[digit]->trigger();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace bw
