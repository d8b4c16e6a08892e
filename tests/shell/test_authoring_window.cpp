// The authoring subsystem in the main window: a new labelling document from a photo, the
// object editor opened and closed, its keys, the assistant, previews and the base edition.
#include "authoring/widgets/tautorassistform.h"
#include "authoring/widgets/tobjeditneuform.h"
#include "authoring/widgets/tvorschaubilderform.h"
#include "document/docfile.h"
#include "shell/widgets/authoringconnector.h"
#include "shell/widgets/panels.h"
#include "shell/widgets/tform1.h"
#include "support/scriptedprompter.h"
#include "view/learnview.h"
#include "view/widgets/tlernviewwidget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace bw;
using test::ScriptedPrompter;

namespace {

struct Started {
    explicit Started(Edition e) : form(e) {
        form.SetDisplayOverride(1280, 1024, 32);
        form.FormCreate();
        form.FormActivate();
        form.resize(1000, 700);
    }
    TForm1 form;
};

QString WritePhoto(const QTemporaryDir& dir, const QString& name) {
    QImage photo(800, 500, QImage::Format_RGB32);
    photo.fill(QColor(90, 140, 60));
    const QString path = dir.filePath(name);
    photo.save(path);
    return path;
}

} // namespace

TEST(AuthoringWindow, ANewLabellingDocumentFromAPhotoIsMadeSavedAndReadBack) {
    ScriptedPrompter p;
    QTemporaryDir dir;
    Started s(Edition::Autor);
    Workspace& ws = s.form.workspace();
    AuthoringConnector* a = s.form.authoring();
    const MainMenu& m = s.form.menu();
    ASSERT_TRUE(m.NeuBildbeschriftung1->isEnabled());

    m.NeuBildbeschriftung1->trigger();
    EXPECT_EQ(ws.doc.CurrentHeader.DokTyp, 0);
    EXPECT_TRUE(ws.EditorOpen);
    EXPECT_TRUE(s.form.view().editorOpen);
    EXPECT_TRUE(a->objectEditor()->isVisible());
    EXPECT_TRUE(a->assistant()->isVisible());
    EXPECT_EQ(m.Assistent1->text(), QStringLiteral("Assistent ausblenden"));
    EXPECT_FALSE(ws.StartScreenVisible);

    p.fileAnswers = {WritePhoto(dir, QStringLiteral("wald.png"))};
    m.BasisbildAusDatei1->trigger();
    EXPECT_EQ(ws.doc.BaseImage.width(), 800);
    EXPECT_GT(ws.doc.CurrentHeader.RandErw.top, 0); // 800 x 500 on a 10 : 7 page

    TObjEditneuForm* ed = a->objectEditor();
    ed->NewObject(0);
    QTest::keyClicks(ed->BezMemo, QStringLiteral("Eiche"));
    ed->NewObject(4);
    ed->BezMemo->insertPlainText(QStringLiteral("Bäume sind Pflanzen."));
    ed->NewObject(6);
    ed->DateiEdit->setText(QStringLiteral("insel-karte.bwk"));
    emit ed->DateiEdit->editingFinished();
    ASSERT_EQ(ws.doc.ObjectCount(), 3);
    EXPECT_EQ(ws.doc.CurrentObjects[1].Ebene, 2);
    EXPECT_EQ(ws.doc.CurrentObjects[2].Cap, QStringLiteral("insel-karte.bwk"));

    // The plain arrow keys move the selected card one grid step.
    const double ky = ws.doc.CurrentObjects[2].Ky;
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(&s.form, &down);
    EXPECT_NEAR(ws.doc.CurrentObjects[2].Ky, ky + 0.01, 1e-9);

    const QString path = dir.filePath(QStringLiteral("wald.bwk"));
    p.fileAnswers = {path};
    ASSERT_TRUE(ws.SpeichernUnter());
    ed->close();
    EXPECT_FALSE(ws.EditorOpen);
    EXPECT_FALSE(s.form.view().editorOpen);

    ASSERT_TRUE(ws.ReadDocument(path, true));
    ASSERT_EQ(ws.doc.ObjectCount(), 3);
    EXPECT_EQ(ws.doc.CurrentObjects[0].Cap, QStringLiteral("Eiche"));
    EXPECT_EQ(ws.doc.CurrentObjects[1].Cap, QStringLiteral("Bäume sind Pflanzen."));
    EXPECT_EQ(ws.doc.CurrentObjects[1].Typ, TypInfopunkt);
    EXPECT_EQ(ws.doc.CurrentObjects[2].Typ, TypLinkIntern);
    EXPECT_EQ(ws.doc.BaseImage.width(), 800);
    EXPECT_EQ(ws.doc.CurrentObjects[0].Abgedeckt, -1); // read with the editor closed

    // F3 opens the editor again and uncovers every object.
    m.ObjekteBearbeiten1->trigger();
    EXPECT_TRUE(ws.EditorOpen);
    EXPECT_EQ(ws.doc.CurrentObjects[0].Abgedeckt, 0);
    ed->close();
}

TEST(AuthoringWindow, PreviewsRefuseWhileTheEditorIsOpenAndNameTheFileByHeight) {
    ScriptedPrompter p;
    QTemporaryDir dir;
    Started s(Edition::Autor);
    Workspace& ws = s.form.workspace();
    AuthoringConnector* a = s.form.authoring();
    s.form.menu().NeuBildbeschriftung1->trigger();
    s.form.menu().Vorschaubilder1->trigger();
    EXPECT_EQ(p.texts("info").value(0),
              QStringLiteral("Bitte zuerst den Beschriftungseditor schließen."));
    a->objectEditor()->close();

    p.fileAnswers = {dir.filePath(QStringLiteral("europa.bwk"))};
    ASSERT_TRUE(ws.SpeichernUnter());
    a->previewForm()->HoeheEdit->setValue(120);
    QTimer::singleShot(0, a->previewForm(), [a] { a->previewForm()->accept(); });
    s.form.menu().Vorschaubilder1->trigger();
    const QImage preview(dir.filePath(QStringLiteral("vorschaubilder/europa-120.png")));
    ASSERT_FALSE(preview.isNull());
    EXPECT_EQ(preview.height(), 120);
}

TEST(AuthoringWindow, TheAssistantNamesTheShortcutsInGermanAndToggles) {
    EXPECT_EQ(TAutorAssistForm::ShortcutHint(QKeySequence(QStringLiteral("Shift+Ctrl+O"))),
              QStringLiteral("Tastenkürzel: Umsch+Strg+O"));
    EXPECT_EQ(TAutorAssistForm::ShortcutHint(QKeySequence(QStringLiteral("Shift+Ctrl+Del"))),
              QStringLiteral("Tastenkürzel: Umsch+Strg+Entf"));
    EXPECT_EQ(TAutorAssistForm::ShortcutHint(QKeySequence(QStringLiteral("Alt+Return"))),
              QStringLiteral("Tastenkürzel: Alt+Enter"));
    ScriptedPrompter p;
    Started s(Edition::Autor);
    const MainMenu& m = s.form.menu();
    s.form.show();
    m.Assistent1->trigger();
    const TAutorAssistForm* assistant = s.form.authoring()->assistant();
    EXPECT_TRUE(assistant->isVisible());
    // It leaves the side toolbar free.
    const QWidget* bar = s.form.sidePanel().LernInfoPan;
    ASSERT_TRUE(bar->isVisible());
    EXPECT_FALSE(assistant->frameGeometry().intersects(
        QRect(bar->mapToGlobal(QPoint(0, 0)), bar->size())));
    m.Assistent1->trigger();
    EXPECT_FALSE(s.form.authoring()->assistant()->isVisible());
    EXPECT_EQ(m.Assistent1->text(), QStringLiteral("&Assistent einblenden"));
}

TEST(AuthoringWindow, TheBaseEditionOffersNoAuthoring) {
    ScriptedPrompter p;
    Started s(Edition::Basis);
    const MainMenu& m = s.form.menu();
    for (QAction* a : {m.NeuBildbeschriftung1, m.DokumentBearbeiten1, m.ObjekteBearbeiten1,
                       m.BasisbildAusDatei1, m.Vorschaubilder1, m.ObjekteTransformieren1})
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    EXPECT_FALSE(s.form.sidePanel().BeschrEditBtn->isVisibleTo(&s.form));
    s.form.authoring()->OpenObjectEditor();
    EXPECT_FALSE(s.form.workspace().EditorOpen);
    EXPECT_TRUE(m.Dokumenteigenschaften1->isEnabled());
}
