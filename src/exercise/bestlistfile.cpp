#include "exercise/bestlistfile.h"

#include "common/helpers.h"
#include "common/messages.h"
#include "platform/sharedfile.h"

#include "document/cp1252.h"

#include "document/safefile.h"

#include <QFileInfo>
#include <QThread>

namespace bw {

namespace {

// A best list beyond this is not one this program wrote (about a million entries).
constexpr qint64 kMaxBestListBytes = 64 << 20;

const QString kIndividualWriteExtra = QStringLiteral(
    "Die Bestenliste konnte nicht gespeichert werden. Überprüfen Sie die Einstellungen unter "
    "\"Optionen / Ordner für Protokolle und Bestenlisten\".");

enum class Attempt { Done, Retry, Refused };

Attempt TryAppend(const QString& path, const BestListDataTyp& entry, int lockWaitMs) {
    SharedFile f;
    switch (f.Open(path, SharedFile::Access::Append, lockWaitMs)) {
    case SharedFile::Status::Ok:
        break;
    case SharedFile::Status::NotRegular:
        return Attempt::Refused;
    default:
        return Attempt::Retry;
    }
    QByteArray bytes;
    if (!f.ReadAll(bytes, kMaxBestListBytes)) return Attempt::Retry;
    QByteArray record;
    if (bytes.isEmpty()) {
        record = BestListHeader() + EncodeBestListRecord(entry, BestListFields());
    } else {
        const BestListParse parsed = ParseBestList(bytes, false);
        if (!parsed.ok) return Attempt::Refused; // not a best list: appending would damage it
        if (parsed.torn && !f.Truncate(parsed.completeBytes)) return Attempt::Retry;
        record = EncodeBestListRecord(entry, parsed.fields);
    }
    if (!f.Append(record)) return Attempt::Retry;
    // The record is on the disk; a late complaint of close must not append it twice.
    f.Close();
    return Attempt::Done;
}

} // namespace

QString IndividualBestListPath(const QString& folder, const QString& documentPath) {
    const QFileInfo doc(documentPath);
    return FolderWithSlash(folder) + doc.completeBaseName() + QStringLiteral(".hsc");
}

QString NetworkBestListPath(const QString& komOrdner, const QString& kanal) {
    return FolderWithSlash(komOrdner) + kanal + QStringLiteral("-qlxnetzuebung.hsc");
}

BestListAppendResult AppendBestListEntry(const QString& path, const BestListDataTyp& entry,
                                         bool network, const BestListRetry& retry) {
    BestListAppendResult r;
    for (int attempt = 0; attempt < retry.attempts; ++attempt) {
        if (attempt > 0) QThread::msleep(retry.pauseMs);
        const Attempt a = TryAppend(path, entry, retry.lockWaitMs);
        if (a == Attempt::Done) {
            r.ok = true;
            return r;
        }
        if (a == Attempt::Refused) break;
    }
    r.message = FileWriteErrorText(path, network ? QString() : kIndividualWriteExtra);
    return r;
}

BestListLoadResult LoadBestList(const QString& path, bool network, const BestListRetry& retry) {
    BestListLoadResult r;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        r.status = BestListLoadResult::Status::Missing;
        r.message =
            network
                ? QStringLiteral("Die Bestenliste zur aktuellen Netzwerk-Übung enthält noch keine "
                                 "Einträge.")
                : QStringLiteral("Zu diesem Dokument gibt es bisher keine Einträge in der "
                                 "Bestenliste. Überprüfen Sie ggf. die Einstellungen im Menü "
                                 "\"Optionen\", um die Bestenliste zu nutzen.");
        return r;
    }
    for (int attempt = 0; attempt < retry.attempts; ++attempt) {
        if (attempt > 0) QThread::msleep(retry.pauseMs);
        SharedFile f;
        const SharedFile::Status s = f.Open(path, SharedFile::Access::Read, retry.lockWaitMs);
        if (s == SharedFile::Status::NotRegular) break;
        QByteArray bytes;
        if (s != SharedFile::Status::Ok || !f.ReadAll(bytes, kMaxBestListBytes)) continue;
        f.Close();
        BestListParse parsed = ParseBestList(bytes);
        if (!parsed.ok) break; // the same bytes will not read better a moment later
        r.status = BestListLoadResult::Status::Read;
        r.entries = std::move(parsed.entries);
        r.torn = parsed.torn;
        return r;
    }
    r.status = BestListLoadResult::Status::Unreadable;
    r.message = FileReadErrorText(
        path, network ? QStringLiteral("Möglicherweise existiert die Datei noch nicht, weil noch "
                                       "kein Teilnehmer die Übung beendet hat.")
                      : QStringLiteral("Überprüfen Sie die Einstellungen im Menü \"Optionen\", "
                                       "um die Bestenliste zu nutzen. Möglicherweise existiert "
                                       "die Datei noch nicht, weil noch niemand die Übung "
                                       "durchgeführt hat."));
    return r;
}

QString SaveBestListText(const QString& path, const QString& text) {
    if (WriteFileSafely(path, EncodeCp1252(text))) return {};
    return FileWriteErrorText(path);
}

QString NoBestListWithoutFileText() {
    return QStringLiteral("Da das aktuelle Dokument nicht gespeichert wurde, bzw. kein Dokument "
                          "geöffnet wurde, ist keine Bestenliste verfügbar.");
}

QString BestListCaption(bool network) {
    return network ? QStringLiteral("Bestenliste - Netzwerk-Übung")
                   : QStringLiteral("Bestenliste - Individual-Übung");
}

} // namespace bw
