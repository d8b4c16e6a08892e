#pragma once

#include "document/document.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <limits>

class QPainter;

namespace bw {

// Render modes of RenderMarkupLine.
enum MarkupMode : int {
    MarkupHiddenAnswers = -1, // positions advance, nothing drawn, gaps not parsed
    MarkupInfo = 0,           // info texts; gaps not parsed
    MarkupClozeBlank = 1,     // worksheet: line under each gap
    MarkupClozeSolution = 2,  // worksheet: gap texts only, in red
    MarkupClozeBoth = 3,      // worksheet: text, gap texts in red, lines
    MarkupClozePage = 99,     // cloze document on the page: gaps become query fields
};

// Where a paragraph is laid out and what it may touch.
struct MarkupCanvas {
    QPainter* painter = nullptr; // may be null when only measuring
    Document* doc = nullptr;     // receives or moves gap objects in mode 99
    int pageWidth = 1;           // for the gap objects' page fractions
    bool baseLayerVisible = true;
    bool exerciseRunning = false;
    int lastGapObject = -1; // the gap object used for the previous gap (mode 99, reuse)
    // Measuring ends once a line starts below this: the caller only asks whether it fits.
    int stopBelow = std::numeric_limits<int>::max();
};

// Lays out one paragraph starting at (startX, y) and returns the y below its last line.
// The font is "Arial" of fontHeight pixels when that is not 0, else fontSize points.
int RenderMarkupLine(MarkupCanvas& canvas, int availableWidth, int pageHeight, int startX, int y,
                     const QString& text, double fontSize, int fontHeight, int mode,
                     bool createObjects, const QColor& textColour, bool measureOnly);

// The text with the tags <b> </b> <i> </i> <u> </u> removed in any letter case.
QString StripStyleTags(const QString& text);

// Point size of info texts in the information window.
constexpr int kInfoTextPoints = 14;

// The info text of an info point, one markup paragraph per line ("Arial" 14 points, black,
// mode 0), laid out into a bitmap of the given width and exactly as high as the text.
QImage RenderInfoText(const QString& cap, int width, const QColor& background);

} // namespace bw
