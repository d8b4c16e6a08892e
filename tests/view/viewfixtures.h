#pragma once

#include "document/document.h"
#include "view/learnview.h"

#include <QColor>
#include <QImage>
#include <QRect>

namespace bw::test {

// A document on a plain base image of the given size and colour.
inline Document PlainDocument(int w, int h, QColor colour = Qt::white) {
    Document doc;
    QImage base(w, h, QImage::Format_RGB32);
    base.fill(colour);
    doc.BaseImage = Picture(base);
    doc.CurrentHeader.Datei = QStringLiteral("/tmp/test.bwk");
    return doc;
}

inline int AddObject(Document& doc, int typ, const QString& cap, double kx, double ky,
                     int kausr = 1, int ebene = 1) {
    ObjDataTyp o;
    o.Typ = typ;
    o.Cap = cap;
    o.Kx = o.Sx = kx;
    o.Ky = o.Sy = ky;
    o.KAusr = kausr;
    o.KAusrAkt = kausr;
    o.Ebene = ebene;
    o.Abgedeckt = -1;
    doc.CurrentObjects.push_back(o);
    return doc.ObjectCount() - 1;
}

inline QColor Pixel(const QImage& img, int x, int y) {
    return QColor(img.pixel(x, y));
}
inline QColor Pixel(const QImage& img, QPoint p) {
    return Pixel(img, p.x(), p.y());
}

inline bool Near(QColor a, QColor b, int tolerance = 0) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// The bounding box of pixels that differ from the background colour.
inline QRect InkBox(const QImage& img, QColor background = Qt::white, QRect within = {}) {
    const QRect area = within.isNull() ? img.rect() : within.intersected(img.rect());
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (QColor(img.pixel(x, y)) != background) box = box.united(QRect(x, y, 1, 1));
    return box;
}

// The object's box in page-bitmap pixels.
inline QRect BoxOf(const LearnView& v, int index) {
    const DoubleRect& k = v.Card(index).KRect;
    const QSize page = v.PageBitmap().size();
    const int l = int(std::lround(k.left * page.width()));
    const int t = int(std::lround(k.top * page.height()));
    const int r = int(std::lround(k.right * page.width()));
    const int b = int(std::lround(k.bottom * page.height()));
    return QRect(l, t, r - l, b - t);
}

} // namespace bw::test
