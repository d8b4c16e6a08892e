#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <optional>

class QPainter;

namespace bw {

// Grading boundaries as fractions: index 0 is the top of the scale (1.0), index 6 the
// bottom (0.0); index i (1..5) is the lowest performance that still earns mark i.
using GradingBoundaries = std::array<double, 7>;

constexpr GradingBoundaries kDefaultGradingBoundaries{1.0, 0.85, 0.70, 0.55, 0.40, 0.25, 0.0};

// The boundaries with the five editable ones (marks 1 to 5) in place.
GradingBoundaries BoundariesFrom(const std::array<double, 5>& editable);

// Mark 1..6 for a performance: the first mark whose boundary the performance reaches.
int MarkFor(double performance, const GradingBoundaries& b);

// "sehr gut" .. "ungenügend" for marks 1..6; empty otherwise.
QString MarkWord(int mark);
// The colour of mark 1..6 on the rating scale.
QColor MarkColour(int mark);
// "Bildbeschriftung", "Lückentext", "Einzelfragen", "Multiple-Choice-Fragen".
QString DokTypName(int dokTyp);

// A fraction as a percentage with one decimal and a point: 0.875 -> "87.5".
QString PercentNumber(double fraction);

// Boundaries 1..6 as "85.0% / 70.0% / 55.0% / 40.0% / 25.0% / 0.0%".
QString BoundariesText(const GradingBoundaries& b);

// The grading-scale dialog's check of the five percentages (marks 1 to 5, mark 6 being 0):
// each must lie in 0..100 and not be smaller than the next. Returns the message of the
// first violation and the mark it concerns, or nothing when all pass.
struct BoundaryViolation {
    int mark = 0;
    QString message;
};
std::optional<BoundaryViolation> CheckBoundaryPercents(const std::array<double, 5>& percents);

// The percentage shown in the dialog's edit field: one decimal, decimal comma.
QString BoundaryFieldText(double fraction);
// Reads a field: decimal comma or point, blanks around allowed. Nothing when not a number.
std::optional<double> ParseBoundaryField(const QString& text);

// The rating scale of the finish window, drawn into a w x h area cleared to background.
void DrawRatingScale(QPainter& p, int w, int h, const GradingBoundaries& b, double performance,
                     const QColor& background);

} // namespace bw
