#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace bw {

// Where a protocol was stored, or the message saying why not.
struct ProtocolSaveResult {
    bool ok = false;
    QString path;
    QString message;
};

// "yyyyMMdd-hhmmss" of the time the protocol is stored.
QString ProtocolFileStamp(const QDateTime& t);

// Stores rtf under folder + stamp + "-" + computer + "-" + n + ".rtf", n counting from 0 to
// the first name not yet taken. The name is claimed before it is written, so that two
// protocols of the same second never meet in one file.
ProtocolSaveResult AutoSaveProtocol(const QByteArray& rtf, const QString& folder,
                                    const QDateTime& now, const QString& computer);

// The e-mail attachment: folder + "email-bwkprotokoll-" + stamp + "-" + n + ".rtf".
ProtocolSaveResult SaveProtocolForMail(const QByteArray& rtf, const QString& folder,
                                       const QDateTime& now);

// Stores rtf at a path the user chose (replacing a file only once the new one is complete).
ProtocolSaveResult SaveProtocolAs(const QByteArray& rtf, const QString& path);

} // namespace bw
