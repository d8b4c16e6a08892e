#include "exercise/uebdata.h"
#include "network/netmessages.h"
#include "network/teachergrid.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

QString Text(const QStringList& lines) {
    QString t;
    for (const QString& l : lines)
        t += l + QStringLiteral("\r\n");
    return t;
}

// A participant id: the letters given, filled up to the 30 capitals participants use.
QString Id(const QString& letters) {
    return letters.leftJustified(30, u'Q');
}

// A participant's run as the reports see it.
UebDataTyp ParticipantRun(const QString& id, const QString& name) {
    UebDataTyp u;
    u.ParticipantId = id;
    u.ParticipantName = name;
    u.StartTime = 46000.5; // 12:00:00
    u.AskedCount = 3;
    return u;
}

class GridTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Objects 0..3: object 1 is not asked, the others carry teacher numbers 2, 1, 3.
        grid.Prepare(3, false, {2, 0, 1, 3});
    }
    TeacherGrid::Outcome Send(const QString& computer, const QStringList& lines) {
        return grid.HandleMessage(computer, Text(lines));
    }
    TeacherGrid grid;
};

TEST_F(GridTest, HeaderHasThirteenFixedColumnsAndOnePerNumber) {
    TeacherGrid g;
    std::vector<int> numbers(25);
    for (int i = 0; i < 25; ++i)
        numbers[i] = i + 1;
    g.Prepare(25, true, numbers);
    ASSERT_EQ(g.Header().size(), 38);
    EXPECT_EQ(g.Header()[5], "Restzeit");
    EXPECT_EQ(g.Header()[13], "1");
    EXPECT_EQ(g.Header()[37], "25");
    EXPECT_EQ(g.Rows().size(), 1); // one empty data row before anyone registers
    EXPECT_EQ(grid.Header()[5], "Zeit");
}

TEST_F(GridTest, ThreeWrongThenRightGivesFffOkInThatColumn) {
    UebDataTyp u = ParticipantRun(Id("AAA"), "Anna");
    EXPECT_TRUE(Send("PC-07", InitMessage(u)).added);
    for (int f = 1; f <= 3; ++f) {
        u.WrongCount = f;
        Send("PC-07", ActionMessage(u, 0, -5, f, "00:0" + QString::number(f)));
    }
    u.RightCount = 1;
    u.OpenCount = 2;
    u.SuccessQuota = 0.25;
    u.Performance = 1.0 / 6;
    const auto o = Send("PC-07", ActionMessage(u, 0, 0, 3, "00:05"));
    EXPECT_EQ(o.row, 0);
    const QStringList& row = grid.Rows()[0];
    EXPECT_EQ(row[0], "1");
    EXPECT_EQ(row[1], "PC-07");
    EXPECT_EQ(row[2], "Anna");
    EXPECT_EQ(row[3], "aktiv");
    EXPECT_EQ(row[4], "12:00:00");
    EXPECT_EQ(row[5], "00:05");
    EXPECT_EQ(row[6], "3");
    EXPECT_EQ(row[7], "1");
    EXPECT_EQ(row[8], "3");
    EXPECT_EQ(row[9], "25.0 %");
    EXPECT_EQ(row[10], "2");
    EXPECT_EQ(row[11], "16.7 %");
    EXPECT_EQ(row[12], "6");
    EXPECT_EQ(row[13 + 1], "fff ok"); // object 0 has teacher number 2
    EXPECT_EQ(row[13], "");
}

TEST_F(GridTest, TickAndCrossStates) {
    UebDataTyp u = ParticipantRun(Id("B"), "Ben");
    Send("x", InitMessage(u));
    Send("x", ActionMessage(u, 2, -2, 0, "00:01")); // green tick: solved
    Send("x", ActionMessage(u, 3, -3, 1, "00:02")); // red cross: not solved
    EXPECT_EQ(grid.Rows()[0][13], "ok");
    EXPECT_EQ(grid.Rows()[0][15], "f");
}

TEST_F(GridTest, EndStatusTexts) {
    UebDataTyp u = ParticipantRun(Id("C"), "Cem");
    Send("x", InitMessage(u));
    for (int reason : {1, 2, 3}) {
        u.EndReason = reason;
        Send("x", FinishMessage(u, "01:00"));
        EXPECT_EQ(grid.Rows()[0][3], StatusText(reason));
        EXPECT_EQ(grid.Rows()[0][5], "01:00");
    }
    EXPECT_EQ(StatusText(3), "timeout");
    EXPECT_EQ(StatusText(2), "abgebr.");
}

TEST_F(GridTest, UnknownIdsAndOtherKeywordsChangeNothing) {
    UebDataTyp u = ParticipantRun(Id("D"), "Dora");
    Send("x", InitMessage(u));
    const QString before = grid.GridText();
    EXPECT_EQ(Send("x", ActionMessage(ParticipantRun(Id("ZZZ"), ""), 0, 0, 0, "00:01")).row, -1);
    EXPECT_EQ(Send("x", {"TN-FERTIG", Id("ZZZ"), "1", "00:01"}).row, -1);
    EXPECT_EQ(Send("x", {"TN-UNBEKANNT", "D"}).row, -1);
    EXPECT_EQ(Send("x", {}).row, -1);
    EXPECT_EQ(grid.GridText(), before);
}

TEST_F(GridTest, FieldsThatAreNotNumbersCountAsZero) {
    Send("x", InitMessage(ParticipantRun(Id("E"), "Emil")));
    Send("x", {"TN-AKTION", Id("E"), "abc", "0", "zwei", "x", "t", "n", "7", "?", "", "00:01",
               "50.0", "50.0", "eins"});
    const QStringList& row = grid.Rows()[0];
    EXPECT_EQ(row[3], "aktiv"); // EndReason "x" is 0
    EXPECT_EQ(row[6], "0");
    EXPECT_EQ(row[7], "7");
    EXPECT_EQ(row[8], "0");
    EXPECT_EQ(row[12], "0");
    // Object "abc" is object 0 (number 2); "zwei" wrong attempts are none.
    EXPECT_EQ(row[14], "ok");
}

TEST_F(GridTest, HostileValuesStayBounded) {
    Send(QString(5000, u'C'), {"TN-INIT", Id("F"), QString(5000, u'N'), "t"});
    // Object indexes out of range, a number beyond the columns, a huge count of attempts.
    Send("x", {"TN-AKTION", Id("F"), "99", "0", "1"});
    Send("x", {"TN-AKTION", Id("F"), "-1", "0", "1"});
    Send("x", {"TN-AKTION", Id("F"), "2", "-5", "2147483647"});
    Send("x", {"TN-AKTION", Id("F")}); // short
    const QStringList& row = grid.Rows()[0];
    EXPECT_EQ(row[1].size(), TeacherGrid::kMaxCellChars);
    EXPECT_EQ(row[2].size(), TeacherGrid::kMaxCellChars);
    EXPECT_EQ(row[13], QString(TeacherGrid::kMaxCellChars, u'f'));
    for (const QString& cell : row)
        EXPECT_LE(cell.size(), TeacherGrid::kMaxCellChars + 2);
    EXPECT_EQ(grid.GridText().count(u'\n'), 2);
}

TEST_F(GridTest, SameComputerJoiningTwiceGetsTwoRows) {
    Send("PC-01", InitMessage(ParticipantRun(Id("GA"), "Gina")));
    Send("PC-01", InitMessage(ParticipantRun(Id("GB"), "Gina")));
    // A repeated report under a known id does not take over the row.
    EXPECT_FALSE(Send("PC-99", InitMessage(ParticipantRun(Id("GA"), "Mallory"))).added);
    ASSERT_EQ(grid.Rows().size(), 2);
    EXPECT_EQ(grid.Rows()[0][1], "PC-01");
    EXPECT_EQ(grid.Rows()[1][0], "2");
    EXPECT_EQ(grid.Rows()[1][1], "PC-01");
    EXPECT_EQ(grid.Rows()[0][2], "Gina");
}

TEST_F(GridTest, RegistrationsAreBounded) {
    for (int i = 0; i < TeacherGrid::kMaxParticipants + 50; ++i) {
        const QString letters =
            QString(QChar(u'A' + i / 676)) + QChar(u'A' + i / 26 % 26) + QChar(u'A' + i % 26);
        Send("x", InitMessage(ParticipantRun(Id(letters), "n")));
    }
    EXPECT_EQ(grid.ParticipantCount(), TeacherGrid::kMaxParticipants);
    EXPECT_EQ(grid.Rows().size(), TeacherGrid::kMaxParticipants);
}

TEST_F(GridTest, BestListReportsAreEnteredForAnyIdButOnceEach) {
    UebDataTyp u = ParticipantRun(Id("H"), "");
    u.StartTime = 46000.25;
    u.Performance = 0.875;
    // Not registered (the teacher re-initiated): entered all the same, name kept empty.
    const auto o = Send("PC-3", BestListMessage(u, "PC-3", 95000));
    ASSERT_TRUE(o.bestList);
    EXPECT_EQ(o.bestList->Name, "");
    EXPECT_EQ(o.bestList->Rechner, "PC-3");
    EXPECT_DOUBLE_EQ(o.bestList->Beginn, 46000.25);
    EXPECT_EQ(o.bestList->Dauer, 95000);
    EXPECT_DOUBLE_EQ(o.bestList->Leistung, 0.875);
    EXPECT_FALSE(Send("PC-3", BestListMessage(u, "PC-3", 95000)).bestList);
    // A decimal comma, as a teacher on a German locale reads it.
    const auto c = Send("x", {"TN-BESTLIST", Id("I"), "Ida", "PC", "46000,5", "1", "0,5"});
    ASSERT_TRUE(c.bestList);
    EXPECT_DOUBLE_EQ(c.bestList->Beginn, 46000.5);
    EXPECT_DOUBLE_EQ(c.bestList->Leistung, 0.5);
    const auto bad = Send("x", {"TN-BESTLIST", Id("J"), "Jo", "PC", "nan", "x", "inf"});
    ASSERT_TRUE(bad.bestList);
    EXPECT_EQ(bad.bestList->Beginn, 0);
    EXPECT_EQ(bad.bestList->Leistung, 0);
    // Ids not of the participants' shape and results no run can have are not entered.
    EXPECT_FALSE(Send("x", {"TN-BESTLIST", "kurz", "Jo", "PC", "1", "1", "0.5"}).bestList);
    EXPECT_FALSE(Send("x", {"TN-BESTLIST", Id("L"), "Jo", "PC", "1", "1", "1.5"}).bestList);
    EXPECT_FALSE(Send("x", {"TN-BESTLIST", Id("M"), "Jo", "PC", "1", "-1", "0.5"}).bestList);
}

TEST_F(GridTest, RegistrationNeedsAParticipantId) {
    for (const QString& id :
         {QString(), QString("ABC"), QString(30, u'a'), Id("A1"), QString(31, u'A')})
        EXPECT_FALSE(Send("x", {"TN-INIT", id, "n", "t"}).added) << id.toStdString();
    EXPECT_EQ(grid.ParticipantCount(), 0);
}

TEST_F(GridTest, GridTextIsTabSeparatedWithHeader) {
    Send("PC", InitMessage(ParticipantRun(Id("K"), "Kai")));
    const QStringList lines = grid.GridText().split("\r\n");
    ASSERT_EQ(lines.size(), 3); // header, one row, nothing after the last break
    EXPECT_TRUE(lines[0].startsWith("Nr.\tRechner\tTeilnehmer\tStatus"));
    EXPECT_EQ(lines[1].count(u'\t'), 15);
    EXPECT_TRUE(lines[2].isEmpty());
}

} // namespace
} // namespace bw
