#pragma once

#include <QToolButton>

namespace bw {

// The flat hover-button look shared by the top bar and the side toolbar. It comes from one
// style sheet on an enclosing widget (InstallHoverButtonStyle), parsed once per window rather
// than once per button, which is what a cold start pays for.
void StyleHoverButton(QAbstractButton* button);

// Gives every hover button below container its look; call once on the window or a panel.
void InstallHoverButtonStyle(QWidget* container);

// A hover button with its component name and hint.
QToolButton* MakeHoverButton(QWidget* parent, const QString& objectName, const QString& caption,
                             const QString& hint, bool checkable = false);

// Plain text colour without a style sheet.
void SetTextColour(QWidget* w, const QColor& colour);

} // namespace bw
