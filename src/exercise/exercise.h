#pragma once

#include "exercise/exerciseclock.h"
#include "exercise/exerciseoptions.h"
#include "exercise/exercisetexts.h"
#include "exercise/protocolend.h"
#include "exercise/protocoltext.h"
#include "exercise/uebdata.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <vector>

class QPainter;

namespace bw {

class Document;
class LearnView;

// Colours of a card: normal, after a right and after a wrong assignment.
enum class CardColour { Normal, Right, Wrong };

// What a card is: a text or picture to drag or click, or in a multiple-choice run an answer
// box or the "OK" button.
enum class CardKind { Text, AnswerBox, Ok };

// One card of the run as a model object; the window shows one control per card.
struct ExerciseCard {
    int object = -1; // the Card object of its order entry (multiple choice: box or "OK")
    QRect rect;      // in UebungPan pixels
    CardColour colour = CardColour::Normal;
    bool visible = true;
    bool alive = true; // destroyed after a right assignment
    CardKind kind = CardKind::Text;
    // An answer box's caption: its mark ("+" applies, "-" not) and "+" when ticked, else "-".
    QString mark;
    int slot = -1; // single questions: the cell of the answer grid, 0..5
    bool shown() const { return alive && visible; }
    bool ticked() const { return mark.size() == 2 && mark[1] == QLatin1Char('+'); }
};

constexpr int kCardWidth = 150;
constexpr int kCardHeight = 46;

// What the run asks of the window that shows it. The defaults do nothing, which is what
// a run without a window needs.
class ExerciseHost {
public:
    virtual ~ExerciseHost() = default;
    // Shows the options dialog for the document type; false when it was not confirmed.
    virtual bool ShowOptionsDialog(int /*dokTyp*/) { return true; }
    virtual bool EditorOpen() const { return false; }
    // The name typed for this run (only asked when the option is on).
    virtual QString AskName() { return {}; }
    // Waits ms milliseconds while the window keeps painting and takes no input.
    virtual void Pause(int ms) = 0;
    // Moves the card from its rect to `to` in `steps` steps of one millisecond each.
    virtual void Glide(int card, QPoint to, int steps) = 0;
    virtual void PlaySound(bool /*right*/) {}
    // The cards, the caption, the target frame or the background changed.
    virtual void CardsChanged() {}
    virtual void CaptionChanged() {}
    virtual void TargetFrameChanged() {}
    virtual void BackgroundChanged() {}
    virtual void StatusChanged() {}
    virtual void ClockChanged() {}
    // The run has ended (FinishExercise was called); a window shows the result.
    virtual void Finished() {}
    // The learning view is back (after an abort or the end).
    virtual void LearningViewRestored() {}
};

// Hears of every judged release and of the end of a run; a participant of a network exercise
// reports both to the teacher.
class ExerciseReporter {
public:
    virtual ~ExerciseReporter() = default;
    // After the counts and the status of a release were updated; target is the field.
    virtual void Judged(int target) = 0;
    // The run ended (EndReason 1 or 3, after the mark) or was aborted (2).
    virtual void RunEnded() = 0;
};

// The individual exercise on label and cloze documents: order list, cards, judging, clock.
class Exercise {
public:
    Exercise(Document& doc, LearnView& view, ExerciseClock& clock, RandomSource& random,
             ExerciseHost& host);

    UebDataTyp ueb;
    std::vector<OrderEntry> order;
    std::vector<ExerciseCard> cards; // cards[i] belongs to order[i]
    ExerciseOptions options;
    std::array<double, 7> grading{1.0, 0.85, 0.70, 0.55, 0.40, 0.25, 0.0};
    bool nameEntry = false; // "&Namenseingabe bei Übungen"
    // The end of a run: what the settings ask of it, the protocol it writes, what it came to.
    RunEndSettings endSettings;
    ProtocolText protocol;
    RunEnd lastEnd;
    // Told of the releases and the end of participant runs (NetRole 1) only.
    ExerciseReporter* reporter = nullptr;

    // The exercise panel's client size; set before the start and on resize. A running
    // exercise moves its card column with the right edge and renders the picture anew.
    void SetPanelSize(QSize s);
    QSize PanelSize() const { return panel_; }

    // Mode 3 (an exercise is shown, ended or not) and running (not ended).
    bool Active() const { return active_; }
    bool Running() const { return active_ && ueb.EndReason == EndRunning; }
    // A judgement with its pauses is under way.
    bool Busy() const { return busy_; }

    bool StartExercise(bool showOptions, int repeat, int role);
    void BuildExerciseOrder();
    // Places the shown cards in the column; setArea also fixes CardAreaLeft.
    void LayoutCards(bool setArea = false);
    // Asks before leaving a running exercise; false when the learner keeps it.
    bool AbortExercise();
    // Back to the learning view without asking (the end of a run).
    void ReturnToLearningView();

    // Candidates and the two passes; -1 when the card rectangle hits no field.
    int FindTarget(const QRect& cardRect) const;
    bool IsCandidate(int object) const;

    // Mouse on a card (index into cards), positions in UebungPan pixels.
    void CardMouseDown(int card, QPoint panelPos);
    void CardMouseMove(QPoint panelPos);
    void CardMouseUp();
    int DraggedCard() const { return drag_; }
    int TargetFrame() const { return target_; }
    // The red frame around the target field, in panel pixels; empty without a target.
    QRect TargetFrameRect() const;

    // Judges the release of a card on a target field, gives the feedback and moves on.
    void Release(int card, int target);

    // ---- question documents ----
    bool QuestionDocument() const;
    // The question display: the current answer with up to 5 distractors in a grid, or the
    // answer boxes and "OK" of the current multiple-choice question.
    void ShowSingleQuestion();
    void ShowChoiceQuestion();
    // Which object's place each object takes in the run (boxes and their answers move as
    // pairs when shuffled); the renderer draws answers there.
    void BuildAnswerMapping(bool shuffle);
    // The object whose field the current entry asks for (answer or multiple-choice question).
    int CurrentTarget() const;
    // Exactly the applicable answers of the question are ticked.
    bool ChoiceAnsweredRight(int frageNummer) const;
    // The ticked answers of the question as the log lists them, or "- keine -".
    QString TickedAnswersText(int frageNummer) const;
    // Side of an answer box card: round(W x 34 / 870) for the rendered picture's width W.
    int AnswerBoxSide() const;

    // The 100 ms timer; false when it is to stop.
    bool ZeitTimerTimer();
    void UpdateClock();
    const QString& ClockDisplay() const { return clock_text_; }
    // The elapsed milliseconds of the last clock update.
    qint64 ClockElapsedMs() const { return clock_elapsed_ms_; }

    void AddLogLine(int buffer, const QString& text, bool withTime);
    StatusTexts UpdateStatusDisplay();

    // Card index of the card whose object is obj, or -1.
    int CardOfObject(int obj) const;
    // The normalised text a card or field is compared and logged with.
    QString ObjectText(int obj) const;
    // Panel pixels of a page fraction and back (the picture sits at PictureOrigin()).
    QPoint PageToPanel(QPointF page) const;
    QPointF PanelToPage(QPointF panel) const;
    QPoint PictureOrigin() const;

    ExerciseHost& Host() { return host_; }
    Document& doc() { return doc_; }
    const Document& doc() const { return doc_; }
    LearnView& view() { return view_; }
    const LearnView& view() const { return view_; }
    const StatusTexts& Status() const { return status_; }

    // The background of UebungPan: picture, strip, instruction.
    void DrawInstruction(QPainter& p) const;
    QString Instruction() const;
    QString Caption() const { return caption_; }
    QColor CaptionColour() const { return captionColour_; }
    QRect CaptionRect() const;

private:
    void CreateChoiceCards();
    void ReleaseQuestion(int card, int target);
    void AdvanceQuestion();
    void ShowCurrentQuestion();
    // Puts the shown cards of the question where its picture shows them.
    void PlaceQuestionCards();
    void HideAnswerCards();
    void ShowNextText();
    void ShowNextPosition();
    void Advance();
    // What follows every judged answer: counts, status, the teacher's report, then the next
    // item by advance, or the end.
    void AfterJudged(int target, void (Exercise::*advance)());
    void DestroyCard(int card);
    void SetTarget(int object);
    void RenderPicture();
    void SetState(int object, int state, bool redraw);
    void GlideBack(int card, QPoint to);
    void Finish(int reason);
    bool IsImage(int obj) const;

    Document& doc_;
    LearnView& view_;
    ExerciseClock& clock_;
    RandomSource& random_;
    ExerciseHost& host_;
    QSize panel_{900, 600};
    bool active_ = false;
    bool busy_ = false;
    int drag_ = -1;
    QPoint dragReturn_;
    QPoint lastPointer_;
    int target_ = -1;
    QString clock_text_;
    qint64 clock_elapsed_ms_ = 0;
    StatusTexts status_;
    QString caption_;
    QColor captionColour_;
    std::vector<QString> imageKeys_; // per object: the random key of a query image
};

} // namespace bw
