#include "benchdocument.h"

#include <QPainter>
#include <QRandomGenerator>
#include <algorithm>

namespace bw::bench {

QImage MapPicture(int seed) {
    QImage img(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            line[x] = qRgb(((x + seed) / 16) & 0xFF, (y / 12) & 0xFF, ((x ^ y) >> 3) & 0xFF);
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::darkBlue, 8));
    for (int i = 0; i < 40; ++i)
        p.drawLine(i * 100, 0, 4000 - i * 90, 3000);
    return img;
}

Document MapDocument() {
    Document doc;
    doc.BaseImage = Picture(MapPicture());
    doc.CurrentHeader.titel = QStringLiteral("Karte");
    doc.CurrentHeader.Datei = QStringLiteral("bench.bwk");
    doc.CurrentHeader.RandErw = {0.08, 0.05, 0.08, 0.05};
    QRandomGenerator rng(42);
    for (int i = 0; i < 300; ++i) {
        ObjDataTyp o;
        const int kind = i % 10;
        o.Typ = kind < 6 ? TypAbfrage : (kind < 8 ? TypFix : TypInfopunkt);
        o.Ebene = o.Typ == TypInfopunkt ? 2 : 1;
        o.Cap = QStringLiteral("Ort Nummer %1").arg(i);
        o.Sx = rng.bounded(0.9) + 0.05;
        o.Sy = rng.bounded(0.9) + 0.05;
        o.Kx = std::clamp(o.Sx + rng.bounded(0.1) - 0.05, 0.02, 0.98);
        o.Ky = std::clamp(o.Sy + rng.bounded(0.1) - 0.05, 0.02, 0.98);
        o.Sline = i % 3 == 0 ? 1 : 0;
        o.KAusr = i % 5;
        o.KAusrAkt = o.KAusr;
        o.Abgedeckt = -1;
        doc.CurrentObjects.push_back(o);
    }
    return doc;
}

} // namespace bw::bench
