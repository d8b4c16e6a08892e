// The finish window on a real run: figures, rating scale, repeat choice, best-list entry.

#include "exercise/bestlistfile.h"
#include "exercise/widgets/resultwindows.h"
#include "exercise/widgets/tbestlistform.h"
#include "exercise/widgets/tuebfertigform.h"
#include "exercise/widgets/tuebprotokollform.h"
#include "exerciserig.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

namespace bw::test {
namespace {

// Saves a picture of a window when BW_SHOTS names a folder (for a look under xvfb-run).
void Shot(QWidget* w, const char* name) {
    const QByteArray folder = qgetenv("BW_SHOTS");
    if (!folder.isEmpty())
        w->grab().save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + QLatin1String(name));
}

struct FinishRig : ExerciseRig {
    QTemporaryDir dir;
    QWidget window;
    ResultWindows windows{&window};
    FinishWindowHooks hooks;
    QList<int> repeats;
    int learningViews = 0;

    FinishRig() {
        Add(TypAbfrage, QStringLiteral("Elbe"), 0.2, 0.2);
        Add(TypAbfrage, QStringLiteral("Donau"), 0.5, 0.4);
        Add(TypAbfrage, QStringLiteral("Rhein"), 0.3, 0.7);
        Add(TypAbfrage, QStringLiteral("Oder"), 0.7, 0.6);
        doc.CurrentHeader.titel = QStringLiteral("Flüsse");
        doc.CurrentHeader.Datei = dir.filePath(QStringLiteral("fluesse.bwk"));
        ex->endSettings.ProtOrdner = dir.path() + QLatin1Char('/');
        ex->endSettings.BestListOrdner = dir.path() + QLatin1Char('/');
        windows.SetProtocol(ex->protocol);
        hooks.repeat = [this](int item) {
            repeats << item;
            return ex->StartExercise(false, item, 0);
        };
        hooks.learningView = [this] { ++learningViews; };
    }

    // Three right, one wrong then right, within 95 seconds.
    void Play() {
        ASSERT_TRUE(Start());
        ex->ueb.EnteredName = QStringLiteral("Jana");
        Move(QStringLiteral("wait 20"));
        Move(QStringLiteral("drop 0 1"));
        for (int i = 0; i < 4; ++i) {
            Move(QStringLiteral("wait 15"));
            Move(QStringLiteral("drop %1 %1").arg(i));
        }
        ASSERT_FALSE(ex->Running());
    }
};

TEST(FinishWindow, ShowsTheRunAndEntersTheBestListByButton) {
    FinishRig rig;
    rig.Play();
    TUebFertigForm* form = rig.windows.finishForm();
    QTimer::singleShot(0, form, [&] {
        EXPECT_EQ(form->value(QStringLiteral("Richtig gelöst:"))->text(),
                  QStringLiteral("4  von  4"));
        EXPECT_EQ(form->value(QStringLiteral("Fehlversuche:"))->text(), QStringLiteral("1"));
        EXPECT_EQ(form->value(QStringLiteral("Erfolgsquote:"))->text(), QStringLiteral("80.0 %"));
        EXPECT_EQ(form->timeCaption()->text(), QStringLiteral("Benötigte Zeit:"));
        EXPECT_EQ(form->value(QStringLiteral("Gesamtleistung:"))->text(), QStringLiteral("80.0 %"));
        EXPECT_EQ(form->value(QStringLiteral("Bewertung:"))->text(), QStringLiteral("gut"));
        EXPECT_EQ(form->value(QStringLiteral("Schulnote:"))->text(), QStringLiteral("2"));
        EXPECT_TRUE(form->repeatGroup()->isEnabled());
        EXPECT_TRUE(form->enterButton()->isVisibleTo(form));
        Shot(form, "finish-window.png");

        form->enterButton()->click();
        EXPECT_EQ(form->bestListLine()->text(),
                  QStringLiteral("Das Ergebnis wurde in die Bestenliste eingetragen."));
        EXPECT_FALSE(form->enterButton()->isVisibleTo(form));

        // "Übungsprotokoll..." opens the protocol over the finish window.
        QTimer::singleShot(0, rig.windows.protocolForm(), [&] {
            EXPECT_TRUE(rig.windows.protocolForm()->view()->toPlainText().contains(
                QStringLiteral("Teilnehmername:\tJana")));
            Shot(rig.windows.protocolForm(), "protocol-window.png");
            rig.windows.protocolForm()->accept();
        });
        for (QPushButton* b : form->findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("Übungsprotokoll...")) b->click();
        form->reject(); // "Zur Lernansicht"
    });
    rig.windows.RunFinishWindow(*rig.ex, rig.hooks);
    EXPECT_EQ(rig.learningViews, 1);
    EXPECT_TRUE(rig.repeats.isEmpty());
    const BestListLoadResult list =
        LoadBestList(rig.dir.filePath(QStringLiteral("fluesse.hsc")), false);
    ASSERT_EQ(list.entries.size(), 1);
    EXPECT_EQ(list.entries[0].Name, QStringLiteral("Jana"));
}

TEST(FinishWindow, RepeatOfTheWrongOnesStartsAPartialRunWithoutBestList) {
    FinishRig rig;
    rig.Play();
    TUebFertigForm* form = rig.windows.finishForm();
    QTimer::singleShot(0, form, [&] {
        form->repeatOnlyWrong()->setChecked(true);
        form->accept(); // "Übung wiederholen"
    });
    rig.windows.RunFinishWindow(*rig.ex, rig.hooks);
    EXPECT_EQ(rig.repeats, QList<int>{1});
    ASSERT_TRUE(rig.ex->Running());
    EXPECT_LT(rig.ex->ueb.AskedCount, rig.ex->ueb.TotalCount);
    // Finish the partial run: no best-list entry is offered and the header says so.
    for (const OrderEntry& e : std::vector<OrderEntry>(rig.ex->order))
        rig.Move(QStringLiteral("drop %1 %1").arg(e.Card));
    ASSERT_FALSE(rig.ex->Running());
    EXPECT_TRUE(rig.ex->ueb.HeaderText.contains(QStringLiteral("(Teilwiederholung)")));
    EXPECT_FALSE(rig.ex->lastEnd.bestListButton);
    QTimer::singleShot(0, form, [&] {
        EXPECT_FALSE(form->enterButton()->isVisibleTo(form));
        EXPECT_FALSE(form->repeatGroup()->isEnabled()); // no wrong attempt this time
        form->reject();
    });
    rig.windows.RunFinishWindow(*rig.ex, rig.hooks);
    EXPECT_EQ(rig.learningViews, 1);
}

} // namespace
} // namespace bw::test
