// brettwerk-tool exercise on the bundled samples: solvable, scripted, strict about input.

#include "support/testfiles.h"
#include "support/toolrun.h"

#include <QJsonArray>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

using bw::test::RunTool;
using bw::test::Sample;
using bw::test::SolvingMoves;
using bw::test::ToolRun;

ToolRun Exercise(const QString& sample, const QStringList& extra, const QByteArray& moves) {
    return RunTool(QStringList{QStringLiteral("exercise"), Sample(sample)} + extra, moves);
}

TEST(ExerciseTool, BothSamplesCanBeSolvedInEveryMode) {
    for (const char* sample : {"insel-karte.bwk", "insel-lueckentext.bwk"}) {
        for (int mode = 0; mode < 3; ++mode) {
            SCOPED_TRACE(testing::Message() << sample << " mode " << mode);
            const QStringList opts{QStringLiteral("--seed"), QStringLiteral("3"),
                                   QStringLiteral("--set"),
                                   QStringLiteral("UebOpt-AbfrageModus=%1").arg(mode)};
            const ToolRun first = Exercise(QString::fromLatin1(sample), opts, {});
            ASSERT_EQ(first.status, 0) << first.err.toStdString();
            ASSERT_GT(first.json[QStringLiteral("AskedCount")].toInt(), 2);
            // In the single modes each card is offered in turn: solve in the order asked.
            QByteArray moves;
            const QJsonArray order = first.json[QStringLiteral("Order")].toArray();
            for (int i = 0; i < order.size(); ++i) {
                const int k =
                    (first.json[QStringLiteral("CurrentIndex")].toInt() + i) % order.size();
                const QJsonObject e = order[k].toObject();
                const int obj = mode == 2 ? e[QStringLiteral("Position")].toInt()
                                          : e[QStringLiteral("Card")].toInt();
                moves += "wait 1\ndrop " + QByteArray::number(obj) + ' ' + QByteArray::number(obj) +
                         '\n';
            }
            const ToolRun solved = Exercise(QString::fromLatin1(sample), opts, moves);
            EXPECT_EQ(solved.status, 0);
            EXPECT_EQ(solved.json[QStringLiteral("EndReason")].toInt(), 1)
                << solved.err.toStdString();
            EXPECT_EQ(solved.json[QStringLiteral("WrongCount")].toInt(), 0);
            EXPECT_EQ(solved.json[QStringLiteral("OpenCount")].toInt(), 0);
            // The same seed gives the same run, log times included; only the date differs.
            QJsonObject again = Exercise(QString::fromLatin1(sample), opts, moves).json;
            QJsonObject before = solved.json;
            for (QJsonObject* o : {&again, &before}) {
                o->remove(QStringLiteral("StartTime"));
                QStringList header = (*o)[QStringLiteral("HeaderText")].toString().split(u'\n');
                header.removeIf([](const QString& l) { return l.startsWith(u"Datum/Uhrzeit"); });
                (*o)[QStringLiteral("HeaderText")] = header.join(u'\n');
            }
            EXPECT_TRUE(again == before);
        }
    }
}

TEST(ExerciseTool, RepeatAsksTheWrongObjectsAgain) {
    const QStringList opts{QStringLiteral("--seed"),   QStringLiteral("5"),
                           QStringLiteral("--repeat"), QStringLiteral("1"),
                           QStringLiteral("--name"),   QStringLiteral("Ole")};
    const ToolRun first = Exercise(QStringLiteral("insel-karte.bwk"), opts, {});
    const QJsonArray order = first.json[QStringLiteral("Order")].toArray();
    const int a = order[0].toObject()[QStringLiteral("Card")].toInt();
    const int b = order[1].toObject()[QStringLiteral("Card")].toInt();
    QByteArray moves = "drop " + QByteArray::number(a) + ' ' + QByteArray::number(b) + '\n';
    moves += SolvingMoves(first.json);
    const ToolRun r = Exercise(QStringLiteral("insel-karte.bwk"), opts, moves);
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_LT(r.json[QStringLiteral("AskedCount")].toInt(),
              r.json[QStringLiteral("TotalCount")].toInt());
    EXPECT_EQ(r.json[QStringLiteral("AskedCount")].toInt(), 2); // card a and field b
    EXPECT_EQ(r.json[QStringLiteral("EnteredName")].toString(), QStringLiteral("Ole"));
}

TEST(ExerciseTool, BadInputStopsWithStatusTwoAndNamesTheLine) {
    const ToolRun bad = Exercise(QStringLiteral("insel-karte.bwk"), {}, "wait 1\nfly 3\n");
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("Zeile 2"))) << bad.err.toStdString();
    const ToolRun unknown = Exercise(QStringLiteral("insel-karte.bwk"),
                                     {QStringLiteral("--set"), QStringLiteral("UebOpt-Nix=1")}, {});
    EXPECT_EQ(unknown.status, 2);
    const ToolRun range =
        Exercise(QStringLiteral("insel-karte.bwk"),
                 {QStringLiteral("--set"), QStringLiteral("uebopt-abfragemodus=7")}, {});
    EXPECT_EQ(range.status, 2);
    const ToolRun skipped = Exercise(QStringLiteral("insel-karte.bwk"), {}, "drop 999 0\n");
    EXPECT_EQ(skipped.status, 0);
    EXPECT_TRUE(skipped.err.contains(QStringLiteral("Zeile 1"))) << skipped.err.toStdString();
}

} // namespace
