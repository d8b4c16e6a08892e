// The windows of the network exercise: the participant start dialog, the communication
// dialog, the control display and the commands in the main window.

#include "document/docfile.h"
#include "exercise/widgets/exercisecontroller.h"
#include "exercise/widgets/resultwindows.h"
#include "exercise/widgets/tuebfertigform.h"
#include "exercise/widgets/tueboptform.h"
#include "nettesting.h"
#include "network/netfiles.h"
#include "network/netteacher.h"
#include "network/widgets/tkommverzform.h"
#include "network/widgets/tmasterprotform.h"
#include "network/widgets/tnetzuebungtnstartform.h"
#include "shell/widgets/networkmenu.h"
#include "shell/widgets/tform1.h"
#include "support/scriptedprompter.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace bw {
namespace {

using test::ScriptedPrompter;
using test::SpinUntil;

const QString kSample = QStringLiteral(BRETTWERK_SAMPLES "/insel-karte.bwk");

void Touch(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A teacher on another computer running the sample, sharing the folder and channel of
// settings.
struct TeacherElsewhere {
    Document doc;
    UebDataTyp run;
    NetTeacher teacher{run};

    bool Start(const Settings& settings) {
        if (!ReadDocumentFile(kSample, doc, false).ok) return false;
        teacher.Initiate(doc, ExerciseOptions{}, kDefaultGradingBoundaries, settings.NetzKomOrdner,
                         settings.NetzKomKanal);
        return teacher.WriteMarker().isEmpty();
    }
};

TEST(StartDialog, WaitsRedTurnsGreenAndWantsAName) {
    ScriptedPrompter prompter;
    QTemporaryDir dir;
    TNetzUebungTnStartForm form;
    QString name;
    QTimer::singleShot(0, &form, [&] {
        // Nothing there yet: red, and "Teilnehmen" is off.
        form.CheckTimerTimer();
        EXPECT_EQ(form.StatusLab()->text(), "Netzwerk-Übung nicht initiiert. Bitte warten...");
        EXPECT_EQ(form.StatusLab()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        EXPECT_FALSE(form.TeilnehmenBtn()->isEnabled());
        EXPECT_TRUE(form.CheckTimer()->isActive());
        // The teacher's three files appear.
        QFile::copy(kSample, NetworkFilePath(dir.path(), "K1", netfile::kDocument));
        Touch(NetworkFilePath(dir.path(), "K1", netfile::kSettings), "x");
        Touch(NetworkFilePath(dir.path(), "K1", netfile::kMarker), MarkerBytes());
        form.CheckTimerTimer();
        EXPECT_EQ(form.StatusLab()->text(), "Netzwerk-Übung verfügbar: Die Insel Lindholm");
        EXPECT_EQ(form.StatusLab()->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        EXPECT_TRUE(form.TeilnehmenBtn()->isEnabled());
        EXPECT_EQ(form.TNameEdit()->maxLength(), 20);
        form.TNameEdit()->setText("   ");
        form.TeilnehmenClick();
        EXPECT_TRUE(form.isVisible());
        form.TNameEdit()->setText("Lena");
        form.TeilnehmenClick();
    });
    ASSERT_TRUE(form.Execute(dir.path(), "K1", name));
    EXPECT_EQ(name, "Lena");
    EXPECT_FALSE(form.CheckTimer()->isActive());
    EXPECT_EQ(prompter.texts("info"), QStringList{"Bitte Name oder Rechnernummer eintragen!"});
}

TEST(StartDialog, MissingFolderIsReported) {
    ScriptedPrompter prompter;
    TNetzUebungTnStartForm form;
    QString name;
    QTimer::singleShot(0, &form, [&] { form.reject(); });
    EXPECT_FALSE(form.Execute("/nonexistent/kom/", "K1", name));
    ASSERT_EQ(prompter.count("warning"), 1);
    EXPECT_TRUE(prompter.texts("warning")[0].startsWith(
        "Der angegebene Kommunikationsordner ist nicht verfügbar."));
}

TEST(KommVerzDialog, FolderMustExistChannelHasEightCharacters) {
    ScriptedPrompter prompter;
    QTemporaryDir dir;
    TKommVerzForm form;
    QString folder = "/nonexistent", channel = "BRETTW-1";
    QTimer::singleShot(0, &form, [&] {
        EXPECT_EQ(form.KanalEdit1()->maxLength(), 8);
        EXPECT_EQ(form.PortLab()->text(), "UDP-Port dieses Kanals: 20627");
        form.OKClick();
        EXPECT_TRUE(form.isVisible());
        form.VerzEdit1()->setText(dir.path());
        form.KanalEdit1()->setText("K/1");
        form.OKClick();
        EXPECT_TRUE(form.isVisible());
        form.KanalEdit1()->setText("K2");
        form.OKClick();
    });
    ASSERT_TRUE(form.Execute(folder, channel));
    EXPECT_EQ(folder, dir.path() + "/");
    EXPECT_EQ(channel, "K2");
    EXPECT_EQ(prompter.texts("error"), (QStringList{"Der angegebene Ordner ist ungültig.",
                                                    "Der angegebene Kanal ist ungültig."}));
}

struct Window {
    Window() : form(Edition::Autor) {
        form.SetDisplayOverride(1280, 1024, 32);
        form.SetCommandLine({kSample});
        form.FormCreate();
        form.show();
        form.FormActivate();
        form.workspace().settings.NetzKomOrdner = dir.path() + "/";
        form.workspace().settings.NetzKomKanal = test::UniqueChannel("W");
    }
    QTemporaryDir dir;
    TForm1 form;
};

TEST(NetworkInWindow, F9InitiatesAndTheDisplayFollowsTheReports) {
    ScriptedPrompter prompter;
    Window w;
    NetworkCommands* net = w.form.network();
    ASSERT_NE(net, nullptr);
    const Settings& s = w.form.workspace().settings;
    TUebOptForm* opt = w.form.exerciseController()->optForm();
    QString caption;
    QTimer::singleShot(0, opt, [&] {
        caption = opt->windowTitle();
        EXPECT_TRUE(opt->NetzPan->isVisible());
        opt->accept();
    });
    w.form.menu().NetzInitiieren1->trigger();
    EXPECT_EQ(caption, "Netzwerk-Übungseinstellungen für Bildbeschriftung und Lückentext");
    EXPECT_EQ(opt->windowTitle(), "Übungseinstellungen für Bildbeschriftung und Lückentext");
    ASSERT_TRUE(NetworkFilesPresent(s.NetzKomOrdner, s.NetzKomKanal));
    TMasterProtForm* display = net->masterForm();
    EXPECT_TRUE(display->isVisible());
    EXPECT_EQ(display->windowTitle(), "Netzwerk-Übung - Kontrollanzeige - Status: aktiv");
    EXPECT_EQ(display->TabGrid()->columnCount(), 13 + 9);
    EXPECT_EQ(display->TabGrid()->horizontalHeaderItem(13)->text(), "1");

    // This PC cannot take part itself, nor start its own exercise.
    w.form.menu().NetzTeilnehmen1->trigger();
    EXPECT_TRUE(prompter.texts("info").last().startsWith(
        "Die Netzwerk-Übung wurde auf diesem Rechner initiiert."));
    w.form.menu().IndividualUebung1->trigger();
    EXPECT_TRUE(prompter.texts("info").last().startsWith(
        "Auf diesem Rechner wurde eine Netzwerk-Übung initiiert"));
    w.form.menu().NetzKommunikation1->trigger();
    EXPECT_TRUE(prompter.texts("info").last().startsWith(
        "Die Einstellungen zur Netzwerk-Kommunikation können nicht"));

    // A report shows at once.
    TALMailSlot2 pupil;
    pupil.SetMailBox(s.NetzKomKanal);
    pupil.SendLines(".", {"TN-INIT", QString(30, u'P'), "Paul", "10:00:00"});
    ASSERT_TRUE(SpinUntil([&] {
        auto* item = display->TabGrid()->item(0, 2);
        return item && item->text() == "Paul";
    }));

    // Unticking the switch deletes the marker; after the end ticking it only informs.
    display->ZulassenCheck()->click();
    EXPECT_FALSE(QFile::exists(NetworkFilePath(s.NetzKomOrdner, s.NetzKomKanal, netfile::kMarker)));
    prompter.answers.push_back(YesNoCancel::No);
    display->BeendenClick();
    EXPECT_TRUE(display->isVisible()); // "No" keeps everything
    prompter.answers.push_back(YesNoCancel::Yes);
    display->BeendenClick();
    EXPECT_FALSE(display->isVisible());
    EXPECT_EQ(display->windowTitle(), "Netzwerk-Übung - Kontrollanzeige - Status: beendet");
    EXPECT_FALSE(
        QFile::exists(NetworkFilePath(s.NetzKomOrdner, s.NetzKomKanal, netfile::kDocument)));
    EXPECT_EQ(display->TabGrid()->item(0, 2)->text(), "Paul"); // the last state stays
    display->ZulassenCheck()->click();
    EXPECT_EQ(prompter.texts("info").last(), "Es ist keine Netzwerk-Übung aktiv.");
    w.form.menu().NetzBeenden1->trigger();
    EXPECT_EQ(prompter.texts("info").last(), "Es ist keine Netzwerk-Übung aktiv.");
}

TEST(NetworkInWindow, UnwritableFolderIsReportedAndNoMarkerAppears) {
    ScriptedPrompter prompter;
    Window w;
    w.form.workspace().settings.NetzKomOrdner = w.dir.path() + "/fehlt/";
    TUebOptForm* opt = w.form.exerciseController()->optForm();
    QTimer::singleShot(0, opt, [opt] { opt->accept(); });
    w.form.menu().NetzInitiieren1->trigger();
    const QStringList errors = prompter.texts("error");
    ASSERT_EQ(errors.size(), 3); // the copy, the settings file, the marker
    EXPECT_TRUE(errors[0].contains("-qlxnetzuebung.qlx\" kann nicht geschrieben werden."));
    EXPECT_TRUE(errors[2].contains("-qlxnetzuebung.okx\" kann nicht geschrieben werden."));
    w.form.network()->EndNetworkExercise(false);
}

TEST(NetworkInWindow, ParticipantJoinsRunsAndLeavesToTheStartScreen) {
    ScriptedPrompter prompter;
    Window w;
    // A teacher elsewhere: its files in the folder and its slot on this computer.
    TeacherElsewhere elsewhere;
    ASSERT_TRUE(elsewhere.Start(w.form.workspace().settings));
    NetTeacher& teacher = elsewhere.teacher;

    NetworkCommands* net = w.form.network();
    QTimer::singleShot(0, net->startForm(), [&] {
        net->startForm()->CheckTimerTimer();
        net->startForm()->TNameEdit()->setText("Mia");
        net->startForm()->TeilnehmenClick();
    });
    w.form.infoPanel().NetzUebTeilnehmenBtn->click();
    Exercise& ex = w.form.exerciseController()->exercise();
    ASSERT_TRUE(ex.Running());
    EXPECT_EQ(ex.ueb.NetRole, 1);
    EXPECT_TRUE(w.form.infoPanel().NetzUebTeilnehmenBtn->isChecked());
    EXPECT_FALSE(w.form.infoPanel().UebungenBtn->isChecked());
    ASSERT_TRUE(SpinUntil([&] { return teacher.grid.ParticipantCount() == 1; }));
    EXPECT_EQ(teacher.grid.Rows()[0][2], "Mia");

    // Aborting reports it and brings back the start screen.
    prompter.answers.push_back(YesNoCancel::Yes);
    w.form.menu().UebungAbbrechen1->trigger();
    EXPECT_EQ(ex.ueb.NetRole, 0);
    EXPECT_FALSE(w.form.infoPanel().NetzUebTeilnehmenBtn->isChecked());
    EXPECT_TRUE(w.form.workspace().StartScreenVisible);
    EXPECT_EQ(w.form.workspace().doc.ObjectCount(), 0);
    ASSERT_TRUE(SpinUntil([&] { return teacher.grid.Rows()[0][3] == "abgebr."; }));
    teacher.End();
}

TEST(NetworkInWindow, FinishedParticipantRepeatsOnlyWhileJoiningIsAllowed) {
    ScriptedPrompter prompter;
    Window w;
    TeacherElsewhere elsewhere;
    ASSERT_TRUE(elsewhere.Start(w.form.workspace().settings));
    NetTeacher& teacher = elsewhere.teacher;
    NetworkCommands* net = w.form.network();
    Exercise& ex = w.form.exerciseController()->exercise();
    QTimer::singleShot(0, net->startForm(), [&] {
        net->startForm()->CheckTimerTimer();
        net->startForm()->TNameEdit()->setText("Ole");
        net->startForm()->TeilnehmenClick();
    });
    w.form.menu().NetzTeilnehmen1->trigger();
    ASSERT_TRUE(ex.Running());
    ASSERT_TRUE(SpinUntil([&] { return teacher.grid.ParticipantCount() == 1; }));

    // The teacher stops further joining while the run goes on.
    ASSERT_TRUE(teacher.SetJoinAllowed(false).isEmpty());
    TUebFertigForm* finish = w.form.results()->finishForm();
    int shown = 0;
    std::function<void()> answer = [&] {
        if (!finish->isVisible()) {
            QTimer::singleShot(20, finish, answer);
            return;
        }
        // First "Übung wiederholen" (refused), then "Zur Lernansicht".
        if (++shown == 1) {
            finish->accept();
            QTimer::singleShot(20, finish, answer);
        } else {
            finish->reject();
        }
    };
    QTimer::singleShot(0, finish, answer);
    for (const ExerciseCard& card : std::vector<ExerciseCard>(ex.cards))
        if (ex.Running()) ex.Release(ex.CardOfObject(card.object), card.object);
    ASSERT_TRUE(SpinUntil([&] { return shown == 2 && !finish->isVisible(); }));
    EXPECT_TRUE(prompter.texts("info").contains(
        "Eine Wiederholung der Netzwerk-Übung wurde nicht zugelassen."));
    EXPECT_EQ(ex.ueb.NetRole, 0);
    EXPECT_TRUE(w.form.workspace().StartScreenVisible);
    ASSERT_TRUE(SpinUntil([&] { return teacher.grid.Rows()[0][3] == "fertig"; }));
    EXPECT_EQ(teacher.grid.ParticipantCount(), 1);
    ASSERT_TRUE(SpinUntil([&] { return QFile::exists(teacher.BestListPath()); }));
    teacher.End();
}

} // namespace
} // namespace bw
