#pragma once

#include "document/document.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace bw::test {

// A small picture with structure (gradient, shapes), different for every seed.
inline QImage SamplePicture(int w, int h, int seed) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = qRgb((x * 255 / w + seed * 40) & 255, (y * 255 / h) & 255, (seed * 70) & 255);
    }
    QPainter p(&img);
    p.setBrush(QColor::fromHsv((seed * 53) % 360, 200, 220));
    p.drawEllipse(QRect(w / 4, h / 4, w / 2, h / 2));
    return img;
}

// One object of every stored type, every field set to a value of its own.
inline Document SampleDocument() {
    Document d;
    HeaderDataTyp& h = d.CurrentHeader;
    h.vers = QStringLiteral("2.05");
    h.titel = QStringLiteral("Europa – Flüsse & Städte €");
    h.autor = QStringLiteral("Frau Müller");
    h.bemerkung = QStringLiteral("Zeile 1\r\nZeile 2");
    h.lueckentext = QStringLiteral("Der [Rhein] fließt");
    h.fragentext = QStringLiteral("Frage 1?\r\nFrage 2?");
    h.AnzFrageNummern = 7;
    h.DokTyp = 2; // a type whose files keep every object type
    h.RandErw = {0.1, 0.05, 0.2, 0.15};
    h.NumArt = 1;
    h.GeordnetArt = 1;
    const int types[] = {0, 1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15, 16, 17, 20, 21};
    int i = 0;
    for (int typ : types) {
        ObjDataTyp o;
        o.Sx = 0.01 * (i + 1);
        o.Sy = 0.5 + 0.001 * i;
        o.Kx = 0.25 / (i + 1);
        o.Ky = 1.0 / 3.0 + i;
        o.Cap = QStringLiteral("Objekt %1\r\nmit \"Zitat\", Komma").arg(i);
        o.KAusr = i % 5;
        o.TAusr = i % 3;
        o.Ebene = i % 3;
        o.Typ = typ;
        o.Sline = i % 2;
        o.Fsize = i - 8;
        o.KAusrAkt = 1 + i % 4;
        o.FrageNummer = i - 1;
        o.Stil = i % 8;
        o.Farbe = 0x00102030 + i;
        o.Untertyp = (typ == 20 || typ == 21) ? 1 : i % 2;
        o.AntwortAnz = (typ == 20 || typ == 21) ? 3 : i;
        if (typ == 6 || typ == 7 || typ == 21) o.Bild = Picture(SamplePicture(20 + i, 10 + i, i));
        if (typ == 20 || typ == 21) {
            for (int k = 0; k < 3; ++k)
                o.BildAntw[k] = Picture(SamplePicture(8 + k, 6, 10 * i + k));
        }
        d.CurrentObjects.push_back(o);
        ++i;
    }
    d.BaseImage = Picture(SamplePicture(64, 48, 99));
    return d;
}

inline void ExpectSamePicture(const Picture& a, const Picture& b, const char* what) {
    ASSERT_EQ(a.isNull(), b.isNull()) << what;
    if (a.isNull()) return;
    EXPECT_EQ(a.image().convertToFormat(QImage::Format_ARGB32),
              b.image().convertToFormat(QImage::Format_ARGB32))
        << what;
}

// Every stored field of header, objects and pictures.
inline void ExpectSameStoredContent(const Document& a, const Document& b) {
    const HeaderDataTyp& x = a.CurrentHeader;
    const HeaderDataTyp& y = b.CurrentHeader;
    EXPECT_EQ(x.vers, y.vers);
    EXPECT_EQ(x.titel, y.titel);
    EXPECT_EQ(x.autor, y.autor);
    EXPECT_EQ(x.bemerkung, y.bemerkung);
    EXPECT_EQ(x.lueckentext, y.lueckentext);
    EXPECT_EQ(x.fragentext, y.fragentext);
    EXPECT_EQ(x.AnzFrageNummern, y.AnzFrageNummern);
    EXPECT_EQ(x.DokTyp, y.DokTyp);
    EXPECT_EQ(x.RandErw, y.RandErw);
    EXPECT_EQ(x.NumArt, y.NumArt);
    EXPECT_EQ(x.GeordnetArt, y.GeordnetArt);
    ASSERT_EQ(a.ObjectCount(), b.ObjectCount());
    for (int i = 0; i < a.ObjectCount(); ++i) {
        SCOPED_TRACE(i);
        const ObjDataTyp& o = a.CurrentObjects[i];
        const ObjDataTyp& p = b.CurrentObjects[i];
        EXPECT_EQ(o.Sx, p.Sx);
        EXPECT_EQ(o.Sy, p.Sy);
        EXPECT_EQ(o.Kx, p.Kx);
        EXPECT_EQ(o.Ky, p.Ky);
        EXPECT_EQ(o.Cap, p.Cap);
        EXPECT_EQ(o.KAusr, p.KAusr);
        EXPECT_EQ(o.TAusr, p.TAusr);
        EXPECT_EQ(o.Ebene, p.Ebene);
        EXPECT_EQ(o.Typ, p.Typ);
        EXPECT_EQ(o.Sline, p.Sline);
        EXPECT_EQ(o.Fsize, p.Fsize);
        EXPECT_EQ(o.KAusrAkt, p.KAusrAkt);
        EXPECT_EQ(o.FrageNummer, p.FrageNummer);
        EXPECT_EQ(o.Stil, p.Stil);
        EXPECT_EQ(o.Farbe, p.Farbe);
        EXPECT_EQ(o.Untertyp, p.Untertyp);
        EXPECT_EQ(o.AntwortAnz, p.AntwortAnz);
        ExpectSamePicture(o.Bild, p.Bild, "Bild");
        for (int k = 0; k < kMaxAnswerPictures; ++k)
            ExpectSamePicture(o.BildAntw[k], p.BildAntw[k], "BildAntw");
    }
    ExpectSamePicture(a.BaseImage, b.BaseImage, "BaseImage");
}

} // namespace bw::test
