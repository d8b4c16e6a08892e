#pragma once

#include "document/objdata.h"
#include "platform/system.h" // FolderWithSlash

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QString>
#include <cmath>

class QImage;

namespace bw {

// Strings
QString RemoveAll(const QString& text, const QString& part);
QString RemoveAllIgnoreCase(const QString& text, const QString& part);
QString ReplaceAll(const QString& text, const QString& from, const QString& to);
QString Repeat(const QString& part, int n);
QString CommaTextToLines(const QString& text);
QString LinesToCommaText(const QString& text);
QString DigitsTo(const QString& text, QChar c);
QString HexDigitsTo(const QString& text, QChar c);

// Numbers and geometry
// Rounded to the nearest whole number, halves away from zero.
inline int Round(double v) {
    return static_cast<int>(std::lround(v));
}
double SnapTo(double x, double step);
int FloorTo(int step, double x);
double CeilTo(double x, double step);
int ClampInt(int x, int lo, int hi);
double ClampDouble(double x, double lo, double hi);
int RandomBetween(int a, int b);
void SwapInts(int& a, int& b);
void SwapBytes(void* a, void* b, std::size_t size);

bool PointInDoubleRect(const DoubleRect& r, double x, double y);
bool DoubleRectsOverlap(const DoubleRect& a, const DoubleRect& b);
double DistanceToSegment(QPointF p, QPointF start, QPointF end);
bool NearSegment(QPointF p, QPointF start, QPointF end, double tolerance);

QRect OffsetRect(const QRect& r, int dx, int dy);
QRect KeepRectInside(const QRect& r, const QRect& bounds);
QRect ClampRectTo(const QRect& r, const QRect& bounds);
QRect InflateRect(const QRect& r, int dx, int dy);
DoubleRect OffsetDoubleRect(const DoubleRect& r, const DoubleRect& bounds, double dx, double dy);

// Windows colour values are 0x00BBGGRR.
QColor ColorFromWin(int winColour);
int WinFromColor(const QColor& c);
int RGBWin(int r, int g, int b);
int MixColours(int a, int b, double t);

// Environment
QString ExpandEnvironment(const QString& text);
bool DirectoryExists(const QString& path);

// Pictures by lower-cased extension: ".jpg" JPEG, ".png" PNG, anything else BMP.
bool LoadPictureFile(QImage& bitmap, const QString& path);

// Timing
qint64 Ticks();
void WaitUntil(qint64 tick, bool quiet);
void WaitFor(int milliseconds, bool quiet);

} // namespace bw
