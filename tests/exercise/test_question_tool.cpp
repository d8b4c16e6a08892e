// brettwerk-tool on the question samples: the generated layout as the view holds it, and an
// exercise driven by answer, tick and ok.

#include "support/testfiles.h"
#include "support/toolrun.h"

#include <QJsonArray>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

using bw::test::RunTool;
using bw::test::Sample;
using bw::test::ToolRun;

int CountTyp(const QJsonObject& dump, int typ) {
    int n = 0;
    for (const auto& o : dump[QStringLiteral("objects")].toArray())
        n += o.toObject()[QStringLiteral("Typ")].toInt() == typ;
    return n;
}

TEST(QuestionTool, DumpGeneratedShowsTheMultipleChoiceLayoutThatTheFileLeavesOut) {
    const QString file = Sample(QStringLiteral("insel-multiple-choice.bwk"));
    const ToolRun stored = RunTool({QStringLiteral("dump"), file});
    ASSERT_EQ(stored.status, 0) << stored.err.toStdString();
    EXPECT_EQ(stored.json[QStringLiteral("objects")].toArray().size(), 3);
    const ToolRun gen = RunTool({QStringLiteral("dump"), QStringLiteral("--generated"), file});
    ASSERT_EQ(gen.status, 0) << gen.err.toStdString();
    EXPECT_EQ(
        gen.json[QStringLiteral("header")].toObject()[QStringLiteral("AnzFrageNummern")].toInt(),
        3);
    EXPECT_EQ(gen.json[QStringLiteral("CurrentQuestion")].toInt(), 1);
    EXPECT_EQ(CountTyp(gen.json, 24), 13);
    EXPECT_EQ(CountTyp(gen.json, 25), 9);
    EXPECT_EQ(CountTyp(gen.json, 27), 4);
    EXPECT_EQ(CountTyp(gen.json, 23), 1);
    EXPECT_EQ(CountTyp(gen.json, 26), 3);
    EXPECT_EQ(CountTyp(gen.json, 16), 1);
    EXPECT_EQ(
        RunTool({QStringLiteral("dump"), QStringLiteral("--view"), QStringLiteral("9x9"), file})
            .status,
        2);
}

TEST(QuestionTool, SingleQuestionSampleIsSolvedByAnsweringEachQuestion) {
    const QString file = Sample(QStringLiteral("insel-fragen.bwk"));
    const QStringList opts{QStringLiteral("exercise"), file, QStringLiteral("--seed"),
                           QStringLiteral("5")};
    const ToolRun first = RunTool(opts);
    ASSERT_EQ(first.status, 0) << first.err.toStdString();
    const int asked = first.json[QStringLiteral("AskedCount")].toInt();
    ASSERT_EQ(asked, 6);
    // Each answer card's caption names its object; the right one is the open position asked.
    QByteArray moves;
    const QJsonArray order = first.json[QStringLiteral("Order")].toArray();
    for (int i = 0; i < order.size(); ++i) {
        const int k = (first.json[QStringLiteral("CurrentIndex")].toInt() + i) % order.size();
        moves += "answer " +
                 QByteArray::number(order[k].toObject()[QStringLiteral("Position")].toInt()) + '\n';
    }
    const ToolRun run = RunTool(opts, moves);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.json[QStringLiteral("RightCount")].toInt(), 6) << run.err.toStdString();
    EXPECT_EQ(run.json[QStringLiteral("EndReason")].toInt(), 1);
    EXPECT_TRUE(run.json[QStringLiteral("LogText")].toString().contains(
        QStringLiteral("Antwortmöglichkeiten: ")));
    const QJsonArray cards = first.json[QStringLiteral("AnswerCards")].toArray();
    EXPECT_GE(cards.size(), 2);
    EXPECT_LE(cards.size(), 6);
}

TEST(QuestionTool, MultipleChoiceSampleTakesTicksAndOk) {
    const QStringList opts{
        QStringLiteral("exercise"), Sample(QStringLiteral("insel-multiple-choice.bwk")),
        QStringLiteral("--seed"),   QStringLiteral("2"),
        QStringLiteral("--set"),    QStringLiteral("UebOptFragen-Zuordnungsziele=0")};
    const ToolRun first = RunTool(opts);
    ASSERT_EQ(first.status, 0) << first.err.toStdString();
    EXPECT_EQ(first.json[QStringLiteral("CurrentQuestion")].toInt(), 1);
    // Question 1: Lindau, Südmünde and Nordhafen apply.
    QByteArray moves;
    for (const auto& c : first.json[QStringLiteral("AnswerCards")].toArray()) {
        const QJsonObject card = c.toObject();
        const QString answer = card[QStringLiteral("Answer")].toString();
        if (answer == QStringLiteral("Lindau") || answer == QStringLiteral("Südmünde") ||
            answer == QStringLiteral("Nordhafen"))
            moves += "tick " + QByteArray::number(card[QStringLiteral("Object")].toInt()) + '\n';
    }
    moves += "ok\nok\n";
    const ToolRun run = RunTool(opts, moves);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.json[QStringLiteral("RightCount")].toInt(), 1);
    EXPECT_EQ(run.json[QStringLiteral("WrongCount")].toInt(), 1);
    EXPECT_EQ(run.json[QStringLiteral("CurrentQuestion")].toInt(), 3);
    EXPECT_TRUE(run.json[QStringLiteral("LogText")].toString().contains(
        QStringLiteral("FALSCH - Gewählte Antwort(en): - keine -")));
}

} // namespace
