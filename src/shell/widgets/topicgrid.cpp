#include "shell/widgets/topicgrid.h"

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollArea>
#include <QStyleOptionMenuItem>
#include <algorithm>

namespace bw {

namespace {

QString ShortcutText(const QAction* a) {
    return a->shortcut().toString(QKeySequence::NativeText);
}

// The letter after a single '&', as QMenu reads it.
QChar Mnemonic(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&') continue;
        if (caption[i + 1] != u'&') return caption[i + 1].toLower();
        ++i;
    }
    return {};
}

} // namespace

TopicGrid::TopicGrid(QList<QAction*> fixed, QList<QAction*> topics, int columnBreak,
                     QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("MenueThemaSpaltenListe"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    for (QAction* a : std::as_const(fixed)) {
        if (a->isVisible()) cells_.push_back({a, 0, {}});
    }
    for (int i = 0; i < topics.size(); ++i)
        cells_.push_back({topics[i], i < columnBreak ? 0 : 1, {}});
}

QStyleOptionMenuItem TopicGrid::Option(int i) const {
    const Cell& c = cells_[size_t(i)];
    QStyleOptionMenuItem opt;
    opt.initFrom(this);
    opt.palette = palette();
    opt.font = font();
    opt.state = QStyle::State_None;
    if (c.action->isEnabled()) opt.state |= QStyle::State_Enabled;
    if (i == highlight_ && Selectable(i)) opt.state |= QStyle::State_Selected;
    opt.menuRect = rect();
    opt.rect = c.rect;
    opt.maxIconWidth = 0;
    opt.menuHasCheckableItems = true;
    opt.reservedShortcutWidth = shortcutWidth_[c.column];
    if (c.action->isSeparator()) {
        opt.menuItemType = QStyleOptionMenuItem::Separator;
        return opt;
    }
    opt.menuItemType = QStyleOptionMenuItem::Normal;
    opt.checkType = !c.action->isCheckable() ? QStyleOptionMenuItem::NotCheckable
                    : c.action->actionGroup() && c.action->actionGroup()->isExclusive()
                        ? QStyleOptionMenuItem::Exclusive
                        : QStyleOptionMenuItem::NonExclusive;
    opt.checked = c.action->isChecked();
    opt.text = c.action->text();
    const QString keys = ShortcutText(c.action);
    if (!keys.isEmpty()) opt.text += QLatin1Char('\t') + keys;
    return opt;
}

void TopicGrid::Layout() const {
    if (laidOut_) return;
    const QFontMetrics fm = fontMetrics();
    int width[2] = {0, 0};
    shortcutWidth_[0] = shortcutWidth_[1] = 0;
    for (const Cell& c : cells_) {
        if (!c.action->isSeparator())
            shortcutWidth_[c.column] =
                std::max(shortcutWidth_[c.column], fm.horizontalAdvance(ShortcutText(c.action)));
    }
    std::vector<QSize> sizes;
    for (int i = 0; i < int(cells_.size()); ++i) {
        const QStyleOptionMenuItem opt = Option(i);
        const QString caption = opt.text.section(QLatin1Char('\t'), 0, 0);
        QSize content(
            fm.boundingRect(QRect(), Qt::TextSingleLine | Qt::TextShowMnemonic, caption).width(),
            fm.height());
        if (opt.menuItemType == QStyleOptionMenuItem::Separator) content = QSize();
        const QSize s = style()->sizeFromContents(QStyle::CT_MenuItem, &opt, content, this);
        sizes.push_back(s);
        const int column = cells_[size_t(i)].column;
        width[column] = std::max(width[column], s.width() + shortcutWidth_[column]);
    }
    int y[2] = {0, 0};
    for (size_t i = 0; i < cells_.size(); ++i) {
        Cell& c = cells_[i];
        c.rect =
            QRect(c.column == 0 ? 0 : width[0], y[c.column], width[c.column], sizes[i].height());
        y[c.column] += sizes[i].height();
    }
    size_ = QSize(width[0] + width[1], std::max(y[0], y[1]));
    laidOut_ = true;
}

QSize TopicGrid::sizeHint() const {
    Layout();
    return size_;
}

QRect TopicGrid::entryRect(const QAction* a) const {
    Layout();
    for (const Cell& c : cells_) {
        if (c.action == a) return c.rect;
    }
    return {};
}

int TopicGrid::columnCount(int column) const {
    return int(std::count_if(cells_.begin(), cells_.end(),
                             [column](const Cell& c) { return c.column == column; }));
}

QAction* TopicGrid::highlighted() const {
    return highlight_ >= 0 ? cells_[size_t(highlight_)].action : nullptr;
}

bool TopicGrid::Selectable(int i) const {
    if (i < 0 || i >= int(cells_.size())) return false;
    const QAction* a = cells_[size_t(i)].action;
    return !a->isSeparator() && a->isEnabled();
}

int TopicGrid::IndexAt(QPoint pos) const {
    Layout();
    for (int i = 0; i < int(cells_.size()); ++i) {
        if (cells_[size_t(i)].rect.contains(pos)) return i;
    }
    return -1;
}

void TopicGrid::paintEvent(QPaintEvent*) {
    Layout();
    QPainter p(this);
    for (int i = 0; i < int(cells_.size()); ++i) {
        const QStyleOptionMenuItem opt = Option(i);
        style()->drawControl(QStyle::CE_MenuItem, &opt, &p, this);
    }
}

void TopicGrid::changeEvent(QEvent* e) {
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange) {
        laidOut_ = false;
        updateGeometry();
    }
    QWidget::changeEvent(e);
}

void TopicGrid::hideEvent(QHideEvent* e) {
    highlight_ = -1; // the next opening starts without one, as a menu does
    QWidget::hideEvent(e);
}

void TopicGrid::mouseMoveEvent(QMouseEvent* e) {
    const int i = IndexAt(e->position().toPoint());
    if (Selectable(i)) SetHighlight(i);
}

void TopicGrid::leaveEvent(QEvent*) {
    SetHighlight(-1);
}

void TopicGrid::mouseReleaseEvent(QMouseEvent* e) {
    const int i = IndexAt(e->position().toPoint());
    if (Selectable(i)) Activate(i);
}

void TopicGrid::keyPressEvent(QKeyEvent* e) {
    if (!HandleKey(e)) e->ignore(); // Escape, Left and Right at the edges: the menu's
}

// The next selectable entry of the same column, wrapping round as menus do.
int TopicGrid::Step(int from, int delta) const {
    const int n = int(cells_.size());
    const int column = from >= 0 ? cells_[size_t(from)].column : 0;
    int i = from < 0 ? (delta > 0 ? -1 : n) : from;
    for (int k = 0; k < n; ++k) {
        i = (i + delta + n) % n;
        if (cells_[size_t(i)].column == column && Selectable(i)) return i;
    }
    return from;
}

int TopicGrid::NearestInColumn(int column, int y) const {
    int best = -1, bestDistance = 0;
    for (int i = 0; i < int(cells_.size()); ++i) {
        if (cells_[size_t(i)].column != column || !Selectable(i)) continue;
        const int d = std::abs(cells_[size_t(i)].rect.center().y() - y);
        if (best < 0 || d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

bool TopicGrid::HandleKey(QKeyEvent* e) {
    Layout();
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    const int column = highlight_ >= 0 ? cells_[size_t(highlight_)].column : 0;
    const int y = highlight_ >= 0 ? cells_[size_t(highlight_)].rect.center().y() : 0;
    switch (e->key()) {
    case Qt::Key_Up:
        SetHighlight(Step(highlight_, -1));
        return true;
    case Qt::Key_Down:
        SetHighlight(Step(highlight_, 1));
        return true;
    case Qt::Key_Home:
        SetHighlight(Step(-1, 1));
        return true;
    case Qt::Key_End: {
        const int last = NearestInColumn(1, size_.height());
        SetHighlight(last >= 0 ? last : Step(-1, -1));
        return true;
    }
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int other = e->key() == Qt::Key_Right ? 1 : 0;
        if (highlight_ < 0 || column == other) return false;
        const int i = NearestInColumn(other, y);
        if (i >= 0) SetHighlight(i);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (Selectable(highlight_)) Activate(highlight_);
        return true;
    default:
        break;
    }
    if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    return HandleMnemonic(e->text());
}

bool TopicGrid::HandleMnemonic(const QString& text) {
    if (text.size() != 1 || !text[0].isPrint()) return false;
    const QChar key = text[0].toLower();
    std::vector<int> matches;
    for (int i = 0; i < int(cells_.size()); ++i) {
        if (Selectable(i) && Mnemonic(cells_[size_t(i)].action->text()) == key)
            matches.push_back(i);
    }
    if (matches.empty()) return false;
    if (matches.size() == 1) {
        Activate(matches.front());
        return true;
    }
    // Several entries share the letter: the highlight moves on to the next of them.
    const auto next = std::upper_bound(matches.begin(), matches.end(), highlight_);
    SetHighlight(next == matches.end() ? matches.front() : *next);
    return true;
}

void TopicGrid::SetHighlight(int i) {
    if (i == highlight_) return;
    highlight_ = i;
    if (i >= 0) {
        if (!hasFocus() && isVisible()) setFocus(Qt::OtherFocusReason);
        for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
            if (auto* area = qobject_cast<QScrollArea*>(w)) {
                const QRect r = cells_[size_t(i)].rect;
                area->ensureVisible(r.center().x(), r.center().y(), 0, r.height());
                break;
            }
        }
    }
    update();
}

void TopicGrid::Activate(int i) {
    QAction* a = cells_[size_t(i)].action;
    // The menu closes first, as it does for its own entries.
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* menu = qobject_cast<QMenu*>(w)) {
            menu->hide();
            break;
        }
    }
    highlight_ = -1;
    a->trigger();
}

} // namespace bw
