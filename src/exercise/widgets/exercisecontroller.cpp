#include "exercise/widgets/exercisecontroller.h"

#include "common/made.h"
#include "document/document.h"
#include "exercise/finish.h"
#include "exercise/widgets/exercisepanel.h"
#include "exercise/widgets/resultwindows.h"
#include "exercise/widgets/statuspanel.h"
#include "exercise/widgets/tueboptform.h"
#include "platform/prompter.h"
#include "shell/settings.h"
#include "view/learnview.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QVBoxLayout>

namespace bw {

ExerciseController::ExerciseController(Document& doc, LearnView& view, Settings& settings,
                                       QWidget* UebungPan, QWidget* UebStatusPan,
                                       QWidget* dialogParent)
    : doc_(doc), settings_(settings), UebungPan_(UebungPan), dialogParent_(dialogParent) {
    ex_ = std::make_unique<Exercise>(doc, view, clock_, random_, *this);
    panel_ = new ExercisePanel(*ex_, UebungPan);
    auto* lay = new QVBoxLayout(UebungPan);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(panel_);
    status_ = new ExerciseStatusPanel(UebStatusPan);
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("ZeitTimer"));
    timer_->setInterval(100);
    connect(timer_, &QTimer::timeout, this, [this] { ZeitTimerTimer(); });
}

ExerciseController::~ExerciseController() = default;

// The option dialogs are made when first opened, so that the window shows sooner.
TUebOptForm* ExerciseController::optForm() {
    return Made(optForm_, dialogParent_);
}

TUebOptFragenForm* ExerciseController::optFragenForm() {
    return Made(optFragenForm_, dialogParent_);
}

namespace {

RunEndSettings EndSettingsOf(const Settings& s) {
    return {s.OptAutoProtSpeichern, s.OptErgebBestListEintragen,
            s.OptProtOrdner,        s.OptBestListOrdner,
            s.NetzKomOrdner,        s.NetzKomKanal};
}

} // namespace

void ExerciseController::SetResultWindows(ResultWindows* results) {
    results_ = results;
    if (results_) results_->SetProtocol(ex_->protocol);
}

QString ExerciseController::AskName() {
    return results_ ? results_->AskName() : QString();
}

bool ExerciseController::Offered() const {
    const int t = doc_.CurrentHeader.DokTyp;
    return t >= DokBildbeschriftung && t <= DokMultipleChoice;
}

void ExerciseController::UebungStart1Click() {
    if (ex_->Running()) {
        prompter().ShowInfo(ExerciseText::StillRunning());
        return;
    }
    Start(settings_.UebOpt.ShowBeforeEachExercise);
}

void ExerciseController::UebOpt1Click() {
    if (ex_->Active()) {
        prompter().ShowInfo(ExerciseText::OptionsDuringExercise());
        return;
    }
    if (!Offered()) return;
    if (ShowOptionsDialog(doc_.CurrentHeader.DokTyp)) Start(false);
}

void ExerciseController::Lernkarte1Click() {
    ex_->AbortExercise();
}

bool ExerciseController::Start(bool showOptions, int repeat, int role) {
    if (!Offered()) return false;
    ex_->options = settings_.UebOpt;
    ex_->grading = settings_.GradingBoundaries();
    ex_->nameEntry = settings_.OptUebNameEingabe;
    ex_->endSettings = EndSettingsOf(settings_);
    ex_->SetPanelSize(UebungPan_->size());
    if (!ex_->StartExercise(showOptions, repeat, role)) return false;
    emit modeChanged(true);
    emit runningChanged(true);
    UebungPan_->show();
    UebungPan_->raise();
    panel_->update();
    timer_->start();
    return true;
}

bool ExerciseController::ShowOptionsDialog(int dokTyp) {
    if (dokTyp == DokEinzelfragen || dokTyp == DokMultipleChoice) {
        TUebOptFragenForm* form = optFragenForm();
        form->PrepareFor(dokTyp);
        form->SetOptions(settings_.UebOpt);
        const bool ok = form->exec() == QDialog::Accepted;
        if (ok) form->ReadInto(settings_.UebOpt);
        settings_.UebOpt.ShowBeforeEachExercise = form->VorJederUebung->isChecked();
        if (ok) ex_->options = settings_.UebOpt;
        return ok;
    }
    TUebOptForm* form = optForm();
    form->SetOptions(settings_.UebOpt);
    const bool ok = form->exec() == QDialog::Accepted;
    if (ok) form->ReadInto(settings_.UebOpt);
    settings_.UebOpt.ShowBeforeEachExercise = form->VorJederUebung->isChecked();
    if (ok) ex_->options = settings_.UebOpt;
    return ok;
}

// The learner cannot drop or click until the pause is over, and the timer skips its ticks,
// but the window keeps painting.
void ExerciseController::Pause(int ms) {
    if (ms <= 0) return;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void ExerciseController::Glide(int card, QPoint to, int steps) {
    TKarte* w = panel_->card(card);
    if (!w) return;
    const QPoint from = w->pos();
    if (steps <= 0) {
        w->move(to);
        return;
    }
    QElapsedTimer t;
    t.start();
    QEventLoop loop;
    QTimer tick;
    tick.setInterval(4);
    qint64 lastClock = 0;
    connect(&tick, &QTimer::timeout, &loop, [&] {
        const qint64 i = std::min<qint64>(steps, t.elapsed());
        const QPoint d = to - from;
        w->move(from + QPoint(int(std::lround(double(d.x()) * i / steps)),
                              int(std::lround(double(d.y()) * i / steps))));
        if (i / 100 != lastClock / 100) ex_->UpdateClock();
        lastClock = i;
        if (i >= steps) loop.quit();
    });
    tick.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void ExerciseController::PlaySound(bool right) {
    emit soundWanted(right);
}

void ExerciseController::CardsChanged() {
    panel_->SyncCards();
}

void ExerciseController::CaptionChanged() {
    panel_->SyncCaption();
}

void ExerciseController::TargetFrameChanged() {
    panel_->SyncTargetFrame();
}

void ExerciseController::BackgroundChanged() {
    panel_->update();
}

void ExerciseController::StatusChanged() {
    status_->Show(ex_->Status());
}

void ExerciseController::ClockChanged() {
    status_->ShowClock(ex_->ClockDisplay());
}

void ExerciseController::ZeitTimerTimer() {
    timer_->stop();
    if (ex_->ZeitTimerTimer()) timer_->start();
}

void ExerciseController::Finished() {
    timer_->stop();
    emit runningChanged(false);
    // Shown once the release that ended the run has returned to the card.
    QTimer::singleShot(0, this, [this] { ShowResult(); });
}

void ExerciseController::ShowResult() {
    if (!results_) {
        ex_->ReturnToLearningView();
        return;
    }
    if (ex_->ueb.NetRole == 1 && participantHooks.repeat) {
        results_->RunFinishWindow(*ex_, participantHooks);
        return;
    }
    FinishWindowHooks hooks;
    hooks.repeat = [this](int item) {
        return Start(settings_.UebOpt.ShowBeforeEachExercise, item);
    };
    hooks.learningView = [this] { ex_->ReturnToLearningView(); };
    hooks.endSettings = [this] { return EndSettingsOf(settings_); };
    results_->RunFinishWindow(*ex_, hooks);
}

void ExerciseController::LearningViewRestored() {
    timer_->stop();
    emit runningChanged(false);
    UebungPan_->hide();
    emit modeChanged(false);
}

} // namespace bw
