#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

namespace bw {

struct UebDataTyp;

// The files of a network exercise in the communication folder, each named channel + "-" +
// name. Received messages never name a file: every path is built from the local settings.
namespace netfile {
inline constexpr char kDocument[] = "qlxnetzuebung.qlx";
inline constexpr char kSettings[] = "qlxnetzuebung.dat";
inline constexpr char kMarker[] = "qlxnetzuebung.okx";
inline constexpr char kBestList[] = "qlxnetzuebung.hsc";
inline constexpr char kMarkerText[] = "NetzUebDateiOKX";
inline constexpr char kKeyList[] =
    "NetzUebungMaster|RiFaRueckmeldungItemIndex|ZuordnungRichtigItemIndex|"
    "ZuordnungFalschItemIndex|ZuordnungstexteItemIndex|ZuordnungszieleItemIndex|"
    "AbfrageModusItemIndex|ZeitLimitIndex|ZeitLimitWert|NoteMinQuote|";
} // namespace netfile

// A channel names files and the mailslot: at most 8 characters, none that would leave the
// folder or the file name.
bool ValidChannel(const QString& channel);

// folder (with or without a trailing separator) + channel + "-" + name; empty when the
// channel is not valid or there is no folder (nothing goes to the working directory).
QString NetworkFilePath(const QString& folder, const QString& channel, const char* name);

// Marker, settings and document copy all exist.
bool NetworkFilesPresent(const QString& folder, const QString& channel);

// What the settings file carries besides its name and key list.
struct NetExerciseSettings {
    QString master; // the teacher PC's computer name
    int RiFaRueckmeldung = 0;
    int ZuordnungRichtig = 0;
    int ZuordnungFalsch = 0;
    int Zuordnungstexte = 0;
    int Zuordnungsziele = 0;
    int AbfrageModus = 0;
    int ZeitLimitIndex = 0;
    int ZeitLimitWert = 0;
    std::optional<std::array<double, 7>> grading; // only when the key list names it
};

NetExerciseSettings SettingsOfRun(const UebDataTyp& ueb, const QString& master);
// Copies the options into the run; the grading scale only when the file carried one.
void ApplyToRun(const NetExerciseSettings& s, UebDataTyp& ueb);

QByteArray EncodeNetSettings(const NetExerciseSettings& s);
// Nothing when the bytes are not a complete settings file or carry values no teacher writes
// (option indexes out of range, grading boundaries outside 0..1).
std::optional<NetExerciseSettings> ParseNetSettings(const QByteArray& bytes);
// Reads at most a small file; nothing on any failure.
std::optional<NetExerciseSettings> ReadNetSettingsFile(const QString& path);

// What the participant start dialog sees in the folder at one check.
struct ExerciseAvailability {
    bool folderListable = false;
    bool available = false; // all three files there and the copy's header readable
    QString title;
};
ExerciseAvailability CheckForExercise(const QString& folder, const QString& channel);
// "Netzwerk-Übung verfügbar: " + title, or the waiting text.
QString AvailabilityText(const ExerciseAvailability& a);
QString FolderUnavailableText();

// Removes the document copy, settings and marker of that folder and channel; the best list
// stays.
void DeleteExerciseFiles(const QString& folder, const QString& channel);
// The same, but only when the settings file names this computer as the teacher: stale files
// of its own ended exercise go, another teacher's running exercise stays.
void DeleteOwnExerciseFiles(const QString& folder, const QString& channel, const QString& computer);

// The marker file: one length-prefixed string.
QByteArray MarkerBytes();

} // namespace bw
