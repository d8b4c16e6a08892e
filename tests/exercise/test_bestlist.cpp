#include "exercise/bestlist.h"
#include "exercise/bestlistfile.h"
#include "platform/sharedfile.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

using namespace bw;
using test::ReadFile;

namespace {

BestListDataTyp Entry(const QString& name, double leistung, qint32 dauer) {
    BestListDataTyp e;
    e.Name = name;
    e.Rechner = QStringLiteral("PC-1");
    e.Beginn = DateTimeValue(QDateTime(QDate(2026, 5, 6), QTime(10, 30)));
    e.Dauer = dauer;
    e.Leistung = leistung;
    return e;
}

QByteArray Str(const QByteArray& s) {
    QByteArray out(4, '\0');
    qToLittleEndian<qint32>(qint32(s.size()), out.data());
    return out + s;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

const BestListRetry kQuick{5, 1, 1};

} // namespace

TEST(BestListFormat, AppendedEntriesReadBackInOrder) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("europa.hsc"));
    ASSERT_TRUE(AppendBestListEntry(path, Entry(QStringLiteral("Jörg"), 0.875, 95000), false).ok);
    ASSERT_TRUE(AppendBestListEntry(path, Entry(QStringLiteral("Ben"), 0.875, 80000), false).ok);
    const QByteArray bytes = ReadFile(path);
    EXPECT_TRUE(bytes.startsWith(Str("QLX-HSC-1.00") +
                                 Str("|HSC-Name|HSC-Rechner|HSC-Beginn|HSC-Dauer|HSC-Leistung|") +
                                 Str("J\xf6rg") + Str("PC-1")));
    const BestListLoadResult r = LoadBestList(path, false);
    ASSERT_EQ(r.status, BestListLoadResult::Status::Read);
    ASSERT_EQ(r.entries.size(), 2);
    EXPECT_EQ(r.entries[0].Name, QStringLiteral("Jörg"));
    EXPECT_EQ(r.entries[0].Dauer, 95000);
    EXPECT_EQ(FromDateTimeValue(r.entries[0].Beginn), QDateTime(QDate(2026, 5, 6), QTime(10, 30)));
    EXPECT_FALSE(r.torn);

    QList<BestListDataTyp> sorted = r.entries;
    SortBestList(sorted);
    EXPECT_EQ(sorted[0].Name, QStringLiteral("Ben")); // 87.5 % at 80 s before 87.5 % at 95 s
}

TEST(BestListFormat, OrderByPerformanceThenTimeThenFile) {
    QList<BestListDataTyp> l{
        Entry(QStringLiteral("a"), 0.5, 10),         Entry(QStringLiteral("b"), 0.9, 50),
        Entry(QStringLiteral("c"), 0.9, 50),         Entry(QStringLiteral("d"), 0.9, 40),
        Entry(QStringLiteral("e"), std::nan(""), 1), Entry(QStringLiteral("f"), 1.0, 99)};
    SortBestList(l);
    QString order;
    for (const auto& e : l)
        order += e.Name;
    EXPECT_EQ(order, QStringLiteral("fdbcae"));
}

TEST(BestListFormat, HeaderOnlyShowsOneEmptyRow) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("leer.hsc"));
    WriteFile(path, BestListHeader());
    const BestListLoadResult r = LoadBestList(path, true);
    ASSERT_EQ(r.status, BestListLoadResult::Status::Read);
    EXPECT_TRUE(r.entries.isEmpty());
    EXPECT_EQ(BestListRows(r.entries), QList<QStringList>{QStringList(6, QString())});
    EXPECT_EQ(BestListExportText(r.entries),
              QStringLiteral("Pos.\tName\tRechner\tLeistung\tZeit (Min:Sek)\tDatum/Uhrzeit\r\n"
                             "\t\t\t\t\t\r\n"));
}

TEST(BestListFormat, OnlyListedFieldsAreRead) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("alt.hsc"));
    QByteArray bytes = Str("QLX-HSC-1.00") + Str("|HSC-Name|HSC-Rechner|HSC-Beginn|HSC-Leistung|");
    BestListFields noDuration;
    noDuration.Dauer = false;
    bytes += EncodeBestListRecord(Entry(QStringLiteral("Ida"), 0.75, 12345), noDuration);
    bytes += EncodeBestListRecord(Entry(QStringLiteral("Ole"), 0.5, 777), noDuration);
    WriteFile(path, bytes);
    const BestListLoadResult r = LoadBestList(path, false);
    ASSERT_EQ(r.entries.size(), 2);
    EXPECT_EQ(r.entries[1].Name, QStringLiteral("Ole"));
    EXPECT_EQ(r.entries[1].Dauer, 0);
    EXPECT_DOUBLE_EQ(r.entries[1].Leistung, 0.5);
    EXPECT_EQ(r.entries[1].Rechner, QStringLiteral("PC-1"));

    // An entry added later keeps to the file's field list, so the file stays readable.
    ASSERT_TRUE(AppendBestListEntry(path, Entry(QStringLiteral("Uwe"), 0.25, 5000), false).ok);
    const BestListLoadResult again = LoadBestList(path, false);
    ASSERT_EQ(again.entries.size(), 3);
    EXPECT_EQ(again.entries[2].Name, QStringLiteral("Uwe"));
    EXPECT_DOUBLE_EQ(again.entries[2].Leistung, 0.25);
    EXPECT_FALSE(again.torn);
}

TEST(BestListFormat, TornLastRecordShowsTheCompleteOnesAndIsRepairedByTheNextEntry) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("abbruch.hsc"));
    QByteArray bytes = BestListHeader();
    bytes += EncodeBestListRecord(Entry(QStringLiteral("Eva"), 0.9, 1000), {});
    const QByteArray last = EncodeBestListRecord(Entry(QStringLiteral("Tom"), 0.8, 2000), {});
    for (int cut : {1, 6, int(last.size()) - 1}) {
        WriteFile(path, bytes + last.left(cut));
        const BestListLoadResult r = LoadBestList(path, false);
        ASSERT_EQ(r.status, BestListLoadResult::Status::Read) << cut;
        ASSERT_EQ(r.entries.size(), 1) << cut;
        EXPECT_TRUE(r.torn);
        EXPECT_TRUE(r.message.isEmpty());
    }
    ASSERT_TRUE(AppendBestListEntry(path, Entry(QStringLiteral("Max"), 0.7, 3000), false).ok);
    const BestListLoadResult r = LoadBestList(path, false);
    ASSERT_EQ(r.entries.size(), 2);
    EXPECT_EQ(r.entries[1].Name, QStringLiteral("Max"));
    EXPECT_FALSE(r.torn);
}

TEST(BestListFormat, NotABestListIsUnreadableAndNeverAppendedTo) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fremd.hsc"));
    const QByteArray foreign = Str("QLX-HSC-2.00") + Str("|HSC-Name|");
    WriteFile(path, foreign);
    const BestListLoadResult r = LoadBestList(path, false, kQuick);
    EXPECT_EQ(r.status, BestListLoadResult::Status::Unreadable);
    EXPECT_EQ(r.message,
              QStringLiteral("Die Datei \"") + path +
                  QStringLiteral("\" kann nicht gelesen werden. Mögliche Ursachen:\r\n- Datei "
                                 "existiert nicht\r\n- Ungültiges Dateiformat\r\n- Fehlende "
                                 "Lesezugriffsberechtigung im Netzwerk\r\n\r\nÜberprüfen Sie die "
                                 "Einstellungen im Menü \"Optionen\", um die Bestenliste zu "
                                 "nutzen. Möglicherweise existiert die Datei noch nicht, weil "
                                 "noch niemand die Übung durchgeführt hat."));
    const BestListAppendResult a =
        AppendBestListEntry(path, Entry(QStringLiteral("x"), 1, 1), false, kQuick);
    EXPECT_FALSE(a.ok);
    EXPECT_TRUE(a.message.endsWith(QStringLiteral(
        "- Fehlende Schreibzugriffsberechtigung im Netzwerk\r\n\r\nDie Bestenliste konnte nicht "
        "gespeichert werden. Überprüfen Sie die Einstellungen unter \"Optionen / Ordner für "
        "Protokolle und Bestenlisten\".")));
    EXPECT_EQ(ReadFile(path), foreign);
    // A length that claims more than the file holds is no best list either.
    WriteFile(path, QByteArray::fromHex("ffffff7f") + "QLX");
    EXPECT_EQ(LoadBestList(path, true, kQuick).status, BestListLoadResult::Status::Unreadable);
}

TEST(BestListFormat, MissingFileAndSpecialFiles) {
    QTemporaryDir dir;
    const BestListLoadResult net = LoadBestList(dir.filePath(QStringLiteral("x.hsc")), true);
    EXPECT_EQ(net.status, BestListLoadResult::Status::Missing);
    EXPECT_EQ(net.message,
              QStringLiteral(
                  "Die Bestenliste zur aktuellen Netzwerk-Übung enthält noch keine Einträge."));
    EXPECT_TRUE(LoadBestList(dir.filePath(QStringLiteral("x.hsc")), false)
                    .message.startsWith(QStringLiteral("Zu diesem Dokument gibt es bisher keine")));
    // A folder or a FIFO behind the name: refused at once, nothing hangs.
    const QString fifo = dir.filePath(QStringLiteral("pipe.hsc"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(LoadBestList(fifo, false, kQuick).status, BestListLoadResult::Status::Unreadable);
    EXPECT_FALSE(AppendBestListEntry(fifo, Entry(QStringLiteral("x"), 1, 1), true, kQuick).ok);
    EXPECT_FALSE(
        AppendBestListEntry(dir.path(), Entry(QStringLiteral("x"), 1, 1), true, kQuick).ok);
    EXPECT_FALSE(AppendBestListEntry(dir.filePath(QStringLiteral("no/dir.hsc")),
                                     Entry(QStringLiteral("x"), 1, 1), true, kQuick)
                     .ok);
}

TEST(BestListFormat, PathsAndTexts) {
    EXPECT_EQ(IndividualBestListPath(QStringLiteral("/b"), QStringLiteral("/t/Europa.Karte.bwk")),
              QStringLiteral("/b/Europa.Karte.hsc"));
    EXPECT_EQ(NetworkBestListPath(QStringLiteral("/kom/"), QStringLiteral("BRETTW-1")),
              QStringLiteral("/kom/BRETTW-1-qlxnetzuebung.hsc"));
    QList<BestListDataTyp> l{Entry(QStringLiteral("Tab\there"), 0.8766, 125999)};
    const QList<QStringList> rows = BestListRows(l);
    EXPECT_EQ(rows[0].mid(0, 5),
              (QStringList{QStringLiteral("1"), QStringLiteral("Tab\there"), QStringLiteral("PC-1"),
                           QStringLiteral("87.7 %"), QStringLiteral("02:05")}));
    EXPECT_FALSE(rows[0][5].isEmpty());
    EXPECT_TRUE(
        BestListExportText(l).contains(QStringLiteral("\r\n1\tTab here\tPC-1\t87.7 %\t02:05\t")));
    EXPECT_FALSE(FromDateTimeValue(std::nan("")).isValid());
    EXPECT_EQ(FromDateTimeValue(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
    EXPECT_DOUBLE_EQ(DateTimeValue(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
}

TEST(BestListSharing, WritersHoldingTheLockMakeOthersWait) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("busy.hsc"));
    ASSERT_TRUE(AppendBestListEntry(path, Entry(QStringLiteral("a"), 1, 1), true).ok);
    {
        SharedFile holder;
        ASSERT_EQ(holder.Open(path, SharedFile::Access::Read, 100), SharedFile::Status::Ok);
        // A reader shares, a writer waits and finally gives up.
        EXPECT_EQ(LoadBestList(path, true, kQuick).entries.size(), 1);
        EXPECT_FALSE(AppendBestListEntry(path, Entry(QStringLiteral("b"), 1, 1), true, kQuick).ok);
    }
    {
        SharedFile writer;
        ASSERT_EQ(writer.Open(path, SharedFile::Access::Append, 100), SharedFile::Status::Ok);
        EXPECT_EQ(LoadBestList(path, true, kQuick).status, BestListLoadResult::Status::Unreadable);
    }
    EXPECT_EQ(LoadBestList(path, true, kQuick).entries.size(), 1);
}

TEST(BestListSharing, EightWritersAtOnceLoseNothing) {
    // In memory where there is a tmpfs: the point is the locking, not the disk's sync time.
    QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                          ? QStringLiteral("/dev/shm/bw-bestlist-XXXXXX")
                          : QDir::tempPath() + QStringLiteral("/bw-bestlist-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("klasse.hsc"));
    constexpr int kWriters = 8, kEach = 500;
    std::vector<std::unique_ptr<QProcess>> procs;
    for (int w = 0; w < kWriters; ++w) {
        auto p = std::make_unique<QProcess>();
        p->start(QStringLiteral(BESTLIST_WRITER),
                 {path, QString::number(w), QString::number(kEach)});
        procs.push_back(std::move(p));
    }
    for (auto& p : procs) {
        ASSERT_TRUE(p->waitForFinished(120000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardOutput().constData();
    }
    const BestListLoadResult r = LoadBestList(path, true);
    ASSERT_EQ(r.status, BestListLoadResult::Status::Read);
    EXPECT_FALSE(r.torn);
    ASSERT_EQ(r.entries.size(), kWriters * kEach);
    QSet<QString> names;
    for (const BestListDataTyp& e : r.entries) {
        names.insert(e.Name);
        const int i = e.Name.section(QLatin1Char('-'), 1).toInt();
        EXPECT_EQ(e.Dauer, i);
        EXPECT_EQ(e.Rechner,
                  QStringLiteral("PC-") +
                      e.Name.section(QLatin1Char(' '), 1).section(QLatin1Char('-'), 0, 0));
    }
    EXPECT_EQ(names.size(), kWriters * kEach);
}
