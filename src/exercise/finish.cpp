#include "exercise/finish.h"

#include "document/document.h"
#include "exercise/exercise.h"
#include "view/learnview.h"

namespace bw {

void FinishExercise(Exercise& exercise, int endReason) {
    UebDataTyp& ueb = exercise.ueb;
    ueb.EndReason = endReason;
    // Feedback that was withheld during the run is shown now: crosses where a wrong attempt
    // was made, the chosen mark of a right assignment elsewhere.
    if (ueb.RiFaRueckmeldungItemIndex == 1) {
        auto& objs = exercise.doc().CurrentObjects;
        for (const OrderEntry& e : exercise.order) {
            ObjDataTyp& o = objs[e.Position];
            if (o.Abgedeckt == Aufgedeckt) continue;
            o.Abgedeckt = o.FehlerPos >= 1                     ? StateFalsch
                          : ueb.ZuordnungRichtigItemIndex == 1 ? StateRichtig
                                                               : Aufgedeckt;
        }
        exercise.view().RedrawView();
        exercise.Host().BackgroundChanged();
    }
    // With feedback withheld the status never recomputed the figures; the result must not
    // report those of an earlier moment.
    const int judged = ueb.RightCount + ueb.WrongCount;
    ueb.SuccessQuota = judged > 0 ? double(ueb.RightCount) / judged : 0.0;
    const int all = judged + ueb.OpenCount;
    ueb.Performance = all > 0 ? double(ueb.RightCount) / all : 0.0;
    exercise.lastEnd = ConcludeRun(ueb, exercise.doc(), exercise.ClockElapsedMs(),
                                   exercise.protocol, exercise.endSettings);
    if (exercise.reporter && ueb.NetRole == 1) exercise.reporter->RunEnded();
    exercise.Host().Finished();
}

} // namespace bw
