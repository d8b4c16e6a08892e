#include "drawing/drawingtables.h"

#include <iterator>

namespace bw {

namespace {

struct ColourEntry {
    int index;
    QRgb rgb;
    const char* hint;
};

const ColourEntry kColours[] = {
    {21, qRgb(255, 0, 0), nullptr},
    {28, qRgb(255, 128, 0), nullptr},
    {22, qRgb(255, 255, 0), nullptr},
    {23, qRgb(0, 255, 0), nullptr},
    {27, qRgb(0, 128, 0), nullptr},
    {30, qRgb(0, 192, 255), nullptr},
    {24, qRgb(0, 0, 255), nullptr},
    {29, qRgb(192, 0, 255), nullptr},
    {25, qRgb(255, 255, 255), nullptr},
    {26, qRgb(0, 0, 0), nullptr},
    {11, qRgb(255, 0, 0), "rot - transparent"},
    {12, qRgb(255, 255, 0), "gelb - transparent"},
    {13, qRgb(0, 255, 0), "grün - transparent"},
    {14, qRgb(0, 0, 255), "blau - transparent"},
};

const int kMenuOrder[] = {21, 28, 22, 23, 27, 30, 24, 29, 25, 26, 0, 11, 12, 13, 14};

const ColourEntry* Find(int index) {
    for (const ColourEntry& e : kColours)
        if (e.index == index) return &e;
    return nullptr;
}

// Symbol-font codes and the Unicode characters that show the same symbols.
const int kStampCodes[kStampCount] = {0xFC, 0xFB, 0xAB, 0x4A, 0x4B, 0x4C};
const char32_t kStampChars[kStampCount] = {0x2714, 0x2718, 0x2605, 0x263A, 0x1F610, 0x2639};

} // namespace

int StrokeWidth(int step) {
    static const int table[] = {3, 7, 13, 21};
    return table[qBound(kMinStrokeStep, step, kMaxStrokeStep) - 1];
}

bool IsDrawColourIndex(int index) {
    return Find(index) != nullptr;
}

QColor DrawColour(int index) {
    const ColourEntry* e = Find(index);
    return QColor(e ? e->rgb : qRgb(0, 0, 0));
}

QString DrawColourHint(int index) {
    const ColourEntry* e = Find(index);
    return e && e->hint ? QString::fromUtf8(e->hint) : QString();
}

const int* DrawColourMenuOrder(int* count) {
    *count = int(std::size(kMenuOrder));
    return kMenuOrder;
}

int StampSymbolCode(int index) {
    return kStampCodes[qBound(1, index, kStampCount) - 1];
}

QString StampSymbolText(int index) {
    const char32_t c = kStampChars[qBound(1, index, kStampCount) - 1];
    return QString::fromUcs4(&c, 1);
}

QString StampFontFamily() {
    return QStringLiteral("DejaVu Sans");
}

} // namespace bw
