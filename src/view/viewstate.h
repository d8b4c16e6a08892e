#pragma once

#include "document/objdata.h"

#include <QPoint>
#include <vector>

namespace bw {

// Zoom table; the controls offer indices 0 ("100%"), 2 ("150%") and 4 ("200%").
constexpr int kZoomCount = 5;
constexpr double kZoomTable[kZoomCount] = {1.0, 1.25, 1.5, 1.75, 2.0};

// What DrawObject paints for: the screen, or one of the worksheet renderings.
enum TargetKind : int {
    TargetScreen = 0,
    TargetWorksheetBlank = 1,    // query fields as empty white boxes with a double frame
    TargetWorksheetSolution = 2, // query texts in red without frame
    TargetWorksheetBoth = 3,
};

// Layers (Ebene).
constexpr int kLayerCount = 3;

// Facts about a running exercise that the renderer needs; the exercise owns them.
struct ExerciseDrawState {
    bool running = false;
    bool onePositionAtATime = false; // ask one position at a time
    int askedObject = -1;            // the position currently asked in that mode
    // Answer texts and pictures (types 25, 27) take the card point of answerMap[index].
    std::vector<int> answerMap;
};

// The numbering / exercise order list: (card index, position index).
struct NumberingEntry {
    int card = -1;
    int position = -1;
};
using NumberingList = std::vector<NumberingEntry>;

} // namespace bw
