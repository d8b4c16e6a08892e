#pragma once

#include "document/document.h"

#include <vector>

namespace bw {

// The values that place the base image on its page (header fields of the same names).
struct PageLayout {
    int SeitFest = 1;
    int SeitBreite = 10;
    int SeitHoehe = 7;
    double BildGroesse = 100;
    double BildPosX = 50;
    double BildPosY = 50;

    static PageLayout FromHeader(const HeaderDataTyp& h);
    void ToHeader(HeaderDataTyp& h) const;
};

// The margins (RandErw) of a base image of width x height pixels laid out on its page: the
// page from the ratio, widened or cropped by the image size, the margin split by alignment.
DoubleRect ComputeMargins(int width, int height, const PageLayout& layout);

// Moves the editor's objects so that they stay on the same spot of the base image when
// the margins change from oldMargins to newMargins. Other objects are left alone.
void TransformToMargins(std::vector<ObjDataTyp>& objects, const DoubleRect& oldMargins,
                        const DoubleRect& newMargins);

// x' = factorX * x + offsetX / 10000 (y likewise) for every object below Typ 10 except cloze
// gaps, clamped to the page; moved objects count as not drawn.
void TransformObjects(std::vector<ObjDataTyp>& objects, double factorX, double offsetX,
                      double factorY, double offsetY);

// Position fields of the editor: page fraction x 10000, rounded to nearest.
int ToUnits(double fraction);
// The grid is 100 units. A value off the grid moves to the next grid line in that
// direction, a value on it by one step.
int GridStepDown(int units); // left, up
int GridStepUp(int units);   // right, down
int SnapToGrid(int units);   // nearest grid line, ties to even
// Rounds a dragged page fraction to a multiple of 0.01.
double RoundToHundredth(double fraction);

} // namespace bw
