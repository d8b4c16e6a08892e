#include "exercise/protocolfile.h"

#include "common/helpers.h"
#include "common/messages.h"
#include "view/rtfwriter.h"

#include <QFile>
#include <QFileInfo>

namespace bw {

namespace {

const QString kAutoSaveExtra = QStringLiteral(
    "Das Übungsprotokoll konnte nicht automatisch gespeichert werden. Überprüfen Sie die "
    "Einstellungen unter \"Optionen / Ordner für Protokolle und Bestenlisten\".");
const QString kMailExtra = QStringLiteral(
    "Das Übungsprotokoll konnte nicht für den E-Mail-Versand zwischengespeichert werden. "
    "Überprüfen Sie die Einstellungen unter \"Optionen | Ordner für Protokolle und "
    "Bestenlisten\".");

// More protocols than this in one second means something else is wrong.
constexpr int kMaxCounter = 10000;

ProtocolSaveResult SaveUnderFreeName(const QByteArray& rtf, const QString& folder,
                                     const QString& stem, const QString& extra) {
    const QString base = FolderWithSlash(folder) + stem + QLatin1Char('-');
    ProtocolSaveResult r;
    r.path = base + QStringLiteral("0.rtf");
    // An empty folder would put the file wherever the program was started.
    if (folder.trimmed().isEmpty()) {
        r.message = FileWriteErrorText(r.path, extra);
        return r;
    }
    for (int n = 0; n < kMaxCounter; ++n) {
        const QString path = base + QString::number(n) + QStringLiteral(".rtf");
        QFile claim(path);
        if (!claim.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) continue;
            r.path = path;
            break;
        }
        claim.close();
        r.path = path;
        r.ok = WriteRtfFile(path, rtf);
        if (!r.ok) QFile::remove(path);
        break;
    }
    if (!r.ok) r.message = FileWriteErrorText(r.path, extra);
    return r;
}

} // namespace

QString ProtocolFileStamp(const QDateTime& t) {
    return t.toString(QStringLiteral("yyyyMMdd-hhmmss"));
}

ProtocolSaveResult AutoSaveProtocol(const QByteArray& rtf, const QString& folder,
                                    const QDateTime& now, const QString& computer) {
    return SaveUnderFreeName(rtf, folder, ProtocolFileStamp(now) + QLatin1Char('-') + computer,
                             kAutoSaveExtra);
}

ProtocolSaveResult SaveProtocolForMail(const QByteArray& rtf, const QString& folder,
                                       const QDateTime& now) {
    return SaveUnderFreeName(
        rtf, folder, QStringLiteral("email-bwkprotokoll-") + ProtocolFileStamp(now), kMailExtra);
}

ProtocolSaveResult SaveProtocolAs(const QByteArray& rtf, const QString& path) {
    ProtocolSaveResult r;
    r.path = path;
    r.ok = WriteRtfFile(path, rtf);
    if (!r.ok) r.message = FileWriteErrorText(path);
    return r;
}

} // namespace bw
