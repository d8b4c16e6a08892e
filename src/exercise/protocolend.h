#pragma once

#include "exercise/bestlist.h"
#include "exercise/protocol.h"
#include "exercise/uebdata.h"

#include <QString>

namespace bw {

struct Document;
class ProtocolText;

// What the end of a run takes from the settings.
struct RunEndSettings {
    bool AutoProtSpeichern = false;      // "Übungs&protokolle automatisch speichern"
    bool ErgebBestListEintragen = false; // "&Ergebnisse Individual-Übung automatisch in ..."
    QString ProtOrdner;
    QString BestListOrdner;
    QString KomOrdner; // named in an initiator's protocol
    QString KomKanal;
};

// What the finish window shows and what the end of the run wrote.
struct RunEnd {
    FinishFigures figures;
    qint64 elapsedMs = 0;
    bool repeatEnabled = false;  // " Übung wiederholen ": an individual run with wrong attempts
    bool bestListButton = false; // "In Bestenliste eintragen" is offered
    QString bestListLine;        // the sentence under the figures, or empty
    QString protocolFile;        // the auto-saved protocol, or empty
    QString bestListFile;        // the list the result went into, or empty
};

// The sentence shown once the result is in the best list.
QString EnteredInBestListText();

// The individual list's entry for this run.
BestListDataTyp IndividualBestListEntry(const UebDataTyp& ueb, qint64 elapsedMs,
                                        const QString& computer);

// After the exercise settled its counts: the mark, HeaderText, the protocol (cleared and
// filled), the automatic protocol file and best-list entry as the settings ask. Failures are
// shown through the prompter and the end goes on.
RunEnd ConcludeRun(UebDataTyp& ueb, const Document& doc, qint64 elapsedMs, ProtocolText& protocol,
                   const RunEndSettings& s);

// "In Bestenliste eintragen": enters the result once; false (after the error message) when
// the list could not be written.
bool EnterInBestList(UebDataTyp& ueb, const Document& doc, const RunEndSettings& s, RunEnd& end);

} // namespace bw
