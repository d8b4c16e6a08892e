// Exercises on single-question and multiple-choice documents: the cards offered, how boxes
// are ticked, shuffled and judged, and what the log records.

#include "document/commalist.h"
#include "exerciserig.h"
#include "view/questionlayout.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <set>

namespace bw::test {
namespace {

struct QuestionRig : ExerciseRig {
    explicit QuestionRig(int dokTyp) : ExerciseRig(dokTyp) {
        ex->options.FragenZuordnungstexte = 0;
        ex->options.FragenZuordnungsziele = 0;
    }

    void SetQuestions(const QString& text) {
        doc.CurrentHeader.fragentext = text;
        view->SetViewSize(700, 600);
        view->RedrawView();
        view->BuildQuestionObjects(true);
    }

    void AddChoice(const QString& question, const QStringList& answers) {
        ObjDataTyp o;
        o.Typ = TypMCFrage;
        o.Cap = EncodeChoiceQuestion(question, answers);
        doc.CurrentObjects.push_back(o);
    }

    std::vector<const ExerciseCard*> Shown(CardKind kind) const {
        std::vector<const ExerciseCard*> out;
        for (const ExerciseCard& c : ex->cards)
            if (c.shown() && c.kind == kind) out.push_back(&c);
        return out;
    }
    QStringList ShownCaptions() const {
        QStringList out;
        for (const ExerciseCard* c : Shown(CardKind::Text))
            out << ex->ObjectText(c->object);
        return out;
    }
    // The answer object of the question being asked.
    int CurrentAnswer() const { return ex->CurrentTarget(); }
};

TEST(SingleQuestionExercise, OffersTheAnswerWithDistinctDistractorsInTheGrid) {
    QuestionRig rig(DokEinzelfragen);
    rig.SetQuestions(QStringLiteral("Fluss durch Köln? // Rhein\nFluss durch Bonn? // Rhein\n"
                                    "Fluss durch Dresden? // Elbe\nFluss durch Wien? // Donau\n"
                                    "Fluss durch Hamburg? // Elbe"));
    ASSERT_TRUE(rig.Start());
    EXPECT_EQ(rig.view->CurrentQuestion, 1);
    const QStringList captions = rig.ShownCaptions();
    // Only three distinct answers exist: two distractors, no second "Rhein".
    EXPECT_EQ(captions.size(), 3);
    EXPECT_EQ(QSet<QString>(captions.begin(), captions.end()).size(), 3);
    EXPECT_EQ(captions.count(QStringLiteral("Rhein")), 1);

    // Alphabetical order fills the slots left to right from (0.1, 0.58) + 4 px.
    const QPoint origin = rig.ex->PageToPanel({0.1, 0.58}) + QPoint(4, 0);
    const auto shown = rig.Shown(CardKind::Text);
    for (int k = 0; k < int(shown.size()); ++k)
        EXPECT_EQ(shown[k]->rect, QRect(origin + QPoint(170 * k, 0), QSize(150, 46)));
    EXPECT_EQ(captions, (QStringList{"Donau", "Elbe", "Rhein"}));

    const QStringList log = rig.Log();
    ASSERT_GE(log.size(), 4);
    EXPECT_TRUE(log[1].endsWith(QStringLiteral(" - Frage Nr. 1")));
    EXPECT_EQ(log[2], QStringLiteral("Fluss durch Köln?"));
    EXPECT_EQ(log[3],
              QStringLiteral("Antwortmöglichkeiten: \"Donau\", \"Elbe\", \"Rhein\" (Lösung)"));
}

TEST(SingleQuestionExercise, RepeatsAWrongAnswerUntilRightAndLogsTheChoice) {
    QuestionRig rig(DokEinzelfragen);
    rig.SetQuestions(QStringLiteral("Eins? // A\nZwei? // B"));
    ASSERT_TRUE(rig.Start());
    const int first = rig.CurrentAnswer();
    const int other = first == rig.doc.ObjectCount() - 1 ? first - 4 : first + 4;
    EXPECT_EQ(rig.Move(QStringLiteral("answer %1").arg(other)), ExerciseDriver::Result::Done);
    EXPECT_EQ(rig.ex->ueb.WrongCount, 1);
    EXPECT_EQ(rig.State(first), StateOffen);
    EXPECT_EQ(rig.doc.CurrentObjects[first].FehlerPos, 1);
    EXPECT_EQ(rig.view->CurrentQuestion, 2);
    EXPECT_TRUE(rig.ex->ueb.LogText.contains(
        QStringLiteral("FALSCH - Gewählte Antwort: \"%1\"").arg(rig.ex->ObjectText(other))));
    // Question 2, then question 1 again.
    rig.Move(QStringLiteral("answer %1").arg(rig.CurrentAnswer()));
    EXPECT_EQ(rig.view->CurrentQuestion, 1);
    rig.Move(QStringLiteral("answer %1").arg(rig.CurrentAnswer()));
    EXPECT_EQ(rig.ex->ueb.EndReason, EndFinished);
    EXPECT_EQ(rig.ex->ueb.RightCount, 2);
    EXPECT_TRUE(rig.ex->ueb.LogText.contains(QStringLiteral("RICHTIG - Gewählte Antwort: \"A\"")));
    EXPECT_EQ(rig.host->rightSounds, 2);
}

TEST(SingleQuestionExercise, AskOnceClosesAWronglyAnsweredQuestion) {
    QuestionRig rig(DokEinzelfragen);
    rig.ex->options.FragenZuordnungFalsch = 1;
    rig.SetQuestions(QStringLiteral("Eins? // A\nZwei? // B"));
    ASSERT_TRUE(rig.Start());
    const int first = rig.CurrentAnswer();
    const int wrong =
        rig.ex->CardOfObject(first) == 0 ? rig.ex->cards[1].object : rig.ex->cards[0].object;
    rig.Move(QStringLiteral("answer %1").arg(wrong));
    EXPECT_EQ(rig.State(first), StateFrageFalsch);
    rig.Move(QStringLiteral("answer %1").arg(rig.CurrentAnswer()));
    EXPECT_EQ(rig.ex->ueb.EndReason, EndFinished);
    EXPECT_EQ(rig.ex->ueb.RightCount, 1);
    EXPECT_EQ(rig.ex->ueb.WrongCount, 1);
}

TEST(SingleQuestionExercise, RandomSlotsKeepTheCardsInTheGrid) {
    QuestionRig rig(DokEinzelfragen);
    rig.ex->options.FragenZuordnungstexte = 1;
    QString text;
    for (int i = 0; i < 9; ++i)
        text += QStringLiteral("Frage %1 // Antwort %1\n").arg(i);
    rig.SetQuestions(text);
    ASSERT_TRUE(rig.Start());
    const QPoint origin = rig.ex->PageToPanel({0.1, 0.58}) + QPoint(4, 0);
    std::set<std::pair<int, int>> cells;
    for (const ExerciseCard* c : rig.Shown(CardKind::Text)) {
        const QPoint d = c->rect.topLeft() - origin;
        ASSERT_EQ(d.x() % 170, 0);
        ASSERT_EQ(d.y() % 66, 0);
        EXPECT_LT(d.x() / 170, 3);
        EXPECT_LT(d.y() / 66, 2);
        cells.insert({d.x(), d.y()});
    }
    EXPECT_EQ(cells.size(), 6u);
}

TEST(ChoiceExercise, NothingTickedIsRightWhenNoAnswerApplies) {
    QuestionRig rig(DokMultipleChoice);
    rig.AddChoice(QStringLiteral("Welche Zahl ist negativ?"),
                  {QStringLiteral("-1"), QStringLiteral("-2"), QStringLiteral("-3")});
    ASSERT_TRUE(rig.Start());
    EXPECT_EQ(rig.Shown(CardKind::AnswerBox).size(), 3u);
    EXPECT_EQ(rig.Shown(CardKind::Ok).size(), 1u);
    EXPECT_EQ(rig.Move(QStringLiteral("ok")), ExerciseDriver::Result::Done);
    EXPECT_EQ(rig.ex->ueb.RightCount, 1);
    EXPECT_EQ(rig.ex->ueb.EndReason, EndFinished);
    const QStringList log = rig.Log();
    EXPECT_EQ(log[2], QStringLiteral("Welche Zahl ist negativ?"));
    EXPECT_EQ(log[3], QStringLiteral("Antwortmöglichkeiten: \"1\", \"2\", \"3\""));
    EXPECT_TRUE(log[4].endsWith(QStringLiteral("RICHTIG - Gewählte Antwort(en): - keine -")));
}

TEST(ChoiceExercise, ExactlyTheApplicableAnswersMustBeTicked) {
    QuestionRig rig(DokMultipleChoice);
    rig.ex->options.FragenZuordnungFalsch = 1;
    rig.AddChoice(QStringLiteral("Gerade?"),
                  {QStringLiteral("+2"), QStringLiteral("-3"), QStringLiteral("+4")});
    rig.AddChoice(QStringLiteral("Ungerade?"), {QStringLiteral("+5"), QStringLiteral("-6")});
    ASSERT_TRUE(rig.Start());
    const auto boxes = rig.Shown(CardKind::AnswerBox);
    ASSERT_EQ(boxes.size(), 3u);
    // Only one of the two applicable answers: wrong, and asked once it is closed.
    rig.Move(QStringLiteral("tick %1").arg(boxes[0]->object));
    EXPECT_TRUE(boxes[0]->ticked());
    rig.Move(QStringLiteral("tick %1").arg(boxes[1]->object));
    rig.Move(QStringLiteral("tick %1").arg(boxes[1]->object));
    EXPECT_FALSE(boxes[1]->ticked());
    rig.Move(QStringLiteral("ok"));
    EXPECT_EQ(rig.ex->ueb.WrongCount, 1);
    EXPECT_EQ(rig.State(0), StateFrageFalsch);
    EXPECT_TRUE(
        rig.ex->ueb.LogText.contains(QStringLiteral("FALSCH - Gewählte Antwort(en): \"2\"\r\n")));
    // The next question starts with empty boxes.
    EXPECT_EQ(rig.view->CurrentQuestion, 2);
    const auto next = rig.Shown(CardKind::AnswerBox);
    ASSERT_EQ(next.size(), 2u);
    EXPECT_FALSE(next[0]->ticked());
    rig.Move(QStringLiteral("tick %1").arg(next[0]->object));
    rig.Move(QStringLiteral("ok"));
    EXPECT_EQ(rig.ex->ueb.RightCount, 1);
    EXPECT_EQ(rig.ex->ueb.EndReason, EndFinished);
    EXPECT_TRUE(
        rig.ex->ueb.LogText.contains(QStringLiteral("RICHTIG - Gewählte Antwort(en): \"5\"")));
}

TEST(ChoiceExercise, ShuffledBoxesMoveWithTheirAnswersAndKeepTheirMarks) {
    QuestionRig rig(DokMultipleChoice);
    rig.ex->options.FragenZuordnungstexte = 1;
    QStringList answers;
    for (int i = 0; i < 8; ++i)
        answers << (i == 5 ? QStringLiteral("+Richtig") : QStringLiteral("-Falsch %1").arg(i));
    rig.AddChoice(QStringLiteral("Welche?"), answers);
    ASSERT_TRUE(rig.Start());
    const std::vector<int>& map = rig.view->exercise.answerMap;
    bool moved = false;
    std::set<int> places;
    for (const ExerciseCard* box : rig.Shown(CardKind::AnswerBox)) {
        const int j = box->object;
        EXPECT_EQ(rig.doc.CurrentObjects[map[j]].Typ, TypMCAntwortBox);
        EXPECT_EQ(map[j + 1], map[j] + 1) << "an answer goes where its box goes";
        places.insert(map[j]);
        moved = moved || map[j] != j;
        // The box card stands beside the answer the renderer draws at the mapped place.
        const DoubleRect& drawn = rig.view->Card(j + 1).KRect;
        const int answerMiddle =
            rig.ex->PageToPanel({drawn.left, (drawn.top + drawn.bottom) / 2}).y();
        EXPECT_NEAR(box->rect.center().y(), answerMiddle, 2);
        EXPECT_NEAR(rig.doc.CurrentObjects[map[j]].Ky, (drawn.top + drawn.bottom) / 2, 0.02);
    }
    EXPECT_TRUE(moved) << "seed 7 shuffles at least one pair";
    EXPECT_EQ(places.size(), 8u);
    // The box of "Richtig" still carries its mark wherever it stands.
    int right = -1;
    for (int i = 0; i < rig.doc.ObjectCount(); ++i)
        if (rig.doc.CurrentObjects[i].Cap == QStringLiteral("Richtig")) right = i - 1;
    ASSERT_GE(right, 0);
    rig.Move(QStringLiteral("tick %1").arg(right));
    rig.Move(QStringLiteral("ok"));
    EXPECT_EQ(rig.ex->ueb.RightCount, 1);
}

TEST(ChoiceExercise, BoxCardsAreSquaresScaledWithThePicture) {
    QuestionRig rig(DokMultipleChoice);
    rig.AddChoice(QStringLiteral("F"), {QStringLiteral("+a"), QStringLiteral("-b")});
    ASSERT_TRUE(rig.Start());
    const int W = rig.view->ViewImage().width();
    const int side = int(std::lround(W * 34.0 / 870));
    for (const ExerciseCard* box : rig.Shown(CardKind::AnswerBox)) {
        EXPECT_EQ(box->rect.size(), QSize(side, side));
        const ObjDataTyp& o = rig.doc.CurrentObjects[box->object];
        const QPoint p = rig.ex->PageToPanel({o.Kx, o.Ky});
        EXPECT_EQ(box->rect.topLeft(), QPoint(p.x() + 10, p.y() - int(std::lround(side / 2.0))));
    }
    const ExerciseCard* ok = rig.Shown(CardKind::Ok).front();
    EXPECT_EQ(ok->rect.size(), QSize(150, side));
    // Navigation buttons are inert during the exercise and not drawn.
    for (int i = 0; i < rig.doc.ObjectCount(); ++i)
        if (HasTrait(rig.doc.CurrentObjects[i].Typ, TraitQuestionButton))
            EXPECT_EQ(rig.view->Card(i).KRect.left, -1);
}

TEST(ChoiceExercise, JsonShowsTheCurrentQuestionAndItsCards) {
    QuestionRig rig(DokMultipleChoice);
    rig.AddChoice(QStringLiteral("F"), {QStringLiteral("+a"), QStringLiteral("-b")});
    ASSERT_TRUE(rig.Start());
    const auto boxes = rig.Shown(CardKind::AnswerBox);
    rig.Move(QStringLiteral("tick %1").arg(boxes[0]->object));
    const QJsonObject j = QJsonDocument::fromJson(ExerciseJson(*rig.ex)).object();
    EXPECT_EQ(j[QStringLiteral("CurrentQuestion")].toInt(), 1);
    const QJsonArray cards = j[QStringLiteral("AnswerCards")].toArray();
    ASSERT_EQ(cards.size(), 3);
    EXPECT_EQ(cards[0].toObject()[QStringLiteral("Answer")].toString(), QStringLiteral("a"));
    EXPECT_TRUE(cards[0].toObject()[QStringLiteral("Ticked")].toBool());
    EXPECT_FALSE(cards[1].toObject()[QStringLiteral("Ticked")].toBool());
    EXPECT_EQ(cards[2].toObject()[QStringLiteral("Caption")].toString(), QStringLiteral("OK"));
    // Moves of the other document types are refused, not applied.
    QString message;
    EXPECT_EQ(rig.driver->Apply(QStringLiteral("answer 3"), message),
              ExerciseDriver::Result::Skipped);
    EXPECT_EQ(rig.driver->Apply(QStringLiteral("drop 3 3"), message),
              ExerciseDriver::Result::Skipped);
    EXPECT_EQ(rig.driver->Apply(QStringLiteral("tick"), message),
              ExerciseDriver::Result::Malformed);
}

TEST(ChoiceExercise, AbortReturnsToTheLearningViewWithBoxesCoveredAgain) {
    QuestionRig rig(DokMultipleChoice);
    rig.AddChoice(QStringLiteral("F"), {QStringLiteral("+a"), QStringLiteral("-b")});
    rig.AddChoice(QStringLiteral("G"), {QStringLiteral("+c")});
    ASSERT_TRUE(rig.Start());
    rig.Move(QStringLiteral("ok"));
    EXPECT_EQ(rig.view->CurrentQuestion, 2);
    ScriptedPrompter prompter;
    prompter.answers.push_back(YesNoCancel::Yes);
    rig.Move(QStringLiteral("abort"));
    EXPECT_FALSE(rig.ex->Active());
    EXPECT_EQ(rig.view->CurrentQuestion, 1);
    rig.view->RedrawView();
    for (const ObjDataTyp& o : rig.doc.CurrentObjects)
        if (o.Typ == TypMCAntwortBox) EXPECT_EQ(o.Abgedeckt, Abgedeckt_);
}

} // namespace
} // namespace bw::test
