// A real exercise in the main window, driven with mouse events on the cards.

#include "document/document.h"
#include "exercise/widgets/exercisecontroller.h"
#include "exercise/widgets/exercisepanel.h"
#include "exercise/widgets/resultwindows.h"
#include "exercise/widgets/statuspanel.h"
#include "exercise/widgets/tnameeingabeform.h"
#include "exercise/widgets/tueboptform.h"
#include "shell/widgets/tform1.h"
#include "support/scriptedprompter.h"
#include "view/learnview.h"
#include "view/widgets/tlernviewwidget.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <gtest/gtest.h>

using namespace bw;
using test::ScriptedPrompter;

namespace {

struct Window {
    explicit Window(const QString& doc) : form(Edition::Autor) {
        form.SetDisplayOverride(1280, 1024, 32);
        form.SetCommandLine({doc});
        form.FormCreate();
        form.resize(1076, 780);
        form.show();
        form.FormActivate();
    }
    TForm1 form;
};

void Send(QWidget* w, QEvent::Type type, QPoint local, Qt::MouseButton button,
          Qt::MouseButtons buttons) {
    QMouseEvent e(type, QPointF(local), QPointF(w->mapToGlobal(local)), button, buttons,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Drags the card so that the middle of its left edge lands on the panel point.
void DragCardTo(TKarte* card, QPoint panelPoint) {
    const QPoint grip(3, card->height() / 2);
    Send(card, QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
    const QPoint start = card->pos() + grip;
    for (int step = 1; step <= 4; ++step) {
        const QPoint panelPos = start + (panelPoint - start) * step / 4;
        Send(card, QEvent::MouseMove, panelPos - card->pos(), Qt::NoButton, Qt::LeftButton);
    }
}

void Release(TKarte* card) {
    Send(card, QEvent::MouseButtonRelease, QPoint(3, card->height() / 2), Qt::LeftButton,
         Qt::NoButton);
}

QPoint FieldCentre(Exercise& ex, int object) {
    const DoubleRect& k = ex.view().Card(object).KRect;
    return ex.PageToPanel({(k.left + k.right) / 2, (k.top + k.bottom) / 2});
}

} // namespace

TEST(ExerciseWindow, DraggedCardIsJudgedAndTheStatusPanelFollows) {
    ScriptedPrompter p;
    Window w(QStringLiteral(BRETTWERK_SAMPLES "/insel-karte.bwk"));
    ExerciseController* c = w.form.exerciseController();
    ASSERT_NE(c, nullptr);
    Exercise& ex = c->exercise();
    const MainMenu& m = w.form.menu();
    ASSERT_TRUE(m.IndividualUebung1->isEnabled());

    // F7 shows the options dialog; "Übung starten" there starts the run, after the name.
    TNameEingabeForm* name = w.form.results()->nameForm();
    QTimer::singleShot(0, c->optForm(), [c, name] {
        c->optForm()->Zuordnungstexte->SetItemIndex(0);
        QTimer::singleShot(0, name, [name] {
            name->nameEdit()->setText(QStringLiteral("Kim"));
            name->accept();
        });
        c->optForm()->StartBtn->click();
    });
    m.IndividualUebung1->trigger();
    ASSERT_TRUE(ex.Running());
    EXPECT_EQ(ex.ueb.EnteredName, QStringLiteral("Kim"));
    EXPECT_EQ(w.form.workspace().ViewMode, ViewModeKind::Exercise);
    EXPECT_TRUE(w.form.workspace().ExerciseRunning());
    EXPECT_FALSE(m.Oeffnen1->isEnabled());
    EXPECT_TRUE(w.form.infoPanel().UebStatusPan->isVisible());
    EXPECT_EQ(w.form.infoPanel().LernKartBtn->text(), QStringLiteral("Übung abbrechen"));
    EXPECT_EQ(w.form.workspace().settings.UebOpt.Zuordnungstexte, 0);

    ExerciseStatusPanel* status = c->statusPanel();
    EXPECT_EQ(status->RichtigLab->text(), QStringLiteral("0"));
    EXPECT_EQ(status->VonLab->text(), QStringLiteral("von  %1").arg(ex.ueb.AskedCount));

    // A text card (not the picture) and its own field.
    int entry = 0;
    while (ex.doc().CurrentObjects[ex.cards[entry].object].Typ != TypAbfrage)
        ++entry;
    const int object = ex.cards[entry].object;
    TKarte* card = c->panel()->card(entry);
    ASSERT_NE(card, nullptr);
    ASSERT_TRUE(card->isVisible());

    DragCardTo(card, FieldCentre(ex, object));
    EXPECT_EQ(ex.TargetFrame(), object);
    EXPECT_TRUE(c->panel()->targetFrame()->isVisible());
    Release(card);
    EXPECT_EQ(ex.ueb.RightCount, 1);
    EXPECT_EQ(ex.doc().CurrentObjects[object].Abgedeckt, Aufgedeckt);
    EXPECT_EQ(status->RichtigLab->text(), QStringLiteral("1"));
    EXPECT_EQ(status->QuoteLab->text(), QStringLiteral("100.0 %"));
    EXPECT_FALSE(c->panel()->targetFrame()->isVisible());
    EXPECT_FALSE(c->panel()->caption()->isVisible());

    // A wrong drop glides the card back to where it was picked up.
    int other = entry + 1;
    while (!ex.cards[other].shown())
        ++other;
    TKarte* second = c->panel()->card(other);
    const QPoint home = second->pos();
    DragCardTo(second, FieldCentre(ex, ex.cards[(other + 1) % ex.cards.size()].object));
    Release(second);
    EXPECT_EQ(ex.ueb.WrongCount, 1);
    EXPECT_EQ(status->FalschLab->text(), QStringLiteral("1"));
    EXPECT_EQ(second->pos(), home);
    EXPECT_TRUE(second->isVisible());

    // During the run the options cannot be changed, and F7 says why it does nothing.
    m.Uebungseinstellungen1->trigger();
    m.IndividualUebung1->trigger();
    EXPECT_EQ(p.texts("info").size(), 2);
    EXPECT_EQ(
        p.texts("info").value(0),
        QStringLiteral("Die Übungseinstellungen können nicht während der Übung geändert werden."));

    // "Übung abbrechen" asks, and Yes returns to the learning view.
    p.answers = {YesNoCancel::Yes};
    w.form.infoPanel().LernKartBtn->click();
    EXPECT_FALSE(ex.Active());
    EXPECT_EQ(w.form.workspace().ViewMode, ViewModeKind::Learning);
    EXPECT_FALSE(w.form.workspace().ExerciseRunning());
    EXPECT_TRUE(w.form.viewWidget()->isVisible());
    EXPECT_TRUE(m.Oeffnen1->isEnabled());
}

TEST(ExerciseWindow, ClosingTheOptionsDialogStartsNothing) {
    ScriptedPrompter p;
    Window w(QStringLiteral(BRETTWERK_SAMPLES "/insel-lueckentext.bwk"));
    ExerciseController* c = w.form.exerciseController();
    int limitAfterTyping = -1;
    QTimer::singleShot(0, c->optForm(), [c, &limitAfterTyping] {
        TUebOptForm* f = c->optForm();
        f->AbfrageModus->SetItemIndex(2);
        // Typing a time selects the time limit.
        f->Zeitlimit->SetItemIndex(0);
        f->ZLimitSek->setValue(30);
        limitAfterTyping = f->Zeitlimit->ItemIndex();
        // The extended view shows the four other groups, and switches back.
        f->ErweitertBtn->click();
        EXPECT_EQ(f->height(), 514);
        EXPECT_EQ(f->ErweitertBtn->text(), QStringLiteral("Reduziert..."));
        f->ErweitertBtn->click();
        EXPECT_EQ(f->height(), 276);
        f->SchliessenBtn->click();
    });
    w.form.menu().Uebungseinstellungen1->trigger();
    EXPECT_FALSE(c->exercise().Active());
    EXPECT_EQ(limitAfterTyping, 1);
    // "Schließen" copies nothing into the settings.
    EXPECT_EQ(w.form.workspace().settings.UebOpt.AbfrageModus, 0);
    EXPECT_EQ(w.form.workspace().settings.UebOpt.ZLimitSek, QStringLiteral("0"));
    EXPECT_TRUE(p.shown.empty());
}
