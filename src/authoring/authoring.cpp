#include "authoring/authoring.h"

#include "authoring/objectfields.h"
#include "authoring/objecttypes.h"
#include "document/objtypes.h"

#include <algorithm>

namespace bw {

namespace {

Document& Doc(DocumentEditor& ed) {
    return ed.document();
}

} // namespace

std::vector<ObjDataTyp> Authoring::withLayout(const DoubleRect& margins, bool transform) const {
    std::vector<ObjDataTyp> objects = ed_.document().CurrentObjects;
    if (transform) TransformToMargins(objects, ed_.document().CurrentHeader.RandErw, margins);
    return objects;
}

void Authoring::SetPageLayout(const PageLayout& layout, bool transform) {
    const Document& doc = Doc(ed_);
    HeaderDataTyp h = doc.CurrentHeader;
    layout.ToHeader(h);
    h.RandErw = ComputeMargins(doc.BaseImage.width(), doc.BaseImage.height(), layout);
    ed_.SetPage(doc.BaseImage, h, withLayout(h.RandErw, transform), QStringLiteral("Seitenlayout"));
}

void Authoring::ApplyBaseImageLayout(bool transform) {
    SetPageLayout(PageLayout::FromHeader(Doc(ed_).CurrentHeader), transform);
}

void Authoring::ReplaceBaseImage(const QImage& image) {
    const Document& doc = Doc(ed_);
    HeaderDataTyp h = doc.CurrentHeader;
    h.RandErw = ComputeMargins(image.width(), image.height(), PageLayout::FromHeader(h));
    ed_.SetPage(Picture(image), h, doc.CurrentObjects, QStringLiteral("Basisbild einfügen"));
}

void Authoring::DeleteBaseImage() {
    const Document& doc = Doc(ed_);
    const QImage start = StartBasisbild();
    HeaderDataTyp h = doc.CurrentHeader;
    h.RandErw = ComputeMargins(start.width(), start.height(), PageLayout::FromHeader(h));
    ed_.SetPage(Picture(start), h, doc.CurrentObjects, QStringLiteral("Basisbild löschen"));
}

ObjDataTyp Authoring::MakeNewObject(int typeIndex, const NewObjectDefaults& d) {
    ObjDataTyp o;
    o.Sx = (d.viewport.left + d.viewport.right) * 0.1;
    o.Sy = (d.viewport.top + d.viewport.bottom) * 0.15;
    o.Kx = o.Sx + 0.3;
    o.Ky = o.Sy;
    o.Cap = QStringLiteral("NEU");
    o.Ebene = LayerForTypeIndex(typeIndex, 1);
    o.Typ = TypFromTypeIndex(typeIndex);
    o.Sline = d.sline ? 1 : 0;
    o.KAusr = std::clamp(d.kausr, 0, 4);
    o.KAusrAkt = o.KAusr;
    o.FrageNummer = -1;
    // A link's text is its file, and a picture shows no text: the fields of a new object are
    // empty there.
    if (o.Typ == TypLinkExtern || o.Typ == TypLinkIntern || o.Typ == TypAbfrageBild ||
        o.Typ == TypFixBild)
        o.Cap.clear();
    return o;
}

int Authoring::NewObject(int typeIndex, const NewObjectDefaults& d) {
    if (TypFromTypeIndex(typeIndex) < 0) return -1;
    ObjDataTyp o = MakeNewObject(typeIndex, d);
    // Not yet placed: the renderer lays its card out on first drawing.
    o.ResetRuntimeValues(true);
    return ed_.AddObject(o);
}

int Authoring::StoreObject(int index, const ObjDataTyp& edited) {
    Document& doc = Doc(ed_);
    if (!doc.ValidIndex(index)) return -1;
    ObjDataTyp o = edited;
    if (o.KAusr > 0)
        o.KAusrAkt = o.KAusr;
    else if (o.KAusr == 0 && doc.CurrentObjects[index].KAusr != 0)
        o.KAusrAkt = 0; // "automatisch" chosen: the renderer picks the side anew
    const ObjDataTyp& current = doc.CurrentObjects[index];
    if (SameStoredFields(o, current)) return index;
    ObjDataTyp capOnly = current;
    capOnly.Cap = o.Cap;
    const bool typing = SameStoredFields(o, capOnly);
    ed_.SetObject(index, o,
                  typing ? QStringLiteral("Text ändern") : QStringLiteral("Objekt ändern"), typing);
    return index;
}

int Authoring::DuplicateObject(int index) {
    Document& doc = Doc(ed_);
    if (!doc.ValidIndex(index)) return -1;
    ObjDataTyp copy = doc.CurrentObjects[index];
    copy.Cap = QStringLiteral("KOPIE von ") + copy.Cap;
    copy.Sy = std::min(copy.Sy + 0.05, 1.0);
    copy.Ky = std::min(copy.Ky + 0.05, 1.0);
    if (!copy.Bild.isNull()) copy.Bild = Picture(copy.Bild.image().copy());
    copy.ResetRuntimeValues(true);
    return ed_.AddObject(copy, index + 1);
}

bool Authoring::DeleteObject(int index) {
    if (!Doc(ed_).ValidIndex(index)) return false;
    ed_.RemoveObject(index);
    return true;
}

bool Authoring::DeleteAllObjects() {
    const std::vector<ObjDataTyp>& all = Doc(ed_).CurrentObjects;
    std::vector<ObjDataTyp> kept;
    std::copy_if(all.begin(), all.end(), std::back_inserter(kept),
                 [](const ObjDataTyp& o) { return o.Typ >= 10; });
    if (kept.size() == all.size()) return false;
    ed_.ReplaceObjects(kept, QStringLiteral("Alle Objekte löschen"));
    return true;
}

bool Authoring::TransformObjects(double factorX, double offsetX, double factorY, double offsetY) {
    std::vector<ObjDataTyp> objects = Doc(ed_).CurrentObjects;
    if (objects.empty()) return false;
    bw::TransformObjects(objects, factorX, offsetX, factorY, offsetY);
    ed_.ReplaceObjects(objects, QStringLiteral("Transformieren"));
    return true;
}

void Authoring::SetProperties(const QString& titel, const QString& autor, const QString& bemerkung,
                              int numArt, int geordnetArt) {
    HeaderDataTyp h = Doc(ed_).CurrentHeader;
    if (h.titel == titel && h.autor == autor && h.bemerkung == bemerkung && h.NumArt == numArt &&
        h.GeordnetArt == geordnetArt)
        return;
    h.titel = titel;
    h.autor = autor;
    h.bemerkung = bemerkung;
    h.NumArt = numArt;
    h.GeordnetArt = geordnetArt;
    ed_.SetHeader(h, QStringLiteral("Dokumenteigenschaften"));
}

QString DeleteObjectQuestion(int typ, int index, const QString& fileText, const QString& text) {
    QString what;
    switch (typ) {
    case TypAbfrageBild:
    case TypFixBild:
        what = QStringLiteral("das Bild");
        break;
    case TypLinkExtern:
    case TypLinkIntern:
        what = QStringLiteral("die Dateiverknüpfung \"%1\"").arg(fileText);
        break;
    case TypInfopunkt:
        what = QStringLiteral("der Infopunkt \"%1\"").arg(text);
        break;
    case TypAbfrage:
    case TypFix:
        what = QStringLiteral("die Beschriftung \"%1\"").arg(text);
        break;
    default:
        what = QStringLiteral("das Objekt");
    }
    return QStringLiteral("Soll %1 (ID %2) wirklich gelöscht werden?").arg(what).arg(index);
}

} // namespace bw
