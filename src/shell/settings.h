#pragma once

#include "exercise/exerciseoptions.h"

#include <QString>
#include <QStringList>
#include <array>
#include <variant>
#include <vector>

class QFont;

namespace bw {

class SettingsStore;
struct ProgramFolders;

// The editor font of the cloze, single-question and multiple-choice editors.
struct EditorSchriftartDataTyp {
    QString FontName = QStringLiteral("Arial");
    int FontSize = 10;
    bool FontFett = false;
};

QFont EditorFont(const EditorSchriftartDataTyp& f);

// The settings in force: the user's stored values with the central config.ini applied.
// Member names follow the stored value names without their hyphen. Folder members end in
// a separator.
struct Settings {
    // Derived from the program folder at start; never stored.
    QString ProgrammOrdner;
    QString SoundOrdner;
    QString HilfeOrdner;
    QString SetupBasissystemOrdner;
    QString ConfigDatei;

    bool OptSound = true;
    bool OptUebNameEingabe = true;
    bool OptUebStatusInfo = true;
    bool OptAutoProtSpeichern = false;
    bool OptErgebBestListEintragen = false;

    QString NetzKomOrdner;
    QString NetzKomKanal = QStringLiteral("BRETTW-1");
    QString OptChronikOrdner;
    QString OptTauschboerseOrdner;
    QString OptProtOrdner;
    QString OptBestListOrdner;

    // Program link buttons V1 to V3.
    std::array<QString, 3> OptVerknuepfung;
    std::array<QString, 3> OptVerknuepfungName{QStringLiteral("V1"), QStringLiteral("V2"),
                                               QStringLiteral("V3")};
    std::array<QString, 3> OptVerknuepfungHint{QStringLiteral("Programmverknüpfung 1"),
                                               QStringLiteral("Programmverknüpfung 2"),
                                               QStringLiteral("Programmverknüpfung 3")};

    bool StartUpdatePruefen = true;

    // Grading boundaries for marks 1 to 5 ("Opt-NoteMinQuote1" .. "5") as fractions.
    std::array<double, 5> NoteMinQuote{0.85, 0.70, 0.55, 0.40, 0.25};

    // The exercise dialogs' options ("UebOpt-...", "UebOptFragen-...").
    ExerciseOptions UebOpt;

    // Exchange platform account; TBBenutzer is the installation id.
    QString TBBenutzer;
    QString TBName;
    QString TBEmail;
    QString TBZugangscode;
    QString TBKennwort;

    int DokSeitRatioArt = 1;
    int DokSeitRatioBreite = 10;
    int DokSeitRatioHoehe = 7;
    bool DokSeitRatioNeuesBlattVollflaeche = true;

    QString EditorSchriftartFontName = QStringLiteral("Arial");
    int EditorSchriftartFontSize = 10;
    bool EditorSchriftartFontFett = false;

    // The exchange client's HTTP proxy: only config.ini sets these, they are never stored.
    bool ProxyDefZentral = false;
    QString ProxyServer;
    int ProxyPort = 0;
    QString ProxyBenutzer;
    QString ProxyPasswort;

    EditorSchriftartDataTyp EditorSchriftart() const {
        return {EditorSchriftartFontName, EditorSchriftartFontSize, EditorSchriftartFontFett};
    }
    void SetEditorSchriftart(const EditorSchriftartDataTyp& f) {
        EditorSchriftartFontName = f.FontName;
        EditorSchriftartFontSize = f.FontSize;
        EditorSchriftartFontFett = f.FontFett;
    }
    // All seven boundaries: index 0 is the top of the scale (1.0), index 6 the bottom (0.0).
    std::array<double, 7> GradingBoundaries() const {
        return {1.0,
                NoteMinQuote[0],
                NoteMinQuote[1],
                NoteMinQuote[2],
                NoteMinQuote[3],
                NoteMinQuote[4],
                0.0};
    }
};

// Every default, with the folders below the program folder (or their fall-backs).
Settings DefaultSettings(const ProgramFolders& folders);

// Reads every stored value into s; a missing or unusable value keeps what s holds.
void ReadStoredSettings(Settings& s, const SettingsStore& store);
// Writes every stored value of s into the store (in memory; the caller saves the store).
void WriteStoredSettings(const Settings& s, SettingsStore& store);

// Every stored value of s with its stored name, in the order of the settings table.
struct NamedSettingValue {
    QString name;
    std::variant<bool, int, QString, double> value;
};
std::vector<NamedSettingValue> StoredSettingValues(const Settings& s);

// "brettwerk-vandu-" followed by 20 random decimal digits.
QString NewInstallationId();

// The user's settings: ReadStoredSettings, then a new installation id when none is stored.
// Returns true when the id was generated.
bool LoadSettings(Settings& s, const SettingsStore& store);

struct CentralSettingsResult {
    bool read = false;    // the file existed and was usable
    QStringList applied;  // sections whose switch was set
    QStringList problems; // what was refused, for administrators (no user messages)
};

// Applies every section of config.ini whose switch is not 0. A missing, unreadable or
// damaged file changes nothing.
CentralSettingsResult LoadCentralSettings(Settings& s, const QString& iniPath);

// Writes every stored value, keeping values of the store this program does not know.
bool SaveSettings(const Settings& s, SettingsStore& store);

// What the window does at the first activation: defaults for the program folder, the
// user's store, a new installation id (stored at once so that it survives a crash), and
// config.ini from the program folder.
Settings LoadSettingsInForce(const QString& programFolder, const QString& storePath);
Settings LoadSettingsInForce(const QString& programFolder);
// What the window does at close; false when the store could not be written.
bool SaveSettings(const Settings& s, const QString& storePath);
bool SaveSettings(const Settings& s);

// A folder value as the program uses it: trimmed, '/' separators, a trailing separator.
QString NormaliseFolder(const QString& folder);

} // namespace bw
