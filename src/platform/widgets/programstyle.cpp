#include "platform/widgets/programstyle.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionGroupBox>

namespace bw {

int ProgramStyle::AccentRoom(const QFontMetrics& fm) {
    const QRect tight = fm.tightBoundingRect(QStringLiteral("ÄÖÜÂÉ"));
    return qMax(0, -tight.top() - fm.ascent());
}

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // The styles pass the title's alignment on as the flags of its text.
    QStyleOptionGroupBox unclipped(*box);
    unclipped.textAlignment = Qt::Alignment(int(unclipped.textAlignment) | int(Qt::TextDontClip));
    QProxyStyle::drawComplexControl(control, &unclipped, painter, widget);
}

QRect ProgramStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                   SubControl sub, const QWidget* widget) const {
    QRect r = QProxyStyle::subControlRect(control, option, sub, widget);
    if (control != CC_GroupBox) return r;
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (!box || box->text.isEmpty()) return r;
    const int room = AccentRoom(option->fontMetrics);
    switch (sub) {
    case SC_GroupBoxLabel:
    case SC_GroupBoxCheckBox:
        return r.translated(0, room);
    case SC_GroupBoxFrame:
    case SC_GroupBoxContents:
        return r.adjusted(0, room, 0, 0);
    default:
        return r;
    }
}

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    // Two chevrons pointing along the bar: right for a horizontal one, down for a vertical.
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    if (icon == SP_ToolBarVerticalExtensionButton) {
        p.translate(16, 0);
        p.rotate(90);
    }
    for (qreal x : {4.0, 9.0})
        p.drawPolyline(QPolygonF({{x, 4}, {x + 3.5, 8}, {x, 12}}));
    p.end();
    return QIcon(pm);
}

void UseProgramStyle(QApplication& app) {
    app.setStyle(new ProgramStyle(app.style()->name()));
}

} // namespace bw
