#include "samplepictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace bw::samples {

namespace {

// Coastline of the island as a closed smooth curve through these points (fractions).
const QPointF kCoast[] = {{0.18, 0.30}, {0.32, 0.14}, {0.52, 0.12}, {0.70, 0.18},
                          {0.84, 0.32}, {0.86, 0.52}, {0.78, 0.72}, {0.62, 0.86},
                          {0.42, 0.88}, {0.26, 0.78}, {0.14, 0.60}, {0.12, 0.42}};

QPainterPath SmoothClosed(const std::vector<QPointF>& pts) {
    // Catmull-Rom through the points, as cubic Bezier segments.
    QPainterPath path(pts[0]);
    const int n = int(pts.size());
    for (int i = 0; i < n; ++i) {
        const QPointF p0 = pts[(i - 1 + n) % n], p1 = pts[i], p2 = pts[(i + 1) % n],
                      p3 = pts[(i + 2) % n];
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    path.closeSubpath();
    return path;
}

QPointF Scaled(QPointF f, int w, int h) {
    return {f.x() * w, f.y() * h};
}

} // namespace

std::vector<Place> IslandPlaces() {
    return {
        {QStringLiteral("Nordhafen"), {0.50, 0.17}},
        {QStringLiteral("Lindau am See"), {0.40, 0.46}},
        {QStringLiteral("Bergheim"), {0.66, 0.40}},
        {QStringLiteral("Südmünde"), {0.55, 0.80}},
        {QStringLiteral("Westerkoog"), {0.20, 0.52}},
        {QStringLiteral("Graufels"), {0.70, 0.28}},    // the mountains
        {QStringLiteral("Silberbach"), {0.585, 0.62}}, // the river
        {QStringLiteral("Klarsee"), {0.36, 0.40}},     // the lake
        {QStringLiteral("Leuchtturm"), {0.84, 0.62}},
    };
}

QImage IslandMap(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // Sea with a soft gradient and faint grid.
    QLinearGradient sea(0, 0, 0, h);
    sea.setColorAt(0, QColor(120, 176, 222));
    sea.setColorAt(1, QColor(84, 142, 200));
    p.fillRect(img.rect(), sea);
    p.setPen(QPen(QColor(255, 255, 255, 50), 1));
    for (int i = 1; i < 8; ++i) {
        p.drawLine(QPointF(i * w / 8.0, 0), QPointF(i * w / 8.0, h));
        p.drawLine(QPointF(0, i * h / 8.0), QPointF(w, i * h / 8.0));
    }

    std::vector<QPointF> coast;
    for (const QPointF& c : kCoast)
        coast.push_back(Scaled(c, w, h));
    const QPainterPath island = SmoothClosed(coast);

    // Shallow water around the coast, then the land.
    p.setPen(QPen(QColor(170, 214, 240), w / 40.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(island);
    QRadialGradient land(Scaled({0.5, 0.5}, w, h), w * 0.45);
    land.setColorAt(0, QColor(170, 200, 120));
    land.setColorAt(1, QColor(214, 214, 150));
    p.setPen(QPen(QColor(120, 110, 70), 2));
    p.setBrush(land);
    p.drawPath(island);

    // Forest dots in the west.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(92, 140, 70));
    for (int i = 0; i < 60; ++i) {
        const double fx = 0.22 + 0.12 * std::fmod(i * 0.618, 1.0);
        const double fy = 0.55 + 0.18 * std::fmod(i * 0.414, 1.0);
        p.drawEllipse(Scaled({fx, fy}, w, h), w * 0.008, w * 0.008);
    }

    // Mountains in the north-east.
    for (int i = 0; i < 5; ++i) {
        const QPointF base = Scaled({0.62 + i * 0.035, 0.31 + (i % 2) * 0.03}, w, h);
        const double s = w * (0.035 + (i % 3) * 0.006);
        QPolygonF m;
        m << base + QPointF(-s, s * 0.8) << base + QPointF(0, -s) << base + QPointF(s, s * 0.8);
        p.setBrush(QColor(150, 130, 110));
        p.setPen(QPen(QColor(100, 85, 70), 1.5));
        p.drawPolygon(m);
        QPolygonF snow;
        snow << base + QPointF(-s * 0.3, -s * 0.45) << base + QPointF(0, -s)
             << base + QPointF(s * 0.3, -s * 0.45);
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        p.drawPolygon(snow);
    }

    // The lake and the river from the mountains to the south coast.
    p.setBrush(QColor(96, 156, 214));
    p.setPen(QPen(QColor(60, 110, 170), 1.5));
    p.drawEllipse(Scaled({0.36, 0.40}, w, h), w * 0.05, h * 0.04);
    QPainterPath river(Scaled({0.66, 0.37}, w, h));
    river.cubicTo(Scaled({0.60, 0.50}, w, h), Scaled({0.64, 0.60}, w, h),
                  Scaled({0.58, 0.68}, w, h));
    river.cubicTo(Scaled({0.52, 0.76}, w, h), Scaled({0.56, 0.82}, w, h),
                  Scaled({0.55, 0.88}, w, h));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 120, 200), w * 0.006, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(river);

    // Roads between the towns.
    p.setPen(QPen(QColor(150, 90, 60), w * 0.0025, Qt::DashLine, Qt::RoundCap));
    const auto places = IslandPlaces();
    const int towns[][2] = {{0, 1}, {1, 2}, {1, 4}, {1, 3}, {2, 3}};
    for (const auto& t : towns)
        p.drawLine(Scaled(places[t[0]].at, w, h), Scaled(places[t[1]].at, w, h));

    // Towns.
    for (int i = 0; i < 5; ++i) {
        const QPointF c = Scaled(places[i].at, w, h);
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(QColor(200, 40, 40));
        p.drawEllipse(c, w * 0.009, w * 0.009);
    }

    // Lighthouse on the east cape.
    const QPointF lh = Scaled(places[8].at, w, h);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(lh.x() - 5, lh.y() - 18, 10, 18));
    p.setBrush(QColor(210, 30, 30));
    p.drawRect(QRectF(lh.x() - 5, lh.y() - 12, 10, 5));

    // Compass rose in the top-left corner.
    const QPointF cr(w * 0.08, h * 0.12);
    const double r = w * 0.045;
    p.setPen(QPen(QColor(40, 40, 60), 1.5));
    p.setBrush(QColor(250, 250, 240));
    p.drawEllipse(cr, r * 0.35, r * 0.35);
    for (int k = 0; k < 4; ++k) {
        const double a = k * M_PI / 2;
        QPolygonF arm;
        arm << cr + QPointF(std::sin(a) * r, -std::cos(a) * r)
            << cr + QPointF(std::cos(a) * r * 0.18, std::sin(a) * r * 0.18)
            << cr - QPointF(std::cos(a) * r * 0.18, std::sin(a) * r * 0.18);
        p.setBrush(k == 0 ? QColor(200, 40, 40) : QColor(40, 40, 60));
        p.drawPolygon(arm);
    }
    return img;
}

QImage LighthousePicture() {
    QImage img(120, 200, QImage::Format_RGB32);
    img.fill(QColor(200, 228, 250));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(0, 170, 120, 30), QColor(110, 110, 100)); // rocks
    QPolygonF tower;
    tower << QPointF(42, 172) << QPointF(50, 50) << QPointF(70, 50) << QPointF(78, 172);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    p.drawPolygon(tower);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 30, 30));
    for (int band = 0; band < 3; ++band) {
        const double y0 = 70 + band * 36, y1 = y0 + 16;
        const double inset0 = 8 - (y0 - 50) / 122 * 8 + 0, inset1 = 8 - (y1 - 50) / 122 * 8;
        QPolygonF b;
        b << QPointF(50 - (8 - inset0), y0) << QPointF(70 + (8 - inset0), y0)
          << QPointF(70 + (8 - inset1), y1) << QPointF(50 - (8 - inset1), y1);
        p.drawPolygon(b);
    }
    p.setBrush(QColor(255, 220, 60));
    p.setPen(QPen(Qt::black, 1.5));
    p.drawRect(QRectF(48, 30, 24, 20)); // lantern
    p.setBrush(QColor(60, 60, 60));
    QPolygonF roof;
    roof << QPointF(44, 30) << QPointF(60, 14) << QPointF(76, 30);
    p.drawPolygon(roof);
    p.setPen(QPen(QColor(255, 230, 120), 3));
    p.drawLine(QPointF(76, 38), QPointF(115, 28));
    p.drawLine(QPointF(44, 38), QPointF(5, 28));
    return img;
}

QImage SailingShipPicture() {
    QImage img(180, 140, QImage::Format_RGB32);
    img.fill(QColor(200, 228, 250));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(0, 110, 180, 30), QColor(70, 130, 200));
    QPolygonF hull;
    hull << QPointF(20, 95) << QPointF(160, 95) << QPointF(140, 118) << QPointF(40, 118);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(130, 80, 40));
    p.drawPolygon(hull);
    p.drawLine(QPointF(90, 95), QPointF(90, 12));
    QPolygonF sail1, sail2;
    sail1 << QPointF(92, 16) << QPointF(150, 88) << QPointF(92, 88);
    sail2 << QPointF(88, 24) << QPointF(40, 88) << QPointF(88, 88);
    p.setBrush(QColor(250, 250, 240));
    p.drawPolygon(sail1);
    p.drawPolygon(sail2);
    p.setBrush(QColor(210, 30, 30));
    QPolygonF flag;
    flag << QPointF(90, 12) << QPointF(108, 17) << QPointF(90, 22);
    p.drawPolygon(flag);
    return img;
}

} // namespace bw::samples
