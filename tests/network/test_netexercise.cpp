// A teacher and a participant in one process, talking over this computer's loopback.

#include "document/docfile.h"
#include "exercise/bestlistfile.h"
#include "exercise/exerciserig.h"
#include "nettesting.h"
#include "network/netfiles.h"
#include "network/netparticipant.h"
#include "network/netteacher.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace bw {
namespace {

using test::SpinUntil;

// The participant's program: its own document, view and exercise.
struct ParticipantSide : ParticipantHost {
    Document doc;
    LearnView view{doc};
    ManualClock clock;
    QtRandomSource random{11};
    HeadlessExerciseHost host{clock};
    Exercise ex{doc, view, clock, random, host};
    ExerciseDriver driver{ex, clock};
    NetParticipant participant{ex, *this};
    int loads = 0;

    ParticipantSide() {
        ex.SetPanelSize(QSize(900, 600));
        view.SetViewSize(700, 600);
    }
    bool LoadDocument(const QString& path) override {
        ++loads;
        const bool ok = ReadDocumentFile(path, doc, false).ok;
        view.DocumentLoaded();
        return ok;
    }
    bool StartRun() override {
        driver.Restart();
        return ex.StartExercise(false, 0, 1);
    }
    void Move(const QString& line) {
        QString message;
        ASSERT_EQ(driver.Apply(line, message), ExerciseDriver::Result::Done)
            << line.toStdString() << ": " << message.toStdString();
    }
};

class NetExerciseTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Four labels; texts sort as the objects are numbered.
        rig.Add(TypAbfrage, "Alpha", 0.2, 0.1);
        rig.Add(TypFix, "Titel", 0.5, 0.05);
        rig.Add(TypAbfrage, "Beta", 0.2, 0.3);
        rig.Add(TypAbfrage, "Gamma", 0.2, 0.5);
        rig.Add(TypAbfrage, "Delta", 0.2, 0.7);
        rig.view->SetViewSize(700, 600);
        rig.view->DocumentLoaded();
        folder = dir.path();
        channel = test::UniqueChannel("X");
    }
    void TearDown() override { teacher.End(); }

    void Initiate() {
        const NetTeacher::Initiation init =
            teacher.Initiate(rig.doc, options, kDefaultGradingBoundaries, folder, channel);
        ASSERT_TRUE(init.errors.isEmpty()) << init.errors.join('\n').toStdString();
        ASSERT_TRUE(teacher.MasterMailslot.Active());
        ASSERT_TRUE(teacher.WriteMarker().isEmpty());
    }
    QString Cell(int row, int column) const {
        const auto& rows = teacher.grid.Rows();
        if (row >= rows.size() || column >= rows[row].size()) return {};
        return rows[row][column];
    }
    bool WaitForCell(int row, int column, const QString& text) {
        return SpinUntil([&] { return Cell(row, column) == text; });
    }
    // The grid column of an object: after the fixed ones, by its teacher number.
    int ColumnOf(int object) const {
        return TeacherGrid::kFixedColumns - 1 + TeacherNumbers(rig.doc)[object];
    }

    test::ScriptedPrompter prompter;
    test::ExerciseRig rig;
    QTemporaryDir dir;
    QString folder, channel;
    ExerciseOptions options;
    // The teacher's role lives in the state of its own exercise.
    NetTeacher teacher{rig.ex->ueb};
};

TEST_F(NetExerciseTest, InitiationWritesTheFilesAndTheInformation) {
    options.Zuordnungsziele = 0;
    Initiate();
    EXPECT_TRUE(NetworkFilesPresent(folder, channel));
    EXPECT_EQ(rig.ex->ueb.NetRole, 2);
    EXPECT_EQ(teacher.grid.Header().size(), 13 + 4);
    EXPECT_EQ(TeacherNumbers(rig.doc), (std::vector<int>{1, 0, 2, 3, 4}));
    const QStringList info = teacher.info.split("\r\n");
    EXPECT_EQ(info[0], "<tit>Netzwerk-Übung");
    EXPECT_TRUE(info.contains("Teilnehmername:\t(Initiator der Netzwerk-Übung)"));
    EXPECT_TRUE(info.contains("Kommunikationskanal:\t" + channel));
    const qsizetype sol = info.indexOf("<tit>Lösungen");
    ASSERT_GT(sol, 0);
    EXPECT_EQ(info.mid(sol + 3, 4),
              (QStringList{"1 - Alpha", "2 - Beta", "3 - Gamma", "4 - Delta"}));
    // The individual exercise is refused while this PC is the teacher.
    EXPECT_FALSE(rig.ex->StartExercise(false, 0, 0));
    EXPECT_EQ(prompter.count("info"), 1);

    const QString best = teacher.BestListPath();
    QFile(best).open(QIODevice::WriteOnly);
    teacher.End();
    EXPECT_FALSE(NetworkFilesPresent(folder, channel));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{channel + "-qlxnetzuebung.hsc"});
    EXPECT_EQ(rig.ex->ueb.NetRole, 0);
}

TEST(TeacherNumberKey, NumbersPadLettersWrap) {
    EXPECT_EQ(TeacherNumberKey(7, 0), "   7");
    EXPECT_EQ(TeacherNumberKey(1, 1), "A");
    EXPECT_EQ(TeacherNumberKey(26, 1), "Z");
    EXPECT_EQ(TeacherNumberKey(27, 1), "A'");
    EXPECT_EQ(TeacherNumberKey(53, 1), "A''");
}

TEST_F(NetExerciseTest, WrongThreeTimesThenRightWithRandomNumbering) {
    options.Zuordnungsziele = 1; // the participant numbers its fields at random
    Initiate();
    ParticipantSide p;
    ASSERT_TRUE(p.participant.JoinNetworkExercise(folder, channel, "Anna"));
    EXPECT_EQ(p.ex.ueb.NetRole, 1);
    EXPECT_EQ(p.ex.ueb.ParticipantId.size(), 30);
    ASSERT_TRUE(WaitForCell(0, 2, "Anna"));
    EXPECT_EQ(Cell(0, 3), "aktiv");

    // Field 3 ("Gamma") gets three wrong cards, then its own.
    for (int card : {0, 2, 4})
        p.Move(QString("drop %1 3").arg(card));
    p.Move("drop 3 3");
    ASSERT_TRUE(WaitForCell(0, ColumnOf(3), "fff ok"));
    EXPECT_EQ(Cell(0, 8), "3");
    for (int obj : {0, 2, 4})
        p.Move(QString("drop %1 %1").arg(obj));
    ASSERT_TRUE(WaitForCell(0, 3, "fertig"));
    EXPECT_EQ(Cell(0, ColumnOf(0)), "ok");
    EXPECT_EQ(Cell(0, 7), "4");
    EXPECT_EQ(Cell(0, 10), "0");
    EXPECT_EQ(Cell(0, 11), "57.1 %"); // 4 right of 4 + 3 wrong
    ASSERT_TRUE(SpinUntil([&] { return QFile::exists(teacher.BestListPath()); }));
    const BestListLoadResult list = LoadBestList(teacher.BestListPath(), true);
    ASSERT_EQ(list.entries.size(), 1);
    EXPECT_EQ(list.entries[0].Name, "Anna");
    EXPECT_NEAR(list.entries[0].Leistung, 4.0 / 7, 1e-12);
    EXPECT_DOUBLE_EQ(list.entries[0].Beginn, p.ex.ueb.StartTime);
}

TEST_F(NetExerciseTest, TimeLimitEndsWithTimeoutAndABestListEntry) {
    options.ZeitLimit = 1;
    options.ZLimitMin = "0";
    options.ZLimitSek = "5";
    Initiate();
    EXPECT_EQ(teacher.grid.Header()[5], "Restzeit");
    ParticipantSide p;
    ASSERT_TRUE(p.participant.JoinNetworkExercise(folder, channel, "Tim"));
    p.Move("drop 0 0");
    p.Move("wait 6");
    EXPECT_EQ(p.ex.ueb.EndReason, EndTimeLimit);
    ASSERT_TRUE(WaitForCell(0, 3, "timeout"));
    EXPECT_EQ(Cell(0, 5), "00:00");
    ASSERT_TRUE(
        SpinUntil([&] { return LoadBestList(teacher.BestListPath(), true).entries.size() == 1; }));
    EXPECT_NEAR(LoadBestList(teacher.BestListPath(), true).entries[0].Leistung, 0.25, 1e-12);
}

TEST_F(NetExerciseTest, AbortReportsAndGivesNoBestListEntry) {
    Initiate();
    ParticipantSide p;
    ASSERT_TRUE(p.participant.JoinNetworkExercise(folder, channel, "Abi"));
    p.Move("drop 0 0");
    prompter.answers.push_back(YesNoCancel::Yes);
    p.Move("abort");
    EXPECT_EQ(p.ex.ueb.NetRole, 0);
    ASSERT_TRUE(WaitForCell(0, 3, "abgebr."));
    SpinUntil([] { return false; }, 300);
    EXPECT_FALSE(QFile::exists(teacher.BestListPath()));
}

TEST_F(NetExerciseTest, RepeatOnlyWhileJoiningIsAllowed) {
    Initiate();
    ParticipantSide p;
    ASSERT_TRUE(p.participant.JoinNetworkExercise(folder, channel, "Rita"));
    for (int obj : {0, 2, 3, 4})
        p.Move(QString("drop %1 %1").arg(obj));
    ASSERT_FALSE(p.ex.Running());
    const QString firstId = p.ex.ueb.ParticipantId;

    ASSERT_TRUE(teacher.SetJoinAllowed(false).isEmpty());
    EXPECT_FALSE(teacher.JoinAllowed());
    EXPECT_FALSE(NetworkFilesPresent(folder, channel));
    EXPECT_FALSE(p.participant.RepeatNetworkExercise());
    EXPECT_EQ(prompter.texts("info").last(), NetParticipant::RepeatRefusedText());

    ASSERT_TRUE(teacher.SetJoinAllowed(true).isEmpty());
    ASSERT_TRUE(p.participant.RepeatNetworkExercise());
    EXPECT_NE(p.ex.ueb.ParticipantId, firstId);
    ASSERT_TRUE(WaitForCell(1, 2, "Rita"));
    EXPECT_EQ(Cell(1, 0), "2");
}

TEST_F(NetExerciseTest, DamagedSettingsFileFailsTheJoinAndKeepsTheDocument) {
    Initiate();
    const QString settings = NetworkFilePath(folder, channel, netfile::kSettings);
    QFile f(settings);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("\x11\x00\x00\x00qlxnetzuebung.dat\xff\xff\xff\x7f", 25);
    f.close();
    ParticipantSide p;
    EXPECT_FALSE(p.participant.JoinNetworkExercise(folder, channel, "Dan"));
    EXPECT_EQ(prompter.texts("error"),
              QStringList{"Fehler beim Einlesen der Datei \"" + settings + "\""});
    EXPECT_EQ(p.loads, 0);
    EXPECT_EQ(p.ex.ueb.NetRole, 0);
}

TEST_F(NetExerciseTest, DamagedDocumentCopyFailsTheJoin) {
    Initiate();
    QFile f(NetworkFilePath(folder, channel, netfile::kDocument));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("BWK-2.10 and then nothing");
    f.close();
    ParticipantSide p;
    EXPECT_FALSE(p.participant.JoinNetworkExercise(folder, channel, "Dan"));
    EXPECT_FALSE(p.ex.Active());
    EXPECT_EQ(p.ex.ueb.NetRole, 0);
}

TEST_F(NetExerciseTest, GradingScaleOfTheTeacherTravels) {
    Initiate();
    ParticipantSide p;
    p.ex.grading = {1.0, 0.95, 0.9, 0.8, 0.7, 0.6, 0.0};
    ASSERT_TRUE(p.participant.JoinNetworkExercise(folder, channel, "Gabi"));
    EXPECT_EQ(p.ex.ueb.NoteMinQuote, kDefaultGradingBoundaries);
}

TEST_F(NetExerciseTest, MarkerIsNotWrittenBesideAMissingCopy) {
    folder = dir.path() + "/fehlt";
    const NetTeacher::Initiation init =
        teacher.Initiate(rig.doc, options, kDefaultGradingBoundaries, folder, channel);
    EXPECT_FALSE(init.filesWritten);
    EXPECT_EQ(init.errors.size(), 2); // the copy and the settings file
    EXPECT_FALSE(teacher.WriteMarker().isEmpty());
    EXPECT_FALSE(QFile::exists(NetworkFilePath(folder, channel, netfile::kMarker)));
}

} // namespace
} // namespace bw
