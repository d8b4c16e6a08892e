#pragma once

#include "network/netparticipant.h"

#include <QObject>
#include <memory>

class QToolButton;
class QWidget;

namespace bw {

struct MainMenu;
class ExerciseController;
class LearnView;
class NetTeacher;
class ResultWindows;
class TKommVerzForm;
class TMasterProtForm;
class TNetzUebungTnStartForm;
class Workspace;

// The network exercise in the main window: the teacher's and the participant's commands,
// the control display and the two dialogs, beside the window rather than in it. The two
// mailslots live here, the role in the exercise's state. Owned by the window, destroyed
// before the exercise it reports on.
class NetworkCommands : public QObject, public ParticipantHost {
    Q_OBJECT
public:
    NetworkCommands(Workspace& ws, LearnView& view, ExerciseController& exercise,
                    ResultWindows& results, QToolButton* NetzUebTeilnehmenBtn, QWidget* window);
    ~NetworkCommands() override;

    // Connects the menu entries (F8, F9, Alt+F9 are theirs) and the tool button.
    void Connect(const MainMenu& menu);

    // Teacher: "&Netzwerk-Übung initiieren...", "Netzwerk-Übung &beenden", "&Kontrollanzeige...".
    void Netzwerkuebunginitiieren1Click();
    void LehrerNetzwerkUebungbeenden1Click();
    void NetzwerkbungKontrollanzeige1Click();
    // Ends the teacher's exercise, asking first when ask is set; false when it goes on.
    bool EndNetworkExercise(bool ask);
    // Participant: "An Netzwerk-Übung &teilnehmen..." and NetzUebTeilnehmenBtn.
    void Netzwerkuebung1Click();
    // "Netzwerk-&Kommunikation...".
    void NetzKommunikation1Click();
    // The program closes: listening stops, this PC's exercise files go.
    void Shutdown();

    NetTeacher& teacher() { return *teacher_; }
    NetParticipant& participant() { return *participant_; }
    TMasterProtForm* masterForm();
    TNetzUebungTnStartForm* startForm();
    TKommVerzForm* kommForm();

    // ParticipantHost
    bool LoadDocument(const QString& path) override;
    bool StartRun() override;

private:
    void LeaveParticipantRun();
    int NetRole() const;

    Workspace& ws_;
    LearnView& view_;
    ExerciseController& exercise_;
    ResultWindows& results_;
    QToolButton* joinBtn_;
    QWidget* window_;
    std::unique_ptr<NetTeacher> teacher_;
    std::unique_ptr<NetParticipant> participant_;
    TMasterProtForm* master_ = nullptr;
    TNetzUebungTnStartForm* start_ = nullptr;
    TKommVerzForm* komm_ = nullptr;
    bool participantRun_ = false;
};

} // namespace bw
