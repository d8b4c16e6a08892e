#include "authoring/content.h"
#include "authoring/contenttext.h"
#include "document/commalist.h"
#include "document/docfile.h"
#include "document/documenteditor.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace bw;

namespace {

QImage Filled(int w, int h, QRgb c) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(c);
    return img;
}

ObjDataTyp Label(int typ, const QString& cap) {
    ObjDataTyp o;
    o.Typ = typ;
    o.Cap = cap;
    return o;
}

} // namespace

TEST(ContentText, GapMarksLeaveBlanksAndClosingPunctuationOutside) {
    EXPECT_EQ(GapFromSelection(QStringLiteral("Osten")), QStringLiteral("<<Osten>>"));
    EXPECT_EQ(GapFromSelection(QStringLiteral("Osten,")), QStringLiteral("<<Osten>>,"));
    EXPECT_EQ(GapFromSelection(QStringLiteral(" Osten. ")), QStringLiteral(" <<Osten>>. "));
    EXPECT_EQ(GapFromSelection(QStringLiteral("\tzwei Worte?")),
              QStringLiteral(" <<zwei Worte>>?"));
    EXPECT_EQ(GapFromSelection(QString()), QStringLiteral("<<>>"));
    // Only one closing mark moves out; a lone mark becomes an empty gap before it.
    EXPECT_EQ(GapFromSelection(QStringLiteral("Was?!")), QStringLiteral("<<Was?>>!"));
    EXPECT_EQ(GapFromSelection(QStringLiteral(".")), QStringLiteral("<<>>."));
    EXPECT_EQ(WithoutGapMarks(QStringLiteral("im <<Osten>> und <<Westen>>.")),
              QStringLiteral("im Osten und Westen."));
}

TEST(ContentText, CounterAndSignedAnswerLines) {
    EXPECT_EQ(QuestionCountText(QString()), QStringLiteral("0 Fragen"));
    EXPECT_EQ(QuestionCountText(QStringLiteral("\r\n  \r\nWann? // Juni\r\n\r\n")),
              QStringLiteral("1 Frage"));
    EXPECT_EQ(QuestionCountText(QStringLiteral("a\nb\rc")), QStringLiteral("3 Fragen"));
    EXPECT_EQ(SignedAnswerLines(QStringLiteral("  Wal \r\n- Hai\r\n\r\n+Delfin")),
              QStringLiteral("+ Wal\r\n- Hai\r\n\r\n+Delfin"));
}

TEST(ContentCommaItems, QuestionAndAnswersRoundTrip) {
    // A blank in the question and two answer lines: both quoted, CR LF inside the second.
    const QString cap = EncodeCommaItems(
        {QStringLiteral("Wer ist \"groß\", wer klein?"), QStringLiteral("+ Riese\r\n- Zwerg")});
    EXPECT_EQ(cap, QStringLiteral("\"Wer ist \"\"groß\"\", wer klein?\",\"+ Riese\r\n- Zwerg\""));
    const QStringList back = SplitCommaItems(cap);
    ASSERT_EQ(back.size(), 2);
    EXPECT_EQ(back[0], QStringLiteral("Wer ist \"groß\", wer klein?"));
    EXPECT_EQ(back[1], QStringLiteral("+ Riese\r\n- Zwerg"));
    // The older line form is the same encoding.
    EXPECT_EQ(EncodeCommaList(QStringLiteral("a b\r\nc")), QStringLiteral("\"a b\",c"));
    EXPECT_EQ(DecodeCommaList(QStringLiteral("\"a b\",c")), QStringLiteral("a b\r\nc"));
    EXPECT_EQ(EncodeCommaItems({QString()}), QStringLiteral("\"\""));
}

TEST(ContentChoice, ObjectsFollowTheStorageRules) {
    std::vector<ChoiceQuestion> qs(3);
    qs[0].question = QStringLiteral("  Hauptstadt?  ");
    qs[0].answer = QString(); // becomes "+ Antwort"
    qs[1].question = QStringLiteral("Welche Bilder?");
    qs[1].kind = 1;
    qs[1].pictureCount = 3;
    qs[1].applies = {true, false, true};
    for (int n = 0; n < 3; ++n)
        qs[1].pictures[n] = Filled(4 + n, 4, qRgb(n * 80, 0, 0));
    qs[1].answer = QStringLiteral("+ stale text");
    qs[2].question = QStringLiteral("Mit Bild");
    qs[2].answer = QStringLiteral("\r\n+ ja\r\n- nein\r\n");
    qs[2].picture = Filled(10, 8, qRgb(0, 0, 255));

    const std::vector<ObjDataTyp> objs = ChoiceQuestionObjects(qs);
    ASSERT_EQ(objs.size(), 3u);
    EXPECT_EQ(objs[0].Cap, QStringLiteral("Hauptstadt?,\"+ Antwort\""));
    EXPECT_EQ(objs[0].Typ, int(TypMCFrage));
    EXPECT_EQ(objs[0].FrageNummer, 1);
    EXPECT_EQ(objs[0].Sx, -1.0);
    EXPECT_EQ(objs[0].Ky, -1.0);
    EXPECT_EQ(objs[0].Ebene, 1);
    EXPECT_EQ(objs[1].Untertyp, 1);
    EXPECT_EQ(objs[1].AntwortAnz, 3);
    EXPECT_EQ(SplitCommaItems(objs[1].Cap).value(1), QStringLiteral("+ Bild\r\n- Bild\r\n+ Bild"));
    EXPECT_EQ(qs[1].answer, QStringLiteral("+ Bild\r\n- Bild\r\n+ Bild"));
    EXPECT_EQ(objs[1].BildAntw[2].width(), 6);
    EXPECT_TRUE(objs[1].BildAntw[3].isNull());
    EXPECT_EQ(objs[2].Typ, int(TypMCFrageBild));
    EXPECT_EQ(objs[2].Bild.width(), 10);
    EXPECT_EQ(SplitCommaItems(objs[2].Cap).value(1), QStringLiteral("+ ja\r\n- nein"));
    EXPECT_EQ(objs[2].FrageNummer, 3);

    // Read back: texts, picture flags and pictures as they were.
    Document doc;
    doc.CurrentObjects = objs;
    const std::vector<ChoiceQuestion> back = LoadChoiceQuestions(doc);
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[0].question, QStringLiteral("Hauptstadt?"));
    EXPECT_EQ(back[1].kind, 1);
    EXPECT_EQ(back[1].pictureCount, 3);
    EXPECT_TRUE(back[1].applies[0]);
    EXPECT_FALSE(back[1].applies[1]);
    EXPECT_EQ(back[1].pictures[1].width(), 5);
    EXPECT_EQ(back[2].picture.size(), QSize(10, 8));
}

TEST(ContentChoice, ADamagedCapStillGivesTwoTextsAndMissingLinesApply) {
    Document doc;
    ObjDataTyp o = Label(TypMCFrage, QStringLiteral("NurFrage"));
    o.Untertyp = 1;
    o.AntwortAnz = 40; // more than there can be
    doc.CurrentObjects.push_back(o);
    const std::vector<ChoiceQuestion> qs = LoadChoiceQuestions(doc);
    ASSERT_EQ(qs.size(), 1u);
    EXPECT_EQ(qs[0].question, QStringLiteral("NurFrage"));
    EXPECT_EQ(qs[0].answer, QString());
    EXPECT_EQ(qs[0].pictureCount, kMaxAnswerPictures);
    EXPECT_TRUE(qs[0].applies[11]);
}

TEST(ContentStore, EditsSwitchTheTypeAndUndoAsOneStep) {
    Document doc;
    doc.CurrentHeader.DokTyp = 2;
    doc.CurrentHeader.fragentext = QStringLiteral("Wann? // Juni");
    doc.CurrentObjects = {Label(TypFix, QStringLiteral("bleibt")),
                          Label(TypAntwortFeld, QStringLiteral("Juni")),
                          Label(TypFrageText, QStringLiteral("Wann?"))};
    DocumentEditor editor(doc);

    StoreClozeText(editor, QStringLiteral(" \r\n\tDie Sonne geht im <<Osten>> auf.\r\n\r\n "));
    EXPECT_EQ(doc.CurrentHeader.DokTyp, 1);
    EXPECT_EQ(doc.CurrentHeader.lueckentext, QStringLiteral("Die Sonne geht im <<Osten>> auf."));
    EXPECT_TRUE(doc.CurrentHeader.fragentext.isEmpty());
    ASSERT_EQ(doc.CurrentObjects.size(), 1u);
    EXPECT_EQ(doc.CurrentObjects[0].Cap, QStringLiteral("bleibt"));
    EXPECT_TRUE(editor.IsModified());
    EXPECT_EQ(editor.undoStack().count(), 1);

    editor.undoStack().undo();
    EXPECT_EQ(doc.CurrentHeader.DokTyp, 2);
    EXPECT_EQ(doc.CurrentHeader.fragentext, QStringLiteral("Wann? // Juni"));
    EXPECT_EQ(doc.CurrentObjects.size(), 3u);
    EXPECT_FALSE(editor.IsModified());

    // A question text is kept byte for byte, blanks and empty lines included.
    const QString typed = QStringLiteral("\r\n  Wo? // Hier  \r\n\r\n");
    StoreQuestionText(editor, typed);
    EXPECT_EQ(doc.CurrentHeader.fragentext, typed);
    EXPECT_TRUE(doc.CurrentHeader.lueckentext.isEmpty());

    std::vector<ChoiceQuestion> qs(2);
    qs[0].question = QStringLiteral("Eins");
    qs[1].question = QStringLiteral("Zwei");
    StoreChoiceQuestions(editor, qs);
    EXPECT_EQ(doc.CurrentHeader.DokTyp, 3);
    EXPECT_TRUE(doc.CurrentHeader.fragentext.isEmpty());
    ASSERT_EQ(doc.CurrentObjects.size(), 3u);
    EXPECT_EQ(doc.CurrentObjects[2].FrageNummer, 2);
    // Storing again replaces the questions rather than adding to them.
    std::swap(qs[0], qs[1]);
    StoreChoiceQuestions(editor, qs);
    ASSERT_EQ(doc.CurrentObjects.size(), 3u);
    EXPECT_EQ(SplitCommaItems(doc.CurrentObjects[1].Cap).value(0), QStringLiteral("Zwei"));
    EXPECT_EQ(doc.CurrentObjects[1].FrageNummer, 1);
}

TEST(ContentTextFile, ChoiceFormWithPicturesAndItsMistakes) {
    QTemporaryDir dir;
    ASSERT_TRUE(Filled(20, 10, qRgb(1, 2, 3)).save(dir.filePath(QStringLiteral("frage.png"))));
    ASSERT_TRUE(Filled(8, 8, qRgb(9, 9, 9)).save(dir.filePath(QStringLiteral("a.png"))));
    const QByteArray text = "Welche Tiere sind S\xC3\xA4ugetiere?\n"
                            "+ Wal\n"
                            "- Hai\n"
                            "\n\n"
                            "Welches Bild?\r\n"
                            "Bild: frage.png\r\n"
                            "+ Bild: a.png\r\n"
                            "- Bild: a.png\r\n";
    const ContentText r = ParseContentText(text, 3, dir.path());
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    ASSERT_EQ(r.questions.size(), 2u);
    EXPECT_EQ(r.questions[0].question, QStringLiteral("Welche Tiere sind Säugetiere?"));
    EXPECT_EQ(r.questions[0].answer, QStringLiteral("+ Wal\r\n- Hai"));
    EXPECT_EQ(r.questions[1].picture.size(), QSize(20, 10));
    EXPECT_EQ(r.questions[1].kind, 1);
    EXPECT_EQ(r.questions[1].pictureCount, 2);
    EXPECT_FALSE(r.questions[1].applies[1]);

    const ContentText mixed = ParseContentText("F?\n+ Text\n+ Bild: a.png\n", 3, dir.path());
    EXPECT_FALSE(mixed.ok);
    EXPECT_TRUE(mixed.message.startsWith(QStringLiteral("Zeile 3:")));
    const ContentText unsigned_ = ParseContentText("F?\nohne Zeichen\n", 3, dir.path());
    EXPECT_FALSE(unsigned_.ok);
    EXPECT_TRUE(unsigned_.message.startsWith(QStringLiteral("Zeile 2:")));
    const ContentText missing = ParseContentText("F?\n+ Bild: fehlt.png\n", 3, dir.path());
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.message.contains(QStringLiteral("fehlt.png")));
    QByteArray thirteen = "F?\n";
    for (int i = 0; i < 13; ++i)
        thirteen += "+ Bild: a.png\n";
    const ContentText tooMany = ParseContentText(thirteen, 3, dir.path());
    EXPECT_FALSE(tooMany.ok);
    EXPECT_TRUE(tooMany.message.startsWith(QStringLiteral("Zeile 14:")));
}

TEST(ContentTextFile, CharactersOutsideTheCodePageAndBadUtf8NameTheirPlace) {
    const ContentText euro = ParseContentText("Preis: 5 \xE2\x82\xAC\n", 1, QString());
    ASSERT_TRUE(euro.ok); // the euro sign is in Windows-1252
    EXPECT_EQ(euro.text, QStringLiteral("Preis: 5 €"));
    const ContentText greek = ParseContentText("Erste Zeile\nWinkel \xCE\xB1 ist\n", 2, QString());
    EXPECT_FALSE(greek.ok);
    EXPECT_TRUE(greek.message.startsWith(QStringLiteral("Zeile 2, Spalte 8:")))
        << greek.message.toStdString();
    EXPECT_TRUE(greek.message.contains(QStringLiteral("U+03B1")));
    // A character beyond the basic plane counts as one column.
    const ContentText emoji = ParseContentText("\xF0\x9F\x98\x80 x \xCE\xB1", 1, QString());
    EXPECT_TRUE(emoji.message.startsWith(QStringLiteral("Zeile 1, Spalte 1:")));
    const ContentText broken = ParseContentText("gut\n\xC3(\n", 1, QString());
    EXPECT_FALSE(broken.ok);
    EXPECT_TRUE(broken.message.startsWith(QStringLiteral("Zeile 2:")));
    // A byte order mark is not part of the text; lines end in CR LF either way.
    const ContentText bom = ParseContentText("\xEF\xBB\xBF"
                                             "a\r\nb\n",
                                             2, QString());
    EXPECT_EQ(bom.text, QStringLiteral("a\r\nb"));
}
