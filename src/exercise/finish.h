#pragma once

namespace bw {

class Exercise;

// The end of a run (all assigned, time limit, or a participant's abort): records the reason,
// settles the figures and hands the result to the window.
void FinishExercise(Exercise& exercise, int endReason);

} // namespace bw
