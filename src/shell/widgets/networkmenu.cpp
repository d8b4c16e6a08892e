#include "shell/widgets/networkmenu.h"

#include "common/made.h"
#include "exercise/exercisetexts.h"
#include "exercise/widgets/exercisecontroller.h"
#include "exercise/widgets/resultwindows.h"
#include "exercise/widgets/tueboptform.h"
#include "network/netfiles.h"
#include "network/netteacher.h"
#include "network/widgets/tkommverzform.h"
#include "network/widgets/tmasterprotform.h"
#include "network/widgets/tnetzuebungtnstartform.h"
#include "platform/prompter.h"
#include "platform/system.h"
#include "shell/widgets/mainmenu.h"
#include "shell/workspace.h"
#include "view/learnview.h"

#include <QAction>
#include <QLabel>
#include <QToolButton>

namespace bw {

namespace {

QString NoNetworkExerciseText() {
    return QStringLiteral("Es ist keine Netzwerk-Übung aktiv.");
}

} // namespace

NetworkCommands::NetworkCommands(Workspace& ws, LearnView& view, ExerciseController& exercise,
                                 ResultWindows& results, QToolButton* NetzUebTeilnehmenBtn,
                                 QWidget* window)
    : ws_(ws), view_(view), exercise_(exercise), results_(results), joinBtn_(NetzUebTeilnehmenBtn),
      window_(window) {
    teacher_ = std::make_unique<NetTeacher>(exercise_.exercise().ueb);
    participant_ = std::make_unique<NetParticipant>(exercise_.exercise(), *this);
    connect(teacher_.get(), &NetTeacher::bestListEntered, this, [this] {
        for (const QString& e : teacher_->TakeBestListErrors())
            prompter().ShowError(e);
    });

    exercise_.participantHooks.repeat = [this](int) {
        return participant_->RepeatNetworkExercise();
    };
    exercise_.participantHooks.learningView = [this] {
        exercise_.exercise().ReturnToLearningView();
    };
    exercise_.participantHooks.endSettings = [this] {
        RunEndSettings s = exercise_.exercise().endSettings;
        s.KomOrdner = ws_.settings.NetzKomOrdner;
        s.KomKanal = ws_.settings.NetzKomKanal;
        return s;
    };
    // Leaving a participant's run by abort or from the finish window drops the received
    // document and brings back the start screen.
    connect(&exercise_, &ExerciseController::modeChanged, this, [this](bool exercise) {
        if (!exercise && participantRun_) LeaveParticipantRun();
    });
}

NetworkCommands::~NetworkCommands() = default;

int NetworkCommands::NetRole() const {
    return exercise_.exercise().ueb.NetRole;
}

void NetworkCommands::Connect(const MainMenu& menu) {
    auto bind = [this](QAction* a, void (NetworkCommands::*f)()) {
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, f);
    };
    bind(menu.NetzInitiieren1, &NetworkCommands::Netzwerkuebunginitiieren1Click);
    bind(menu.NetzBeenden1, &NetworkCommands::LehrerNetzwerkUebungbeenden1Click);
    bind(menu.Kontrollanzeige1, &NetworkCommands::NetzwerkbungKontrollanzeige1Click);
    bind(menu.NetzTeilnehmen1, &NetworkCommands::Netzwerkuebung1Click);
    bind(menu.NetzKommunikation1, &NetworkCommands::NetzKommunikation1Click);
    joinBtn_->setEnabled(true);
    joinBtn_->setCheckable(true);
    connect(joinBtn_, &QToolButton::clicked, this, [this] {
        // The button stays down only while this PC takes part.
        joinBtn_->setChecked(participantRun_);
        Netzwerkuebung1Click();
    });
}

// The network windows are made when first needed: most lessons never open them.
TMasterProtForm* NetworkCommands::masterForm() {
    if (!master_) {
        master_ = new TMasterProtForm(*teacher_, window_);
        connect(master_, &TMasterProtForm::bestListAsked, this, [this] {
            results_.ShowBestList(true, teacher_->BestListPath(), ws_.settings.OptProtOrdner);
        });
        master_->endNetworkExercise = [this] { return EndNetworkExercise(true); };
    }
    return master_;
}

TNetzUebungTnStartForm* NetworkCommands::startForm() {
    return Made(start_, window_);
}

TKommVerzForm* NetworkCommands::kommForm() {
    return Made(komm_, window_);
}

void NetworkCommands::Netzwerkuebunginitiieren1Click() {
    Exercise& ex = exercise_.exercise();
    if (ex.Running() && !ex.AbortExercise()) return;
    if (ws_.EditorOpen) {
        prompter().ShowInfo(ExerciseText::CloseEditorFirst());
        return;
    }
    if (NetRole() == 2) {
        masterForm()->ShowDisplay();
        return;
    }
    if (NetRole() == 1) {
        prompter().ShowInfo(ExerciseText::NetParticipantBusy());
        return;
    }
    const int dokTyp = ws_.doc.CurrentHeader.DokTyp;
    if (!exercise_.Offered()) return;
    // The options dialog of the document type, as the network's; closing it hides the panel
    // and gives the dialog its own caption back.
    const bool questions = IsQuestionDocument(dokTyp);
    QDialog* form = questions ? static_cast<QDialog*>(exercise_.optFragenForm())
                              : static_cast<QDialog*>(exercise_.optForm());
    (questions ? exercise_.optFragenForm()->NetzPan : exercise_.optForm()->NetzPan)->show();
    form->setWindowTitle(QStringLiteral("Netzwerk-") + form->windowTitle());
    if (!exercise_.ShowOptionsDialog(dokTyp)) return;

    // The teacher numbers come from the learning view's numbers, never from question marks.
    if (view_.NumberMode == 0) view_.SetNumberMode(1, true);
    const NetTeacher::Initiation init =
        teacher_->Initiate(ws_.doc, ws_.settings.UebOpt, ws_.settings.GradingBoundaries(),
                           ws_.settings.NetzKomOrdner, ws_.settings.NetzKomKanal);
    for (const QString& e : init.errors)
        prompter().ShowError(e);
    if (!teacher_->Initiated()) return;
    TMasterProtForm* master = masterForm();
    master->hide();
    master->PrepareParticipantGrid();
    master->ShowDisplay();
    const QString markerError = teacher_->WriteMarker();
    if (!markerError.isEmpty()) prompter().ShowError(markerError);
}

bool NetworkCommands::EndNetworkExercise(bool ask) {
    if (ask && NetRole() == 2 &&
        !prompter().AskYesNo(QStringLiteral(
            "Netzwerk-Übung beenden?\r\nÜbungsteilnehmer können die laufende Übung noch zu Ende "
            "bearbeiten, die Kontrollanzeige wird jedoch nicht mehr aktualisiert.")))
        return false;
    teacher_->End();
    if (master_) master_->UpdateCaption();
    return true;
}

void NetworkCommands::LehrerNetzwerkUebungbeenden1Click() {
    if (NetRole() != 2) {
        teacher_->MasterMailslot.SetActive(false);
        prompter().ShowInfo(NoNetworkExerciseText());
        return;
    }
    EndNetworkExercise(true);
}

void NetworkCommands::NetzwerkbungKontrollanzeige1Click() {
    masterForm()->ShowDisplay();
}

void NetworkCommands::Netzwerkuebung1Click() {
    Exercise& ex = exercise_.exercise();
    if (ex.Running()) {
        prompter().ShowInfo(QStringLiteral(
            "Um an einer Netzwerk-Übung teilnehmen zu können, muss die aktuelle Übung zunächst "
            "beendet werden. Wählen Sie \"Übung abbrechen\", um die aktuelle Übung vorzeitig "
            "abzubrechen."));
        return;
    }
    if (NetRole() == 2) {
        prompter().ShowInfo(QStringLiteral(
            "Die Netzwerk-Übung wurde auf diesem Rechner initiiert. Die Teilnahme an der "
            "Netzwerk-Übung muss an einem anderen Rechner erfolgen."));
        return;
    }
    if (ws_.EditorOpen) {
        prompter().ShowInfo(ExerciseText::CloseEditorFirst());
        return;
    }
    joinBtn_->setChecked(true);
    QString name;
    const QString& folder = ws_.settings.NetzKomOrdner;
    const QString& channel = ws_.settings.NetzKomKanal;
    ex.grading = ws_.settings.GradingBoundaries();
    const bool joined = startForm()->Execute(folder, channel, name) &&
                        participant_->JoinNetworkExercise(folder, channel, name);
    joinBtn_->setChecked(joined);
}

bool NetworkCommands::LoadDocument(const QString& path) {
    // The received document replaces the open one: unsaved changes are not dropped.
    if (!participantRun_ && !ws_.AskSaveChanges()) return false;
    return ws_.ReadDocument(path, false);
}

bool NetworkCommands::StartRun() {
    participantRun_ = exercise_.StartNetworkRun();
    return participantRun_;
}

void NetworkCommands::LeaveParticipantRun() {
    participantRun_ = false;
    participant_->TNMailSlot.SetActive(false);
    ws_.CloseDocument();
}

void NetworkCommands::NetzKommunikation1Click() {
    if (NetRole() != 0 || participantRun_) {
        prompter().ShowInfo(QStringLiteral("Die Einstellungen zur Netzwerk-Kommunikation können "
                                           "nicht während einer Netzwerk-Übung geändert werden."));
        return;
    }
    Settings& s = ws_.settings;
    DeleteOwnExerciseFiles(s.NetzKomOrdner, s.NetzKomKanal, ComputerName());
    QString folder = s.NetzKomOrdner, channel = s.NetzKomKanal;
    if (kommForm()->Execute(folder, channel)) {
        s.NetzKomOrdner = folder;
        s.NetzKomKanal = channel;
    }
}

void NetworkCommands::Shutdown() {
    Exercise& ex = exercise_.exercise();
    if (participantRun_ && ex.Running()) {
        ex.ueb.EndReason = EndAborted;
        participant_->RunEnded();
    }
    if (NetRole() == 2) teacher_->End();
    teacher_->MasterMailslot.SetActive(false);
    participant_->TNMailSlot.SetActive(false);
}

} // namespace bw
