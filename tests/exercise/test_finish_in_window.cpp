// The main window at the end of a run: the finish window replaces the exercise, the protocol
// stays for "&Protokoll der letzten Übung...", and "Zur Lernansicht" brings the view back.

#include "document/document.h"
#include "exercise/widgets/exercisecontroller.h"
#include "exercise/widgets/resultwindows.h"
#include "exercise/widgets/tuebfertigform.h"
#include "exercise/widgets/tuebprotokollform.h"
#include "shell/widgets/tform1.h"
#include "support/scriptedprompter.h"

#include <QEventLoop>
#include <QLabel>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

using namespace bw;

TEST(FinishInMainWindow, LastReleaseOpensTheFinishWindowAndItLeadsBack) {
    test::ScriptedPrompter p;
    TForm1 form(Edition::Autor);
    form.SetDisplayOverride(1280, 1024, 32);
    form.SetCommandLine({QStringLiteral(BRETTWERK_SAMPLES "/insel-karte.bwk")});
    form.FormCreate();
    form.resize(1076, 780);
    form.show();
    form.FormActivate();
    form.workspace().settings.OptUebNameEingabe = false;
    form.workspace().settings.UebOpt.ShowBeforeEachExercise = false;
    ExerciseController* c = form.exerciseController();
    Exercise& ex = c->exercise();
    form.menu().IndividualUebung1->trigger();
    ASSERT_TRUE(ex.Running());

    bool shown = false;
    TUebFertigForm* finish = form.results()->finishForm();
    // The feedback pauses keep the window painting, so wait for the finish window itself.
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, finish, [&] {
        if (!finish->isVisible()) return;
        poll.stop();
        shown = true;
        EXPECT_EQ(finish->value(QStringLiteral("Schulnote:"))->text(), QStringLiteral("1"));
        finish->reject();
    });
    poll.start();
    for (const OrderEntry& e : std::vector<OrderEntry>(ex.order))
        ex.Release(ex.CardOfObject(e.Card), e.Card);
    EXPECT_FALSE(ex.Running());
    // The finish window comes once the last release has returned.
    QEventLoop loop;
    QTimer::singleShot(500, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_TRUE(shown);
    EXPECT_EQ(form.workspace().ViewMode, ViewModeKind::Learning);
    EXPECT_TRUE(form.results()->protocol().Lines().first().startsWith(QStringLiteral("<tit>")));
    EXPECT_TRUE(ex.ueb.HeaderText.contains(QStringLiteral("Schulnote:\t1")));
}
