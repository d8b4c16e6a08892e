// The three content editors driven as a teacher drives them: type, confirm, save, read back.
#include "authoring/content.h"
#include "authoring/widgets/contenteditors.h"
#include "authoring/widgets/texteditforms.h"
#include "authoring/widgets/tmultiplechoiceeditform.h"
#include "document/commalist.h"
#include "document/docfile.h"
#include "document/documenteditor.h"
#include "support/scriptedprompter.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

using namespace bw;

namespace {

// Runs steps inside the modal dialog once it is up.
void WhenShown(std::function<void()> steps) {
    QTimer::singleShot(0, std::move(steps));
}

QByteArray Saved(const Document& doc, const QString& path) {
    Document copy = doc;
    EXPECT_TRUE(WriteDocumentFile(path, copy).ok);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

Document ReadBack(const Document& doc, const QString& path) {
    Saved(doc, path);
    Document back;
    EXPECT_TRUE(ReadDocumentFile(path, back, false).ok);
    return back;
}

void Select(QPlainTextEdit* memo, int from, int to) {
    QTextCursor c = memo->textCursor();
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    memo->setTextCursor(c);
}

struct ContentEditorFixture : ::testing::Test {
    QWidget window;
    Document doc;
    DocumentEditor editor{doc};
    ContentEditors editors{&window, editor};
    QTemporaryDir dir;
    test::ScriptedPrompter prompter;
    QString file(const char* name) { return dir.filePath(QString::fromLatin1(name)); }
};

} // namespace

TEST_F(ContentEditorFixture, ClozeEditorSetsAGapAroundTheSelectedWordAndStoresTheTrimmedText) {
    doc.CurrentHeader.DokTyp = 2;
    doc.CurrentHeader.fragentext = QStringLiteral("Alt? // weg");
    int stored = 0;
    QObject::connect(&editors, &ContentEditors::contentStored, [&](int t) { stored = t; });
    WhenShown([&] {
        TLueckEditForm* f = editors.clozeForm();
        f->Memo1->setPlainText(QStringLiteral("\n  Die Sonne geht im Osten, wie immer.\n\n"));
        Select(f->Memo1, 21, 27); // "Osten,"
        f->LueckeSetzenBtn->click();
        f->OKBtn->click();
    });
    ASSERT_TRUE(editors.Edit(1));
    EXPECT_EQ(stored, 1);
    const Document back = ReadBack(doc, file("c.bwk"));
    EXPECT_EQ(back.CurrentHeader.DokTyp, 1);
    EXPECT_EQ(back.CurrentHeader.lueckentext,
              QStringLiteral("Die Sonne geht im <<Osten>>, wie immer."));
    EXPECT_TRUE(back.CurrentHeader.fragentext.isEmpty());

    // Removing the marks of a selection with the gap in it leaves plain text.
    WhenShown([&] {
        TLueckEditForm* f = editors.clozeForm();
        EXPECT_EQ(f->Memo1->toPlainText(), doc.CurrentHeader.lueckentext);
        Select(f->Memo1, 0, f->Memo1->toPlainText().size());
        f->LueckeEntfernenBtn->click();
        EXPECT_EQ(f->Memo1->toPlainText(), QStringLiteral("Die Sonne geht im Osten, wie immer."));
        f->AbbrBtn->click();
    });
    EXPECT_FALSE(editors.Edit(1));
    EXPECT_EQ(doc.CurrentHeader.lueckentext,
              QStringLiteral("Die Sonne geht im <<Osten>>, wie immer."));
}

TEST_F(ContentEditorFixture, QuestionEditorCountsAndKeepsTheTextAsTyped) {
    const QString typed = QStringLiteral("\n  Wann ist Sommeranfang? // Juni  \n\n");
    WhenShown([&] {
        TFragenEditForm* f = editors.questionForm();
        EXPECT_EQ(f->AnzFragLab->text(), QStringLiteral("0 Fragen"));
        f->Memo1->setPlainText(typed);
        EXPECT_EQ(f->AnzFragLab->text(), QStringLiteral("1 Frage"));
        f->Memo1->appendPlainText(QStringLiteral("Wo? // Hier"));
        EXPECT_EQ(f->AnzFragLab->text(), QStringLiteral("2 Fragen"));
        f->AllesLoeschenBtn->click();
        EXPECT_EQ(f->AnzFragLab->text(), QStringLiteral("0 Fragen"));
        f->Memo1->setPlainText(typed);
        f->OKBtn->click();
    });
    ASSERT_TRUE(editors.Edit(2));
    const Document back = ReadBack(doc, file("q.bwk"));
    EXPECT_EQ(back.CurrentHeader.DokTyp, 2);
    EXPECT_EQ(back.CurrentHeader.fragentext,
              QStringLiteral("\r\n  Wann ist Sommeranfang? // Juni  \r\n\r\n"));
    EXPECT_EQ(editor.undoStack().count(), 1);
}

TEST_F(ContentEditorFixture, ChoiceEditorTypesReordersAndStoresTheQuestions) {
    WhenShown([&] {
        TMultipleChoiceEditForm* f = editors.choiceForm();
        // An empty document starts with one new question.
        ASSERT_EQ(f->FrageListBox->count(), 1);
        f->FrageMemo->setPlainText(QStringLiteral("Erste Frage"));
        f->AntwortMemo->setPlainText(QStringLiteral("richtig\n- falsch"));
        f->NeueFrage();
        EXPECT_EQ(f->FrageListBox->item(1)->text(), QStringLiteral("Frage 2"));
        f->FrageMemo->setPlainText(QStringLiteral("Zweite, mit \"Bild\""));
        f->BildAntwortenRadio->setChecked(true);
        EXPECT_TRUE(f->BildAntwortPanel->isVisibleTo(f));
        f->NeueAntwort();
        f->NichtZutreffendRadio->setChecked(true);
        EXPECT_EQ(f->BildAntwListBox->item(1)->text(), QStringLiteral("- Bild 2"));
        f->FrageVerschieben(-1);
        EXPECT_EQ(f->FrageListBox->currentRow(), 0);
        EXPECT_EQ(f->FrageMemo->toPlainText(), QStringLiteral("Zweite, mit \"Bild\""));
        f->OKBtn->click();
    });
    ASSERT_TRUE(editors.Edit(3));
    const Document back = ReadBack(doc, file("mc.bwk"));
    EXPECT_EQ(back.CurrentHeader.DokTyp, 3);
    std::vector<const ObjDataTyp*> qs;
    for (const ObjDataTyp& o : back.CurrentObjects)
        if (o.Typ == TypMCFrage || o.Typ == TypMCFrageBild) qs.push_back(&o);
    ASSERT_EQ(qs.size(), 2u);
    EXPECT_EQ(qs[0]->FrageNummer, 1);
    EXPECT_EQ(qs[0]->Untertyp, 1);
    EXPECT_EQ(qs[0]->AntwortAnz, 2);
    EXPECT_EQ(qs[0]->Cap, QStringLiteral("\"Zweite, mit \"\"Bild\"\"\",\"+ Bild\r\n- Bild\""));
    EXPECT_EQ(qs[1]->FrageNummer, 2);
    // The unsigned answer line was given its plus when the field was left.
    EXPECT_EQ(qs[1]->Cap, QStringLiteral("\"Erste Frage\",\"+ richtig\r\n- falsch\""));
}

TEST_F(ContentEditorFixture, CancellingTheChoiceEditorLeavesTheDocumentByteForByte) {
    std::vector<ChoiceQuestion> qs(2);
    qs[0].question = QStringLiteral("Eins");
    qs[0].answer = QStringLiteral("+ a\r\n- b");
    qs[1].question = QStringLiteral("Zwei");
    StoreChoiceQuestions(editor, qs);
    const QByteArray before = Saved(doc, file("before.bwk"));
    WhenShown([&] {
        TMultipleChoiceEditForm* f = editors.choiceForm();
        ASSERT_EQ(f->FrageListBox->count(), 2);
        EXPECT_EQ(f->FrageMemo->toPlainText(), QStringLiteral("Eins"));
        f->FrageMemo->setPlainText(QStringLiteral("geändert"));
        prompter.answers = {YesNoCancel::Yes, YesNoCancel::Yes};
        f->FrageLoeschen();
        f->AllesLoeschen();
        f->AbbrBtn->click();
    });
    EXPECT_FALSE(editors.Edit(3));
    EXPECT_EQ(prompter.texts(QStringLiteral("yesno")),
              QStringList({QStringLiteral("Die aktuelle Frage Nr. 1 löschen?"),
                           QStringLiteral("Alle Fragen löschen?")}));
    EXPECT_EQ(Saved(doc, file("after.bwk")), before);
}

TEST_F(ContentEditorFixture, PictureAnswersAskForASelectionAndStopAtTwelve) {
    WhenShown([&] {
        TMultipleChoiceEditForm* f = editors.choiceForm();
        f->BildAntwortenRadio->setChecked(true);
        for (int i = 1; i < kMaxAnswerPictures; ++i)
            f->NeueAntwort();
        EXPECT_EQ(f->BildAntwListBox->count(), kMaxAnswerPictures);
        f->NeueAntwort();
        EXPECT_EQ(prompter.texts(QStringLiteral("info")).value(0),
                  QStringLiteral("Es sind maximal 12 Antwortbilder pro Frage möglich."));
        prompter.answers = {YesNoCancel::Yes};
        f->BildAntwListBox->setCurrentRow(0);
        f->AntwortLoeschen();
        EXPECT_EQ(f->BildAntwListBox->count(), kMaxAnswerPictures - 1);
        EXPECT_EQ(f->BildAntwListBox->item(10)->text(), QStringLiteral("+ Bild 11"));
        f->AbbrBtn->click();
    });
    EXPECT_FALSE(editors.Edit(3));
}
