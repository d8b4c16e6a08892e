#include "shell/topiclist.h"

#include "document/docfile.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace bw {

namespace {

// The names of the plain files (or links to plain files) ending in ".bwk", in any case, in
// name order, so that equal sort keys ("A.bwk", "a.bwk") come out the same way on every run
// whatever order the file system lists them in. FIFOs and devices are left out: opening them
// to read a header would block or have effects of their own.
QStringList ListDocumentFiles(const QString& folder) {
    QStringList names;
#ifdef Q_OS_UNIX
    // The directory entries say what most names are; only links and file systems that do not
    // tell need a look of their own.
    const QByteArray dirName = QFile::encodeName(folder);
    DIR* dir = ::opendir(dirName.constData());
    if (!dir) return names;
    while (const dirent* e = ::readdir(dir)) {
        const QString name = QFile::decodeName(e->d_name);
        if (!name.endsWith(QLatin1String(".bwk"), Qt::CaseInsensitive)) continue;
        bool plain = e->d_type == DT_REG;
        if (e->d_type == DT_LNK || e->d_type == DT_UNKNOWN) {
            struct stat st {};
            const QByteArray path = dirName + '/' + QByteArray(e->d_name);
            plain = ::stat(path.constData(), &st) == 0 && S_ISREG(st.st_mode);
        }
        if (plain) names << name;
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
#else
    names =
        QDir(folder).entryList({QStringLiteral("*.bwk")}, QDir::Files | QDir::Hidden, QDir::Name);
#endif
    return names;
}

} // namespace

std::vector<ThemenDataTyp> ReadTopicList(const QString& folder, const QLocale& locale) {
    std::vector<ThemenDataTyp> list;
    if (folder.isEmpty()) return list;
    QString base = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (!base.endsWith(QLatin1Char('/'))) base += QLatin1Char('/');
    const QStringList names = ListDocumentFiles(folder);
    list.reserve(names.size());
#ifdef Q_OS_UNIX
    // Names are opened inside the folder: no walk along its path for every file.
    const int dirFd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
#endif
    for (const QString& name : names) {
        HeaderDataTyp header;
        const QString path = base + name; // a listed name holds no '/'
#ifdef Q_OS_UNIX
        const bool read = dirFd >= 0 ? ReadListedDocumentHeaderAt(
                                           dirFd, QFile::encodeName(name).constData(), path, header)
                                     : ReadListedDocumentHeader(path, header);
#else
        const bool read = ReadListedDocumentHeader(path, header);
#endif
        if (!read) continue;
        list.push_back({header.titel, path, name.toLower()});
    }
#ifdef Q_OS_UNIX
    if (dirFd >= 0) ::close(dirFd);
#endif

    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(list.size());
    for (const ThemenDataTyp& t : list)
        keys.push_back(collator.sortKey(t.Sortierschluessel));
    std::vector<int> order(list.size());
    for (int i = 0; i < int(order.size()); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return keys[a].compare(keys[b]) < 0; });
    std::vector<ThemenDataTyp> sorted;
    sorted.reserve(list.size());
    for (int i : order)
        sorted.push_back(std::move(list[i]));
    return sorted;
}

bool SameDocumentPath(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    return QDir::cleanPath(QFileInfo(a).absoluteFilePath()) ==
           QDir::cleanPath(QFileInfo(b).absoluteFilePath());
}

int FindTopic(const std::vector<ThemenDataTyp>& list, const QString& path) {
    for (int i = 0; i < int(list.size()); ++i) {
        if (SameDocumentPath(list[i].Pfad, path)) return i;
    }
    return -1;
}

QString TopicTitle(const ThemenDataTyp& entry) {
    QString title = entry.Titel;
    if (title.trimmed().isEmpty()) title = QFileInfo(entry.Pfad).fileName();
    for (QChar& c : title) {
        if (c.unicode() < 0x20) c = QLatin1Char(' ');
    }
    return title;
}

QString TopicMenuCaption(int index, const ThemenDataTyp& entry) {
    QString title = TopicTitle(entry);
    // '&' would otherwise turn the next letter into an accelerator.
    title.replace(QLatin1Char('&'), QStringLiteral("&&"));
    const QString number = QString::number(index + 1) + QStringLiteral(":  ");
    return index < 9 ? QStringLiteral("&") + number + title : number + title;
}

int TopicMenuColumnBreak(int count) {
    return count > kTopicMenuColumnLimit ? (count - 7) / 2 : -1;
}

} // namespace bw
