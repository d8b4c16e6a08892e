#include "common/helpers.h"
#include "shell/folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace bw {

namespace {

// A resource folder below P; an installed program finds it in the system data folders
// (/usr/share/brettwerk/...) instead.
QString ResourceFolderBelow(const QString& programFolder, const QString& sub) {
    const QString own = programFolder + sub + QLatin1Char('/');
    if (QFileInfo(own).isDir()) return own;
    const QStringList dataDirs =
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString& d : dataDirs) {
        const QString candidate = d + QStringLiteral("/brettwerk/") + sub + QLatin1Char('/');
        if (QFileInfo(candidate).isDir()) return candidate;
    }
    return own;
}

} // namespace

QString UserDataFolder() {
    // GenericDataLocation honours XDG_DATA_HOME whatever the application is called.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/brettwerk/");
}

QString WritableFolderBelow(const QString& programFolder, const QString& sub,
                            const QString& dataFolder) {
    const QString own = programFolder + sub + QLatin1Char('/');
    const QFileInfo ownInfo(programFolder + sub);
    if (ownInfo.exists()) {
        if (ownInfo.isDir() && ownInfo.isWritable()) return own;
    } else {
        const QFileInfo p(programFolder);
        if (p.isDir() && p.isWritable()) return own;
    }
    return FolderWithSlash(dataFolder) + sub + QLatin1Char('/');
}

ProgramFolders DefaultFolders(const QString& programFolder, const QString& dataFolder) {
    ProgramFolders f;
    f.Programm = FolderWithSlash(programFolder);
    f.Sound = ResourceFolderBelow(f.Programm, QStringLiteral("sound"));
    f.Hilfe = ResourceFolderBelow(f.Programm, QStringLiteral("hilfe"));
    f.SetupBasissystem = ResourceFolderBelow(f.Programm, QStringLiteral("setupbasissystem"));
    f.ConfigDatei = f.Programm + QStringLiteral("config.ini");
    f.Chronik = WritableFolderBelow(f.Programm, QStringLiteral("chronik"), dataFolder);
    f.Tauschboerse = WritableFolderBelow(f.Programm, QStringLiteral("tauschboerse"), dataFolder);
    f.Protokolle = WritableFolderBelow(f.Programm, QStringLiteral("protokolle"), dataFolder);
    f.Bestenlisten = WritableFolderBelow(f.Programm, QStringLiteral("bestenlisten"), dataFolder);
    f.Kom = WritableFolderBelow(f.Programm, QStringLiteral("kom"), dataFolder);
    return f;
}

} // namespace bw
