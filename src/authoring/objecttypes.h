#pragma once

#include <QString>

namespace bw {

// The object editor's seven kinds of object, in the order of its type buttons, "Neu..."
// items and hidden type combo: the type index.
constexpr int kTypeIndexCount = 7;

struct TypeIndexEntry {
    int typ;
    const char* buttonCaption;
    const char* buttonHint;
    const char* comboItem;
    const char* newMenuItem;
};

extern const TypeIndexEntry kTypeIndexTable[kTypeIndexCount];

// Typ of a type index; -1 outside 0..6.
int TypFromTypeIndex(int typeIndex);
// Type index of a Typ; -1 for types the editor does not offer (cloze gaps, generated objects).
int TypeIndexFromTyp(int typ);
// Whether the editor selects, moves and transforms objects of this type.
inline bool IsEditableTyp(int typ) {
    return TypeIndexFromTyp(typ) >= 0;
}

// The layer a type index puts a new or retyped object on: query label and picture on
// "Texte und Bilder", info points and links on "Infopunkte"; fixed ones keep the author's.
int LayerForTypeIndex(int typeIndex, int currentLayer);

// Removes every " - " + type name from the title and appends the one of dokTyp.
QString AppendDokTypToTitle(const QString& title, int dokTyp);

} // namespace bw
