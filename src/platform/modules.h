#pragma once

#include <QString>

namespace bw {

// The entry point of a module built beside the programs (the sound and network modules):
// libraries that are slow to load sit in such modules and are loaded at their first use.
// Looks beside the program first, then in fallbackDir (the build folder, for the tests).
// Null when the module or the symbol is missing; a module once loaded stays loaded.
void* ResolveModule(const QString& module, const char* symbol, const QString& fallbackDir);

} // namespace bw
