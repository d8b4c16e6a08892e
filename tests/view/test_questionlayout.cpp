// The layouts generated for single-question and multiple-choice documents, with their exact
// positions and sizes, and what of them a file keeps.

#include "document/commalist.h"
#include "document/docfile.h"
#include "support/docbytes.h"
#include "view/learnview.h"
#include "view/questionlayout.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

std::vector<const ObjDataTyp*> OfType(const Document& doc, int typ, int frage = 0) {
    std::vector<const ObjDataTyp*> out;
    for (const ObjDataTyp& o : doc.CurrentObjects)
        if (o.Typ == typ && (frage == 0 || o.FrageNummer == frage)) out.push_back(&o);
    return out;
}

Document SingleQuestions(const QString& text) {
    Document doc;
    doc.CurrentHeader.DokTyp = DokEinzelfragen;
    doc.CurrentHeader.fragentext = text;
    int current = 0;
    BuildQuestionObjects(doc, true, false, current);
    return doc;
}

ObjDataTyp Choice(const QString& question, const QStringList& answers, int typ = TypMCFrage) {
    ObjDataTyp o;
    o.Typ = typ;
    o.Cap = EncodeChoiceQuestion(question, answers);
    return o;
}

Document ChoiceDocument(std::vector<ObjDataTyp> questions) {
    Document doc;
    doc.CurrentHeader.DokTyp = DokMultipleChoice;
    doc.CurrentObjects = std::move(questions);
    int current = 0;
    BuildChoiceObjects(doc, true, false, current);
    return doc;
}

void ExpectAt(const ObjDataTyp& o, double x, double y) {
    EXPECT_DOUBLE_EQ(o.Kx, x) << o.Typ << " " << o.Cap.toStdString();
    EXPECT_DOUBLE_EQ(o.Ky, y) << o.Typ << " " << o.Cap.toStdString();
    EXPECT_EQ(o.Sx, o.Kx);
    EXPECT_EQ(o.Sy, o.Ky);
}

TEST(SingleQuestionLayout, EachLineGivesNumberQuestionCaptionAndAnswerAtTheirPlaces) {
    const Document doc = SingleQuestions(
        QStringLiteral("Hauptstadt von Frankreich? // Paris\r\n   \r\nLängster Fluss? // Nil\r\n"));
    EXPECT_EQ(doc.CurrentHeader.AnzFrageNummern, 2);
    // Buttons first, then per question: number line, question, caption, answer.
    const int buttons[] = {TypBtnErste, TypBtnZurueck, TypBtnVor, TypBtnLetzte, TypBtnZufall};
    ASSERT_EQ(doc.ObjectCount(), 5 + 2 * 4);
    for (int b = 0; b < 5; ++b) {
        const ObjDataTyp& o = doc.CurrentObjects[b];
        EXPECT_EQ(o.Typ, buttons[b]);
        ExpectAt(o, 0.1 + 0.06 * b, 0.775);
        EXPECT_EQ(o.Ebene, 2);
        EXPECT_EQ(o.FrageNummer, -1);
    }
    const ObjDataTyp* q2 = &doc.CurrentObjects[5 + 4];
    EXPECT_EQ(q2[0].Typ, TypFixText);
    EXPECT_EQ(q2[0].Cap, QStringLiteral("Frage Nr. 2 von 2"));
    ExpectAt(q2[0], 0.1, 0.175);
    EXPECT_EQ(q2[1].Typ, TypFrageText);
    EXPECT_EQ(q2[1].Cap, QStringLiteral("Längster Fluss?"));
    EXPECT_EQ(q2[1].Fsize, 5);
    ExpectAt(q2[1], 0.1, 0.4);
    EXPECT_EQ(q2[2].Cap, QStringLiteral("Antwort:"));
    ExpectAt(q2[2], 0.1, 0.6);
    EXPECT_EQ(q2[3].Typ, TypAntwortFeld);
    EXPECT_EQ(q2[3].Cap, QStringLiteral("Nil"));
    ExpectAt(q2[3], 0.225, 0.6);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(q2[i].FrageNummer, 2);
        EXPECT_EQ(q2[i].Ebene, 1);
        EXPECT_EQ(q2[i].KAusr, 1);
        EXPECT_EQ(q2[i].Abgedeckt, Abgedeckt_);
    }
}

TEST(SingleQuestionLayout, SplitsAtTheFirstSeparatorAndAnswersALineWithoutOne) {
    const Document doc =
        SingleQuestions(QStringLiteral("Was ist a // b? // c\nNur eine Frage ohne Antwort"));
    const auto questions = OfType(doc, TypFrageText);
    const auto answers = OfType(doc, TypAntwortFeld);
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(questions[0]->Cap, QStringLiteral("Was ist a"));
    EXPECT_EQ(answers[0]->Cap, QStringLiteral("b? // c"));
    EXPECT_EQ(questions[1]->Cap, QStringLiteral("Nur eine Frage ohne Antwort"));
    EXPECT_EQ(answers[1]->Cap, QStringLiteral("---"));
}

TEST(SingleQuestionLayout, EmptyTextGeneratesNothingAndRebuildReplacesTheOldObjects) {
    Document doc = SingleQuestions(QStringLiteral("Eins // 1\nZwei // 2"));
    ObjDataTyp label;
    label.Typ = TypFix;
    doc.CurrentObjects.insert(doc.CurrentObjects.begin(), label);
    doc.CurrentHeader.fragentext = QStringLiteral("  \r\n\t\r\n");
    int current = 2;
    BuildQuestionObjects(doc, true, false, current);
    ASSERT_EQ(doc.ObjectCount(), 1);
    EXPECT_EQ(doc.CurrentObjects[0].Typ, TypFix);
    EXPECT_EQ(doc.CurrentHeader.AnzFrageNummern, 0);
    EXPECT_EQ(current, -1);
}

TEST(SingleQuestionLayout, WithoutRebuildAnswersAreCoveredAgainOutsideAnExerciseOnly) {
    Document doc = SingleQuestions(QStringLiteral("Eins // 1\nZwei // 2\nDrei // 3"));
    auto uncover = [&] {
        for (ObjDataTyp& o : doc.CurrentObjects)
            if (o.Typ == TypAntwortFeld) o.Abgedeckt = Aufgedeckt;
    };
    uncover();
    int current = 7;
    BuildQuestionObjects(doc, false, true, current);
    EXPECT_EQ(OfType(doc, TypAntwortFeld)[0]->Abgedeckt, Aufgedeckt);
    EXPECT_EQ(current, 1); // clamped into 1..3
    current = 3;
    BuildQuestionObjects(doc, false, false, current);
    for (const ObjDataTyp* a : OfType(doc, TypAntwortFeld))
        EXPECT_EQ(a->Abgedeckt, Abgedeckt_);
    EXPECT_EQ(current, 3);
    // Another document type is left alone.
    doc.CurrentHeader.DokTyp = DokBildbeschriftung;
    const int before = doc.ObjectCount();
    BuildQuestionObjects(doc, true, false, current);
    EXPECT_EQ(doc.ObjectCount(), before);
}

TEST(ChoiceLayout, TextAnswersStandInOneColumnCentredOnTheMiddle) {
    const Document doc = ChoiceDocument(
        {Choice(QStringLiteral("Welche Zahlen sind gerade?"),
                {QStringLiteral("+2"), QStringLiteral("-3"), QStringLiteral("+4")})});
    const int buttons[] = {TypBtnErste, TypBtnZurueck, TypBtnVor, TypBtnLetzte, TypBtnZufall};
    for (int b = 0; b < 5; ++b) {
        EXPECT_EQ(doc.CurrentObjects[1 + b].Typ, buttons[b]);
        ExpectAt(doc.CurrentObjects[1 + b], 0.05 + 0.06 * b, 0.925);
    }
    const auto number = OfType(doc, TypFixText);
    ASSERT_EQ(number.size(), 1u);
    EXPECT_EQ(number[0]->Cap, QStringLiteral("Frage Nr. 1 von 1"));
    EXPECT_EQ(number[0]->Fsize, -5);
    ExpectAt(*number[0], 0.05, 0.05);
    const auto text = OfType(doc, TypMCFragetext);
    ASSERT_EQ(text.size(), 1u);
    EXPECT_EQ(text[0]->Cap, QStringLiteral("Welche Zahlen sind gerade?"));
    EXPECT_EQ(text[0]->Fsize, 5);
    ExpectAt(*text[0], 0.05, 0.125);

    // n = 3: step = min((3 x 0.1 / 12 + 0.6) / 3, 0.15), answers centred on 0.51.
    const double step = 0.15;
    const auto boxes = OfType(doc, TypMCAntwortBox);
    ASSERT_EQ(boxes.size(), 3u);
    const QString marks[] = {QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("+")};
    const QString texts[] = {QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")};
    for (int a = 0; a < 3; ++a) {
        const ObjDataTyp& box = *boxes[a];
        ExpectAt(box, 0.17, (a - 1) * step + 0.51);
        EXPECT_EQ(box.Cap, marks[a]);
        EXPECT_EQ(box.Fsize, 4);
        EXPECT_EQ(box.AntwortAnz, 3);
        EXPECT_EQ(box.Bild.image(), AnswerBoxPicture(a != 1));
        const ObjDataTyp& answer = *(&box + 1);
        EXPECT_EQ(answer.Typ, TypMCAntwortText);
        EXPECT_EQ(answer.Cap, texts[a]);
        ExpectAt(answer, 0.17 + 0.06, (a - 1) * step + 0.51);
    }
    const auto ok = OfType(doc, TypMCOkBtn);
    ASSERT_EQ(ok.size(), 1u);
    EXPECT_EQ(ok[0]->Cap, QStringLiteral("OK"));
    ExpectAt(*ok[0], 0.17, (3 - 1) * step + 0.51);
}

TEST(ChoiceLayout, SevenPictureAnswersFillTwoColumnsOfFourRows) {
    QStringList lines;
    for (int i = 1; i <= 7; ++i)
        lines << (i % 2 ? QStringLiteral("+Bild %1") : QStringLiteral("-Bild %1")).arg(i);
    ObjDataTyp q = Choice(QStringLiteral("Welche Bilder?"), lines);
    q.Untertyp = 1;
    for (int i = 0; i < 7; ++i) {
        QImage img(10 + i, 10, QImage::Format_RGB32);
        img.fill(Qt::blue);
        q.BildAntw[i] = Picture(img);
    }
    const Document doc = ChoiceDocument({q});
    const double step = std::min((7 * 0.1 / 12 + 0.6) / 4, 0.2);
    const auto boxes = OfType(doc, TypMCAntwortBox);
    ASSERT_EQ(boxes.size(), 7u);
    for (int a = 0; a < 7; ++a) {
        const bool second = a >= 4;
        const int row = second ? a - 4 : a;
        ExpectAt(*boxes[a], second ? 0.5 : 0.1, (row - 1.5) * step + 0.51);
        const ObjDataTyp& picture = *(boxes[a] + 1);
        EXPECT_EQ(picture.Typ, TypMCAntwortBild);
        EXPECT_EQ(picture.Bild.width(), 10 + a) << "the answer's own picture";
        EXPECT_EQ(picture.Fsize, int(std::lround(step * 240)) - 10);
        ExpectAt(picture, (second ? 0.5 : 0.1) + 0.06, (row - 1.5) * step + 0.51);
    }
    // One row below the answers, less 0.1 of a row, in the second column.
    ExpectAt(*OfType(doc, TypMCOkBtn)[0], 0.5, (4 - 0.1 - 1.5) * step + 0.51);
}

TEST(ChoiceLayout, QuestionPictureTakesTheLeftHalfAndItsSizeFollowsItsShape) {
    ObjDataTyp wide = Choice(QStringLiteral("Breit"), {QStringLiteral("+a")}, TypMCFrageBild);
    wide.Bild = Picture(QImage(480, 360, QImage::Format_RGB32));
    ObjDataTyp tall = Choice(QStringLiteral("Hoch"), {QStringLiteral("+a")}, TypMCFrageBild);
    tall.Bild = Picture(QImage(100, 200, QImage::Format_RGB32));
    const Document doc = ChoiceDocument({wide, tall});
    const auto pictures = OfType(doc, TypMCFragebild);
    ASSERT_EQ(pictures.size(), 2u);
    ExpectAt(*pictures[0], 0.05, 0.51);
    EXPECT_EQ(pictures[0]->Fsize, 95); // round(120 / (1.333 / 1.05)) = round(94.5)
    EXPECT_EQ(pictures[0]->Bild.width(), 480);
    EXPECT_EQ(pictures[1]->Fsize, 120); // narrower than 1.05 counts as 1.05
    ExpectAt(*OfType(doc, TypMCAntwortBox, 1)[0], 0.5, 0.51);
    ExpectAt(*OfType(doc, TypMCOkBtn, 2)[0], 0.5, 0.51 + std::min(0.1 / 12 + 0.6, 0.15));
}

TEST(ChoiceLayout, QuestionWithoutAnswerLinesShowsTheOneApplicableAnswer) {
    ObjDataTyp q;
    q.Typ = TypMCFrage;
    q.Cap = QStringLiteral("\"Keine Antworten?\"");
    const Document doc = ChoiceDocument({q});
    const auto boxes = OfType(doc, TypMCAntwortBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0]->Cap, QStringLiteral("+"));
    EXPECT_EQ((boxes[0] + 1)->Cap, QStringLiteral("Antwort"));
    ExpectAt(*boxes[0], 0.17, 0.51);
}

TEST(ChoiceLayout, QuestionFontShrinksWithLengthButNotBelowMinusOne) {
    EXPECT_EQ(ChoiceQuestionFsize(60), 5);
    EXPECT_EQ(ChoiceQuestionFsize(71), 5);
    EXPECT_EQ(ChoiceQuestionFsize(72), 4);
    EXPECT_EQ(ChoiceQuestionFsize(100), 2);
    EXPECT_EQ(ChoiceQuestionFsize(500), -1);
    const Document doc = ChoiceDocument({Choice(QString(100, QLatin1Char('x')), {"+a"})});
    EXPECT_EQ(OfType(doc, TypMCFragetext)[0]->Fsize, 2);
}

TEST(ChoiceLayout, EmptyAnswerLinesGetNoBoxButCountForTheRows) {
    const Document doc =
        ChoiceDocument({Choice(QStringLiteral("F"), {QStringLiteral("+a"), QStringLiteral("   "),
                                                     QStringLiteral("Ohne Zeichen")})});
    const auto boxes = OfType(doc, TypMCAntwortBox);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0]->AntwortAnz, 3);
    EXPECT_DOUBLE_EQ(boxes[1]->Ky, 0.15 + 0.51);
    // A line without its mark does not apply and keeps its whole text.
    EXPECT_EQ(boxes[1]->Cap, QStringLiteral("-"));
    EXPECT_EQ((boxes[1] + 1)->Cap, QStringLiteral("Ohne Zeichen"));
}

TEST(ChoiceLayout, GeneratedObjectsAreNeverWrittenAndComeBackAtLoad) {
    Document doc = ChoiceDocument(
        {Choice(QStringLiteral("Eins"), {QStringLiteral("+a"), QStringLiteral("-b")}),
         Choice(QStringLiteral("Zwei"), {QStringLiteral("-c"), QStringLiteral("+d")})});
    const int generated = doc.ObjectCount();
    ASSERT_GT(generated, 2);
    Document back = test::ReadBytes(test::WriteBytes(doc));
    ASSERT_EQ(back.ObjectCount(), 2);
    for (const ObjDataTyp& o : back.CurrentObjects)
        EXPECT_TRUE(o.Typ == TypMCFrage || o.Typ == TypMCFrageBild);

    LearnView view(back);
    view.SetViewSize(800, 600);
    view.DocumentLoaded();
    EXPECT_EQ(back.ObjectCount(), generated);
    EXPECT_EQ(back.CurrentHeader.AnzFrageNummern, 2);
    EXPECT_EQ(view.CurrentQuestion, 1);
    // Loading again does not pile up a second layout.
    view.DocumentLoaded();
    EXPECT_EQ(back.ObjectCount(), generated);
}

TEST(ChoiceLayout, SingleQuestionObjectsAreStoredWithTheFile) {
    Document doc = SingleQuestions(QStringLiteral("Eins // 1\nZwei // 2"));
    Document back = test::ReadBytes(test::WriteBytes(doc));
    EXPECT_EQ(back.ObjectCount(), doc.ObjectCount());
    EXPECT_EQ(back.CurrentHeader.AnzFrageNummern, 2);
}

TEST(ChoiceContent, QuestionAndAnswerLinesSurviveTheCommaList) {
    const QStringList answers{QStringLiteral("+Ja, sicher"), QStringLiteral("-\"Nein\"")};
    const QString cap = EncodeChoiceQuestion(QStringLiteral("Wirklich?"), answers);
    const ChoiceQuestionContent c = ParseChoiceQuestion(cap);
    EXPECT_EQ(c.question, QStringLiteral("Wirklich?"));
    EXPECT_EQ(c.answers, answers);
    QStringList many;
    for (int i = 0; i < 15; ++i)
        many << QStringLiteral("+%1").arg(i);
    EXPECT_EQ(ParseChoiceQuestion(EncodeChoiceQuestion(QStringLiteral("Q"), many)).answers.size(),
              12);
}

} // namespace
} // namespace bw
