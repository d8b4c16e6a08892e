#pragma once

#include "exercise/exercise.h"

#include <QByteArray>
#include <QString>

namespace bw {

// Runs an exercise without a window: pauses and glides take their time on a hand-driven
// clock, and the 100 ms timer ticks whenever that clock passes a tick.
class HeadlessExerciseHost : public ExerciseHost {
public:
    explicit HeadlessExerciseHost(ManualClock& clock) : clock_(clock) {}
    void Pause(int ms) override { clock_.Advance(ms); }
    void Glide(int, QPoint, int steps) override { clock_.Advance(steps); }
    void PlaySound(bool right) override { ++(right ? rightSounds : wrongSounds); }
    void Finished() override { ++finishedCount; }

    int rightSounds = 0;
    int wrongSounds = 0;
    int finishedCount = 0;

private:
    ManualClock& clock_;
};

// Applies moves, one line each:
//   drop CARD TARGET     release the card of object CARD on field TARGET ("none": no field)
//   dropat CARD X Y      release it with its top-left corner at page fractions X, Y
//   wait SECONDS         let the exercise clock run, the timer ticking every 100 ms
//   abort                leave the exercise
// and on question documents:
//   answer CARD          click the answer card of object CARD (single questions)
//   tick OBJ             press the answer box of object OBJ (multiple choice)
//   ok                   press "OK" of the current multiple-choice question
class ExerciseDriver {
public:
    ExerciseDriver(Exercise& exercise, ManualClock& clock) : ex_(exercise), clock_(clock) {}

    enum class Result { Done, Skipped, Malformed };
    // On Skipped and Malformed, message says why.
    Result Apply(const QString& line, QString& message);

    // A new run started: its timer counts from its own start.
    void Restart() { nextTick_ = -1; }

    // Lets the clock run to the given time, ticking the timer on the way.
    void RunClockTo(qint64 ms);

private:
    Result Drop(int card, int target, QString& message);
    Result DropAt(int card, double x, double y, QString& message);
    int LiveCard(int object, QString& message) const;
    // Presses and releases a shown card of the kind; Skipped when there is none.
    Result Click(int object, CardKind kind, QString& message);

    Exercise& ex_;
    ManualClock& clock_;
    qint64 nextTick_ = -1;
};

// The run as one JSON object: the UebDataTyp fields, the order list, the visible cards and
// the run-time fields of every object; on question documents also the current question and
// its visible answer cards.
QByteArray ExerciseJson(const Exercise& exercise);

} // namespace bw
