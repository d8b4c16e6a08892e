#include "common/cursors.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

namespace bw {

namespace {

constexpr int kSide = 32;

// Dark outlines on light fillings, so that every cursor shows on white paper and on dark
// pictures alike.
const QColor kOutline(0, 0, 0);
const QColor kLight(255, 255, 255);

QImage Canvas() {
    QImage img(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void Prepare(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kOutline, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// A pencil lying from the lower left (its tip, the hot spot) to the upper right.
QImage Pen(QPoint* hot) {
    QImage img = Canvas();
    QPainter p(&img);
    Prepare(p);
    p.translate(2, 29);
    p.rotate(-45);
    QPainterPath tip;
    tip.moveTo(0, 0);
    tip.lineTo(8, -3.5);
    tip.lineTo(8, 3.5);
    tip.closeSubpath();
    p.setBrush(QColor(238, 214, 170));
    p.drawPath(tip);
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(1.5, 0), 1.5, 1.5);
    p.setBrush(QColor(255, 200, 40));
    p.drawRect(QRectF(8, -3.5, 24, 7));
    p.setBrush(QColor(240, 130, 140));
    p.drawRect(QRectF(32, -3.5, 5, 7));
    *hot = QPoint(1, 30);
    return img;
}

// The square the eraser clears at the smallest width, centred on the hot spot.
QImage Eraser(QPoint* hot) {
    QImage img = Canvas();
    QPainter p(&img);
    p.setPen(QPen(kLight, 3));
    p.drawRect(QRectF(1.5, 1.5, 29, 29));
    p.setPen(QPen(kOutline, 1));
    p.drawRect(QRectF(1.5, 1.5, 29, 29));
    p.fillRect(QRectF(14, 15, 4, 2), kOutline);
    p.fillRect(QRectF(15, 14, 2, 4), kOutline);
    *hot = QPoint(16, 16);
    return img;
}

// A rubber stamp seen from the side, printing at the hot spot below it.
QImage Stamp(QPoint* hot) {
    QImage img = Canvas();
    QPainter p(&img);
    Prepare(p);
    p.setBrush(QColor(150, 90, 50));
    p.drawEllipse(QRectF(11, 1, 10, 8));
    p.drawRect(QRectF(14, 8, 4, 8));
    p.setBrush(QColor(110, 110, 110));
    p.drawRoundedRect(QRectF(5, 15, 22, 6), 2, 2);
    p.setBrush(QColor(220, 40, 40));
    p.drawRect(QRectF(7, 21, 18, 3));
    p.setPen(QPen(kOutline, 1));
    p.drawLine(QPointF(16, 26), QPointF(16, 31));
    p.drawLine(QPointF(13.5, 28.5), QPointF(18.5, 28.5));
    *hot = QPoint(16, 28);
    return img;
}

// An I-beam with a small "A": the hot spot is where the text's bottom-left goes.
QImage Text(QPoint* hot) {
    QImage img = Canvas();
    QPainter p(&img);
    Prepare(p);
    for (const auto& [colour, width] : {std::pair{kLight, 3.5}, std::pair{kOutline, 1.4}}) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 4), QPointF(8, 28));
        p.drawLine(QPointF(4, 4), QPointF(12, 4));
        p.drawLine(QPointF(4, 28), QPointF(12, 28));
    }
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(14);
    f.setBold(true);
    p.setFont(f);
    p.setPen(kOutline);
    p.drawText(QRectF(13, 12, 18, 16), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("A"));
    *hot = QPoint(8, 28);
    return img;
}

// An open hand, fingers up.
QImage Hand(QPoint* hot) {
    QImage img = Canvas();
    QPainter p(&img);
    Prepare(p);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(8, 14, 16, 15), 5, 5);
    const struct { double x, top; } fingers[] = {{8, 6}, {12.2, 3}, {16.4, 4}, {20.6, 8}};
    for (const auto& f : fingers)
        hand.addRoundedRect(QRectF(f.x, f.top, 3.6, 18 - f.top + 2), 1.8, 1.8);
    QPainterPath thumb;
    thumb.moveTo(8.5, 22);
    thumb.lineTo(3, 15);
    thumb.quadTo(1.5, 12.5, 4, 12);
    thumb.lineTo(10, 17);
    thumb.closeSubpath();
    hand = hand.united(thumb).simplified();
    p.setBrush(kLight);
    p.drawPath(hand);
    *hot = QPoint(15, 15);
    return img;
}

// The card drag cursor: a black arrow carrying a small sheet, the hot spot at the arrow's tip.
QImage DragBlack(QPoint* hot) {
    QImage img = Canvas();
    QPainter p(&img);
    Prepare(p);
    QPainterPath arrow;
    arrow.moveTo(1.5, 1.5);
    arrow.lineTo(1.5, 18);
    arrow.lineTo(5.5, 14);
    arrow.lineTo(8.5, 21);
    arrow.lineTo(11, 20);
    arrow.lineTo(8, 13);
    arrow.lineTo(13.5, 13);
    arrow.closeSubpath();
    p.setPen(QPen(kLight, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kOutline);
    p.drawPath(arrow);
    // The sheet: a white page with a folded corner and two text lines.
    QPainterPath sheet;
    sheet.moveTo(13.5, 17.5);
    sheet.lineTo(24, 17.5);
    sheet.lineTo(28.5, 22);
    sheet.lineTo(28.5, 30.5);
    sheet.lineTo(13.5, 30.5);
    sheet.closeSubpath();
    p.setPen(QPen(kOutline, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kLight);
    p.drawPath(sheet);
    p.drawPolyline(QPolygonF({QPointF(24, 17.5), QPointF(24, 22), QPointF(28.5, 22)}));
    p.drawLine(QPointF(16.5, 24.5), QPointF(25.5, 24.5));
    p.drawLine(QPointF(16.5, 27.5), QPointF(25.5, 27.5));
    *hot = QPoint(1, 1);
    return img;
}

} // namespace

QImage ProgramCursorImage(const QString& name, QPoint* hotSpot) {
    QPoint hot;
    QImage img;
    if (name == QLatin1String("STIFT5"))
        img = Pen(&hot);
    else if (name == QLatin1String("RADIER32"))
        img = Eraser(&hot);
    else if (name == QLatin1String("STEMPEL"))
        img = Stamp(&hot);
    else if (name == QLatin1String("TEXTEINGABE"))
        img = Text(&hot);
    else if (name == QLatin1String("HAND"))
        img = Hand(&hot);
    else if (name == QLatin1String("DRAGBLACK"))
        img = DragBlack(&hot);
    if (hotSpot) *hotSpot = hot;
    return img;
}

QCursor ProgramCursor(const QString& name) {
    // Pictures are made once, on first use.
    static QHash<QString, QCursor> cursors;
    const auto it = cursors.constFind(name);
    if (it != cursors.constEnd()) return *it;
    QPoint hot;
    const QImage img = ProgramCursorImage(name, &hot);
    const QCursor c = img.isNull() ? QCursor(Qt::ArrowCursor)
                                   : QCursor(QPixmap::fromImage(img), hot.x(), hot.y());
    cursors.insert(name, c);
    return c;
}

} // namespace bw
