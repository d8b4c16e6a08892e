#include "exercise/exerciseoptions.h"

#include "document/headerdata.h"

namespace bw {

namespace {

int FieldValue(const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok && v >= 0 && v <= 59 ? v : 0;
}

} // namespace

int TimeLimitSeconds(const QString& minutes, const QString& seconds) {
    return FieldValue(minutes) * 60 + FieldValue(seconds);
}

void ReadExerciseOptions(const ExerciseOptions& o, int dokTyp, const std::array<double, 7>& grading,
                         UebDataTyp& ueb) {
    ueb.RiFaRueckmeldungItemIndex = 0;
    if (dokTyp == DokEinzelfragen || dokTyp == DokMultipleChoice) {
        ueb.ZuordnungRichtigItemIndex = 0;
        ueb.AbfrageModusItemIndex = 0;
        ueb.ZuordnungFalschItemIndex = o.FragenZuordnungFalsch;
        ueb.ZuordnungstexteItemIndex = o.FragenZuordnungstexte;
        ueb.ZuordnungszieleItemIndex = o.FragenZuordnungsziele;
        ueb.ZeitLimitIndex = o.FragenZeitlimit;
        ueb.ZeitLimitWert = TimeLimitSeconds(o.FragenZLimitMin, o.FragenZLimitSek);
    } else {
        ueb.AbfrageModusItemIndex = o.AbfrageModus;
        ueb.ZeitLimitIndex = o.ZeitLimit;
        ueb.ZuordnungRichtigItemIndex = o.ZuordnungRichtig;
        ueb.ZuordnungFalschItemIndex = o.ZuordnungFalsch;
        ueb.ZuordnungstexteItemIndex = o.Zuordnungstexte;
        ueb.ZuordnungszieleItemIndex = o.Zuordnungsziele;
        ueb.ZeitLimitWert = TimeLimitSeconds(o.ZLimitMin, o.ZLimitSek);
    }
    ueb.NoteMinQuote = grading;
}

} // namespace bw
