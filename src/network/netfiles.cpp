#include "network/netfiles.h"

#include "document/binaryio.h"
#include "document/docfile.h"
#include "document/safefile.h"
#include "exercise/uebdata.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

namespace bw {

namespace {

// A settings file is a few hundred bytes; anything far larger is not one.
constexpr qint64 kMaxSettingsBytes = 64 * 1024;
constexpr int kMaxTimeLimitSeconds = 100 * 3600;

bool InRange(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}

} // namespace

bool ValidChannel(const QString& channel) {
    if (channel.isEmpty() || channel.size() > 8) return false;
    for (QChar c : channel)
        if (c == u'/' || c == u'\\' || c.unicode() < 0x20 || c == u':') return false;
    return true;
}

QString NetworkFilePath(const QString& folder, const QString& channel, const char* name) {
    if (!ValidChannel(channel) || folder.isEmpty()) return {};
    QString f = folder;
    f.replace(u'\\', u'/');
    if (!f.isEmpty() && !f.endsWith(u'/')) f += u'/';
    return f + channel + u'-' + QLatin1String(name);
}

bool NetworkFilesPresent(const QString& folder, const QString& channel) {
    for (const char* name : {netfile::kMarker, netfile::kSettings, netfile::kDocument}) {
        const QString path = NetworkFilePath(folder, channel, name);
        if (path.isEmpty() || !QFileInfo(path).isFile()) return false;
    }
    return true;
}

NetExerciseSettings SettingsOfRun(const UebDataTyp& ueb, const QString& master) {
    NetExerciseSettings s;
    s.master = master;
    s.RiFaRueckmeldung = ueb.RiFaRueckmeldungItemIndex;
    s.ZuordnungRichtig = ueb.ZuordnungRichtigItemIndex;
    s.ZuordnungFalsch = ueb.ZuordnungFalschItemIndex;
    s.Zuordnungstexte = ueb.ZuordnungstexteItemIndex;
    s.Zuordnungsziele = ueb.ZuordnungszieleItemIndex;
    s.AbfrageModus = ueb.AbfrageModusItemIndex;
    s.ZeitLimitIndex = ueb.ZeitLimitIndex;
    s.ZeitLimitWert = ueb.ZeitLimitWert;
    s.grading = ueb.NoteMinQuote;
    return s;
}

void ApplyToRun(const NetExerciseSettings& s, UebDataTyp& ueb) {
    ueb.TeacherComputer = s.master;
    ueb.RiFaRueckmeldungItemIndex = s.RiFaRueckmeldung;
    ueb.ZuordnungRichtigItemIndex = s.ZuordnungRichtig;
    ueb.ZuordnungFalschItemIndex = s.ZuordnungFalsch;
    ueb.ZuordnungstexteItemIndex = s.Zuordnungstexte;
    ueb.ZuordnungszieleItemIndex = s.Zuordnungsziele;
    ueb.AbfrageModusItemIndex = s.AbfrageModus;
    ueb.ZeitLimitIndex = s.ZeitLimitIndex;
    ueb.ZeitLimitWert = s.ZeitLimitWert;
    if (s.grading) ueb.NoteMinQuote = *s.grading;
}

QByteArray EncodeNetSettings(const NetExerciseSettings& s) {
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    ByteWriter w(buf);
    w.writeLengthString(QLatin1String(netfile::kSettings));
    w.writeLengthString(QLatin1String(netfile::kKeyList));
    w.writeLengthString(s.master);
    for (int v : {s.RiFaRueckmeldung, s.ZuordnungRichtig, s.ZuordnungFalsch, s.Zuordnungstexte,
                  s.Zuordnungsziele, s.AbfrageModus, s.ZeitLimitIndex, s.ZeitLimitWert})
        w.writeInt32(v);
    const std::array<double, 7> g =
        s.grading.value_or(std::array<double, 7>{1.0, 0.85, 0.70, 0.55, 0.40, 0.25, 0.0});
    for (double v : g)
        w.writeFloat64(v);
    w.finish();
    return bytes;
}

std::optional<NetExerciseSettings> ParseNetSettings(const QByteArray& bytes) {
    ByteReader r(bytes);
    if (r.readLengthString() != QLatin1String(netfile::kSettings)) return std::nullopt;
    const QString keys = r.readLengthString();
    NetExerciseSettings s;
    s.master = r.readLengthString();
    int* fields[] = {&s.RiFaRueckmeldung, &s.ZuordnungRichtig, &s.ZuordnungFalsch,
                     &s.Zuordnungstexte,  &s.Zuordnungsziele,  &s.AbfrageModus,
                     &s.ZeitLimitIndex,   &s.ZeitLimitWert};
    for (int* f : fields)
        *f = r.readInt32();
    if (!r.ok()) return std::nullopt;
    if (keys.contains(QLatin1String("NoteMinQuote"))) {
        std::array<double, 7> g{};
        for (double& v : g) {
            v = r.readFloat64();
            if (!std::isfinite(v) || v < 0 || v > 1) return std::nullopt;
        }
        if (!r.ok()) return std::nullopt;
        s.grading = g;
    }
    // Values the option dialogs cannot produce would steer the run into states it has no
    // rules for.
    const bool sane = InRange(s.RiFaRueckmeldung, 0, 1) && InRange(s.ZuordnungRichtig, 0, 1) &&
                      InRange(s.ZuordnungFalsch, 0, 1) && InRange(s.Zuordnungstexte, 0, 1) &&
                      InRange(s.Zuordnungsziele, 0, 2) && InRange(s.AbfrageModus, 0, 2) &&
                      InRange(s.ZeitLimitIndex, 0, 2) &&
                      InRange(s.ZeitLimitWert, 0, kMaxTimeLimitSeconds);
    if (!sane || s.master.size() > 255) return std::nullopt;
    return s;
}

std::optional<NetExerciseSettings> ReadNetSettingsFile(const QString& path) {
    const ReadResult r = ReadRegularFile(path, kMaxSettingsBytes);
    if (r.status != ReadStatus::Ok) return std::nullopt;
    return ParseNetSettings(r.bytes);
}

ExerciseAvailability CheckForExercise(const QString& folder, const QString& channel) {
    ExerciseAvailability a;
    const QFileInfo dir(folder);
    a.folderListable = dir.isDir() && dir.isReadable();
    if (!a.folderListable || !NetworkFilesPresent(folder, channel)) return a;
    HeaderDataTyp header;
    a.available = ReadDocumentHeader(NetworkFilePath(folder, channel, netfile::kDocument), header);
    a.title = header.titel.trimmed();
    return a;
}

QString AvailabilityText(const ExerciseAvailability& a) {
    if (!a.available) return QStringLiteral("Netzwerk-Übung nicht initiiert. Bitte warten...");
    return QStringLiteral("Netzwerk-Übung verfügbar: ") +
           (a.title.isEmpty() ? QStringLiteral("(kein Titel)") : a.title);
}

QString FolderUnavailableText() {
    return QStringLiteral("Der angegebene Kommunikationsordner ist nicht verfügbar. Wählen Sie "
                          "zur Korrektur den Menüpunkt \"Optionen/Kommunikationsordner...\"");
}

void DeleteExerciseFiles(const QString& folder, const QString& channel) {
    for (const char* name : {netfile::kDocument, netfile::kSettings, netfile::kMarker}) {
        const QString path = NetworkFilePath(folder, channel, name);
        if (!path.isEmpty()) QFile::remove(path);
    }
}

void DeleteOwnExerciseFiles(const QString& folder, const QString& channel,
                            const QString& computer) {
    const QString settings = NetworkFilePath(folder, channel, netfile::kSettings);
    if (settings.isEmpty()) return;
    const std::optional<NetExerciseSettings> s = ReadNetSettingsFile(settings);
    // Without a readable settings file nobody can join anyway; a marker or copy left beside
    // it is this computer's only if it wrote them, which nothing tells, so they stay.
    if (s && s->master.compare(computer, Qt::CaseInsensitive) == 0)
        DeleteExerciseFiles(folder, channel);
}

QByteArray MarkerBytes() {
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    ByteWriter w(buf);
    w.writeLengthString(QLatin1String(netfile::kMarkerText));
    w.finish();
    return bytes;
}

} // namespace bw
