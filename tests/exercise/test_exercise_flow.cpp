// The run as a whole: single modes, withheld feedback, the clock and time limit, repeats,
// the messages of refused starts and the move driver.

#include "exercise/exerciseoptions.h"
#include "exerciserig.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <set>

namespace bw::test {
namespace {

void AddThree(ExerciseRig& rig, int typ = TypAbfrage) {
    rig.Add(typ, QStringLiteral("Elbe"), 0.2, 0.2);
    rig.Add(typ, QStringLiteral("Donau"), 0.5, 0.4);
    rig.Add(typ, QStringLiteral("Rhein"), 0.3, 0.7);
}

TEST(ExerciseSingleTexts, RedCrossClosesTheFieldAndItsCardIsNeverOfferedAgain) {
    ExerciseRig rig;
    rig.ex->options.AbfrageModus = ModusEinzelTexte;
    rig.ex->options.ZuordnungFalsch = 1;
    AddThree(rig);
    ASSERT_TRUE(rig.Start());
    const int first = rig.VisibleCardObject();
    ASSERT_GE(first, 0);
    int wrongField = first == 0 ? 1 : 0;
    rig.Move(QStringLiteral("drop %1 %2").arg(first).arg(wrongField));
    EXPECT_EQ(rig.State(wrongField), StateFalsch);
    EXPECT_EQ(rig.host->wrongSounds, 1);
    std::set<int> offered;
    for (int guard = 0; guard < 10 && rig.ex->Running(); ++guard) {
        const int card = rig.VisibleCardObject();
        ASSERT_GE(card, 0) << "no card offered while fields are open";
        offered.insert(card);
        rig.Move(QStringLiteral("drop %1 %2").arg(card).arg(card));
    }
    EXPECT_EQ(offered.count(wrongField), 0u);
    EXPECT_EQ(rig.ex->ueb.EndReason, EndFinished);
    EXPECT_EQ(rig.ex->ueb.RightCount, 2);
    // The crossed field is not open: the run ended with nothing open.
    EXPECT_EQ(rig.ex->ueb.OpenCount, 0);
}

TEST(ExerciseSingleTexts, OnlyOneCardIsVisibleAndCentred) {
    ExerciseRig rig;
    rig.ex->options.AbfrageModus = ModusEinzelTexte;
    AddThree(rig);
    ASSERT_TRUE(rig.Start());
    int shown = 0;
    for (const ExerciseCard& c : rig.ex->cards)
        if (c.shown()) {
            ++shown;
            EXPECT_EQ(c.rect.y(), (600 - kCardHeight) / 2);
            EXPECT_EQ(c.rect.x(), 900 - kCardWidth);
        }
    EXPECT_EQ(shown, 1);
}

TEST(ExerciseFreeAssignment, CardsStackInOrderAndWrapIntoLayers) {
    ExerciseRig rig;
    for (int i = 0; i < 30; ++i)
        rig.Add(TypAbfrage, QStringLiteral("T%1").arg(i, 2, 10, QLatin1Char('0')), 0.1, 0.02 * i);
    ASSERT_TRUE(rig.Start());
    const auto& cards = rig.ex->cards;
    // The last entry lies lowest; in one layer each earlier entry one card higher.
    EXPECT_EQ(cards.back().rect.topLeft(), QPoint(900 - kCardWidth, 600 - kCardHeight));
    EXPECT_EQ(cards[28].rect.top(), 600 - kCardHeight - 48);
    for (const ExerciseCard& c : cards)
        EXPECT_GE(c.rect.top(), 35 - 7 * 3);
    // 11 cards fit the first layer (y from 554 down to 74; 26 < 35 starts a new one).
    EXPECT_EQ(cards[29 - 10].rect.top(), 554 - 10 * 48);
    EXPECT_EQ(cards[29 - 11].rect.topLeft(), QPoint(900 - kCardWidth - 12, 554 - 7));
    EXPECT_EQ(cards[29 - 12].rect.topLeft(), QPoint(900 - kCardWidth - 12, 554 - 7 - 48));
    EXPECT_EQ(rig.ex->ueb.CardAreaLeft, cards.front().rect.left() - 5);
}

TEST(ExerciseFreeAssignment, AResizedPanelMovesTheColumnAndTheTargetsWithIt) {
    ExerciseRig rig;
    AddThree(rig);
    ASSERT_TRUE(rig.Start());
    const int area = rig.ex->ueb.CardAreaLeft;
    rig.ex->SetPanelSize(QSize(1000, 500));
    EXPECT_EQ(rig.ex->ueb.CardAreaLeft, area + 100);
    EXPECT_EQ(rig.ex->cards.back().rect.topLeft(), QPoint(1000 - kCardWidth, 500 - kCardHeight));
    EXPECT_EQ(rig.view->ViewSize(), QSize(area + 100, 500));
    // The fields were drawn anew: a card put on one's rectangle still finds it.
    const DoubleRect k = rig.view->Card(1).KRect;
    const QPoint tl = rig.ex->PageToPanel({k.left, (k.top + k.bottom) / 2});
    EXPECT_EQ(
        rig.ex->FindTarget(QRect(tl + QPoint(1, -kCardHeight / 2), QSize(kCardWidth, kCardHeight))),
        1);
}

TEST(ExerciseFeedbackWithheld, EveryReleaseClosesWithXAndStatusShowsQuestionMarks) {
    ExerciseRig rig;
    AddThree(rig);
    // Options received from elsewhere (a participant keeps the teacher's options).
    rig.ex->ueb.RiFaRueckmeldungItemIndex = 1;
    rig.ex->ueb.AbfrageModusItemIndex = ModusFrei;
    rig.ex->ueb.ZuordnungszieleItemIndex = 0;
    rig.ex->ueb.ParticipantName = QStringLiteral("  Mia ");
    ASSERT_TRUE(rig.Start(0, 1));
    rig.Move(QStringLiteral("drop 0 1"));
    EXPECT_EQ(rig.State(1), StateZugeordnet);
    EXPECT_EQ(rig.host->wrongSounds, 0);
    StatusTexts s = rig.ex->Status();
    EXPECT_EQ(s.right, QStringLiteral("?"));
    EXPECT_EQ(s.wrong, QStringLiteral("?"));
    EXPECT_EQ(s.quota, QStringLiteral("?"));
    EXPECT_EQ(s.performance, QStringLiteral("?"));
    EXPECT_EQ(s.name, QStringLiteral("Mia"));
    rig.Move(QStringLiteral("drop 1 0"));
    EXPECT_EQ(rig.ex->Status().right, QStringLiteral("?"));
    rig.Move(QStringLiteral("drop 2 2"));
    s = rig.ex->Status();
    EXPECT_EQ(rig.ex->ueb.EndReason, EndFinished);
    EXPECT_EQ(s.right, QStringLiteral("1"));
    EXPECT_EQ(s.wrong, QStringLiteral("2"));
    EXPECT_EQ(s.quota, QStringLiteral("33.3 %"));
    EXPECT_EQ(s.total, QStringLiteral("von  3"));
    // At the end the withheld feedback is shown: crosses where a wrong card was dropped.
    EXPECT_EQ(rig.State(0), StateFalsch);
    EXPECT_EQ(rig.State(1), StateFalsch);
    EXPECT_EQ(rig.State(2), Aufgedeckt);
}

TEST(ExerciseClock, ThreeMinuteLimitShows0259FirstAndEndsAt0000) {
    ScriptedPrompter prompter;
    ExerciseRig rig;
    rig.ex->options.ZeitLimit = 1;
    rig.ex->options.ZLimitMin = QStringLiteral("3");
    rig.ex->options.ZLimitSek = QStringLiteral("0");
    AddThree(rig);
    ASSERT_TRUE(rig.Start());
    EXPECT_EQ(rig.ex->ueb.ZeitLimitWert, 180);
    EXPECT_EQ(rig.ex->Status().clockCaption, QStringLiteral("Verbleibende Zeit:"));
    EXPECT_TRUE(rig.ex->ClockDisplay().isEmpty());
    rig.Move(QStringLiteral("wait 0.1"));
    EXPECT_EQ(rig.ex->ClockDisplay(), QStringLiteral("02:59"));
    rig.Move(QStringLiteral("wait 178.9"));
    EXPECT_EQ(rig.ex->ClockDisplay(), QStringLiteral("00:01"));
    EXPECT_TRUE(rig.ex->Running());
    rig.Move(QStringLiteral("wait 0.1"));
    EXPECT_EQ(rig.ex->ClockDisplay(), QStringLiteral("00:00"));
    EXPECT_FALSE(rig.ex->Running());
    EXPECT_EQ(rig.ex->ueb.EndReason, EndTimeLimit);
    EXPECT_EQ(rig.Log().last(),
              QStringLiteral("02:59 - Das Zeitlimit ist erreicht, die Übung wird beendet."));
    EXPECT_EQ(prompter.texts("info"),
              QStringList{QStringLiteral("Das Zeitlimit ist erreicht, die Übung wird beendet.")});
    EXPECT_EQ(rig.host->finishedCount, 1);
    // Moves after the end are refused.
    EXPECT_EQ(rig.Move(QStringLiteral("drop 0 0")), ExerciseDriver::Result::Skipped);
}

TEST(ExerciseClock, ZeroLimitEndsAtTheFirstTickAndElapsedMinutesGoBeyond59) {
    {
        ScriptedPrompter prompter;
        ExerciseRig rig;
        rig.ex->options.ZeitLimit = 1;
        rig.ex->options.ZLimitMin = QStringLiteral("0");
        rig.ex->options.ZLimitSek = QStringLiteral("0");
        AddThree(rig);
        ASSERT_TRUE(rig.Start());
        rig.Move(QStringLiteral("wait 0.1"));
        EXPECT_EQ(rig.ex->ueb.EndReason, EndTimeLimit);
    }
    ExerciseRig rig;
    AddThree(rig);
    ASSERT_TRUE(rig.Start());
    rig.Move(QStringLiteral("wait 3725"));
    EXPECT_EQ(rig.ex->ClockDisplay(), QStringLiteral("62:05"));
    EXPECT_EQ(rig.ex->Status().clockCaption, QStringLiteral("Benötigte Zeit:"));
}

TEST(ExerciseOptions, TimeFieldsAndCopyIntoTheRun) {
    EXPECT_EQ(TimeLimitSeconds(QStringLiteral("3"), QStringLiteral("0")), 180);
    EXPECT_EQ(TimeLimitSeconds(QStringLiteral(" 2 "), QStringLiteral("59")), 179);
    EXPECT_EQ(TimeLimitSeconds(QStringLiteral("x"), QStringLiteral("5")), 5);
    EXPECT_EQ(TimeLimitSeconds(QStringLiteral("60"), QStringLiteral("-1")), 0);
    ExerciseOptions o;
    o.AbfrageModus = 2;
    o.FragenZuordnungFalsch = 1;
    o.FragenZLimitMin = QStringLiteral("1");
    UebDataTyp u;
    u.RiFaRueckmeldungItemIndex = 1;
    ReadExerciseOptions(o, 0, {1, 0.9, 0.8, 0.7, 0.6, 0.5, 0}, u);
    EXPECT_EQ(u.AbfrageModusItemIndex, 2);
    EXPECT_EQ(u.RiFaRueckmeldungItemIndex, 0);
    EXPECT_EQ(u.NoteMinQuote[1], 0.9);
    ReadExerciseOptions(o, 2, {}, u);
    EXPECT_EQ(u.AbfrageModusItemIndex, 0);
    EXPECT_EQ(u.ZuordnungFalschItemIndex, 1);
    EXPECT_EQ(u.ZeitLimitWert, 60);
}

TEST(ExerciseRepeat, OnlyTheWronglyAnsweredObjectsAreAskedAgain) {
    ExerciseRig rig;
    AddThree(rig);
    ASSERT_TRUE(rig.Start());
    rig.Move(QStringLiteral("drop 0 1")); // wrong: field 1 and card 0 count
    rig.Move(QStringLiteral("drop 0 0"));
    rig.Move(QStringLiteral("drop 1 1"));
    rig.Move(QStringLiteral("drop 2 2"));
    ASSERT_EQ(rig.ex->ueb.EndReason, EndFinished);
    ASSERT_TRUE(rig.ex->StartExercise(false, 1, 0));
    EXPECT_EQ(rig.ex->ueb.TotalCount, 3);
    EXPECT_EQ(rig.ex->ueb.AskedCount, 2);
    EXPECT_EQ(rig.State(2), Aufgedeckt);
    EXPECT_EQ(rig.State(0), StateOffen);
    EXPECT_EQ(rig.ex->cards.size(), 2u);
    // A repeat with nothing wrong has nothing to ask and leaves the fields as they were.
    rig.Move(QStringLiteral("drop 0 0"));
    rig.Move(QStringLiteral("drop 1 1"));
    ScriptedPrompter prompter;
    EXPECT_FALSE(rig.ex->StartExercise(false, 1, 0));
    EXPECT_EQ(prompter.texts("info"),
              QStringList{QStringLiteral("Dieses Dokument enthält keine Abfrageobjekte.")});
}

TEST(ExerciseStart, RefusalsShowTheirMessagesAndChangeNothing) {
    ScriptedPrompter prompter;
    {
        ExerciseRig rig;
        rig.Add(TypFix, QStringLiteral("nur fest"), 0.5, 0.5);
        EXPECT_FALSE(rig.Start());
        EXPECT_FALSE(rig.ex->Active());
        EXPECT_EQ(rig.State(0), Aufgedeckt);
    }
    {
        ExerciseRig rig;
        AddThree(rig);
        rig.ex->ueb.NetRole = 1;
        EXPECT_FALSE(rig.Start());
        rig.ex->ueb.NetRole = 2;
        EXPECT_FALSE(rig.Start());
    }
    EXPECT_EQ(prompter.texts("info"),
              (QStringList{QStringLiteral("Dieses Dokument enthält keine Abfrageobjekte."),
                           QStringLiteral("Die aktuelle Netzwerk-Übung muss zunächst beendet "
                                          "werden, um eine eigene Übung starten zu können."),
                           QStringLiteral("Auf diesem Rechner wurde eine Netzwerk-Übung "
                                          "initiiert, die zuerst beendet werden muss. Daher kann "
                                          "im Moment keine eigene Übung gestartet werden.")}));
}

TEST(ExerciseAbort, AsksWhileRunningAndNoKeepsTheRun) {
    ScriptedPrompter prompter;
    ExerciseRig rig;
    AddThree(rig);
    ASSERT_TRUE(rig.Start());
    prompter.answers = {YesNoCancel::No, YesNoCancel::No, YesNoCancel::Yes};
    EXPECT_FALSE(rig.ex->AbortExercise());
    EXPECT_TRUE(rig.ex->Running());
    // Starting again asks the same question.
    EXPECT_FALSE(rig.ex->StartExercise(false, 0, 0));
    EXPECT_TRUE(rig.ex->Running());
    rig.Move(QStringLiteral("drop 0 1"));
    EXPECT_TRUE(rig.ex->AbortExercise());
    EXPECT_FALSE(rig.ex->Active());
    EXPECT_EQ(rig.ex->ueb.EndReason, EndAborted);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(rig.State(i), Aufgedeckt);
    EXPECT_FALSE(rig.view->exerciseRunning());
    EXPECT_EQ(prompter.texts("yesno"),
              QStringList(3, QStringLiteral("Die aktuelle Übung ist noch nicht beendet.\r\n"
                                            "Übung wirklich abbrechen?")));
}

TEST(ExerciseOrder, AlphabeticalIsCaseInsensitiveAndShufflesRepeatWithTheSeed) {
    ExerciseRig rig;
    rig.Add(TypAbfrage, QStringLiteral("banane"), 0.1, 0.9);
    rig.Add(TypAbfrage, QStringLiteral("Apfel"), 0.2, 0.1);
    rig.Add(TypAbfrage, QStringLiteral("Birne"), 0.3, 0.5);
    ASSERT_TRUE(rig.Start());
    std::vector<OrderEntry> expected{{1, 1}, {0, 2}, {2, 0}};
    EXPECT_EQ(rig.ex->order, expected);
    EXPECT_EQ(rig.doc.CurrentObjects[1].Nummer, 1);
    EXPECT_EQ(rig.doc.CurrentObjects[0].Nummer, 3);

    auto shuffled = [](quint32 seed) {
        ExerciseRig r;
        r.random = QtRandomSource(seed);
        r.ex->options.Zuordnungstexte = 1;
        r.ex->options.Zuordnungsziele = 2;
        for (int i = 0; i < 12; ++i)
            r.Add(TypAbfrage, QString::number(i), 0.1, 0.05 * i);
        r.Start();
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(r.doc.CurrentObjects[i].Nummer, 0); // question marks
        return r.ex->order;
    };
    EXPECT_EQ(shuffled(11), shuffled(11));
    EXPECT_NE(shuffled(11), shuffled(12));
}

TEST(ExerciseDriverMoves, MalformedAndRefusedMovesAndTheJson) {
    ExerciseRig rig;
    AddThree(rig);
    ASSERT_TRUE(rig.Start());
    QString message;
    EXPECT_EQ(rig.driver->Apply(QStringLiteral("jump 1"), message),
              ExerciseDriver::Result::Malformed);
    EXPECT_EQ(rig.driver->Apply(QStringLiteral("drop 1"), message),
              ExerciseDriver::Result::Malformed);
    EXPECT_EQ(rig.driver->Apply(QStringLiteral("dropat 1 x 0.5"), message),
              ExerciseDriver::Result::Malformed);
    EXPECT_EQ(rig.driver->Apply(QStringLiteral("wait -1"), message),
              ExerciseDriver::Result::Malformed);
    EXPECT_EQ(rig.driver->Apply(QStringLiteral("drop 9 0"), message),
              ExerciseDriver::Result::Skipped);
    EXPECT_EQ(rig.driver->Apply(QStringLiteral("drop 0 none"), message),
              ExerciseDriver::Result::Done);
    EXPECT_EQ(rig.driver->Apply(QStringLiteral("drop 0 0"), message), ExerciseDriver::Result::Done);
    // Card 0 is gone now, and field 0 is no target any more.
    EXPECT_EQ(rig.driver->Apply(QStringLiteral("drop 0 1"), message),
              ExerciseDriver::Result::Skipped);
    EXPECT_EQ(rig.driver->Apply(QStringLiteral("drop 1 0"), message),
              ExerciseDriver::Result::Skipped);
    const QJsonObject j = QJsonDocument::fromJson(ExerciseJson(*rig.ex)).object();
    EXPECT_EQ(j[QStringLiteral("RightCount")].toInt(), 1);
    EXPECT_EQ(j[QStringLiteral("OpenCount")].toInt(), 2);
    EXPECT_EQ(j[QStringLiteral("Order")].toArray().size(), 3);
    EXPECT_EQ(j[QStringLiteral("Cards")].toArray().size(), 2);
    EXPECT_EQ(
        j[QStringLiteral("Objects")].toArray()[0].toObject()[QStringLiteral("Abgedeckt")].toInt(),
        0);
}

} // namespace
} // namespace bw::test
