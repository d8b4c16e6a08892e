#pragma once

#include <QString>
#include <array>

namespace bw {

// Why a run ended (EndReason).
enum EndReasonCode : int {
    EndRunning = 0,
    EndFinished = 1,
    EndAborted = 2,
    EndTimeLimit = 3,
};

// Query modes of label and cloze documents (AbfrageModusItemIndex).
enum AbfrageModusCode : int {
    ModusFrei = 0,             // free assignment
    ModusEinzelTexte = 1,      // one card at a time
    ModusEinzelPositionen = 2, // one position at a time
};

// The state of one exercise run; reset at every start.
struct UebDataTyp {
    int TotalCount = 0;
    int AskedCount = 0;
    int RightCount = 0;
    int WrongCount = 0;
    double SuccessQuota = 0;
    double Performance = 0;
    int Mark = 0;
    qint64 StartTick = 0;
    double StartTime = 0; // local date and time as a day count since 1899-12-30
    int CardAreaLeft = 0;
    int RiFaRueckmeldungItemIndex = 0;
    int ZuordnungRichtigItemIndex = 0;
    int ZuordnungFalschItemIndex = 0;
    int ZuordnungstexteItemIndex = 1;
    int ZuordnungszieleItemIndex = 1;
    int AbfrageModusItemIndex = 0;
    int ZeitLimitIndex = 0;
    int ZeitLimitWert = 0;
    int RemainingSeconds = 0;
    int OpenCount = 0;
    int EndReason = EndRunning;
    int CurrentIndex = 0;
    QString LogText;
    QString HeaderText;
    int NetRole = 0;
    QString TeacherComputer;
    QString ParticipantId;
    QString ParticipantName;
    QString EnteredName;
    bool EnteredInBestList = false;
    std::array<double, 7> NoteMinQuote{1.0, 0.85, 0.70, 0.55, 0.40, 0.25, 0.0};
};

// One entry of the order list: whose card it shows and whose field it asks for.
struct OrderEntry {
    int Card = -1;
    int Position = -1;
    bool operator==(const OrderEntry&) const = default;
};

} // namespace bw
