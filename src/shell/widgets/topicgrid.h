#pragma once

#include <QList>
#include <QWidget>
#include <vector>

class QAction;
class QKeyEvent;
class QStyleOptionMenuItem;

namespace bw {

// The "&Themenauswahl" menu for many topics, in two columns: the menu's own entries and
// the topics before the column break on the left, the rest of the topics on the right.
// QMenu cannot be told where a column starts, so this draws the entries with the style's
// menu items and drives them like a menu: one highlight for mouse and keys, Return opens
// the highlighted entry, mnemonics and the digits 1 to 9 work as in the menu.
class TopicGrid : public QWidget {
public:
    TopicGrid(QList<QAction*> fixed, QList<QAction*> topics, int columnBreak,
              QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // Keys the menu receives while the grid has no focus come here too; false when the
    // key is the menu's (Escape, leaving to the neighbouring menu).
    bool HandleKey(QKeyEvent* e);

    QAction* highlighted() const;
    // Where an entry is drawn; empty for entries the grid does not show.
    QRect entryRect(const QAction* a) const;
    // Number of entries in a column, separators included.
    int columnCount(int column) const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void changeEvent(QEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    struct Cell {
        QAction* action;
        int column;
        QRect rect;
    };

    void Layout() const;
    bool Selectable(int i) const;
    int IndexAt(QPoint pos) const;
    int Step(int from, int delta) const;
    int NearestInColumn(int column, int y) const;
    void SetHighlight(int i);
    void Activate(int i);
    bool HandleMnemonic(const QString& text);
    QStyleOptionMenuItem Option(int i) const;

    mutable std::vector<Cell> cells_;
    int highlight_ = -1;
    mutable bool laidOut_ = false;
    mutable QSize size_;
    mutable int shortcutWidth_[2] = {0, 0};
};

} // namespace bw
