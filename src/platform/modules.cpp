#include "platform/modules.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>

namespace bw {

void* ResolveModule(const QString& module, const char* symbol, const QString& fallbackDir) {
    QStringList dirs;
    if (QCoreApplication::instance()) dirs << QCoreApplication::applicationDirPath();
    if (!fallbackDir.isEmpty()) dirs << fallbackDir;
    for (const QString& dir : dirs) {
        QLibrary lib(dir + u'/' + module);
        if (QFunctionPointer f = lib.resolve(symbol))
            return reinterpret_cast<void*>(f); // the library stays loaded for the rest of the run
    }
    return nullptr;
}

} // namespace bw
