#include "view/links.h"

#include "platform/prompter.h"
#include "platform/system.h"
#include "common/messages.h"

#include <QDir>
#include <QFileInfo>

namespace bw {

namespace {

QString WithSlashes(QString path) {
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

// The path as it exists on disk; a component that exists only in another letter case is
// taken when it is the only such entry. Empty when nothing matches.
QString FindExisting(const QString& path) {
    if (path.isEmpty()) return {};
    const QString clean = QDir::cleanPath(path);
    if (QFileInfo::exists(clean)) return clean;
    const QStringList parts = clean.split(QLatin1Char('/'));
    QString current = clean.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
    for (const QString& part : parts) {
        if (part.isEmpty()) continue;
        const QString base = current.isEmpty() ? QStringLiteral(".") : current;
        QString next = current.isEmpty() || current.endsWith(QLatin1Char('/'))
                           ? current + part
                           : current + QLatin1Char('/') + part;
        if (!QFileInfo::exists(next)) {
            if (part == QLatin1String("..") || part == QLatin1String(".")) return {};
            const QStringList entries = QDir(base).entryList(QDir::AllEntries | QDir::Hidden |
                                                             QDir::System | QDir::NoDotAndDotDot);
            QString match;
            for (const QString& e : entries) {
                if (e.compare(part, Qt::CaseInsensitive) == 0) {
                    if (!match.isEmpty()) return {}; // ambiguous
                    match = e;
                }
            }
            if (match.isEmpty()) return {};
            next = current.isEmpty() || current.endsWith(QLatin1Char('/'))
                       ? current + match
                       : current + QLatin1Char('/') + match;
        }
        current = next;
    }
    return current;
}

QString JoinFolder(const QString& folder, const QString& rel) {
    if (folder.isEmpty()) return {};
    return FolderWithSlash(WithSlashes(folder)) + rel;
}

bool IsInternetAddress(const QString& target) {
    return target.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           target.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

} // namespace

QString DocumentFolder(const Document& doc) {
    if (doc.CurrentHeader.Datei.isEmpty()) return {};
    return FolderWithSlash(QFileInfo(WithSlashes(doc.CurrentHeader.Datei)).absolutePath());
}

QString ResolveLinkPath(const QString& target, const QString& docFolder, const QString& startFolder,
                        const QString& programFolder) {
    if (target.isEmpty() || IsInternetAddress(target)) return target;
    const QString rel = WithSlashes(target);
    QStringList candidates;
    candidates << QDir::current().absoluteFilePath(rel);
    if (!QDir::isAbsolutePath(rel)) {
        candidates << JoinFolder(docFolder, rel) << JoinFolder(startFolder, rel)
                   << JoinFolder(programFolder, rel);
    }
    for (const QString& c : candidates) {
        const QString found = FindExisting(c);
        if (!found.isEmpty()) return found;
    }
    return target;
}

bool OpenExternalLink(const Document& doc, int index, ViewHost& host) {
    if (!doc.ValidIndex(index)) return false;
    const QString target = doc.CurrentObjects[index].Cap;
    const QString resolved =
        ResolveLinkPath(target, DocumentFolder(doc), host.StartFolder(), host.ProgramFolder());
    if (ShellOpen(resolved)) return true;
    prompter().ShowError(QStringLiteral("Die Datei oder Internet-Adresse \"") + target +
                         QStringLiteral("\" kann nicht geöffnet werden."));
    return false;
}

bool OpenInternalLink(const Document& doc, int index, ViewHost& host) {
    if (!doc.ValidIndex(index)) return false;
    // The reader replaces the document, so keep the target.
    const QString target = doc.CurrentObjects[index].Cap;
    if (!host.AskSaveChanges()) return false;
    const QString rel = WithSlashes(target);
    if (rel.endsWith(QLatin1Char('/'))) {
        QString folder;
        if (QDir::isAbsolutePath(rel))
            folder = FindExisting(rel);
        else {
            for (const QString& base : {host.CurrentFolder(), DocumentFolder(doc)}) {
                folder = FindExisting(JoinFolder(base, rel));
                if (!folder.isEmpty()) break;
            }
        }
        if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
            // A broken folder link leaves the open document alone.
            FileMissingMessage(target);
            return false;
        }
        host.SetCurrentFolder(FolderWithSlash(folder));
        host.CloseDocument();
        return true;
    }
    const QString resolved =
        ResolveLinkPath(target, DocumentFolder(doc), host.StartFolder(), host.ProgramFolder());
    if (!QFileInfo(resolved).isFile()) {
        FileMissingMessage(target);
        return false;
    }
    return host.ReadDocument(resolved, true);
}

} // namespace bw
