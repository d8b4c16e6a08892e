#pragma once

#include "exercise/grading.h"
#include "exercise/uebdata.h"

#include <QDateTime>
#include <QString>

namespace bw {

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

FinishFigures FinishFiguresFor(const UebDataTyp& f, qint64 elapsedMs);

// The head block, every line ended by "\r\n".
QString ProtocolHeadText(const UebDataTyp& f, const ProtocolContext& c);
// The whole HeaderText: title, head block, statistics and the heading of the log.
QString HeaderTextFor(const UebDataTyp& f, const ProtocolContext& c);

} // namespace bw
