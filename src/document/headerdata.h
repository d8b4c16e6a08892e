#pragma once

#include "document/objdata.h"

#include <QString>

namespace bw {

struct HeaderDataTyp {
    QString Datei;
    QString vers = QStringLiteral("1.00");
    QString titel;
    QString autor;
    QString bemerkung;
    QString lueckentext;
    QString fragentext;
    int AnzFrageNummern = 0;
    int DokTyp = 0;
    bool Geaendert = false;
    DoubleRect RandErw{0, 0, 0, 0};
    int NumArt = 0;
    int GeordnetArt = 0;
    int SeitFest = 1;
    int SeitBreite = 10;
    int SeitHoehe = 7;
    double BildRand = 0;
    double BildGroesse = 100;
    double BildPosX = 50;
    double BildPosY = 50;
};

// The user's defaults for the page ratio of new documents.
struct PageRatioDefaults {
    int SeitFest = 1;
    int SeitBreite = 10;
    int SeitHoehe = 7;
};

} // namespace bw
