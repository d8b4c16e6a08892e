#include "shell/settings.h"

#include "shell/folders.h"
#include "shell/inifile.h"
#include "shell/settingsstore.h"
#include "platform/system.h"

#include <QDir>
#include <QFont>
#include <QRandomGenerator>
#include <cmath>

namespace bw {

namespace {

enum class Text { Plain, Folder, Channel };

// A channel names files in the shared folder and the mailslot: at most 8 characters and
// nothing that leaves the folder.
bool ValidChannel(const QString& c) {
    if (c.isEmpty() || c.size() > 8) return false;
    for (QChar ch : c) {
        if (ch.unicode() < 0x20 || ch == u'/' || ch == u'\\' || ch == u':' || ch == u'.')
            return false;
    }
    return true;
}

// Every value of the user's store, in the order of the settings table. The visitor sees
// (name, member) and, for numbers, the range a usable value lies in.
template <class S, class V> void ForEachStored(S& s, V&& v) {
    v(QStringLiteral("Opt-Sound"), s.OptSound);
    v(QStringLiteral("Opt-UebNameEingabe"), s.OptUebNameEingabe);
    v(QStringLiteral("Opt-UebStatusInfo"), s.OptUebStatusInfo);
    v(QStringLiteral("Opt-AutoProtSpeichern"), s.OptAutoProtSpeichern);
    v(QStringLiteral("Opt-ErgebBestListEintragen"), s.OptErgebBestListEintragen);
    v(QStringLiteral("NetzKomOrdner"), s.NetzKomOrdner, Text::Folder);
    v(QStringLiteral("NetzKomKanal"), s.NetzKomKanal, Text::Channel);
    v(QStringLiteral("Opt-ChronikOrdner"), s.OptChronikOrdner, Text::Folder);
    v(QStringLiteral("Opt-TauschboerseOrdner"), s.OptTauschboerseOrdner, Text::Folder);
    v(QStringLiteral("Opt-ProtOrdner"), s.OptProtOrdner, Text::Folder);
    v(QStringLiteral("Opt-BestListOrdner"), s.OptBestListOrdner, Text::Folder);
    for (int i = 0; i < 3; ++i)
        v(QStringLiteral("Opt-Verknuepfung%1").arg(i + 1), s.OptVerknuepfung[i], Text::Plain);
    for (int i = 0; i < 3; ++i)
        v(QStringLiteral("Opt-VerknuepfungName%1").arg(i + 1), s.OptVerknuepfungName[i],
          Text::Plain);
    for (int i = 0; i < 3; ++i)
        v(QStringLiteral("Opt-VerknuepfungHint%1").arg(i + 1), s.OptVerknuepfungHint[i],
          Text::Plain);
    v(QStringLiteral("StartUpdatePruefen"), s.StartUpdatePruefen);
    for (int i = 0; i < 5; ++i)
        v(QStringLiteral("Opt-NoteMinQuote%1").arg(i + 1), s.NoteMinQuote[i], 0.0, 1.0);
    v(QStringLiteral("UebOpt-AbfrageModus"), s.UebOpt.AbfrageModus, 0, 2);
    v(QStringLiteral("UebOpt-ZeitLimit"), s.UebOpt.ZeitLimit, 0, 2);
    v(QStringLiteral("UebOpt-ZuordnungRichtig"), s.UebOpt.ZuordnungRichtig, 0, 1);
    v(QStringLiteral("UebOpt-ZuordnungFalsch"), s.UebOpt.ZuordnungFalsch, 0, 1);
    v(QStringLiteral("UebOpt-Zuordnungstexte"), s.UebOpt.Zuordnungstexte, 0, 1);
    v(QStringLiteral("UebOpt-Zuordnungsziele"), s.UebOpt.Zuordnungsziele, 0, 2);
    v(QStringLiteral("UebOpt-ZLimitMin"), s.UebOpt.ZLimitMin, Text::Plain);
    v(QStringLiteral("UebOpt-ZLimitSek"), s.UebOpt.ZLimitSek, Text::Plain);
    v(QStringLiteral("UebOptFragen-ZuordnungFalsch"), s.UebOpt.FragenZuordnungFalsch, 0, 1);
    v(QStringLiteral("UebOptFragen-Zuordnungstexte"), s.UebOpt.FragenZuordnungstexte, 0, 1);
    v(QStringLiteral("UebOptFragen-Zeitlimit"), s.UebOpt.FragenZeitlimit, 0, 2);
    v(QStringLiteral("UebOptFragen-Zuordnungsziele"), s.UebOpt.FragenZuordnungsziele, 0, 1);
    v(QStringLiteral("UebOptFragen-ZLimitMin"), s.UebOpt.FragenZLimitMin, Text::Plain);
    v(QStringLiteral("UebOptFragen-ZLimitSek"), s.UebOpt.FragenZLimitSek, Text::Plain);
    v(QStringLiteral("TB-Benutzer"), s.TBBenutzer, Text::Plain);
    v(QStringLiteral("TB-Name"), s.TBName, Text::Plain);
    v(QStringLiteral("TB-Email"), s.TBEmail, Text::Plain);
    v(QStringLiteral("TB-Zugangscode"), s.TBZugangscode, Text::Plain);
    v(QStringLiteral("TB-Kennwort"), s.TBKennwort, Text::Plain);
    v(QStringLiteral("Dok-SeitRatioArt"), s.DokSeitRatioArt, 0, 1);
    v(QStringLiteral("Dok-SeitRatioBreite"), s.DokSeitRatioBreite, 1, 99999);
    v(QStringLiteral("Dok-SeitRatioHoehe"), s.DokSeitRatioHoehe, 1, 99999);
    v(QStringLiteral("Dok-SeitRatioNeuesBlattVollflaeche"), s.DokSeitRatioNeuesBlattVollflaeche);
    v(QStringLiteral("EditorSchriftart-FontName"), s.EditorSchriftartFontName, Text::Plain);
    v(QStringLiteral("EditorSchriftart-FontSize"), s.EditorSchriftartFontSize, 1, 200);
    v(QStringLiteral("EditorSchriftart-FontFett"), s.EditorSchriftartFontFett);
}

struct Reader {
    const SettingsStore& store;
    void operator()(const QString& name, bool& value) const {
        if (const auto v = store.ReadBool(name)) value = *v;
    }
    void operator()(const QString& name, int& value, int lo, int hi) const {
        if (const auto v = store.ReadInt(name); v && *v >= lo && *v <= hi) value = *v;
    }
    void operator()(const QString& name, double& value, double lo, double hi) const {
        if (const auto v = store.ReadDouble(name); v && std::isfinite(*v) && *v >= lo && *v <= hi)
            value = *v;
    }
    void operator()(const QString& name, QString& value, Text kind) const {
        const auto v = store.ReadString(name);
        if (!v) return;
        if (kind == Text::Folder && !v->trimmed().isEmpty())
            value = NormaliseFolder(*v);
        else if (kind == Text::Channel && ValidChannel(*v))
            value = *v;
        else if (kind == Text::Plain)
            value = *v;
    }
};

struct Writer {
    SettingsStore& store;
    void operator()(const QString& name, bool value) const { store.WriteBool(name, value); }
    void operator()(const QString& name, int value, int, int) const { store.WriteInt(name, value); }
    void operator()(const QString& name, double value, double, double) const {
        store.WriteDouble(name, value);
    }
    void operator()(const QString& name, const QString& value, Text) const {
        store.WriteString(name, value);
    }
};

struct Collector {
    std::vector<NamedSettingValue>& out;
    void operator()(const QString& name, bool value) const { out.push_back({name, value}); }
    void operator()(const QString& name, int value, int, int) const {
        out.push_back({name, value});
    }
    void operator()(const QString& name, double value, double, double) const {
        out.push_back({name, value});
    }
    void operator()(const QString& name, const QString& value, Text) const {
        out.push_back({name, value});
    }
};

// The central file's section switches and keys, applied onto s.
class CentralReader {
public:
    CentralReader(const IniFile& ini, Settings& s, CentralSettingsResult& r)
        : ini_(ini), s_(s), r_(r) {}

    void Apply() {
        if (Switched(QStringLiteral("Proxy"), QStringLiteral("ProxyDefZentral"))) {
            s_.ProxyDefZentral = true;
            String(QStringLiteral("Proxy"), QStringLiteral("ProxyServer"), s_.ProxyServer);
            Int(QStringLiteral("Proxy"), QStringLiteral("ProxyPort"), s_.ProxyPort, 0, 65535);
            String(QStringLiteral("Proxy"), QStringLiteral("ProxyBenutzer"), s_.ProxyBenutzer);
            String(QStringLiteral("Proxy"), QStringLiteral("ProxyPasswort"), s_.ProxyPasswort);
        }
        if (Switched(QStringLiteral("Ordner"), QStringLiteral("OrdnerDefZentral"))) {
            const QString sec = QStringLiteral("Ordner");
            Folder(sec, QStringLiteral("OrdnerChronik"), s_.OptChronikOrdner);
            Folder(sec, QStringLiteral("OrdnerProtokoll"), s_.OptProtOrdner);
            Folder(sec, QStringLiteral("OrdnerBestenliste"), s_.OptBestListOrdner);
            Folder(sec, QStringLiteral("OrdnerTauschboerse"), s_.OptTauschboerseOrdner);
        }
        if (Switched(QStringLiteral("NetzKom"), QStringLiteral("NetzKomDefZentral"))) {
            Folder(QStringLiteral("NetzKom"), QStringLiteral("NetzKomOrdner"), s_.NetzKomOrdner);
            if (const auto v =
                    ini_.ReadString(QStringLiteral("NetzKom"), QStringLiteral("NetzKomKanal"))) {
                if (ValidChannel(*v))
                    s_.NetzKomKanal = *v;
                else
                    Refuse(QStringLiteral("NetzKom"), QStringLiteral("NetzKomKanal"));
            }
        }
        if (Switched(QStringLiteral("Notenskala"), QStringLiteral("NotenskalaDefZentral")))
            GradingScale();
        if (Switched(QStringLiteral("UpdateCheck"), QStringLiteral("UpdateCheckDefZentral")))
            Bool(QStringLiteral("UpdateCheck"), QStringLiteral("UpdateCheck"),
                 s_.StartUpdatePruefen);
        if (Switched(QStringLiteral("Optionen"), QStringLiteral("OptionenDefZentral"))) {
            const QString sec = QStringLiteral("Optionen");
            Bool(sec, QStringLiteral("Tonausgabe"), s_.OptSound);
            Bool(sec, QStringLiteral("Namenseingabe"), s_.OptUebNameEingabe);
            Bool(sec, QStringLiteral("Statusinfo"), s_.OptUebStatusInfo);
            Bool(sec, QStringLiteral("ProtokollAutospeichern"), s_.OptAutoProtSpeichern);
            Bool(sec, QStringLiteral("BestenlisteAutoeintrag"), s_.OptErgebBestListEintragen);
        }
    }

private:
    bool Switched(const QString& section, const QString& key) {
        const auto v = ini_.ReadInteger(section, key);
        if (!v || *v == 0) return false;
        r_.applied << section;
        return true;
    }
    void Refuse(const QString& section, const QString& key) {
        r_.problems << QStringLiteral("[%1] %2: Wert nicht verwendbar").arg(section, key);
    }
    void String(const QString& section, const QString& key, QString& out) {
        if (const auto v = ini_.ReadString(section, key)) out = *v;
    }
    // An empty folder would put files into the working directory: keep the current one.
    void Folder(const QString& section, const QString& key, QString& out) {
        if (const auto v = ini_.ReadString(section, key)) {
            if (v->trimmed().isEmpty())
                Refuse(section, key);
            else
                out = NormaliseFolder(*v);
        }
    }
    void Int(const QString& section, const QString& key, int& out, int lo, int hi) {
        if (!ini_.ReadString(section, key)) return;
        const auto v = ini_.ReadInteger(section, key);
        if (v && *v >= lo && *v <= hi)
            out = *v;
        else
            Refuse(section, key);
    }
    void Bool(const QString& section, const QString& key, bool& out) {
        if (!ini_.ReadString(section, key)) return;
        if (const auto v = ini_.ReadBool(section, key))
            out = *v;
        else
            Refuse(section, key);
    }
    // Percentages; the scale is taken only as a whole and only when it still descends.
    void GradingScale() {
        const QString sec = QStringLiteral("Notenskala");
        std::array<double, 5> scale = s_.NoteMinQuote;
        for (int i = 0; i < 5; ++i) {
            const QString key = QStringLiteral("Note%1").arg(i + 1);
            if (!ini_.ReadString(sec, key)) continue;
            const auto v = ini_.ReadFloat(sec, key);
            if (!v || !std::isfinite(*v) || *v < 0 || *v > 100) {
                Refuse(sec, key);
                return;
            }
            scale[i] = *v / 100.0;
        }
        for (int i = 0; i + 1 < 5; ++i) {
            if (scale[i] < scale[i + 1]) {
                r_.problems
                    << QStringLiteral(
                           "[Notenskala] Note%1 liegt unter Note%2: Notenskala nicht übernommen")
                           .arg(i + 1)
                           .arg(i + 2);
                return;
            }
        }
        s_.NoteMinQuote = scale;
    }

    const IniFile& ini_;
    Settings& s_;
    CentralSettingsResult& r_;
};

} // namespace

QFont EditorFont(const EditorSchriftartDataTyp& f) {
    QFont font(f.FontName, f.FontSize);
    font.setBold(f.FontFett);
    return font;
}

QString NormaliseFolder(const QString& folder) {
    QString f = folder.trimmed();
#ifndef Q_OS_WIN
    // Folders copied from a Windows configuration.
    f.replace(QLatin1Char('\\'), QLatin1Char('/'));
#endif
    return FolderWithSlash(f);
}

Settings DefaultSettings(const ProgramFolders& folders) {
    Settings s;
    s.ProgrammOrdner = folders.Programm;
    s.SoundOrdner = folders.Sound;
    s.HilfeOrdner = folders.Hilfe;
    s.SetupBasissystemOrdner = folders.SetupBasissystem;
    s.ConfigDatei = folders.ConfigDatei;
    s.NetzKomOrdner = folders.Kom;
    s.OptChronikOrdner = folders.Chronik;
    s.OptTauschboerseOrdner = folders.Tauschboerse;
    s.OptProtOrdner = folders.Protokolle;
    s.OptBestListOrdner = folders.Bestenlisten;
    return s;
}

void ReadStoredSettings(Settings& s, const SettingsStore& store) {
    ForEachStored(s, Reader{store});
}

void WriteStoredSettings(const Settings& s, SettingsStore& store) {
    ForEachStored(s, Writer{store});
}

std::vector<NamedSettingValue> StoredSettingValues(const Settings& s) {
    std::vector<NamedSettingValue> out;
    ForEachStored(s, Collector{out});
    return out;
}

QString NewInstallationId() {
    QString digits;
    for (int i = 0; i < 20; ++i)
        digits += QChar(u'0' + QRandomGenerator::system()->bounded(10));
    return QStringLiteral("brettwerk-vandu-") + digits;
}

bool LoadSettings(Settings& s, const SettingsStore& store) {
    ReadStoredSettings(s, store);
    if (!s.TBBenutzer.trimmed().isEmpty()) return false;
    s.TBBenutzer = NewInstallationId();
    return true;
}

CentralSettingsResult LoadCentralSettings(Settings& s, const QString& iniPath) {
    CentralSettingsResult r;
    const IniFile ini = IniFile::Load(iniPath);
    if (ini.status() == IniFile::Status::Unreadable)
        r.problems << QStringLiteral("%1: nicht lesbar, ignoriert").arg(iniPath);
    if (ini.status() == IniFile::Status::Damaged)
        r.problems << QStringLiteral("%1: beschädigt, ignoriert").arg(iniPath);
    if (!ini.ok()) return r;
    r.read = true;
    CentralReader(ini, s, r).Apply();
    return r;
}

bool SaveSettings(const Settings& s, SettingsStore& store) {
    WriteStoredSettings(s, store);
    return store.Save();
}

Settings LoadSettingsInForce(const QString& programFolder, const QString& storePath) {
    Settings s = DefaultSettings(DefaultFolders(programFolder));
    SettingsStore store(storePath);
    if (store.Load() == SettingsStore::LoadStatus::Damaged)
        store.KeepDamagedCopy();
    if (LoadSettings(s, store)) {
        // The installation id must not change when the program does not end normally.
        store.WriteString(QStringLiteral("TB-Benutzer"), s.TBBenutzer);
        store.Save();
    }
    LoadCentralSettings(s, s.ConfigDatei);
    return s;
}

Settings LoadSettingsInForce(const QString& programFolder) {
    return LoadSettingsInForce(programFolder, SettingsStore::DefaultPath());
}

bool SaveSettings(const Settings& s, const QString& storePath) {
    // Values this program does not know (a later version's) stay in the store.
    SettingsStore store(storePath);
    store.Load();
    return SaveSettings(s, store);
}

bool SaveSettings(const Settings& s) {
    return SaveSettings(s, SettingsStore::DefaultPath());
}

} // namespace bw
