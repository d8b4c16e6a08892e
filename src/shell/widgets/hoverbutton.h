#pragma once

#include <QToolButton>

namespace bw {

// The flat hover-button look shared by the top bar and the side toolbar.
void StyleHoverButton(QAbstractButton* button);

// A hover button with its component name and hint.
QToolButton* MakeHoverButton(QWidget* parent, const QString& objectName, const QString& caption,
                             const QString& hint, bool checkable = false);

} // namespace bw
