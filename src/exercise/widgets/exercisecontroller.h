#pragma once

#include "exercise/exercise.h"
#include "exercise/widgets/resultwindows.h"

#include <QObject>
#include <functional>
#include <memory>

class QTimer;

namespace bw {

class Document;
class LearnView;
struct Settings;
class ExercisePanel;
class ExerciseStatusPanel;
class TUebOptForm;
class TUebOptFragenForm;
class ResultWindows;

// The individual exercise in the main window (which owns it; its widgets belong to the
// window's panels): the exercise panel, the status panel, the
// option dialogs, the clock timer and the pauses that keep the window painting.
class ExerciseController : public QObject, public ExerciseHost {
    Q_OBJECT
public:
    ExerciseController(Document& doc, LearnView& view, Settings& settings, QWidget* UebungPan,
                       QWidget* UebStatusPan, QWidget* dialogParent);
    ~ExerciseController() override;

    Exercise& exercise() { return *ex_; }
    ExercisePanel* panel() const { return panel_; }
    ExerciseStatusPanel* statusPanel() const { return status_; }
    TUebOptForm* optForm();
    TUebOptFragenForm* optFragenForm();
    QTimer* ZeitTimer() const { return timer_; }

    // Whether the document's type has an exercise (all four types do; damaged files may not).
    bool Offered() const;

    // Menu "Individual-&Übung" (F7) and UebungenBtn.
    void UebungStart1Click();
    // Menu "Übungs&einstellungen..." (Alt+F7).
    void UebOpt1Click();
    // Menu "Übung &abbrechen" and LernKartBtn.
    void Lernkarte1Click();
    // The run of a participant of a network exercise: options already in the run's state.
    bool StartNetworkRun() { return Start(false, 0, 1); }
    // The finish window's choices for such a run (repeat and leave go through the network).
    FinishWindowHooks participantHooks;

    // What the window supplies.
    std::function<bool()> editorOpen;
    // The windows of the end of a run (finish window, protocol, name dialog).
    void SetResultWindows(ResultWindows* results);

    // ExerciseHost
    bool ShowOptionsDialog(int dokTyp) override;
    bool EditorOpen() const override { return editorOpen && editorOpen(); }
    QString AskName() override;
    void Pause(int ms) override;
    void Glide(int card, QPoint to, int steps) override;
    void PlaySound(bool right) override;
    void CardsChanged() override;
    void CaptionChanged() override;
    void TargetFrameChanged() override;
    void BackgroundChanged() override;
    void StatusChanged() override;
    void ClockChanged() override;
    void Finished() override;
    void LearningViewRestored() override;

signals:
    // A sound for a right or a wrong answer is due.
    void soundWanted(bool right);
    // The main window switches its mode: true for the exercise (mode 3), false for the
    // learning view (mode 2).
    void modeChanged(bool exercise);
    // A run is on and has not ended.
    void runningChanged(bool running);

private:
    bool Start(bool showOptions, int repeat = 0, int role = 0);
    void ZeitTimerTimer();
    void ShowResult();

    Document& doc_;
    Settings& settings_;
    QWidget* UebungPan_;
    SteadyClock clock_;
    QtRandomSource random_;
    std::unique_ptr<Exercise> ex_;
    ExercisePanel* panel_ = nullptr;
    ExerciseStatusPanel* status_ = nullptr; // owned by the status panel widget
    QWidget* dialogParent_;
    TUebOptForm* optForm_ = nullptr;
    TUebOptFragenForm* optFragenForm_ = nullptr;
    QTimer* timer_ = nullptr;
    ResultWindows* results_ = nullptr;
};

} // namespace bw
