#pragma once

#include "document/document.h"
#include "view/viewstate.h"

#include <QString>

class QRandomGenerator;

namespace bw {

enum NumberModeCode : int {
    NumberQuestionMark = 0,
    NumberOrdered = 1,
    NumberRandom = 2,
};

// Builds the numbering of the query fields in the given mode and sets Nummer (and
// Abgedeckt where the rules say so) on the objects. Returns the order list.
// rng defaults to the global generator.
NumberingList BuildNumbering(Document& doc, int mode, QRandomGenerator* rng = nullptr);

// "A" .. "Z", then "A'" .. "Z'", "A''" ...
QString LetterText(int n);

// "?" for Nummer <= 0, else letters (NumArt 1) or decimal.
QString NumberText(const Document& doc, int index);

} // namespace bw
