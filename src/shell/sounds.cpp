#include "shell/sounds.h"

#include "platform/prompter.h"
#include "common/helpers.h"
#include "document/safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace bw {

QString Sounds::PlaySoundFile(const QString& name, bool wait, bool loop) {
    if (!enabled_) {
        player_.Stop();
        return {};
    }
    QString file = name;
    const QFileInfo fi(name);
    if (!fi.suffix().isEmpty())
        file.chop(fi.suffix().size() + 1);
    file += QStringLiteral(".wav");
    // Windows paths in settings may use either separator.
    const bool hasFolder = file.contains(QLatin1Char('/')) || file.contains(QLatin1Char('\\'));
    const QString path =
        hasFolder ? QDir::fromNativeSeparators(file) : QDir(folder_).filePath(file);
    // A pipe or device named like a sound would hold the player; it counts as missing.
    if (!QFileInfo(path).isFile()) {
        prompter().ShowError(QStringLiteral("Sounddatei \"") + QDir::toNativeSeparators(path) +
                             QStringLiteral("\" nicht gefunden."));
        return {};
    }
    player_.Play(path, loop);
    if (wait && !loop) {
        // The sound device may never report the end; wait for the file's own length.
        WaitFor(WaveDurationMs(path), false);
    }
    return path;
}

int Sounds::WaveDurationMs(const QString& path) {
    QFile f;
    if (OpenRegularFile(f, path) != ReadStatus::Ok)
        return 0;
    const QByteArray head = f.read(64 * 1024);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return 0;
    quint32 byteRate = 0;
    qint64 pos = 12;
    while (pos + 8 <= head.size()) {
        const QByteArray id = head.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(head.constData() + pos + 4);
        if (id == "fmt " && pos + 20 <= head.size() && size >= 16)
            byteRate = qFromLittleEndian<quint32>(head.constData() + pos + 8 + 8);
        if (id == "data") {
            if (byteRate == 0)
                return 0;
            const qint64 available = f.size() - (pos + 8);
            const qint64 dataBytes = std::min<qint64>(size, available);
            return static_cast<int>(dataBytes * 1000 / byteRate);
        }
        pos += 8 + size + (size & 1);
    }
    return 0;
}

} // namespace bw
