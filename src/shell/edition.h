#pragma once

#include <QString>

namespace bw {

// The two deliverables come from one code base; this is the only switch between them.
enum class Edition { Autor, Basis };

inline QString ApplicationTitle(Edition e) {
    return e == Edition::Autor
               ? QStringLiteral("Brettwerk - Das boardunabhängige Autorensystem für interaktive "
                                "Übungen am Whiteboard")
               : QStringLiteral("Brettwerk - Basissystem");
}

} // namespace bw
