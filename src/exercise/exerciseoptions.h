#pragma once

#include "exercise/uebdata.h"

#include <QString>
#include <array>

namespace bw {

// The options of the exercise dialogs as the user left them; the shell's settings store
// loads and saves them under "UebOpt-..." and "UebOptFragen-...".
struct ExerciseOptions {
    // Label and cloze documents: item indexes of the radio groups.
    int AbfrageModus = 0;
    int ZeitLimit = 0;
    int ZuordnungRichtig = 0;
    int ZuordnungFalsch = 0;
    int Zuordnungstexte = 1;
    int Zuordnungsziele = 1;
    QString ZLimitMin = QStringLiteral("3");
    QString ZLimitSek = QStringLiteral("0");

    // Question documents.
    int FragenZuordnungFalsch = 0;
    int FragenZuordnungstexte = 1;
    int FragenZeitlimit = 0;
    int FragenZuordnungsziele = 1;
    QString FragenZLimitMin = QStringLiteral("3");
    QString FragenZLimitSek = QStringLiteral("0");

    // " Dieses Dialogfenster vor jeder Übung anzeigen ": shared by both dialogs, not stored.
    bool ShowBeforeEachExercise = true;
};

// Minutes and seconds as typed (each 0..59; anything else counts as 0) in seconds.
int TimeLimitSeconds(const QString& minutes, const QString& seconds);

// Copies the options for this document type into the run's state, with the grading
// boundaries in force. The feedback mode is always "at each assignment" here.
void ReadExerciseOptions(const ExerciseOptions& o, int dokTyp, const std::array<double, 7>& grading,
                         UebDataTyp& ueb);

} // namespace bw
