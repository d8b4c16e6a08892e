#pragma once

#include "document/objtypes.h"
#include "document/picture.h"

#include <QString>
#include <array>

namespace bw {

// Page-fraction rectangle (left, top, right, bottom).
struct DoubleRect {
    double left = 0, top = 0, right = 0, bottom = 0;
    double width() const { return right - left; }
    double height() const { return bottom - top; }
    bool operator==(const DoubleRect&) const = default;
};

constexpr int kMaxAnswerPictures = 12;

struct ObjDataTyp {
    double Sx = 0, Sy = 0;  // anchor point
    double Kx = 0, Ky = 0;  // card reference point
    QString Cap;
    int KAusr = 0;
    int TAusr = 0;
    int Ebene = 1;
    int Typ = 0;
    int Untertyp = 0;
    int Sline = 0;
    int Fsize = 0;
    int Stil = 0;
    int Farbe = 0;
    int Abgedeckt = -1;
    int Nummer = -1;
    int FrageNummer = -1;
    int AntwortAnz = 0;
    int FehlerPos = 0;
    int FehlerKarte = 0;
    int KAusrAkt = 0; // 0 until a card has been placed
    Picture Bild;
    std::array<Picture, kMaxAnswerPictures> BildAntw;

    // Sets the run-time values an object gets when read from a file.
    void ResetRuntimeValues(bool editorOpen) {
        Abgedeckt = editorOpen ? 0 : -1;
        Nummer = -1;
        FehlerPos = 0;
        FehlerKarte = 0;
    }
};

} // namespace bw
