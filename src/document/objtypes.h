#pragma once

// The model's vocabulary: object types (Typ) and what each one is, the display states of a
// query field (Abgedeckt), the document types (DokTyp) and the main window's view modes.
// Code asks the table below instead of comparing raw numbers.

namespace bw {

enum ObjTyp : int {
    TypAbfrage = 0,      // query label
    TypFix = 1,          // fixed label
    TypInfopunkt = 2,    // info point
    TypLuecke = 3,       // cloze gap
    TypLinkExtern = 4,   // external link
    TypLinkIntern = 5,   // internal link
    TypAbfrageBild = 6,  // query image
    TypFixBild = 7,      // fixed image
    TypAntwortFeld = 10, // answer field of a single question
    TypFrageText = 11,   // question text of a single question
    TypBtnZurueck = 12,  // question navigation "<"
    TypBtnVor = 13,      // ">"
    TypBtnErste = 14,    // "|<"
    TypBtnLetzte = 15,   // ">|"
    TypBtnZufall = 16,   // "?"
    TypFixText = 17,     // "Frage Nr. k von N"
    TypMCFrage = 20,     // multiple-choice question without picture
    TypMCFrageBild = 21, // with picture
    TypMCFragetext = 22, // 22..27: run-time multiple-choice layout, never stored
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

// States that only an exercise gives a field.
constexpr bool IsExerciseState(int s) {
    return s == StateRichtig || s == StateFalsch || s == StateZugeordnet || s == StateOffen;
}

enum DokTypCode : int {
    DokBildbeschriftung = 0,
    DokLueckentext = 1,
    DokEinzelfragen = 2,
    DokMultipleChoice = 3,
};

constexpr bool IsQuestionDocument(int dokTyp) {
    return dokTyp == DokEinzelfragen || dokTyp == DokMultipleChoice;
}

// The main window's modes (ViewMode).
enum class ViewModeKind : int {
    Learning = 2,
    Exercise = 3,
};

// What an object type is. Unknown numbers from damaged files have no traits.
enum ObjTrait : unsigned {
    TraitQueryField = 1u << 0,     // covered and uncovered, judged in exercises
    TraitPicture = 1u << 1,        // drawn from its picture
    TraitMarker = 1u << 2,         // info point or link: a round marker
    TraitQuestionButton = 1u << 3, // navigates the questions of a question document
    TraitQuestionLayout = 1u << 4, // laid out per question of a question document
    TraitGenerated = 1u << 5,      // built at run time from the texts, never written to a file
    TraitLabelObject = 1u << 6,    // placed by the object editor of a labelling document
    TraitClickable = 1u << 7,      // a click in the learning view reaches it
};

struct ObjectTypeInfo {
    int typ;
    unsigned traits;
};

inline constexpr ObjectTypeInfo kObjectTypes[] = {
    {TypAbfrage, TraitQueryField | TraitLabelObject | TraitClickable},
    {TypFix, TraitLabelObject},
    {TypInfopunkt, TraitMarker | TraitLabelObject | TraitClickable},
    {TypLuecke, TraitQueryField | TraitClickable},
    {TypLinkExtern, TraitMarker | TraitLabelObject | TraitClickable},
    {TypLinkIntern, TraitMarker | TraitLabelObject | TraitClickable},
    {TypAbfrageBild, TraitQueryField | TraitPicture | TraitLabelObject | TraitClickable},
    {TypFixBild, TraitPicture | TraitLabelObject},
    {TypAntwortFeld, TraitQueryField | TraitQuestionLayout},
    {TypFrageText, TraitQuestionLayout},
    {TypBtnZurueck, TraitQuestionButton | TraitQuestionLayout | TraitClickable},
    {TypBtnVor, TraitQuestionButton | TraitQuestionLayout | TraitClickable},
    {TypBtnErste, TraitQuestionButton | TraitQuestionLayout | TraitClickable},
    {TypBtnLetzte, TraitQuestionButton | TraitQuestionLayout | TraitClickable},
    {TypBtnZufall, TraitQuestionButton | TraitQuestionLayout | TraitClickable},
    {TypFixText, TraitQuestionLayout},
    {TypMCFrage, 0},
    {TypMCFrageBild, 0},
    {TypMCFragetext, TraitQuestionLayout | TraitGenerated},
    {TypMCFragebild, TraitPicture | TraitQuestionLayout | TraitGenerated},
    {TypMCAntwortBox, TraitQueryField | TraitPicture | TraitQuestionLayout | TraitGenerated},
    {TypMCAntwortText, TraitQuestionLayout | TraitGenerated},
    {TypMCOkBtn, TraitQuestionLayout | TraitGenerated},
    {TypMCAntwortBild, TraitPicture | TraitQuestionLayout | TraitGenerated},
};

constexpr unsigned ObjectTraits(int typ) {
    for (const ObjectTypeInfo& t : kObjectTypes)
        if (t.typ == typ) return t.traits;
    return 0;
}

constexpr bool HasTrait(int typ, ObjTrait trait) {
    return (ObjectTraits(typ) & trait) != 0;
}

// Whether objects of this type are query fields at all (0, 3, 6, 10, 24).
constexpr bool IsQueryFieldType(int typ) {
    return HasTrait(typ, TraitQueryField);
}
constexpr bool IsRuntimeLayoutType(int typ) {
    return HasTrait(typ, TraitGenerated);
}

// The query objects an exercise of this document type asks.
constexpr bool IsAskedType(int dokTyp, int typ) {
    switch (dokTyp) {
    case DokBildbeschriftung:
    case DokLueckentext:
        return typ == TypAbfrage || typ == TypLuecke || typ == TypAbfrageBild;
    case DokEinzelfragen:
        return typ == TypAntwortFeld;
    case DokMultipleChoice:
        return typ == TypMCFrage || typ == TypMCFrageBild;
    default:
        return false;
    }
}

} // namespace bw
