#include "exercise/finish.h"

#include "exercise/exercise.h"

namespace bw {

void FinishExercise(Exercise& exercise, int endReason) {
    UebDataTyp& ueb = exercise.ueb;
    ueb.EndReason = endReason;
    // With feedback withheld the status never recomputed the figures; the result must not
    // report those of an earlier moment.
    const int judged = ueb.RightCount + ueb.WrongCount;
    ueb.SuccessQuota = judged > 0 ? double(ueb.RightCount) / judged : 0.0;
    const int all = judged + ueb.OpenCount;
    ueb.Performance = all > 0 ? double(ueb.RightCount) / all : 0.0;
    exercise.lastEnd = ConcludeRun(ueb, exercise.doc(), exercise.ClockElapsedMs(),
                                   exercise.protocol, exercise.endSettings);
    exercise.Host().Finished();
}

} // namespace bw
