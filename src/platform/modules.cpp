#include "platform/modules.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

namespace bw {

namespace {

// The module's file in dir, when it is a plain file: a pipe or a device under that name
// would hold the program in the loader for ever.
QString ModuleFile(const QString& dir, const QString& module) {
#if defined(Q_OS_WIN)
    const char* const suffixes[] = {".dll"};
#elif defined(Q_OS_MACOS)
    const char* const suffixes[] = {".so", ".dylib"};
#else
    const char* const suffixes[] = {".so"};
#endif
    for (const char* suffix : suffixes) {
        const QString path = dir + u'/' + module + QLatin1String(suffix);
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

} // namespace

void* ResolveModule(const QString& module, const char* symbol, const QString& fallbackDir) {
    QStringList dirs;
    if (QCoreApplication::instance()) dirs << QCoreApplication::applicationDirPath();
    if (!fallbackDir.isEmpty()) dirs << fallbackDir;
    for (const QString& dir : dirs) {
        const QString file = ModuleFile(dir, module);
        if (file.isEmpty()) continue;
        QLibrary lib(file);
        if (QFunctionPointer f = lib.resolve(symbol))
            return reinterpret_cast<void*>(f); // the library stays loaded for the rest of the run
    }
    return nullptr;
}

} // namespace bw
