#include "shell/widgets/hoverbutton.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionToolButton>

namespace bw {

namespace {

const QColor kBorder(162, 162, 154);
const QColor kFace(236, 236, 232);
const QColor kHoverFace(254, 254, 248);
const QColor kText(81, 81, 78);
const QColor kDisabledText(170, 170, 166);
constexpr int kFrame = 2; // border and padding, one pixel each

class HoverButtonStyle : public QProxyStyle {
public:
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* p,
                            const QWidget* widget) const override {
        const auto* tb = qstyleoption_cast<const QStyleOptionToolButton*>(option);
        if (control != CC_ToolButton || !tb) {
            QProxyStyle::drawComplexControl(control, option, p, widget);
            return;
        }
        const bool enabled = tb->state & State_Enabled;
        const bool checked = tb->state & State_On;
        const bool hover = enabled && (tb->state & State_MouseOver);
        p->fillRect(tb->rect, checked ? QColor(Qt::white) : hover ? kHoverFace : kFace);
        p->setPen(kBorder);
        p->drawRect(tb->rect.adjusted(0, 0, -1, -1));
        QStyleOptionToolButton label(*tb);
        label.rect = tb->rect.adjusted(kFrame, kFrame, -kFrame, -kFrame);
        // The text stays where it is when the button is pressed or checked.
        label.state &= ~(State_Sunken | State_On);
        label.palette.setColor(QPalette::ButtonText, !enabled  ? kDisabledText
                                                     : checked ? QColor(Qt::black)
                                                               : kText);
        drawControl(CE_ToolButtonLabel, &label, p, widget);
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        if (type == CT_ToolButton) return size + QSize(2 * kFrame, 2 * kFrame);
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }
};

// One style for all hover buttons of the program, gone with the application.
QStyle* HoverStyle() {
    static QPointer<QStyle> style;
    if (!style) {
        style = new HoverButtonStyle;
        style->setParent(qApp);
    }
    return style;
}

} // namespace

void StyleHoverButton(QToolButton* button) {
    button->setAttribute(Qt::WA_Hover, true);
    button->setAutoRaise(false);
    button->setStyle(HoverStyle());
}

QToolButton* MakeHoverButton(QWidget* parent, const QString& objectName, const QString& caption,
                             const QString& hint, bool checkable) {
    auto* b = new QToolButton(parent);
    b->setObjectName(objectName);
    b->setText(caption);
    b->setToolTip(hint);
    b->setCheckable(checkable);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setFocusPolicy(Qt::NoFocus);
    StyleHoverButton(b);
    return b;
}

void SetTextColour(QWidget* w, const QColor& colour) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, colour);
    pal.setColor(QPalette::Text, colour);
    w->setPalette(pal);
}

} // namespace bw
