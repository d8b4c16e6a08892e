#pragma once

#include "authoring/pagelayout.h"
#include "document/objdata.h"

#include <QString>

namespace bw {

// What the object editor's controls show of one object, in the controls' own units:
// positions as fraction x 10000, combo boxes as item indexes (-1 = no item), the colour as
// 0x00BBGGRR.
struct ObjectFields {
    int sx = 0, sy = 0, kx = 0, ky = 0;
    QString text; // BezMemo: label text or info text
    QString file; // DateiEdit: the file of a link
    int kausr = -1, tausr = -1, ebene = -1, typeIndex = -1;
    bool sline = true;
    int fsizeIndex = kFsizeStandardIndex;
    bool bold = false, italic = false, underline = false;
    int farbe = 0;
    Picture picture; // the preview picture

    static constexpr int kFsizeStandardIndex = 8; // "0 (standard)"
    static constexpr int kFsizeItemCount = 109;   // "-8" ... "+100"
};

constexpr int kPositionUnits = 10000; // a position field's value for the whole page

// The controls filled from an object (the empty controls for none).
ObjectFields FieldsFromObject(const ObjDataTyp& o);
ObjectFields EmptyFields();
// The object with the controls written into it. A picture type gets the preview picture;
// a picture stays attached when the type changes to a text type.
ObjDataTyp ObjectFromFields(const ObjectFields& f, ObjDataTyp o);
// Whether two objects differ in what a file stores (run-time values aside).
bool SameStoredFields(const ObjDataTyp& a, const ObjDataTyp& b);

// The items of FsizeCombo: "-8" ... "-1", "0 (standard)", "+1" ... "+100".
QString FsizeItemText(int index);

} // namespace bw
