// The headless commands as a classroom uses them: one teacher process and many participant
// processes on this computer's loopback, and a teacher under a flood of hostile datagrams.

#include "document/docfile.h"
#include "exercise/bestlistfile.h"
#include "exercise/grading.h"
#include "nettesting.h"
#include "network/mailslot.h"
#include "network/netfiles.h"
#include "network/teachergrid.h"
#include "support/testfiles.h"
#include "support/toolrun.h"
#include "view/learnview.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QUdpSocket>
#include <gtest/gtest.h>
#include <memory>

namespace bw {
namespace {

using test::SpinUntil;

const QString kTool = test::ToolPath();
const QString kSample = test::Sample(QStringLiteral("insel-karte.bwk"));
constexpr int kLabels = 8; // objects 0..7 are labels, 8 is a query image

class ClassroomTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + "/kom";
        QDir().mkpath(folder);
        channel = test::UniqueChannel("C");
        env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", dir.path() + "/config");
        env.insert("QT_QPA_PLATFORM", "offscreen");
#if defined(__SANITIZE_ADDRESS__)
        // The sanitizer holds freed memory back for a while; the teacher's resident size
        // should show what the program keeps, not that quarantine.
        const QString asan = env.value("ASAN_OPTIONS");
        env.insert("ASAN_OPTIONS", asan + (asan.isEmpty() ? "" : ":") + "quarantine_size_mb=4");
#endif
        Document doc;
        ASSERT_TRUE(ReadDocumentFile(kSample, doc, false).ok);
        LearnView view(doc);
        view.SetViewSize(870, 690);
        view.DocumentLoaded();
        numbers = TeacherNumbers(doc);
    }
    void TearDown() override {
        if (teacher && teacher->state() != QProcess::NotRunning) {
            teacher->kill();
            teacher->waitForFinished();
        }
    }

    void StartTeacher(const QStringList& extra = {}) {
        teacher = std::make_unique<QProcess>();
        teacher->setProcessEnvironment(env);
        teacher->start(
            kTool,
            QStringList{"net-teacher", kSample, "--folder", folder, "--channel", channel} + extra);
        ASSERT_TRUE(teacher->waitForStarted());
        ASSERT_TRUE(SpinUntil([&] { return NetworkFilesPresent(folder, channel); }, 20000))
            << teacher->readAllStandardError().constData();
    }
    // Ends the teacher and returns its grid rows (header first).
    QList<QStringList> StopTeacher() {
        teacher->terminate();
        EXPECT_TRUE(teacher->waitForFinished(20000));
        EXPECT_EQ(teacher->exitCode(), 0) << teacher->readAllStandardError().constData();
        QList<QStringList> rows;
        for (const QString& l : QString::fromUtf8(teacher->readAllStandardOutput()).split('\n'))
            if (!l.isEmpty()) rows << l.split('\t');
        return rows;
    }
    std::unique_ptr<QProcess> Participant(const QString& name, const QByteArray& moves) {
        auto p = std::make_unique<QProcess>();
        p->setProcessEnvironment(env);
        p->start(kTool, {"exercise", "--join", folder, "--channel", channel, "--name", name});
        p->write(moves);
        p->closeWriteChannel();
        return p;
    }
    // wrong wrong cards on label t, then every object right.
    static QByteArray Moves(int t, int wrong) {
        QByteArray m;
        for (int k = 0; k < wrong; ++k)
            m += QByteArray("drop ") + QByteArray::number((t + 1) % kLabels) + " " +
                 QByteArray::number(t) + "\n";
        for (int o = 0; o <= kLabels; ++o)
            m += "drop " + QByteArray::number(o) + " " + QByteArray::number(o) + "\n";
        return m;
    }
    // Checks the row of a participant who made `wrong` wrong drops on label t.
    void ExpectRow(const QStringList& row, int t, int wrong) {
        ASSERT_EQ(row.size(), TeacherGrid::kFixedColumns + kLabels + 1);
        EXPECT_EQ(row[3], "fertig");
        EXPECT_EQ(row[6], "9");
        EXPECT_EQ(row[7], "9");
        EXPECT_EQ(row[8], QString::number(wrong));
        EXPECT_EQ(row[10], "0");
        const double performance = 9.0 / (9 + wrong);
        EXPECT_EQ(row[11], PercentNumber(performance) + " %");
        EXPECT_EQ(row[12], QString::number(MarkFor(performance, kDefaultGradingBoundaries)));
        for (int o = 0; o <= kLabels; ++o) {
            const QString want = o == t ? (QString(wrong, u'f') + " ok").trimmed() : "ok";
            EXPECT_EQ(row[TeacherGrid::kFixedColumns - 1 + numbers[o]], want) << "object " << o;
        }
    }

    QTemporaryDir dir;
    QString folder, channel;
    QProcessEnvironment env;
    std::vector<int> numbers;
    std::unique_ptr<QProcess> teacher;
};

TEST_F(ClassroomTest, TenParticipantsReportEverything) {
    StartTeacher();
    constexpr int kParticipants = 10;
    std::vector<std::unique_ptr<QProcess>> ps;
    for (int i = 0; i < kParticipants; ++i)
        ps.push_back(Participant("P" + QString::number(i), Moves(i % kLabels, i % 4)));
    for (auto& p : ps) {
        ASSERT_TRUE(p->waitForFinished(60000));
        ASSERT_EQ(p->exitCode(), 0) << p->readAllStandardError().constData();
        const QJsonObject run = QJsonDocument::fromJson(p->readAllStandardOutput()).object();
        EXPECT_EQ(run["NetRole"].toInt(), 1);
        EXPECT_EQ(run["EndReason"].toInt(), 1);
    }
    const QString best = NetworkFilePath(folder, channel, netfile::kBestList);
    ASSERT_TRUE(
        SpinUntil([&] { return LoadBestList(best, true).entries.size() == kParticipants; }, 20000));

    const QList<QStringList> rows = StopTeacher();
    ASSERT_EQ(rows.size(), 1 + kParticipants);
    EXPECT_EQ(rows[0][0], "Nr.");
    EXPECT_EQ(rows[0].size(), TeacherGrid::kFixedColumns + kLabels + 1);
    QSet<QString> seen;
    for (int r = 1; r <= kParticipants; ++r) {
        const QStringList& row = rows[r];
        EXPECT_EQ(row[0], QString::number(r));
        const int i = row[2].mid(1).toInt();
        seen.insert(row[2]);
        ExpectRow(row, i % kLabels, i % 4);
    }
    EXPECT_EQ(seen.size(), kParticipants);

    // The files of the exercise are gone, the best list stays with one entry each.
    EXPECT_FALSE(QFile::exists(NetworkFilePath(folder, channel, netfile::kMarker)));
    EXPECT_FALSE(QFile::exists(NetworkFilePath(folder, channel, netfile::kDocument)));
    QList<BestListDataTyp> entries = LoadBestList(best, true).entries;
    ASSERT_EQ(entries.size(), kParticipants);
    for (const BestListDataTyp& e : entries) {
        const int i = e.Name.mid(1).toInt();
        EXPECT_EQ(e.Name, "P" + QString::number(i));
        EXPECT_DOUBLE_EQ(e.Leistung, 9.0 / (9 + i % 4));
        EXPECT_GT(e.Beginn, 40000);
        EXPECT_GE(e.Dauer, 0);
    }
}

// Lines a hostile sender might try: our keywords with garbage, endless lines, broken numbers.
QByteArray HostileDatagram(QRandomGenerator& rng, int i) {
    auto junk = [&](int n) {
        QByteArray b(n, 0);
        for (char& c : b)
            c = static_cast<char>(rng.bounded(256));
        return b;
    };
    static const char* kinds[] = {"TN-INIT", "TN-AKTION", "TN-FERTIG", "TN-BESTLIST", "X"};
    switch (i % 8) {
    case 0:
        return junk(rng.bounded(1, 2000));
    case 1:
        return junk(rng.bounded(4000, 9000)); // beyond any message of ours
    case 2:
        return QByteArray("Message\r\n") + junk(rng.bounded(0, 300));
    case 3: { // a known keyword, unknown ids and values that are not numbers
        QByteArray b = "Message\r\nu\r\nc\r\n" + QByteArray(kinds[rng.bounded(1, 5)]) + "\r\n";
        for (int k = 0; k < rng.bounded(0, 20); ++k)
            b += junk(rng.bounded(0, 12)).replace('\n', 'x').replace('\r', 'y') + "\r\n";
        return b;
    }
    case 4:
        return "Message\r\nu\r\nc\r\nTN-AKTION\r\n" + QByteArray(3900, 'A') + "\r\n";
    case 5: { // too many lines
        QByteArray b = "Message\r\nu\r\nc\r\nTN-FERTIG\r\n";
        for (int k = 0; k < 200; ++k)
            b += "1\r\n";
        return b;
    }
    case 6: // registered rows a little at a time, far below the bound
        if (i % 400 == 6) {
            QByteArray id = QByteArray::number(i).leftJustified(30, 'Z');
            for (char& c : id)
                if (c >= '0' && c <= '9') c = static_cast<char>('A' + (c - '0'));
            return "Message\r\nu\r\nfremd\r\nTN-INIT\r\n" + id + "\r\nx\r\n";
        }
        return "Message\r\nu\r\nc\r\nTN-AKTION\r\nF6\r\n-2147483648\r\n0\r\n99999999\r\n";
    default:
        return QByteArray();
    }
}

// Under the sanitizers every datagram costs the teacher many times more; a tenth of the flood
// still tries every kind of hostile message there, while the plain build takes all of it.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kFloodDatagrams = 10000;
#else
constexpr int kFloodDatagrams = 100000;
#endif

qint64 ResidentKiB(qint64 pid) {
    QFile f(QString("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& l : f.readAll().split('\n'))
        if (l.startsWith("VmRSS:")) return l.mid(6).trimmed().split(' ')[0].toLongLong();
    return -1;
}

// Bytes waiting in the receive queue of this computer's UDP socket on port (column 4), or
// the datagrams the system dropped there (column 12); -1 when there is no such socket.
qint64 UdpSocketFigure(quint16 port, int column) {
    QFile f("/proc/net/udp");
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray local = ":" + QByteArray::number(port, 16).toUpper().rightJustified(4, '0');
    for (const QByteArray& line : f.readAll().split('\n')) {
        const QList<QByteArray> cols = line.simplified().split(' ');
        if (cols.size() > 12 && cols[1].endsWith(local))
            return column == 4 ? cols[4].split(':').value(1).toLongLong(nullptr, 16)
                               : cols[column].toLongLong();
    }
    return -1;
}

TEST_F(ClassroomTest, FloodOfHostileDatagramsChangesNothingValid) {
    StartTeacher();
    // One participant before the flood.
    auto first = Participant("Vorher", Moves(2, 1));
    ASSERT_TRUE(first->waitForFinished(60000));
    ASSERT_EQ(first->exitCode(), 0) << first->readAllStandardError().constData();
    SpinUntil([] { return false; }, 300);
    const qint64 before = ResidentKiB(teacher->processId());

    QUdpSocket flood;
    QRandomGenerator rng(4711);
    const quint16 port = SlotPort(channel);
    int sent = 0;
    for (int i = 0; i < kFloodDatagrams; ++i) {
        if (flood.writeDatagram(HostileDatagram(rng, i), QHostAddress::LocalHost, port) >= 0)
            ++sent;
        // Paced a little, so that most of it reaches the teacher instead of overflowing the
        // socket's buffer.
        if (i % 200 == 0) QThread::usleep(2000);
    }
    EXPECT_GT(sent, kFloodDatagrams * 9 / 10);
    ASSERT_EQ(teacher->state(), QProcess::Running);
    // "After them": once the teacher has worked through what the socket still holds. While
    // a flood fills the queue, the system drops any datagram, valid or not.
    EXPECT_TRUE(SpinUntil([&] { return UdpSocketFigure(port, 4) == 0; }, 120000));

    // Valid reports after the flood all arrive.
    std::vector<std::unique_ptr<QProcess>> ps;
    for (int i = 0; i < 3; ++i)
        ps.push_back(Participant("Danach" + QString::number(i), Moves(i + 4, i + 1)));
    for (auto& p : ps) {
        ASSERT_TRUE(p->waitForFinished(60000));
        ASSERT_EQ(p->exitCode(), 0) << p->readAllStandardError().constData();
    }
    const QString best = NetworkFilePath(folder, channel, netfile::kBestList);
    ASSERT_TRUE(SpinUntil(
        [&] {
            int ours = 0;
            for (const BestListDataTyp& e : LoadBestList(best, true).entries)
                ours += e.Name.startsWith("Danach");
            return ours == 3;
        },
        20000));
    const qint64 after = ResidentKiB(teacher->processId());
    const qint64 drops = UdpSocketFigure(port, 12);
    ASSERT_EQ(teacher->state(), QProcess::Running);
    EXPECT_LT(after - before, 30 * 1024) << before << " KiB before, " << after << " after";

    const QList<QStringList> rows = StopTeacher();
    int found = 0;
    for (const QStringList& row : rows) {
        if (row.size() < 3) continue;
        if (row[2] == "Vorher") {
            ExpectRow(row, 2, 1);
            ++found;
        }
        for (int i = 0; i < 3; ++i) {
            if (row[2] == "Danach" + QString::number(i)) {
                ExpectRow(row, i + 4, i + 1);
                ++found;
            }
        }
        EXPECT_LE(row.size(), TeacherGrid::kFixedColumns + kLabels + 1);
    }
    EXPECT_EQ(found, 4);
    EXPECT_LE(rows.size(), 1 + 4 + kFloodDatagrams / 400 + 1);
    // For the record: what got through the loopback and what it cost the teacher.
    RecordProperty("flood_sent", sent);
    RecordProperty("dropped_by_system", static_cast<int>(drops));
    RecordProperty("grid_rows", static_cast<int>(rows.size()) - 1);
    RecordProperty("rss_kib_before", static_cast<int>(before));
    RecordProperty("rss_kib_after", static_cast<int>(after));
}

TEST_F(ClassroomTest, ListenPrintsWhatSendSends) {
    QProcess listener;
    listener.setProcessEnvironment(env);
    listener.start(kTool, {"net-listen", channel, "--for", "30"});
    ASSERT_TRUE(listener.waitForStarted());
    // Sent until the listener hears it: a datagram to a port nobody holds yet is lost. A probe
    // binding the port to see whether the listener holds it would take it from the listener
    // if both came at the same moment.
    int sendExit = -1;
    ASSERT_TRUE(SpinUntil([&] {
        if (listener.canReadLine()) return true;
        QProcess sender;
        sender.setProcessEnvironment(env);
        sender.start(kTool, {"net-send", ".", channel, "TN-FERTIG", "ABC", "1", "Zeit: 00:07"});
        if (sender.waitForFinished()) sendExit = sender.exitCode();
        listener.waitForReadyRead(100);
        return listener.canReadLine();
    }));
    EXPECT_EQ(sendExit, 0);
    const QJsonObject o = QJsonDocument::fromJson(listener.readLine()).object();
    EXPECT_EQ(o["lines"].toArray(), QJsonArray({"TN-FERTIG", "ABC", "1", "Zeit: 00:07"}));
    EXPECT_FALSE(o["computer"].toString().isEmpty());
    // A second listener on the same channel cannot take the port.
    QProcess second;
    second.setProcessEnvironment(env);
    second.start(kTool, {"net-listen", channel, "--for", "1"});
    ASSERT_TRUE(second.waitForFinished());
    EXPECT_EQ(second.exitCode(), 1);
    listener.terminate();
    EXPECT_TRUE(listener.waitForFinished());
    EXPECT_EQ(listener.exitCode(), 0);

    QProcess tooLong;
    tooLong.start(kTool, {"net-send", ".", "ABCDEFGHI", "x"});
    ASSERT_TRUE(tooLong.waitForFinished());
    EXPECT_EQ(tooLong.exitCode(), 2);
    EXPECT_TRUE(tooLong.readAllStandardError().contains("cannot be greater than 8"));
}

TEST_F(ClassroomTest, JoinWithoutAnExerciseFails) {
    auto p = Participant("Nora", "drop 0 0\n");
    ASSERT_TRUE(p->waitForFinished());
    EXPECT_EQ(p->exitCode(), 1);
    EXPECT_TRUE(p->readAllStandardError().contains("nicht initiiert"));
}

} // namespace
} // namespace bw
