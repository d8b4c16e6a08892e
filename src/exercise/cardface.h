#pragma once

#include "exercise/exercise.h"

#include <QImage>
#include <QPainter>
#include <QString>

namespace bw {

// Draws a card: its colour, a 1 px raised bevel inside a 1 px black border, and either the
// text in bold Arial (11 pt, shrinking to 8 pt until it fits, word-wrapped) or the picture
// scaled into the card.
void PaintCardFace(QPainter& p, const QRect& r, const QString& text, const QImage& picture,
                   CardColour colour);

QColor CardFill(CardColour colour);

} // namespace bw
