#pragma once

// Timestamps of a starting program for bench_startup, printed on stdout as
//   frame <wall s> <cpu s>       the first frame of the main window is painted and flushed
//   document <wall s> <cpu s>    the view has painted with the document in it
// Wall time is CLOCK_MONOTONIC, CPU time the whole process's. The process ends right after
// the last line it was asked for (BW_PROBE_UNTIL=frame or document).

#include <functional>

class QWidget;

namespace bw::bench {

// documentShown tells whether a widget about to paint shows the document; the probe is
// installed on the application when it is created.
void InstallStartupProbe(std::function<bool(QWidget*)> documentShown);

} // namespace bw::bench
