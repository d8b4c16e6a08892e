#pragma once

#include <QString>

namespace bw {

// The warning for a display that is too small or has too few colours; empty when fine.
QString DisplayWarningText(int width, int height, int depth);

// The warning when the stamp symbols cannot be drawn.
QString SymbolFontWarningText();

} // namespace bw
