#include "view/learnview.h"
#include "view/numbering.h"
#include "viewfixtures.h"

#include <QRandomGenerator>
#include <algorithm>
#include <gtest/gtest.h>

using namespace bw;
using namespace bw::test;

TEST(Numbering, LetterTextsCarryApostrophesPastZ) {
    EXPECT_EQ(LetterText(1), QStringLiteral("A"));
    EXPECT_EQ(LetterText(26), QStringLiteral("Z"));
    EXPECT_EQ(LetterText(27), QStringLiteral("A'"));
    EXPECT_EQ(LetterText(52), QStringLiteral("Z'"));
    EXPECT_EQ(LetterText(53), QStringLiteral("A''"));
}

TEST(Numbering, NumberTextFollowsNumArt) {
    Document doc = PlainDocument(100, 100);
    for (int i = 0; i < 30; ++i)
        AddObject(doc, TypAbfrage, QString::number(i), 0.5, i / 30.0);
    BuildNumbering(doc, NumberOrdered);
    EXPECT_EQ(NumberText(doc, 26), QStringLiteral("27"));
    doc.CurrentHeader.NumArt = 1;
    EXPECT_EQ(NumberText(doc, 26), QStringLiteral("A'"));
    EXPECT_EQ(NumberText(doc, 0), QStringLiteral("A"));
    BuildNumbering(doc, NumberQuestionMark);
    EXPECT_EQ(doc.CurrentObjects[5].Nummer, 0);
    EXPECT_EQ(NumberText(doc, 5), QStringLiteral("?"));
}

TEST(Numbering, OrderedTopToBottomThenLeftToRight) {
    Document doc = PlainDocument(100, 100);
    const int right = AddObject(doc, TypAbfrage, QStringLiteral("r"), 0.8, 0.5);
    const int low = AddObject(doc, TypAbfrageBild, QStringLiteral("l"), 0.1, 0.9);
    const int left = AddObject(doc, TypAbfrage, QStringLiteral("a"), 0.2, 0.5);
    const int top = AddObject(doc, TypLuecke, QStringLiteral("t"), 0.9, 0.1);
    const int fixed = AddObject(doc, TypFix, QStringLiteral("f"), 0.0, 0.0);
    const int same1 = AddObject(doc, TypAbfrage, QStringLiteral("s1"), 0.5, 0.7);
    const int same2 = AddObject(doc, TypAbfrage, QStringLiteral("s2"), 0.5, 0.7);
    const NumberingList list = BuildNumbering(doc, NumberOrdered);
    EXPECT_EQ(doc.CurrentObjects[top].Nummer, 1);
    EXPECT_EQ(doc.CurrentObjects[left].Nummer, 2);
    EXPECT_EQ(doc.CurrentObjects[right].Nummer, 3);
    // Equal keys keep their list order.
    EXPECT_EQ(doc.CurrentObjects[same1].Nummer, 4);
    EXPECT_EQ(doc.CurrentObjects[same2].Nummer, 5);
    EXPECT_EQ(doc.CurrentObjects[low].Nummer, 6);
    EXPECT_EQ(doc.CurrentObjects[fixed].Nummer, -1);
    EXPECT_EQ(doc.CurrentObjects[fixed].Abgedeckt, 0);
    ASSERT_EQ(list.size(), 6u);
    EXPECT_EQ(list[0].position, top);
    EXPECT_EQ(list[0].card, -1);
}

TEST(Numbering, AlphabeticalIgnoresLetterCase) {
    Document doc = PlainDocument(100, 100);
    doc.CurrentHeader.GeordnetArt = 1;
    const int b = AddObject(doc, TypAbfrage, QStringLiteral("berlin"), 0.1, 0.1);
    const int a = AddObject(doc, TypAbfrage, QStringLiteral("Aachen"), 0.1, 0.2);
    const int c = AddObject(doc, TypAbfrage, QStringLiteral("Celle"), 0.1, 0.3);
    BuildNumbering(doc, NumberOrdered);
    EXPECT_EQ(doc.CurrentObjects[a].Nummer, 1);
    EXPECT_EQ(doc.CurrentObjects[b].Nummer, 2);
    EXPECT_EQ(doc.CurrentObjects[c].Nummer, 3);
}

TEST(Numbering, RandomNumberingIsAPermutation) {
    Document doc = PlainDocument(100, 100);
    constexpr int n = 25;
    for (int i = 0; i < n; ++i)
        AddObject(doc, TypAbfrage, QString::number(i), 0.5, i / double(n));
    AddObject(doc, TypInfopunkt, QStringLiteral("i"), 0.5, 0.5);
    bool someDiffer = false;
    for (quint32 seed = 1; seed <= 20; ++seed) {
        QRandomGenerator rng(seed);
        BuildNumbering(doc, NumberRandom, &rng);
        std::vector<int> numbers;
        for (int i = 0; i < n; ++i) {
            numbers.push_back(doc.CurrentObjects[i].Nummer);
            someDiffer |= doc.CurrentObjects[i].Nummer != i + 1;
        }
        std::sort(numbers.begin(), numbers.end());
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(numbers[i], i + 1) << "seed " << seed;
        EXPECT_EQ(doc.CurrentObjects[n].Nummer, -1);
    }
    EXPECT_TRUE(someDiffer);
}

TEST(Numbering, AnswerBoxesAreNumberedPerQuestion) {
    Document doc = PlainDocument(100, 100);
    doc.CurrentHeader.DokTyp = DokMultipleChoice;
    AddObject(doc, TypMCFrage, QStringLiteral("q"), 0.1, 0.1);
    for (int q = 1; q <= 2; ++q)
        for (int k = 0; k < 4; ++k) {
            const int i = AddObject(doc, TypMCAntwortBox, QStringLiteral("+"), 0.1, k / 4.0);
            doc.CurrentObjects[i].FrageNummer = q;
            doc.CurrentObjects[i].AntwortAnz = 4;
        }
    BuildNumbering(doc, NumberOrdered);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(doc.CurrentObjects[1 + k].Nummer, k + 1);
        EXPECT_EQ(doc.CurrentObjects[5 + k].Nummer, k + 1);
    }
    EXPECT_EQ(doc.CurrentObjects[0].Nummer, -1);
    QRandomGenerator rng(7);
    BuildNumbering(doc, NumberRandom, &rng);
    for (int q = 0; q < 2; ++q) {
        std::vector<int> numbers;
        for (int k = 0; k < 4; ++k)
            numbers.push_back(doc.CurrentObjects[1 + 4 * q + k].Nummer);
        std::sort(numbers.begin(), numbers.end());
        EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4}));
    }
    // More boxes than AntwortAnz still get distinct numbers.
    doc.CurrentObjects[1].AntwortAnz = 2;
    BuildNumbering(doc, NumberRandom, &rng);
    EXPECT_GE(doc.CurrentObjects[4].Nummer, 1);
}

TEST(Numbering, SingleQuestionAnswersShowQuestionMarks) {
    Document doc = PlainDocument(100, 100);
    doc.CurrentHeader.DokTyp = DokEinzelfragen;
    const int answer = AddObject(doc, TypAntwortFeld, QStringLiteral("42"), 0.2, 0.6);
    const int label = AddObject(doc, TypAbfrage, QStringLiteral("x"), 0.2, 0.6);
    BuildNumbering(doc, NumberOrdered);
    EXPECT_EQ(doc.CurrentObjects[answer].Nummer, 0);
    EXPECT_EQ(doc.CurrentObjects[label].Nummer, -1);
}

TEST(Numbering, QuestionButtonsStepThroughTheQuestions) {
    Document doc = PlainDocument(870, 600);
    doc.CurrentHeader.DokTyp = DokEinzelfragen;
    doc.CurrentHeader.AnzFrageNummern = 3;
    const int prev = AddObject(doc, TypBtnZurueck, {}, 0.16, 0.775, 1, 2);
    const int next = AddObject(doc, TypBtnVor, {}, 0.22, 0.775, 1, 2);
    const int last = AddObject(doc, TypBtnLetzte, {}, 0.28, 0.775, 1, 2);
    const int random = AddObject(doc, TypBtnZufall, {}, 0.34, 0.775, 1, 2);
    for (int q = 1; q <= 3; ++q) {
        const int a = AddObject(doc, TypAntwortFeld, QString::number(q), 0.225, 0.6);
        doc.CurrentObjects[a].FrageNummer = q;
    }
    LearnView view(doc);
    view.SetViewSize(870, 600);
    view.DocumentLoaded();
    EXPECT_EQ(view.CurrentQuestion, 1);
    auto click = [&](int index) {
        return view.ClickAt(view.PageRectToView(view.Card(index).KRect).center());
    };
    EXPECT_EQ(click(prev).kind, ClickResult::QuestionChanged);
    EXPECT_EQ(view.CurrentQuestion, 1);
    click(next);
    EXPECT_EQ(view.CurrentQuestion, 2);
    click(last);
    EXPECT_EQ(view.CurrentQuestion, 3);
    click(next);
    EXPECT_EQ(view.CurrentQuestion, 3);
    QRandomGenerator rng(3);
    for (int i = 0; i < 10; ++i) {
        const int before = view.CurrentQuestion;
        view.ClickAt(view.PageRectToView(view.Card(random).KRect).center(), &rng);
        EXPECT_NE(view.CurrentQuestion, before);
    }
    // Only the current question's answer field is drawn and can be hit.
    const int q = view.CurrentQuestion;
    const int current = 4 + q - 1;
    const QPoint centre = view.PageRectToView(view.Card(current).KRect).center();
    EXPECT_EQ(view.HitTestObject(centre), current);
}
