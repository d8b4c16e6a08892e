// A floor of bench_startup: reading the document in a new process, after the Qt
// application exists, as the program does. Prints "read <wall s> <cpu s>" for the read alone.

#include "document/docfile.h"

#include <QGuiApplication>
#include <cstdio>
#include <ctime>

namespace {

double Seconds(clockid_t clock) {
    timespec ts{};
    clock_gettime(clock, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) return 2;
    const double wall = Seconds(CLOCK_MONOTONIC), cpu = Seconds(CLOCK_PROCESS_CPUTIME_ID);
    bw::Document doc;
    // Only the reading: the halvings of the base the program makes while reading are its own
    // cost.
    if (!bw::ReadDocumentFile(QString::fromLocal8Bit(argv[1]), doc, false, {},
                              bw::BaseHalvings::Skip)
             .ok)
        return 1;
    std::printf("read %.6f %.6f\n", Seconds(CLOCK_MONOTONIC) - wall,
                Seconds(CLOCK_PROCESS_CPUTIME_ID) - cpu);
    return 0;
}
