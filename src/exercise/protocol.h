#pragma once

#include "exercise/grading.h"

#include <QDateTime>
#include <QString>

namespace bw {

// What the end of an exercise knows about the run (the exercise state under its own names).
struct RunFacts {
    int TotalCount = 0;
    int AskedCount = 0;
    int RightCount = 0;
    int WrongCount = 0;
    int OpenCount = 0;
    double SuccessQuota = 0.0;
    double Performance = 0.0;
    int Mark = 0;
    double StartTime = 0.0;   // date-time value (see DateTimeValue)
    int RemainingSeconds = 0; // under a time limit
    int AbfrageModusItemIndex = 0;
    int ZeitLimitIndex = 0;
    int ZeitLimitWert = 0;
    int ZuordnungRichtigItemIndex = 0;
    int ZuordnungFalschItemIndex = 0;
    int ZuordnungstexteItemIndex = 0;
    int ZuordnungszieleItemIndex = 0;
    int NetRole = 0; // 0 individual, 1 participant, 2 initiator
    QString EnteredName;
    QString ParticipantName;
    GradingBoundaries NoteMinQuote = kDefaultGradingBoundaries;
};

// What the protocol names beyond the exercise state: the document, the computer, the clock.
struct ProtocolContext {
    QString Titel;
    QString Datei; // the document's path; the protocol shows its file name
    int DokTyp = 0;
    QString ComputerName;
    QString UserName;
    QString KomOrdner; // initiator of a network exercise only
    QString KomKanal;
    qint64 ElapsedMs = 0; // the exercise clock at the end
};

// The figures of the finish window, as texts.
struct FinishFigures {
    QString Richtig;      // "18  von  20"
    QString Fehlversuche; // "3"
    QString Erfolgsquote; // "85.7 %"
    QString TimeCaption;  // "Verbliebene Zeit:" or "Benötigte Zeit:"
    QString Zeit;         // "mm:ss"
    QString Offen;        // "2"
    QString Gesamtleistung;
    QString Bewertung; // the mark word
    QString Schulnote; // the mark digit
};

// A date and time in the user's locale format.
QString LocaleDateTimeText(const QDateTime& t);
// [h " Std. "] [m " Min. "] s " Sek." from whole seconds: 180 -> "3 Min. 0 Sek.".
QString TimeLimitText(int seconds);

// The quotas recomputed from the counts, the mark from the performance.
RunFacts Rated(RunFacts f);

FinishFigures FinishFiguresFor(const RunFacts& f, qint64 elapsedMs);

// The head block, every line ended by "\r\n".
QString ProtocolHeadText(const RunFacts& f, const ProtocolContext& c);
// The whole HeaderText: title, head block, statistics and the heading of the log.
QString HeaderTextFor(const RunFacts& f, const ProtocolContext& c);

} // namespace bw
