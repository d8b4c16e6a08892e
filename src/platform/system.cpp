#include "platform/system.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFontDatabase>
#include <QSysInfo>
#include <QUrl>

#include <pwd.h>
#include <unistd.h>

namespace bw {

namespace {
QString overriddenComputer;
QString overriddenUser;
} // namespace

QString ComputerName() {
    if (!overriddenComputer.isEmpty())
        return overriddenComputer;
    return QSysInfo::machineHostName().left(255);
}

QString UserName() {
    if (!overriddenUser.isEmpty())
        return overriddenUser;
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("USERNAME");
    if (name.isEmpty()) {
        if (const char* login = getlogin())
            name = QString::fromLocal8Bit(login);
    }
    // Started without a terminal and without USER (a desktop autostart, cron): the account.
    if (name.isEmpty()) {
        if (const passwd* pw = getpwuid(geteuid()))
            name = QString::fromLocal8Bit(pw->pw_name);
    }
    return name.left(255);
}

void OverrideComputerName(const QString& name) { overriddenComputer = name; }
void OverrideUserName(const QString& name) { overriddenUser = name; }

bool FontInstalled(const QString& family) {
    const QStringList families = QFontDatabase::families();
    for (const QString& f : families) {
        if (f.compare(family, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

namespace {
// The Windows shell opens "www.…" and "ftp.…" without a scheme as internet addresses, and
// documents made there link them that way.
QUrl GuessedAddress(const QString& target) {
    if (target.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return QUrl(QStringLiteral("http://") + target);
    if (target.startsWith(QLatin1String("ftp."), Qt::CaseInsensitive))
        return QUrl(QStringLiteral("ftp://") + target);
    return {};
}
} // namespace

bool ShellOpen(const QString& target) {
    if (target.isEmpty())
        return false;
    QUrl url = QUrl::fromUserInput(target, QDir::currentPath(), QUrl::AssumeLocalFile);
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) {
        url = GuessedAddress(target);
        if (!url.isValid())
            return false;
    }
    return QDesktopServices::openUrl(url);
}

QString ExecutableFolder() {
    QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                               : QDir::currentPath();
    return FolderWithSlash(dir);
}

QString FolderWithSlash(QString folder) {
    folder = QDir::fromNativeSeparators(folder);
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

qint64 TickCount() {
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.elapsed();
}

} // namespace bw
