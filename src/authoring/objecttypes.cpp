#include "authoring/objecttypes.h"

#include "document/objtypes.h"
#include "exercise/grading.h"

namespace bw {

const TypeIndexEntry kTypeIndexTable[kTypeIndexCount] = {
    {TypAbfrage, "Abfrage- Beschrift.", "Abdeckbare Beschriftung zur Abfrage in der Übung",
     "Abfrage-Beschriftung", "&Abfrage-Beschriftung"},
    {TypAbfrageBild, "  Abfrage-  Bild", "Abdeckbares Bild zur Abfrage in der Übung",
     "Abfrage-Bild", "Ab&frage-Bild"},
    {TypFix, "Statische Beschrift.", "Feststehende Beschriftung", "Fixe Beschriftung",
     "&Statische Beschriftung"},
    {TypFixBild, "Statisches Bild", "Feststehendes Bild", "Fixes Bild", "Statisches &Bild"},
    {TypInfopunkt, "Info- punkt", "Infopunkt mit Informationstext", "Infopunkt", "&Infopunkt"},
    {TypLinkExtern, "Link extern", "Externe Verknüpfung zu anderer Datei",
     "Link: Externe Verknüpf.", "&Link extern"},
    {TypLinkIntern, "BWK Dok.", "Interne Verknüpfung zu anderem Brettwerk-Dokument (.bwk)",
     "Dok.: Interne Verknüpf.", "Link zu &Brettwerk-Dok. (BWK)"},
};

int TypFromTypeIndex(int typeIndex) {
    if (typeIndex < 0 || typeIndex >= kTypeIndexCount) return -1;
    return kTypeIndexTable[typeIndex].typ;
}

int TypeIndexFromTyp(int typ) {
    for (int i = 0; i < kTypeIndexCount; ++i)
        if (kTypeIndexTable[i].typ == typ) return i;
    return -1;
}

int LayerForTypeIndex(int typeIndex, int currentLayer) {
    switch (typeIndex) {
    case 0:
    case 1:
        return 1;
    case 4:
    case 5:
    case 6:
        return 2;
    default:
        return currentLayer;
    }
}

QString AppendDokTypToTitle(const QString& title, int dokTyp) {
    const QString name = DokTypName(dokTyp);
    if (name.isEmpty()) return title;
    QString t = title;
    for (int typ = 0; typ < 4; ++typ)
        t.remove(QStringLiteral(" - ") + DokTypName(typ));
    return t + QStringLiteral(" - ") + name;
}

} // namespace bw
