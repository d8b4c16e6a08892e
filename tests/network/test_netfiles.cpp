#include "exercise/uebdata.h"
#include "network/netfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstring>
#include <gtest/gtest.h>

namespace bw {
namespace {

// Built by hand from the layout, not with the program's writer.
QByteArray Str(const QByteArray& s) {
    QByteArray b(4, 0);
    qToLittleEndian<qint32>(qint32(s.size()), b.data());
    return b + s;
}
QByteArray I32(qint32 v) {
    QByteArray b(4, 0);
    qToLittleEndian<qint32>(v, b.data());
    return b;
}
QByteArray F64(double v) {
    quint64 bits;
    std::memcpy(&bits, &v, 8);
    QByteArray b(8, 0);
    qToLittleEndian<quint64>(bits, b.data());
    return b;
}

QByteArray ExpectedFile(const QByteArray& keys, bool withGrading) {
    QByteArray b = Str("qlxnetzuebung.dat") + Str(keys) + Str("LEHRER-PC") + I32(0) + I32(1) +
                   I32(1) + I32(0) + I32(2) + I32(1) + I32(1) + I32(185);
    if (withGrading)
        for (double v : {1.0, 0.9, 0.75, 0.6, 0.45, 0.3, 0.0})
            b += F64(v);
    return b;
}

UebDataTyp TeacherRun() {
    UebDataTyp u;
    u.RiFaRueckmeldungItemIndex = 0;
    u.ZuordnungRichtigItemIndex = 1;
    u.ZuordnungFalschItemIndex = 1;
    u.ZuordnungstexteItemIndex = 0;
    u.ZuordnungszieleItemIndex = 2;
    u.AbfrageModusItemIndex = 1;
    u.ZeitLimitIndex = 1;
    u.ZeitLimitWert = 185;
    u.NoteMinQuote = {1.0, 0.9, 0.75, 0.6, 0.45, 0.3, 0.0};
    return u;
}

TEST(NetSettingsFile, BytesAreThoseOfTheLayout) {
    const QByteArray keys =
        "NetzUebungMaster|RiFaRueckmeldungItemIndex|ZuordnungRichtigItemIndex|"
        "ZuordnungFalschItemIndex|ZuordnungstexteItemIndex|ZuordnungszieleItemIndex|"
        "AbfrageModusItemIndex|ZeitLimitIndex|ZeitLimitWert|NoteMinQuote|";
    EXPECT_EQ(EncodeNetSettings(SettingsOfRun(TeacherRun(), QStringLiteral("LEHRER-PC"))),
              ExpectedFile(keys, true));
}

TEST(NetSettingsFile, ReadCopiesOptionsAndGradingIntoTheRun) {
    const auto s = ParseNetSettings(EncodeNetSettings(SettingsOfRun(TeacherRun(), "T")));
    ASSERT_TRUE(s);
    UebDataTyp u;
    ApplyToRun(*s, u);
    const UebDataTyp t = TeacherRun();
    EXPECT_EQ(u.TeacherComputer, "T");
    EXPECT_EQ(u.ZuordnungRichtigItemIndex, 1);
    EXPECT_EQ(u.ZuordnungszieleItemIndex, 2);
    EXPECT_EQ(u.AbfrageModusItemIndex, 1);
    EXPECT_EQ(u.ZeitLimitWert, 185);
    EXPECT_EQ(u.NoteMinQuote, t.NoteMinQuote);
}

TEST(NetSettingsFile, WithoutGradingKeyTheParticipantKeepsItsScale) {
    // An older teacher: no "NoteMinQuote" in the key list and no reals after the integers.
    const QByteArray file = ExpectedFile("NetzUebungMaster|ZeitLimitWert|", false);
    const auto s = ParseNetSettings(file);
    ASSERT_TRUE(s);
    EXPECT_FALSE(s->grading);
    UebDataTyp u;
    u.NoteMinQuote = {1.0, 0.8, 0.6, 0.5, 0.3, 0.1, 0.0};
    ApplyToRun(*s, u);
    EXPECT_EQ(u.NoteMinQuote, (std::array<double, 7>{1.0, 0.8, 0.6, 0.5, 0.3, 0.1, 0.0}));
    EXPECT_EQ(u.ZeitLimitWert, 185);
}

TEST(NetSettingsFile, DamagedFilesAreRefused) {
    const QByteArray good = EncodeNetSettings(SettingsOfRun(TeacherRun(), "T"));
    // Every cut short of the end.
    for (qsizetype n = 0; n < good.size(); ++n)
        EXPECT_FALSE(ParseNetSettings(good.left(n))) << n;
    // A string length far beyond the file.
    QByteArray huge = good;
    qToLittleEndian<qint32>(0x7fffffff, huge.data());
    EXPECT_FALSE(ParseNetSettings(huge));
    // Another file's name in item 1.
    EXPECT_FALSE(ParseNetSettings(Str("qlxnetzuebung.okx") + good.mid(21)));
}

TEST(NetSettingsFile, ValuesNoDialogWritesAreRefused) {
    auto with = [](auto change) {
        NetExerciseSettings s = SettingsOfRun(TeacherRun(), "T");
        change(s);
        return ParseNetSettings(EncodeNetSettings(s)).has_value();
    };
    EXPECT_TRUE(with([](NetExerciseSettings&) {}));
    EXPECT_FALSE(with([](NetExerciseSettings& s) { s.AbfrageModus = 3; }));
    EXPECT_FALSE(with([](NetExerciseSettings& s) { s.Zuordnungsziele = -1; }));
    EXPECT_FALSE(with([](NetExerciseSettings& s) { s.ZeitLimitWert = -5; }));
    EXPECT_FALSE(with([](NetExerciseSettings& s) { (*s.grading)[3] = std::nan(""); }));
    EXPECT_FALSE(with([](NetExerciseSettings& s) { (*s.grading)[2] = 7.0; }));
}

TEST(NetFiles, NamesStayInsideTheFolder) {
    EXPECT_EQ(NetworkFilePath("/srv/kom", "K1", netfile::kDocument),
              "/srv/kom/K1-qlxnetzuebung.qlx");
    EXPECT_EQ(NetworkFilePath("C:\\kom\\", "K1", netfile::kMarker), "C:/kom/K1-qlxnetzuebung.okx");
    for (const char* bad : {"", "../x", "a/b", "a\\b", "123456789", "a:b"})
        EXPECT_TRUE(NetworkFilePath("/srv/kom", QString::fromUtf8(bad), netfile::kMarker).isEmpty())
            << bad;
    EXPECT_TRUE(ValidChannel("ABCDEFGH"));
}

TEST(NetFiles, OnlyThisComputersOwnExerciseFilesAreCleared) {
    QTemporaryDir dir;
    const QString f = dir.path();
    auto write = [&](const QString& master) {
        for (const char* name : {netfile::kDocument, netfile::kMarker}) {
            QFile file(NetworkFilePath(f, "K1", name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        QFile file(NetworkFilePath(f, "K1", netfile::kSettings));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(EncodeNetSettings(SettingsOfRun(TeacherRun(), master)));
    };
    write("LEHRER-PC");
    DeleteOwnExerciseFiles(f, "K1", "SCHUELER-3");
    EXPECT_TRUE(NetworkFilesPresent(f, "K1")); // another teacher's exercise stays
    DeleteOwnExerciseFiles(f, "K1", "lehrer-pc");
    EXPECT_TRUE(QDir(f).isEmpty());
    EXPECT_TRUE(NetworkFilePath("", "K1", netfile::kMarker).isEmpty());
}

TEST(NetFiles, PresentOnlyWithAllThreeFiles) {
    QTemporaryDir dir;
    const QString f = dir.path();
    EXPECT_FALSE(NetworkFilesPresent(f, "K1"));
    for (const char* name : {netfile::kDocument, netfile::kSettings}) {
        QFile file(NetworkFilePath(f, "K1", name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_FALSE(NetworkFilesPresent(f, "K1"));
    // A folder under the marker's name is no marker.
    QDir(f).mkdir("K1-qlxnetzuebung.okx");
    EXPECT_FALSE(NetworkFilesPresent(f, "K1"));
    QDir(f).rmdir("K1-qlxnetzuebung.okx");
    QFile marker(NetworkFilePath(f, "K1", netfile::kMarker));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.write(MarkerBytes());
    marker.close();
    EXPECT_TRUE(NetworkFilesPresent(f, "K1"));
    EXPECT_EQ(MarkerBytes(), Str("NetzUebDateiOKX"));
}

} // namespace
} // namespace bw
