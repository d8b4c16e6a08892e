// Writes the seed corpus of the reader fuzzer: small documents of every kind the reader
// meets, made by the writer itself, plus a few broken ones. Usage: make_corpus FOLDER

#include "document/docfile.h"
#include "document/imagecodec.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QtEndian>

#include <cstdio>

using namespace bw;

namespace {

QImage Tiny(int w, int h, int seed, bool alpha = false) {
    QImage img(w, h, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgba(x * 40 + seed, y * 60, seed * 30, alpha ? x * 60 : 255));
    return img;
}

ObjDataTyp Object(int typ, const QString& cap) {
    ObjDataTyp o;
    o.Typ = typ;
    o.Cap = cap;
    o.Sx = 0.25;
    o.Sy = 0.75;
    o.Kx = 0.5;
    o.Ky = 0.5;
    o.FrageNummer = 1;
    return o;
}

QByteArray Write(Document& d) {
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    WriteDocumentTo(b, d);
    return b.data();
}

QByteArray Str(const QByteArray& s) {
    char len[4];
    qToLittleEndian(qint32(s.size()), len);
    return QByteArray(len, 4) + s;
}

QByteArray Int(qint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    return QByteArray(b, 4);
}

QByteArray Dbl(double v) {
    char b[8];
    qToLittleEndian(v, b);
    return QByteArray(b, 8);
}

bool Save(const QDir& dir, const char* name, const QByteArray& bytes) {
    QFile f(dir.filePath(QString::fromLatin1(name)));
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_corpus FOLDER\n");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    dir.mkpath(QStringLiteral("."));

    Document empty;
    empty.BaseImage = Picture(Tiny(4, 3, 0));
    const QByteArray minimal = Write(empty);

    Document texts;
    texts.CurrentHeader.titel = QStringLiteral("Flüsse");
    texts.CurrentHeader.bemerkung = QStringLiteral("a\r\nb");
    texts.CurrentHeader.DokTyp = 1;
    texts.CurrentHeader.RandErw = {0.1, 0.2, 0.3, 0.4};
    texts.CurrentObjects.push_back(Object(0, QStringLiteral("Paris\r\nFrankreich")));
    texts.CurrentObjects.push_back(Object(2, QStringLiteral("Le Mans")));
    texts.CurrentObjects.push_back(Object(3, QStringLiteral("\"x\", y")));
    texts.BaseImage = Picture(Tiny(5, 4, 1));
    const QByteArray textDoc = Write(texts);

    Document pics;
    pics.CurrentHeader.DokTyp = 3;
    ObjDataTyp q = Object(6, QStringLiteral("Bild"));
    q.Bild = Picture(Tiny(3, 2, 2, true));
    pics.CurrentObjects.push_back(q);
    ObjDataTyp mc = Object(21, QStringLiteral("Frage\r\nA\r\nB"));
    mc.Bild = Picture(Tiny(2, 2, 3));
    mc.Untertyp = 1;
    mc.AntwortAnz = 2;
    mc.BildAntw[0] = Picture(Tiny(2, 3, 4));
    mc.BildAntw[1] = Picture(Tiny(3, 3, 5));
    pics.CurrentObjects.push_back(mc);
    pics.BaseImage = Picture(Tiny(6, 5, 6));
    const QByteArray picDoc = Write(pics);

    // An older document: no optional key in the field list.
    QByteArray old = Str("KEV-1.01") +
                     Str("|HD-vers|HD-titel|HD-autor|HD-bemerkung|OB-Sx|OB-Sy|OB-Kx|OB-Ky|OB-Cap|"
                         "OB-KAusr|OB-TAusr|OB-Ebene|OB-Typ|OB-Sline|OB-Fsize|OB-KAusrAkt|") +
                     Str("1.00") + Str("Alt") + Str("") + Str("") + Int(1);
    old += Dbl(0.1) + Dbl(0.2) + Dbl(0.3) + Dbl(0.4) + Str("\"Le Mans\"");
    old += Int(0) + Int(0) + Int(1) + Int(0) + Int(1) + Int(0) + Int(1);
    old += EncodePng(Tiny(4, 4, 7));

    QByteArray badMagic = textDoc;
    badMagic.replace(4, 4, "XYZ-");
    QByteArray newer = textDoc;
    newer.replace(8, 4, "2.11");

    const bool ok = Save(dir, "minimal.bwk", minimal) && Save(dir, "texts.bwk", textDoc) &&
                    Save(dir, "pictures.bwk", picDoc) && Save(dir, "old-kev.qlx", old) &&
                    Save(dir, "truncated.bwk", picDoc.left(picDoc.size() / 2)) &&
                    Save(dir, "bad-magic.bwk", badMagic) && Save(dir, "newer.bwk", newer);
    return ok ? 0 : 1;
}
