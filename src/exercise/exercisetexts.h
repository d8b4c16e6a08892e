#pragma once

#include "exercise/uebdata.h"

#include <QString>

namespace bw {

// The fixed texts of the individual exercise.
namespace ExerciseText {
QString StillRunning();       // F7 while a run is on
QString ConfirmAbort();       // "... Übung wirklich abbrechen?"
QString NetParticipantBusy(); // a network exercise as participant is running
QString NetInitiatorBusy();   // this PC initiated a network exercise
QString CloseEditorFirst();
QString NoQueryObjects();
QString OptionsDuringExercise();
QString TimeLimitReached();
QString Started();
QString RightCaption();
QString WrongCaption();
} // namespace ExerciseText

// The instruction above the card column.
QString InstructionText(int dokTyp, int modus);

// The log line of a judged release; card and target are normalised texts.
QString RightLogLine(int dokTyp, int modus, const QString& card, const QString& target);
QString WrongLogLine(int dokTyp, int modus, const QString& card, const QString& target);

// The log lines of the single modes when a card or position is offered.
QString NextTextLogLine(int dokTyp, const QString& text);
QString NextPositionLogLine(int dokTyp, const QString& text);

// "mm:ss" with minutes beyond 59 as they come.
QString ClockText(qint64 seconds);

// One decimal, a point, " %".
QString PercentText(double fraction);

// What the status panel shows.
struct StatusTexts {
    QString right;
    QString total; // "von  " + AskedCount
    QString wrong;
    QString quota;
    QString performance;
    QString name;
    QString clockCaption;
    bool clockVisible = true;
};

// The figures explanation of TKennzInfoBox, one memo line each.
QStringList KennzInfoLines();

} // namespace bw
