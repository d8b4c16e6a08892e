#pragma once

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

// Object types (Typ).
enum ObjTyp : int {
    TypAbfrage = 0,       // query label
    TypFix = 1,           // fixed label
    TypInfopunkt = 2,     // info point
    TypLuecke = 3,        // cloze gap
    TypLinkExtern = 4,    // external link
    TypLinkIntern = 5,    // internal link
    TypAbfrageBild = 6,   // query image
    TypFixBild = 7,       // fixed image
    TypAntwortFeld = 10,  // answer field of a single question
    TypFrageText = 11,    // question text of a single question
    TypBtnZurueck = 12,
    TypBtnVor = 13,
    TypBtnErste = 14,
    TypBtnLetzte = 15,
    TypBtnZufall = 16,
    TypFixText = 17,
    TypMCFrage = 20,      // multiple-choice question without picture
    TypMCFrageBild = 21,  // with picture
    TypMCFragetext = 22,  // 22..27: run-time multiple-choice layout, never stored
    TypMCFragebild = 23,
    TypMCAntwortBox = 24,
    TypMCAntwortText = 25,
    TypMCOkBtn = 26,
    TypMCAntwortBild = 27,
};

// Display states of a query field (Abgedeckt).
enum AbgedecktState : int {
    Aufgedeckt = 0,
    Abgedeckt_ = -1,
    StateRichtig = -2,
    StateFalsch = -3,
    StateZugeordnet = -4,
    StateOffen = -5,
    StateFrageFalsch = -6,
};

inline bool IsRuntimeLayoutType(int typ) { return typ >= 22 && typ <= 27; }

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
    DoubleRect KRect{-1, -1, -1, -1};
    int KAusrAkt = 0; // 0 until a card has been placed
    double KBreite = 0;
    double KHoehe = 0;
    int KPixelX = -1;
    int KPixelY = -1;
    Picture Bild;
    std::array<Picture, kMaxAnswerPictures> BildAntw;

    // Sets the run-time values an object gets when read from a file.
    void ResetRuntimeValues(bool editorOpen) {
        Abgedeckt = editorOpen ? 0 : -1;
        Nummer = -1;
        FehlerPos = 0;
        FehlerKarte = 0;
        KRect = {-1, -1, -1, -1};
        KBreite = 0;
        KHoehe = 0;
        KPixelX = -1;
        KPixelY = -1;
    }
};

} // namespace bw
