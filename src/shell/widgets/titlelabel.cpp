#include "shell/widgets/titlelabel.h"

#include <QPainter>
#include <QStyle>

namespace bw {

TitleLabel::TitleLabel(QWidget* parent) : QLabel(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void TitleLabel::SetTitle(const QString& text, const QString& hint) {
    hint_ = hint;
    setText(text);
    UpdateHint();
    update();
}

QString TitleLabel::ShownText() const {
    // Before its first showing the label has no width of its own yet.
    if (!isVisible()) return text();
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

QSize TitleLabel::minimumSizeHint() const {
    // Room for a topic number and the ellipsis.
    const QMargins m = contentsMargins();
    return {fontMetrics().horizontalAdvance(QStringLiteral("(99) …")) + m.left() + m.right(),
            QLabel::minimumSizeHint().height()};
}

QSize TitleLabel::sizeHint() const {
    // The layout's stretch hands the label what the buttons leave.
    return {minimumSizeHint().width(), QLabel::sizeHint().height()};
}

void TitleLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    style()->drawItemText(&p, contentsRect(), int(alignment()), palette(), isEnabled(), ShownText(),
                          foregroundRole());
}

void TitleLabel::resizeEvent(QResizeEvent* e) {
    QLabel::resizeEvent(e);
    UpdateHint();
}

void TitleLabel::showEvent(QShowEvent* e) {
    QLabel::showEvent(e);
    UpdateHint();
}

void TitleLabel::UpdateHint() {
    setToolTip(IsElided() ? text().trimmed() + QLatin1Char('\n') + hint_ : hint_);
}

} // namespace bw
