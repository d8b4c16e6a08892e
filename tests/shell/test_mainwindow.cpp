#include "document/docfile.h"
#include "shell/closing.h"
#include "shell/displaycheck.h"
#include "shell/widgets/dialogs.h"
#include "shell/widgets/tform1.h"
#include "shell/settingsstore.h"
#include "support/filerestorer.h"
#include "support/scriptedprompter.h"
#include "view/learnview.h"
#include "view/widgets/tlernviewwidget.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using namespace bw;
using test::ScriptedPrompter;

namespace {

// A started main window of one edition, as after the first activation.
struct Started {
    explicit Started(Edition e) : form(e) {
        form.SetDisplayOverride(1280, 1024, 32);
        started = form.FormCreate();
        form.FormActivate();
    }
    TForm1 form;
    bool started = false;
};

} // namespace

TEST(MainWindow, MenusCarryTheirCaptionsAndShortcuts) {
    ScriptedPrompter p;
    Started s(Edition::Autor);
    const MainMenu& m = s.form.menu();
    EXPECT_EQ(m.Datei->title(), QStringLiteral("&Datei"));
    EXPECT_EQ(m.Oeffnen1->text(), QStringLiteral("Ö&ffnen..."));
    EXPECT_EQ(m.Oeffnen1->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(m.SpeichernUnter1->shortcut(), QKeySequence(QStringLiteral("Shift+Ctrl+S")));
    EXPECT_EQ(m.Schliessen1->text(), QStringLiteral("Sch&ließen"));
    EXPECT_EQ(m.Schliessen1->shortcut(), QKeySequence(QStringLiteral("Ctrl+F4")));
    EXPECT_EQ(m.ZuvorDokument1->text(), QStringLiteral("&Zuvor angzeigtes Dokument"));
    EXPECT_EQ(m.NaechstesDokument1->shortcut(), QKeySequence(Qt::Key_PageDown));
    EXPECT_EQ(m.Zoom200->text(), QStringLiteral("&200 % "));
    EXPECT_EQ(m.IndividualUebung1->shortcut(), QKeySequence(Qt::Key_F7));
    EXPECT_EQ(m.Vollbild1->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    EXPECT_EQ(m.BasisbildAusDatei1->text(), QStringLiteral("Einfügen aus &Datei..."));
    EXPECT_EQ(m.BasisbildAusZwischenablage1->text(), QStringLiteral("Einfügen aus &Zwischenablage"));
    EXPECT_EQ(m.BasisbildKopieren1->text(), QStringLiteral("&Kopieren in Zwischenablage"));
    EXPECT_EQ(m.BasisbildKopieren1->shortcut(), QKeySequence(QStringLiteral("Shift+Ctrl+C")));
    EXPECT_FALSE(m.AusschnittScrollen->menuAction()->isVisible());
    EXPECT_FALSE(m.UpdatePruefen1->isVisible());
    // Commands without their windows exist but cannot be used.
    EXPECT_FALSE(m.Drucken1->isEnabled());
    EXPECT_TRUE(m.IndividualUebung1->isEnabled());
    EXPECT_TRUE(m.Oeffnen1->isEnabled());
    EXPECT_TRUE(m.Info1->isEnabled());
}

// A lesson may never open a dialog; building them all made the first frame wait.
TEST(MainWindow, StartsWithoutBuildingItsDialogs) {
    ScriptedPrompter p;
    Started s(Edition::Autor);
    QStringList made;
    for (const QDialog* d : s.form.findChildren<QDialog*>())
        made << QString::fromLatin1(d->metaObject()->className());
    EXPECT_TRUE(made.isEmpty()) << made.join(QLatin1Char(' ')).toStdString();
}

TEST(MainWindow, EditionsDifferWhereTheyShould) {
    ScriptedPrompter p;
    Started autor(Edition::Autor);
    Started basis(Edition::Basis);
    EXPECT_TRUE(autor.form.menu().Autorenfunktion->isEnabled());
    EXPECT_FALSE(basis.form.menu().Autorenfunktion->isEnabled());
    EXPECT_FALSE(autor.form.menu().Dokumenteigenschaften1->isVisible());
    EXPECT_TRUE(basis.form.menu().Dokumenteigenschaften1->isVisible());
    EXPECT_EQ(autor.form.windowTitle(), ApplicationTitle(Edition::Autor));
    EXPECT_EQ(basis.form.windowTitle(), QStringLiteral("Brettwerk - Basissystem"));
    const QString autorText = autor.form.startInfoPan()->text();
    const QString basisText = basis.form.startInfoPan()->text();
    EXPECT_TRUE(autorText.contains(QStringLiteral("Menü \"Autorenfunktion\"")));
    EXPECT_FALSE(basisText.contains(QStringLiteral("Autorenfunktion")));
    EXPECT_TRUE(basisText.startsWith(QStringLiteral("Um ein Brettwerk-Dokument anzuzeigen,")));
    EXPECT_TRUE(basisText.contains(QStringLiteral("\"Neues Blatt\" (rechts bei Zeichenblatt).")));
}

TEST(MainWindow, CancelInTheSaveQuestionKeepsTheProgramRunning) {
    ScriptedPrompter p;
    Started s(Edition::Autor);
    s.form.show();
    Workspace& ws = s.form.workspace();
    ws.doc.CurrentHeader.Datei = QStringLiteral("/tmp/karte.bwk");
    ws.doc.CurrentHeader.titel = QStringLiteral("Europa");
    ws.doc.AddGeneratedObject(0, 1, QStringLiteral("Paris"), 0, 0, 0.5, 0.5, -1);
    ws.doc.CurrentHeader.Geaendert = true;

    p.answers = {YesNoCancel::Cancel};
    EXPECT_FALSE(s.form.close());
    EXPECT_TRUE(s.form.isVisible());
    ASSERT_EQ(p.count(QStringLiteral("yesnocancel")), 1);
    EXPECT_EQ(p.texts(QStringLiteral("yesnocancel"))[0],
              QStringLiteral("Änderungen im aktuellen Dokument unter \"/tmp/karte.bwk\" speichern?"));
    EXPECT_TRUE(ws.doc.CurrentHeader.Geaendert);
    EXPECT_EQ(ws.doc.CurrentHeader.titel, QStringLiteral("Europa"));
    EXPECT_EQ(ws.doc.ObjectCount(), 1);

    p.answers = {YesNoCancel::No};
    EXPECT_TRUE(s.form.close());
}

TEST(MainWindow, FailedSaveInTheCloseQuestionKeepsTheDocument) {
    ScriptedPrompter p;
    Started s(Edition::Autor);
    Workspace& ws = s.form.workspace();
    ws.doc.CurrentHeader.Geaendert = true; // never saved: "Yes" leads to the save dialog
    p.answers = {YesNoCancel::Yes};
    p.fileAnswers = {QString()}; // the user cancels the save dialog
    EXPECT_FALSE(s.form.FormCloseQuery());
    EXPECT_EQ(p.texts(QStringLiteral("yesnocancel"))[0],
              QStringLiteral("Aktuelles Dokument speichern?"));
    EXPECT_TRUE(ws.doc.CurrentHeader.Geaendert);
}

TEST(MainWindow, SaveInTheCloseQuestionWritesTheDocument) {
    ScriptedPrompter p;
    QTemporaryDir dir;
    Started s(Edition::Autor);
    Workspace& ws = s.form.workspace();
    ws.doc.CurrentHeader.titel = QStringLiteral("Neu");
    ws.doc.CurrentHeader.Geaendert = true;
    const QString path = dir.filePath(QStringLiteral("neu"));
    p.answers = {YesNoCancel::Yes};
    p.fileAnswers = {path};
    EXPECT_TRUE(s.form.FormCloseQuery());
    EXPECT_TRUE(QFile::exists(path + QStringLiteral(".bwk")));
    EXPECT_FALSE(ws.doc.CurrentHeader.Geaendert);
    HeaderDataTyp h;
    ASSERT_TRUE(ReadDocumentHeader(path + QStringLiteral(".bwk"), h));
    EXPECT_EQ(h.titel, QStringLiteral("Neu"));
}

TEST(MainWindow, BaseEditionAsksWithItsQuitWindow) {
    ScriptedPrompter p;
    Started s(Edition::Basis);
    int asked = 0;
    bool answer = false;
    s.form.SetQuitConfirmer([&] {
        ++asked;
        return answer;
    });
    EXPECT_FALSE(s.form.FormCloseQuery());
    EXPECT_EQ(asked, 1);
    answer = true;
    EXPECT_TRUE(s.form.FormCloseQuery());
    EXPECT_EQ(asked, 2);

    // The authoring edition closes without it.
    Started autor(Edition::Autor);
    autor.form.SetQuitConfirmer([&] {
        ++asked;
        return false;
    });
    EXPECT_TRUE(autor.form.FormCloseQuery());
    EXPECT_EQ(asked, 2);
}

TEST(MainWindow, QuitWindowHasItsButtons) {
    TEndeInfoForm f;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Beenden"));
    auto* yes = f.findChild<QPushButton*>(QStringLiteral("JaBtn"));
    auto* no = f.findChild<QPushButton*>(QStringLiteral("NeinBtn"));
    ASSERT_TRUE(yes && no);
    EXPECT_EQ(yes->text(), QStringLiteral("Ja, beenden"));
    EXPECT_TRUE(yes->isDefault());
    EXPECT_EQ(no->text(), QStringLiteral("Nein, weiter arbeiten"));
}

TEST(MainWindow, ToolbarCollapsesAndExpands) {
    ScriptedPrompter p;
    Started s(Edition::Autor);
    EXPECT_EQ(s.form.klappPan()->text(), QStringLiteral(">"));
    s.form.ToggleToolbar();
    EXPECT_EQ(s.form.ToolbarExpanded(), 0);
    EXPECT_EQ(s.form.klappPan()->text(), QStringLiteral("<"));
    EXPECT_EQ(s.form.klappPan()->toolTip(), QStringLiteral("Werkzeugleiste aufklappen"));
    EXPECT_EQ(s.form.menu().Werkzeugleiste1->text(), QStringLiteral("Werkzeugleiste auf&klappen"));
    EXPECT_FALSE(s.form.sidePanel().LernInfoPan->isVisibleTo(&s.form));
    s.form.menu().Werkzeugleiste1->trigger();
    EXPECT_EQ(s.form.ToolbarExpanded(), 1);
    EXPECT_EQ(s.form.menu().Werkzeugleiste1->text(), QStringLiteral("Werkzeugleiste zu&klappen"));
}

TEST(MainWindow, AResizeRedrawsTheViewOnceAtItsNewSize) {
    ScriptedPrompter p;
    Started s(Edition::Autor);
    s.form.show();
    s.form.resize(1000, 700);
    int redraws = 0;
    QObject::connect(&s.form.view(), &LearnView::viewShown, [&] { ++redraws; });
    s.form.resize(1100, 760);
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(s.form.view().ViewSize().height(), s.form.viewWidget()->height());
}

TEST(MainWindow, TitleLabelTogglesOnClick) {
    ScriptedPrompter p;
    Started s(Edition::Autor);
    s.form.workspace().doc.CurrentHeader.titel = QStringLiteral("Flüsse");
    s.form.UpdateWindowTitle();
    QLabel* lab = s.form.infoPanel().DokTitelLab;
    EXPECT_EQ(lab->text(), QStringLiteral(" Flüsse"));
    EXPECT_EQ(lab->toolTip(), QStringLiteral("Titel verbergen"));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(lab, &press);
    EXPECT_EQ(lab->text(), QStringLiteral(" ?"));
    EXPECT_EQ(lab->toolTip(), QStringLiteral("Titel anzeigen"));
}

TEST(MainWindow, TitleTexts) {
    EXPECT_EQ(TitleLabelText(2, QStringLiteral("Alpen"), true), QStringLiteral("(3) Alpen"));
    EXPECT_EQ(TitleLabelText(-1, QString(), true), QStringLiteral(" (ohne Titel)"));
    EXPECT_EQ(WindowCaption(QStringLiteral("Brettwerk - Basissystem"),
                            QStringLiteral("/home/lehrer/themen/alpen.bwk")),
              QStringLiteral("Brettwerk - Basissystem - alpen.bwk"));
    EXPECT_EQ(WindowCaption(QStringLiteral("T"), QString()), QStringLiteral("T"));
}

TEST(MainWindow, DisplayCheck) {
    // 960 x 768 at 16 bit passes although the message names 1024 x 768.
    EXPECT_TRUE(DisplayWarningText(960, 768, 16).isEmpty());
    EXPECT_TRUE(DisplayWarningText(1920, 1080, 15).isEmpty());
    const QString w = DisplayWarningText(800, 600, 32);
    EXPECT_TRUE(w.contains(QStringLiteral("- Auflösung: 800 x 600 Pixel\r\n- Farbtiefe: 32 Bit")));
    EXPECT_TRUE(w.endsWith(QStringLiteral("Programm trotzdem starten?")));
    EXPECT_FALSE(DisplayWarningText(1024, 768, 8).isEmpty());

    ScriptedPrompter p;
    TForm1 refused(Edition::Autor);
    refused.SetDisplayOverride(800, 600, 32);
    p.answers = {YesNoCancel::No};
    EXPECT_FALSE(refused.FormCreate());
    TForm1 accepted(Edition::Autor);
    accepted.SetDisplayOverride(800, 600, 32);
    p.answers = {YesNoCancel::Yes};
    EXPECT_TRUE(accepted.FormCreate());
    EXPECT_EQ(p.count(QStringLiteral("warnyesno")), 2);
}

TEST(MainWindow, ChronicleQuestionTexts) {
    EXPECT_TRUE(ChronicleQuestionText(0, QStringLiteral("/c/")).isEmpty());
    EXPECT_EQ(ChronicleQuestionText(1, QStringLiteral("/c/")),
              QStringLiteral("1 Chronik-Screenshot wurde im Ordner /c/ als PNG-Bilddatei "
                             "abgelegt.\r\nSoll diese jetzt gelöscht werden?"));
    EXPECT_TRUE(ChronicleQuestionText(3, QStringLiteral("/c/"))
                    .startsWith(QStringLiteral("3 Chronik-Screenshots wurden im Ordner /c/")));
}

TEST(MainWindow, AboutBoxDropsTheWhiteboardWords) {
    TInfoBox box(ApplicationTitle(Edition::Autor));
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Info"));
    EXPECT_EQ(box.TitleText(), QStringLiteral("Brettwerk - Das boardunabhängige Autorensystem für "
                                              "interaktive Übungen"));
    EXPECT_EQ(box.VersionText(), QStringLiteral("Version 3.0.2010.09.09"));
}

TEST(MainWindow, NoticeWindowShowsAndHides) {
    TMeldForm f;
    f.ShowNotice(QStringLiteral("Bitte warten..."));
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.Text(), QStringLiteral("Bitte warten..."));
    f.HideNotice();
    EXPECT_FALSE(f.isVisible());
}

namespace {
QString WriteDoc(const QTemporaryDir& dir, const QString& name, const QString& titel) {
    Document d;
    d.CurrentHeader.titel = titel;
    d.AddGeneratedObject(0, 1, QStringLiteral("Brocken"), 0, 0, 0.5, 0.5, -1);
    const QString path = dir.filePath(name);
    EXPECT_TRUE(WriteDocumentFile(path, d).ok);
    return path;
}

struct StartedWith {
    StartedWith(Edition e, const QStringList& args) : form(e) {
        form.SetDisplayOverride(1280, 1024, 32);
        form.SetCommandLine(args);
        form.FormCreate();
        form.resize(1000, 700);
        form.FormActivate();
    }
    TForm1 form;
};
} // namespace

TEST(MainWindow, StartingWithAFolderListsItAndOpensNothing) {
    ScriptedPrompter p;
    QTemporaryDir dir;
    WriteDoc(dir, QStringLiteral("b.bwk"), QStringLiteral("Harz"));
    WriteDoc(dir, QStringLiteral("a.bwk"), QStringLiteral("Eifel"));
    StartedWith s(Edition::Basis, {dir.path()});
    const Workspace& ws = s.form.workspace();
    EXPECT_TRUE(ws.doc.CurrentHeader.Datei.isEmpty());
    EXPECT_TRUE(s.form.startInfoPan()->isVisibleTo(&s.form));
    ASSERT_EQ(ws.TopicList.size(), 2u);
    EXPECT_EQ(ws.TopicList[0].Titel, QStringLiteral("Eifel"));
    EXPECT_TRUE(p.shown.empty());
}

TEST(MainWindow, StartingWithADocumentOpensItAndStartPageReturnsToIt) {
    ScriptedPrompter p;
    QTemporaryDir dir;
    const QString start = WriteDoc(dir, QStringLiteral("start.bwk"), QStringLiteral("Start"));
    const QString other = WriteDoc(dir, QStringLiteral("zweites.bwk"), QStringLiteral("Zwei"));
    StartedWith s(Edition::Autor, {start});
    Workspace& ws = s.form.workspace();
    EXPECT_EQ(ws.doc.CurrentHeader.Datei, start);
    EXPECT_FALSE(s.form.startInfoPan()->isVisibleTo(&s.form));
    EXPECT_EQ(s.form.infoPanel().DokTitelLab->text(), QStringLiteral("(1) Start"));
    EXPECT_TRUE(s.form.windowTitle().endsWith(QStringLiteral(" - start.bwk")));
    // The fields of the opened document are numbered and covered.
    EXPECT_EQ(ws.doc.CurrentObjects[0].Nummer, 1);
    EXPECT_EQ(ws.doc.CurrentObjects[0].Abgedeckt, -1);

    s.form.menu().NaechstesDokument1->trigger();
    EXPECT_EQ(ws.doc.CurrentHeader.Datei, other);
    s.form.menu().Startseite1->trigger();
    EXPECT_EQ(ws.doc.CurrentHeader.Datei, start);

    s.form.menu().Schliessen1->trigger();
    EXPECT_TRUE(ws.doc.CurrentHeader.Datei.isEmpty());
    EXPECT_TRUE(s.form.startInfoPan()->isVisibleTo(&s.form));
    EXPECT_EQ(ws.PreviousDocument, start);
    EXPECT_TRUE(p.shown.empty());
}

TEST(MainWindow, SettingsSurviveARestart) {
    const test::FileRestorer keep(SettingsStore::DefaultPath());
    ScriptedPrompter p;
    {
        StartedWith s(Edition::Autor, {});
        EXPECT_TRUE(s.form.menu().Tonausgabe1->isChecked());
        s.form.menu().Tonausgabe1->setChecked(false);
        s.form.menu().ProtokolleSpeichern1->setChecked(true);
        EXPECT_TRUE(s.form.FormCloseQuery());
    }
    StartedWith again(Edition::Autor, {});
    EXPECT_FALSE(again.form.menu().Tonausgabe1->isChecked());
    EXPECT_TRUE(again.form.menu().ProtokolleSpeichern1->isChecked());
    EXPECT_FALSE(again.form.sounds().Enabled());
}

#include "view/learnview.h"
#include "view/widgets/tlernviewwidget.h"

#include <QCheckBox>
#include <QKeyEvent>

TEST(MainWindow, ViewControlsAndMenuStayInStep) {
    ScriptedPrompter p;
    QTemporaryDir dir;
    const QString doc = WriteDoc(dir, QStringLiteral("k.bwk"), QStringLiteral("K"));
    StartedWith s(Edition::Autor, {doc});
    const LernInfoPanel& side = s.form.sidePanel();
    const MainMenu& m = s.form.menu();
    LearnView& view = s.form.view();

    side.ZoomPan4->click();
    EXPECT_EQ(view.ZoomIndex, 4);
    EXPECT_TRUE(m.Zoom200->isChecked());
    EXPECT_FALSE(side.ZoomPan0->isChecked());
    m.Zoom150->trigger();
    EXPECT_EQ(view.ZoomIndex, 2);
    EXPECT_TRUE(side.ZoomPan2->isChecked());

    // Ctrl with the keypad's minus zooms out one step.
    QKeyEvent minus(QEvent::KeyPress, Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
    QApplication::sendEvent(&s.form, &minus);
    EXPECT_EQ(view.ZoomIndex, 0);
    EXPECT_TRUE(m.Zoom100->isChecked());

    side.NummerModeFragez->click();
    EXPECT_EQ(view.NumberMode, 0);
    EXPECT_TRUE(m.NummerFragez1->isChecked());
    EXPECT_EQ(view.NumberText(0), QStringLiteral("?"));
    m.NummerGeordnet1->trigger();
    EXPECT_EQ(view.NumberMode, 1);
    EXPECT_TRUE(side.NummerModeSort->isChecked());

    side.Ebene0Check->click();
    EXPECT_FALSE(m.EbeneBasisbild1->isChecked());
    EXPECT_FALSE(view.LayerVisible(0));
    m.EbeneBasisbild1->trigger();
    EXPECT_TRUE(side.Ebene0Check->isChecked());
    EXPECT_TRUE(view.LayerVisible(0));

    side.AlleAufdeckenBtn->click();
    EXPECT_EQ(s.form.workspace().doc.CurrentObjects[0].Abgedeckt, 0);
    m.AlleAbdecken1->trigger();
    EXPECT_EQ(s.form.workspace().doc.CurrentObjects[0].Abgedeckt, -1);
}

TEST(MainWindow, ToolButtonsAndActionsShareTheirState) {
    ScriptedPrompter p;
    Started s(Edition::Autor);
    const LernInfoPanel& side = s.form.sidePanel();
    ToolManager& tools = s.form.tools();
    QAction* pointer = tools.action(tools.currentTool());
    ASSERT_NE(pointer, nullptr);
    EXPECT_EQ(tools.currentTool()->name(), QStringLiteral("Zeiger"));
    EXPECT_TRUE(side.ZeigerBtn->isChecked());

    side.HandBtn->click();
    EXPECT_EQ(tools.currentTool()->name(), QStringLiteral("Hand"));
    EXPECT_TRUE(side.HandBtn->isChecked());
    EXPECT_FALSE(side.ZeigerBtn->isChecked());
    side.HandBtn->click(); // a second click keeps the tool, as a radio button does
    EXPECT_TRUE(side.HandBtn->isChecked());
    EXPECT_EQ(tools.currentTool()->name(), QStringLiteral("Hand"));

    pointer->trigger();
    EXPECT_TRUE(side.ZeigerBtn->isChecked());
    EXPECT_FALSE(side.HandBtn->isChecked());

    // Disabling the menu entry disables its button: there is only one state.
    s.form.menu().Zoom150->setEnabled(false);
    EXPECT_FALSE(side.ZoomPan2->isEnabled());
    s.form.menu().Zoom150->setEnabled(true);
    EXPECT_TRUE(side.ZoomPan2->isEnabled());
}

TEST(MainWindow, DocumentFilterForQtDialogs) {
    EXPECT_EQ(QtFilterFromPipeFilter(Workspace::kDocumentFilter),
              QStringLiteral("Brettwerk-Dokument (*.bwk);;QLX-Dokument (*.qlx);;Alle Dateien (*.*)"));
}

namespace {
// Notes whether anything painted while the first activation had not yet run.
struct PaintBeforeActivation : QObject {
    explicit PaintBeforeActivation(const Workspace& w) : ws(w) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && ws.FirstActivation) painted = true;
        return false;
    }
    const Workspace& ws;
    bool painted = false;
};
} // namespace

TEST(MainWindow, FirstActivationRunsAfterTheFirstFrameWithoutWaitingForFocus) {
    ScriptedPrompter p;
    QTemporaryDir dir;
    const QString doc = WriteDoc(dir, QStringLiteral("karte.bwk"), QStringLiteral("Harz"));
    TForm1 form(Edition::Autor);
    form.SetDisplayOverride(1280, 1024, 32);
    form.SetCommandLine({doc});
    ASSERT_TRUE(form.FormCreate());
    PaintBeforeActivation watch(form.workspace());
    qApp->installEventFilter(&watch);
    // No window manager and nothing gives the window focus; showing it is enough.
    form.show();
    for (int i = 0; i < 500 && form.workspace().FirstActivation; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    qApp->removeEventFilter(&watch);
    EXPECT_FALSE(form.workspace().FirstActivation);
    EXPECT_TRUE(watch.painted);
    EXPECT_EQ(form.workspace().doc.CurrentHeader.Datei, doc);
    ASSERT_EQ(form.workspace().TopicList.size(), 1u);
    // Once only: another show does not run it again.
    form.workspace().TopicList.clear();
    form.hide();
    form.show();
    for (int i = 0; i < 60; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    EXPECT_TRUE(form.workspace().TopicList.empty());
}
