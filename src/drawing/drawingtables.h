#pragma once

#include <QChar>
#include <QColor>
#include <QPoint>
#include <QString>

namespace bw {

enum class DrawTool { Pointer, Hand, Pen, Eraser, Stamp, Text };

constexpr int kMinStrokeStep = 1;
constexpr int kMaxStrokeStep = 4;

// Pen width in pixels for a stroke width step (1..4); other steps are clamped.
int StrokeWidth(int step);
// Side of the eraser square in pixels, stamp size and text size in points, per step.
inline int EraserSide(int step) {
    return 32 * qBound(kMinStrokeStep, step, kMaxStrokeStep);
}
inline int StampPointSize(int step) {
    return 32 * qBound(kMinStrokeStep, step, kMaxStrokeStep);
}
inline int TextPointSize(int step) {
    return 18 * qBound(kMinStrokeStep, step, kMaxStrokeStep);
}

// DrawColourTable: 11..14 translucent, 21..30 opaque; false for an index without colour.
bool IsDrawColourIndex(int index);
QColor DrawColour(int index); // opaque; black for an index without colour
inline bool IsTranslucentColour(int index) {
    return index < 20;
}
// The hint of a translucent entry ("gelb - transparent"); empty for opaque ones.
QString DrawColourHint(int index);
// The indices in the order of the colour menu (0 marks the separator).
const int* DrawColourMenuOrder(int* count);

constexpr int kStampCount = 6;
// The symbol font's code for a stamp (1..6) and the character that shows it in the font
// that carries the symbols here.
int StampSymbolCode(int index);
QString StampSymbolText(int index);
// The order of the symbol menu: tick, cross, smiling, neutral, frowning, star.
constexpr int kStampMenuOrder[kStampCount] = {1, 2, 4, 5, 6, 3};
// The font that carries the stamp symbols.
QString StampFontFamily();

// The drawing tools' state; not persisted.
struct DrawToolState {
    DrawTool CurrentTool = DrawTool::Pointer;
    int StrokeWidthStep = 1;
    int DrawColourIndex = 21;
    int StampSymbolIndex = 1;
    QPoint LastPoint{-1, -1};
    bool StampDone = false;
};

} // namespace bw
