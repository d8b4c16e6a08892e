#pragma once

#include <QToolButton>

namespace bw {

// The flat hover-button look shared by the top bar and the side toolbar: border
// RGB(162,162,154), face RGB(236,236,232), under the mouse RGB(254,254,248), checked white;
// text RGB(81,81,78), checked black, disabled RGB(170,170,166). One shared style draws it;
// a style sheet would make every widget of the window pay for matching its rules at start.
void StyleHoverButton(QToolButton* button);

// A hover button with its component name and hint.
QToolButton* MakeHoverButton(QWidget* parent, const QString& objectName, const QString& caption,
                             const QString& hint, bool checkable = false);

// Plain text colour without a style sheet.
void SetTextColour(QWidget* w, const QColor& colour);

} // namespace bw
