#pragma once

#include <QCursor>
#include <QImage>
#include <QString>

namespace bw {

// The program's own mouse cursors, by their resource names: "STIFT5" (pen), "RADIER32"
// (eraser), "STEMPEL" (stamp), "TEXTEINGABE" (text), "HAND" (hand and panning) and
// "DRAGBLACK" (the cards of an exercise that are dragged onto the picture).
// An unknown name gives the arrow.
QCursor ProgramCursor(const QString& name);

// The picture of a cursor and its hot spot; a null image for an unknown name.
QImage ProgramCursorImage(const QString& name, QPoint* hotSpot = nullptr);

} // namespace bw
