// The content editors from the main window's menu: a new document of each text type, F2 on
// it, and the editor font.
#include "authoring/widgets/contenteditors.h"
#include "authoring/widgets/texteditforms.h"
#include "authoring/widgets/tmultiplechoiceeditform.h"
#include "shell/widgets/authoringconnector.h"
#include "shell/widgets/mainmenu.h"
#include "shell/widgets/tform1.h"
#include "support/scriptedprompter.h"

#include <QAction>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace bw;

namespace {

struct ContentMenu : ::testing::Test {
    test::ScriptedPrompter p;
    TForm1 form{Edition::Autor};
    Workspace& ws = form.workspace();
    ContentEditors* editors = nullptr;

    void SetUp() override {
        form.SetDisplayOverride(1280, 1024, 32);
        ASSERT_TRUE(form.FormCreate());
        form.show();
        form.FormActivate();
        editors = form.authoring()->contentEditors();
    }
};

} // namespace

TEST_F(ContentMenu, NewClozeDocumentOpensItsEditorAndF2OpensItAgain) {
    ws.settings.EditorSchriftartFontName = QStringLiteral("Courier New");
    ws.settings.EditorSchriftartFontSize = 12;
    QTimer::singleShot(0, [&] {
        TLueckEditForm* f = editors->clozeForm();
        EXPECT_EQ(f->Memo1->font().pointSize(), 12);
        f->Memo1->setPlainText(QStringLiteral("Der <<Rhein>> fließt."));
        f->OKBtn->click();
    });
    form.menu().NeuLueckentext1->trigger();
    EXPECT_EQ(ws.doc.CurrentHeader.DokTyp, 1);
    EXPECT_EQ(ws.doc.CurrentHeader.lueckentext, QStringLiteral("Der <<Rhein>> fließt."));
    EXPECT_TRUE(ws.doc.CurrentHeader.Geaendert);

    ASSERT_TRUE(form.menu().DokumentBearbeiten1->isEnabled());
    QTimer::singleShot(0, [&] {
        TLueckEditForm* f = editors->clozeForm();
        EXPECT_EQ(f->Memo1->toPlainText(), QStringLiteral("Der <<Rhein>> fließt."));
        f->AbbrBtn->click();
    });
    form.menu().DokumentBearbeiten1->trigger();
    EXPECT_EQ(ws.doc.CurrentHeader.lueckentext, QStringLiteral("Der <<Rhein>> fließt."));
}

TEST_F(ContentMenu, ACancelledEditorKeepsTheNewDocumentsType) {
    QTimer::singleShot(0, [&] { editors->choiceForm()->AbbrBtn->click(); });
    form.menu().NeuMultipleChoice1->trigger();
    EXPECT_EQ(ws.doc.CurrentHeader.DokTyp, 3);
    QTimer::singleShot(0, [&] {
        TFragenEditForm* f = editors->questionForm();
        f->Memo1->setPlainText(QStringLiteral("Wann? // Juni"));
        f->OKBtn->click();
    });
    form.menu().NeuEinzelfragen1->trigger();
    EXPECT_EQ(ws.doc.CurrentHeader.DokTyp, 2);
    EXPECT_EQ(ws.doc.CurrentHeader.fragentext, QStringLiteral("Wann? // Juni"));
}
