#include "shell/topiclist.h"

#include "document/docfile.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace bw {

std::vector<ThemenDataTyp> ReadTopicList(const QString& folder, const QLocale& locale) {
    std::vector<ThemenDataTyp> list;
    if (folder.isEmpty()) return list;
    // Name order first, so that equal sort keys ("A.bwk", "a.bwk") come out the same way
    // on every run whatever order the file system lists them in. No QDir::System: opening
    // a FIFO named "x.bwk" to read its header would block.
    QDir dir(folder);
    const QFileInfoList files =
        dir.entryInfoList({QStringLiteral("*.bwk")}, QDir::Files | QDir::Hidden, QDir::Name);
    list.reserve(files.size());
    for (const QFileInfo& fi : files) {
        if (fi.suffix().compare(QLatin1String("bwk"), Qt::CaseInsensitive) != 0) continue;
        HeaderDataTyp header;
        const QString path = fi.absoluteFilePath();
        if (!ReadDocumentHeader(path, header)) continue;
        list.push_back({header.titel, path, fi.fileName().toLower()});
    }

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
