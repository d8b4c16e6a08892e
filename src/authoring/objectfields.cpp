#include "authoring/objectfields.h"

#include "authoring/objecttypes.h"
#include "document/objtypes.h"

#include <algorithm>
#include <cmath>

namespace bw {

namespace {

bool IsPictureTyp(int typ) {
    return typ == TypAbfrageBild || typ == TypFixBild;
}

bool IsLinkTyp(int typ) {
    return typ == TypLinkExtern || typ == TypLinkIntern;
}

bool SamePicture(const Picture& a, const Picture& b) {
    if (a.isNull() || b.isNull()) return a.isNull() == b.isNull();
    return a.image().cacheKey() == b.image().cacheKey() || a.image() == b.image();
}

} // namespace

ObjectFields EmptyFields() {
    return ObjectFields{};
}

ObjectFields FieldsFromObject(const ObjDataTyp& o) {
    ObjectFields f;
    f.sx = ToUnits(o.Sx);
    f.sy = ToUnits(o.Sy);
    f.kx = ToUnits(o.Kx);
    f.ky = ToUnits(o.Ky);
    if (IsLinkTyp(o.Typ))
        f.file = o.Cap;
    else if (o.Typ == TypAbfrage || o.Typ == TypFix || o.Typ == TypInfopunkt)
        f.text = o.Cap;
    f.tausr = std::clamp(o.TAusr, 0, 2);
    f.kausr = std::clamp(o.KAusr, 0, 4);
    f.ebene = std::clamp(o.Ebene, 0, 2);
    f.typeIndex = TypeIndexFromTyp(o.Typ);
    f.sline = o.Sline == 1;
    f.fsizeIndex = std::clamp(o.Fsize + 8, 0, ObjectFields::kFsizeItemCount - 1);
    f.bold = o.Stil & 1;
    f.italic = o.Stil & 2;
    f.underline = o.Stil & 4;
    f.farbe = o.Farbe;
    f.picture = o.Bild;
    return f;
}

ObjDataTyp ObjectFromFields(const ObjectFields& f, ObjDataTyp o) {
    // A field the author did not change keeps the exact value behind it (a drag with Ctrl
    // drops between the field's units).
    auto position = [](int field, double& value) {
        if (field != ToUnits(value)) value = field / double(kPositionUnits);
    };
    position(f.sx, o.Sx);
    position(f.sy, o.Sy);
    position(f.kx, o.Kx);
    position(f.ky, o.Ky);
    o.Cap = f.text;
    o.TAusr = std::max(0, f.tausr);
    o.KAusr = std::max(0, f.kausr);
    o.Ebene = std::max(0, f.ebene);
    if (o.KAusr > 0) o.KAusrAkt = o.KAusr;
    const int typ = TypFromTypeIndex(f.typeIndex);
    if (typ >= 0) o.Typ = typ;
    if (IsLinkTyp(o.Typ)) o.Cap = f.file;
    o.Sline = f.sline ? 1 : 0;
    o.Fsize = f.fsizeIndex - 8;
    o.Stil = (f.bold ? 1 : 0) + (f.italic ? 2 : 0) + (f.underline ? 4 : 0);
    o.Farbe = f.farbe;
    if (IsPictureTyp(o.Typ) && !SamePicture(o.Bild, f.picture)) o.Bild = f.picture;
    return o;
}

bool SameStoredFields(const ObjDataTyp& a, const ObjDataTyp& b) {
    if (!(a.Sx == b.Sx && a.Sy == b.Sy && a.Kx == b.Kx && a.Ky == b.Ky && a.Cap == b.Cap &&
          a.KAusr == b.KAusr && a.TAusr == b.TAusr && a.Ebene == b.Ebene && a.Typ == b.Typ &&
          a.Untertyp == b.Untertyp && a.Sline == b.Sline && a.Fsize == b.Fsize &&
          a.Stil == b.Stil && a.Farbe == b.Farbe && a.FrageNummer == b.FrageNummer &&
          a.AntwortAnz == b.AntwortAnz && a.KAusrAkt == b.KAusrAkt && SamePicture(a.Bild, b.Bild)))
        return false;
    for (int i = 0; i < kMaxAnswerPictures; ++i)
        if (!SamePicture(a.BildAntw[i], b.BildAntw[i])) return false;
    return true;
}

QString FsizeItemText(int index) {
    const int v = index - 8;
    if (v == 0) return QStringLiteral("0 (standard)");
    return v > 0 ? QStringLiteral("+%1").arg(v) : QString::number(v);
}

} // namespace bw
