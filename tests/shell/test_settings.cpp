#include "shell/folders.h"
#include "shell/settings.h"
#include "shell/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include "support/filerestorer.h"
#include <unistd.h>
#include <variant>

using namespace bw;

namespace {

// Points the user's config and data folders into a temporary folder for one test.
class UserFolders {
public:
    UserFolders() {
        oldConfig_ = qgetenv("XDG_CONFIG_HOME");
        oldData_ = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("config"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("data"))));
        QDir().mkpath(program());
    }
    ~UserFolders() {
        qputenv("XDG_CONFIG_HOME", oldConfig_);
        qputenv("XDG_DATA_HOME", oldData_);
    }
    QString program() const { return dir_.filePath(QStringLiteral("prog")) + QLatin1Char('/'); }
    QString storePath() const { return SettingsStore::DefaultPath(); }
    void writeIni(const QByteArray& text) const {
        QFile f(program() + QStringLiteral("config.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }

private:
    QTemporaryDir dir_;
    QByteArray oldConfig_, oldData_;
};

using V = SettingsStore::Value;

V Stored(const SettingsStore& store, const QString& name, const V& like) {
    if (std::holds_alternative<bool>(like))
        return store.ReadBool(name).value_or(!std::get<bool>(like));
    if (std::holds_alternative<int>(like)) return store.ReadInt(name).value_or(-12345);
    if (std::holds_alternative<double>(like)) return store.ReadDouble(name).value_or(-1.0);
    return store.ReadString(name).value_or(QStringLiteral("<fehlt>"));
}

} // namespace

TEST(Settings, DefaultPathFollowsXdgConfigHome) {
    UserFolders u;
    EXPECT_TRUE(SettingsStore::DefaultPath().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME") +
                                                        QStringLiteral("/brettwerk/")));
    EXPECT_EQ(UserDataFolder(),
              qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/brettwerk/"));
}

TEST(Settings, FirstStartUsesEveryDefaultAndGeneratesAnId) {
    UserFolders u;
    const QString p = u.program();
    const Settings s = LoadSettingsInForce(p);

    // Every stored value with its name, type and default, written as the program writes them.
    SettingsStore out(QString{});
    WriteStoredSettings(s, out);
    const std::vector<std::pair<QString, V>> table = {
        {"Opt-Sound", true},
        {"Opt-UebNameEingabe", true},
        {"Opt-UebStatusInfo", true},
        {"Opt-AutoProtSpeichern", false},
        {"Opt-ErgebBestListEintragen", false},
        {"NetzKomOrdner", p + "kom/"},
        {"NetzKomKanal", QStringLiteral("BRETTW-1")},
        {"Opt-ChronikOrdner", p + "chronik/"},
        {"Opt-TauschboerseOrdner", p + "tauschboerse/"},
        {"Opt-ProtOrdner", p + "protokolle/"},
        {"Opt-BestListOrdner", p + "bestenlisten/"},
        {"Opt-Verknuepfung1", QString()},
        {"Opt-Verknuepfung2", QString()},
        {"Opt-Verknuepfung3", QString()},
        {"Opt-VerknuepfungName1", QStringLiteral("V1")},
        {"Opt-VerknuepfungName2", QStringLiteral("V2")},
        {"Opt-VerknuepfungName3", QStringLiteral("V3")},
        {"Opt-VerknuepfungHint1", QStringLiteral("Programmverknüpfung 1")},
        {"Opt-VerknuepfungHint2", QStringLiteral("Programmverknüpfung 2")},
        {"Opt-VerknuepfungHint3", QStringLiteral("Programmverknüpfung 3")},
        {"StartUpdatePruefen", true},
        {"Opt-NoteMinQuote1", 0.85},
        {"Opt-NoteMinQuote2", 0.70},
        {"Opt-NoteMinQuote3", 0.55},
        {"Opt-NoteMinQuote4", 0.40},
        {"Opt-NoteMinQuote5", 0.25},
        {"UebOpt-AbfrageModus", 0},
        {"UebOpt-ZeitLimit", 0},
        {"UebOpt-ZuordnungRichtig", 0},
        {"UebOpt-ZuordnungFalsch", 0},
        {"UebOpt-Zuordnungstexte", 1},
        {"UebOpt-Zuordnungsziele", 1},
        {"UebOpt-ZLimitMin", QStringLiteral("3")},
        {"UebOpt-ZLimitSek", QStringLiteral("0")},
        {"UebOptFragen-ZuordnungFalsch", 0},
        {"UebOptFragen-Zuordnungstexte", 1},
        {"UebOptFragen-Zeitlimit", 0},
        {"UebOptFragen-Zuordnungsziele", 1},
        {"UebOptFragen-ZLimitMin", QStringLiteral("3")},
        {"UebOptFragen-ZLimitSek", QStringLiteral("0")},
        {"TB-Name", QString()},
        {"TB-Email", QString()},
        {"TB-Zugangscode", QString()},
        {"TB-Kennwort", QString()},
        {"Dok-SeitRatioArt", 1},
        {"Dok-SeitRatioBreite", 10},
        {"Dok-SeitRatioHoehe", 7},
        {"Dok-SeitRatioNeuesBlattVollflaeche", true},
        {"EditorSchriftart-FontName", QStringLiteral("Arial")},
        {"EditorSchriftart-FontSize", 10},
        {"EditorSchriftart-FontFett", false},
    };
    for (const auto& [name, expected] : table)
        EXPECT_EQ(Stored(out, name, expected), expected) << name.toStdString();
    // Nothing else is stored but the installation id, checked below.
    EXPECT_EQ(out.Names().size(), int(table.size()) + 1);

    EXPECT_TRUE(QRegularExpression(QStringLiteral("^brettwerk-vandu-[0-9]{20}$"))
                    .match(s.TBBenutzer)
                    .hasMatch())
        << s.TBBenutzer.toStdString();
    EXPECT_EQ(s.SoundOrdner, p + QStringLiteral("sound/"));
    EXPECT_EQ(s.HilfeOrdner, p + QStringLiteral("hilfe/"));
    EXPECT_EQ(s.ConfigDatei, p + QStringLiteral("config.ini"));
    EXPECT_FALSE(s.ProxyDefZentral);

    // The id is kept at once, so it survives a start that never closes normally; another
    // user's first start gets another one.
    EXPECT_EQ(LoadSettingsInForce(p).TBBenutzer, s.TBBenutzer);
    UserFolders other;
    EXPECT_NE(LoadSettingsInForce(other.program()).TBBenutzer, s.TBBenutzer);
}

TEST(Settings, ValuesWrittenAtCloseAreReadBackWhateverTheCase) {
    const test::FileRestorer keep(SettingsStore::DefaultPath());
    UserFolders u;
    Settings s = LoadSettingsInForce(u.program());
    s.OptSound = false;
    s.UebOpt.ZeitLimit = 1;
    s.UebOpt.ZLimitMin = QStringLiteral("0");
    s.NoteMinQuote[0] = 0.1 + 0.8; // not exactly representable: must come back bit for bit
    s.OptProtOrdner = QStringLiteral("/srv/Klasse 7ä/protokolle/");
    s.TBKennwort = QStringLiteral("a=b\\c\nd");
    s.OptVerknuepfung[1] = QStringLiteral("\"/usr/bin/xcalc\" -rpn");
    s.DokSeitRatioNeuesBlattVollflaeche = false;
    s.EditorSchriftartFontSize = 12;
    ASSERT_TRUE(SaveSettings(s));

    const Settings back = LoadSettingsInForce(u.program());
    EXPECT_FALSE(back.OptSound);
    EXPECT_EQ(back.UebOpt.ZeitLimit, 1);
    EXPECT_EQ(back.UebOpt.ZLimitMin, QStringLiteral("0"));
    EXPECT_EQ(back.NoteMinQuote[0], 0.1 + 0.8);
    EXPECT_EQ(back.OptProtOrdner, s.OptProtOrdner);
    EXPECT_EQ(back.TBKennwort, s.TBKennwort);
    EXPECT_EQ(back.OptVerknuepfung[1], s.OptVerknuepfung[1]);
    EXPECT_FALSE(back.DokSeitRatioNeuesBlattVollflaeche);
    EXPECT_EQ(back.EditorSchriftartFontSize, 12);
    EXPECT_EQ(back.TBBenutzer, s.TBBenutzer);

    SettingsStore store(u.storePath());
    ASSERT_EQ(store.Load(), SettingsStore::LoadStatus::Read);
    EXPECT_EQ(store.ReadInt(QStringLiteral("uebopt-zeitlimit")), 1);
    EXPECT_EQ(store.ReadInt(QStringLiteral("UEBOPT-ZEITLIMIT")), 1);
    EXPECT_EQ(store.ReadBool(QStringLiteral("opt-SOUND")), false);

    // Values stored under other spellings (another program version) are found too, and a
    // second write keeps one value per name.
    store.Remove(QStringLiteral("UebOpt-ZeitLimit"));
    store.WriteInt(QStringLiteral("UEBOPT-ZEITLIMIT"), 2);
    store.WriteString(QStringLiteral("Kuenftig-Unbekannt"), QStringLiteral("bleibt"));
    ASSERT_TRUE(store.Save());
    Settings again = LoadSettingsInForce(u.program());
    EXPECT_EQ(again.UebOpt.ZeitLimit, 2);
    ASSERT_TRUE(SaveSettings(again));
    ASSERT_EQ(store.Load(), SettingsStore::LoadStatus::Read);
    EXPECT_EQ(store.Names().filter(QStringLiteral("zeitlimit"), Qt::CaseInsensitive).size(), 2)
        << store.Names().join(u',').toStdString(); // UebOpt- and UebOptFragen-
    EXPECT_EQ(store.ReadString(QStringLiteral("kuenftig-unbekannt")), QStringLiteral("bleibt"));

    // The account password is in there: only the user may read the file.
    EXPECT_EQ(QFile(u.storePath()).permissions() &
                  (QFileDevice::ReadGroup | QFileDevice::ReadOther),
              QFileDevice::Permissions());
}

TEST(SettingsStore, TypesAreKeptAndMismatchesReadAsMissing) {
    SettingsStore s(QString{});
    s.WriteBool(QStringLiteral("b"), true);
    s.WriteInt(QStringLiteral("i"), -7);
    s.WriteDouble(QStringLiteral("d"), -0.0);
    s.WriteString(QStringLiteral("s"), QStringLiteral("x\r\n\t\x01ö€ #= "));
    EXPECT_FALSE(s.WriteInt(QStringLiteral("a=b"), 1));
    EXPECT_FALSE(s.WriteInt(QString(), 1));
    EXPECT_FALSE(s.WriteInt(QStringLiteral("zeile\nzwei"), 1));

    SettingsStore t(QString{});
    ASSERT_TRUE(t.Parse(s.Serialise()));
    EXPECT_EQ(t.ReadBool(QStringLiteral("B")), true);
    EXPECT_EQ(t.ReadInt(QStringLiteral("I")), -7);
    ASSERT_TRUE(t.ReadDouble(QStringLiteral("d")).has_value());
    EXPECT_TRUE(std::signbit(*t.ReadDouble(QStringLiteral("d"))));
    EXPECT_EQ(t.ReadString(QStringLiteral("s")), QStringLiteral("x\r\n\t\x01ö€ #= "));
    // Bool and int share a stored kind, as registry DWORDs do; other mismatches do not read.
    EXPECT_EQ(t.ReadInt(QStringLiteral("b")), 1);
    EXPECT_EQ(t.ReadBool(QStringLiteral("i")), true);
    EXPECT_FALSE(t.ReadString(QStringLiteral("i")).has_value());
    EXPECT_FALSE(t.ReadDouble(QStringLiteral("i")).has_value());
    EXPECT_FALSE(t.ReadInt(QStringLiteral("s")).has_value());
}

TEST(SettingsStore, UnusableStoredValuesKeepTheirDefaults) {
    SettingsStore store(QString{});
    store.WriteString(QStringLiteral("Opt-Sound"), QStringLiteral("ja"));
    store.WriteInt(QStringLiteral("UebOpt-AbfrageModus"), 7);
    store.WriteInt(QStringLiteral("Dok-SeitRatioHoehe"), 0);
    store.WriteDouble(QStringLiteral("Opt-NoteMinQuote2"), std::nan(""));
    store.WriteString(QStringLiteral("NetzKomKanal"), QStringLiteral("../../etc"));
    store.WriteString(QStringLiteral("Opt-ChronikOrdner"), QStringLiteral("  "));
    store.WriteString(QStringLiteral("Opt-BestListOrdner"), QStringLiteral("/srv/listen"));
    Settings s;
    s.OptChronikOrdner = QStringLiteral("/p/chronik/");
    ReadStoredSettings(s, store);
    const Settings d;
    EXPECT_EQ(s.OptSound, d.OptSound);
    EXPECT_EQ(s.UebOpt.AbfrageModus, d.UebOpt.AbfrageModus);
    EXPECT_EQ(s.DokSeitRatioHoehe, 7);
    EXPECT_EQ(s.NoteMinQuote[1], 0.70);
    EXPECT_EQ(s.NetzKomKanal, QStringLiteral("BRETTW-1"));
    EXPECT_EQ(s.OptChronikOrdner, QStringLiteral("/p/chronik/"));
    EXPECT_EQ(s.OptBestListOrdner, QStringLiteral("/srv/listen/"));
}

TEST(SettingsStore, ADamagedFileReadsAsEmptyAndTheProgramSetsItAside) {
    UserFolders u;
    const QString path = u.storePath();
    const std::vector<QByteArray> damaged = {
        QByteArray("\x00\xff\xfe garbage", 12),
        "# brettwerk-settings 1\nbool Opt-Sound=2\n",
        "# brettwerk-settings 1\nstring TB-Name=ab\\q\n",
        "# brettwerk-settings 1\ndouble Opt-NoteMinQuote1=3feb33\n",
        "# brettwerk-settings 1\nint UebOpt-ZeitLimit\n",
        "Opt-Sound=0\n",
        "# brettwerk-settings 1\nbool Opt-Sound=0\n\xc3\x28\n",
    };
    for (const QByteArray& bytes : damaged) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        SettingsStore store(path);
        QFile::remove(store.DamagedCopyPath());
        EXPECT_EQ(store.Load(), SettingsStore::LoadStatus::Damaged) << bytes.toStdString();
        EXPECT_TRUE(store.IsEmpty());
        // Reading alone writes nothing: the tool reads this way too.
        EXPECT_FALSE(QFile::exists(store.DamagedCopyPath()));
        const Settings s = LoadSettingsInForce(u.program());
        EXPECT_TRUE(s.OptSound);
        EXPECT_FALSE(s.TBBenutzer.isEmpty());
        QFile aside(store.DamagedCopyPath());
        ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
        EXPECT_EQ(aside.readAll(), bytes);
    }
    // After the defaults were taken, the file is sound again.
    SettingsStore store(path);
    EXPECT_EQ(store.Load(), SettingsStore::LoadStatus::Read);
}

TEST(CentralSettings, OnlyTheChronicleFolderGivenTakesItAndKeepsTheOthers) {
    const test::FileRestorer keep(SettingsStore::DefaultPath());
    UserFolders u;
    Settings s = LoadSettingsInForce(u.program());
    s.OptProtOrdner = QStringLiteral("/home/lehrer/prot/");
    s.OptBestListOrdner = QStringLiteral("/home/lehrer/listen/");
    s.OptTauschboerseOrdner = QStringLiteral("/home/lehrer/tb/");
    ASSERT_TRUE(SaveSettings(s));
    u.writeIni("[Ordner]\r\nOrdnerDefZentral=1\r\nOrdnerChronik=/srv/schule/chronik\r\n");

    const Settings c = LoadSettingsInForce(u.program());
    EXPECT_EQ(c.OptChronikOrdner, QStringLiteral("/srv/schule/chronik/"));
    EXPECT_EQ(c.OptProtOrdner, QStringLiteral("/home/lehrer/prot/"));
    EXPECT_EQ(c.OptBestListOrdner, QStringLiteral("/home/lehrer/listen/"));
    EXPECT_EQ(c.OptTauschboerseOrdner, QStringLiteral("/home/lehrer/tb/"));

    // Central values are written back with the rest at close.
    ASSERT_TRUE(SaveSettings(c));
    SettingsStore store(u.storePath());
    store.Load();
    EXPECT_EQ(store.ReadString(QStringLiteral("Opt-ChronikOrdner")),
              QStringLiteral("/srv/schule/chronik/"));
}

TEST(CentralSettings, GradingScaleInPercentAndSwitchedOffSections) {
    UserFolders u;
    u.writeIni("; Schulweite Vorgaben\n"
               "[NOTENSKALA]\n  notenskaladefzentral = 1 \nNote1 = 90\n"
               "[Optionen]\nOptionenDefZentral=0\nTonausgabe=0\nNamenseingabe=0\n"
               "[UpdateCheck]\nUpdateCheckDefZentral=nein\nUpdateCheck=0\n"
               "[NetzKom]\nNetzKomKanal=RAUM-12\n");
    const Settings s = LoadSettingsInForce(u.program());
    EXPECT_DOUBLE_EQ(s.NoteMinQuote[0], 0.9);
    EXPECT_EQ(s.NoteMinQuote[1], 0.70);
    EXPECT_TRUE(s.OptSound);
    EXPECT_TRUE(s.OptUebNameEingabe);
    EXPECT_TRUE(s.StartUpdatePruefen);
    EXPECT_EQ(s.NetzKomKanal, QStringLiteral("BRETTW-1")); // no switch at all

    Settings t = DefaultSettings(DefaultFolders(u.program()));
    const CentralSettingsResult r = LoadCentralSettings(t, u.program() + "config.ini");
    EXPECT_TRUE(r.read);
    EXPECT_EQ(r.applied, QStringList{QStringLiteral("Notenskala")});
}

TEST(CentralSettings, WindowsIniRules) {
    const test::FileRestorer keep(SettingsStore::DefaultPath());
    UserFolders u;
    // Windows-1252 text, quotes, a repeated section and key (the first counts), comments.
    QByteArray ini =
        "[optionen]\n"
        "OptionenDefZentral=1\n"
        ";Tonausgabe=1\n"
        "TONAUSGABE=0\n"
        "tonausgabe=1\n"
        "Statusinfo = false\n"
        "[Proxy]\n"
        "ProxyDefZentral=0x1\n"
        "ProxyServer = \"proxy.schule.local\" \n"
        "ProxyPort=3128\n"
        "ProxyBenutzer='lehrer'\n"
        "ProxyPasswort=g\xfcltig;nicht-kommentar\n"
        "[Optionen]\n"
        "Namenseingabe=0\n"
        "[NetzKom]\nNetzKomDefZentral=1\nNetzKomOrdner=\\\\srv\\kom\nNetzKomKanal=ZU-LANG-9\n";
    u.writeIni(ini);
    const Settings s = LoadSettingsInForce(u.program());
    EXPECT_FALSE(s.OptSound);
    EXPECT_FALSE(s.OptUebStatusInfo);
    EXPECT_TRUE(s.OptUebNameEingabe);
    EXPECT_TRUE(s.ProxyDefZentral);
    EXPECT_EQ(s.ProxyServer, QStringLiteral("proxy.schule.local"));
    EXPECT_EQ(s.ProxyPort, 3128);
    EXPECT_EQ(s.ProxyBenutzer, QStringLiteral("lehrer"));
    EXPECT_EQ(s.ProxyPasswort, QStringLiteral("gültig;nicht-kommentar"));
    EXPECT_EQ(s.NetzKomOrdner, QStringLiteral("//srv/kom/"));
    EXPECT_EQ(s.NetzKomKanal, QStringLiteral("BRETTW-1")); // nine characters are refused

    // The proxy exists only in the central file: it is never stored.
    ASSERT_TRUE(SaveSettings(s));
    SettingsStore store(u.storePath());
    store.Load();
    EXPECT_TRUE(store.Names().filter(QStringLiteral("Proxy"), Qt::CaseInsensitive).isEmpty());
}

TEST(CentralSettings, RefusedValuesAndDamagedFilesChangeNothing) {
    UserFolders u;
    const Settings before = LoadSettingsInForce(u.program());
    const QString ini = u.program() + QStringLiteral("config.ini");

    // A grading scale that no longer descends would give better marks for less.
    u.writeIni("[Notenskala]\nNotenskalaDefZentral=1\nNote1=50\nNote2=70\n"
               "[Ordner]\nOrdnerDefZentral=1\nOrdnerChronik=\nOrdnerProtokoll=/p\n"
               "[Proxy]\nProxyDefZentral=1\nProxyPort=99999\n");
    Settings s = before;
    CentralSettingsResult r = LoadCentralSettings(s, ini);
    EXPECT_EQ(s.NoteMinQuote, before.NoteMinQuote);
    EXPECT_EQ(s.OptChronikOrdner, before.OptChronikOrdner);
    EXPECT_EQ(s.OptProtOrdner, QStringLiteral("/p/"));
    EXPECT_EQ(s.ProxyPort, 0);
    EXPECT_EQ(r.problems.size(), 3) << r.problems.join(u'\n').toStdString();

    for (const QByteArray& bytes : {QByteArray("[Optionen]\nOptionenDefZentral=1\nTonausgabe=0\n") +
                                        QByteArray("\0\0\x01", 3),
                                    QByteArray(2 << 20, ' ')}) {
        u.writeIni(bytes);
        s = before;
        r = LoadCentralSettings(s, ini);
        EXPECT_FALSE(r.read);
        EXPECT_TRUE(s.OptSound);
    }
    QFile::remove(ini);
    s = before;
    r = LoadCentralSettings(s, ini);
    EXPECT_FALSE(r.read);
    EXPECT_TRUE(r.problems.isEmpty());
}

TEST(Folders, WritableFoldersFallBackToTheUserDataFolder) {
    UserFolders u;
    const ProgramFolders own = DefaultFolders(u.program());
    EXPECT_EQ(own.Chronik, u.program() + QStringLiteral("chronik/"));
    EXPECT_EQ(own.Kom, u.program() + QStringLiteral("kom/"));

    // An installed program: its folder is gone or not ours to write into.
    const QString installed = u.program() + QStringLiteral("nicht/da/");
    const ProgramFolders f = DefaultFolders(installed);
    EXPECT_EQ(f.Chronik, UserDataFolder() + QStringLiteral("chronik/"));
    EXPECT_EQ(f.Protokolle, UserDataFolder() + QStringLiteral("protokolle/"));
    EXPECT_EQ(f.Bestenlisten, UserDataFolder() + QStringLiteral("bestenlisten/"));
    EXPECT_EQ(f.Tauschboerse, UserDataFolder() + QStringLiteral("tauschboerse/"));
    EXPECT_EQ(f.Kom, UserDataFolder() + QStringLiteral("kom/"));
    EXPECT_EQ(f.ConfigDatei, installed + QStringLiteral("config.ini"));

    // A file where a folder should be is not written into either.
    QFile blocker(u.program() + QStringLiteral("protokolle"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(DefaultFolders(u.program()).Protokolle,
              UserDataFolder() + QStringLiteral("protokolle/"));
}

TEST(Folders, AReadOnlyProgramFolderFallsBackToTheUserDataFolder) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    UserFolders u;
    QFile::setPermissions(u.program(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(DefaultFolders(u.program()).Chronik, UserDataFolder() + QStringLiteral("chronik/"));
    QFile::setPermissions(u.program(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(Settings, FolderValuesGetOneTrailingSeparator) {
    EXPECT_EQ(NormaliseFolder(QStringLiteral(" /srv/a ")), QStringLiteral("/srv/a/"));
    EXPECT_EQ(NormaliseFolder(QStringLiteral("/srv/a/")), QStringLiteral("/srv/a/"));
    EXPECT_EQ(NormaliseFolder(QStringLiteral("C:\\Schule\\kom\\")),
              QStringLiteral("C:/Schule/kom/"));
    EXPECT_EQ(NormaliseFolder(QString()), QString());
}
