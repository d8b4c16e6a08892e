#pragma once

// Every benchmark here states its goal as a ratio to a floor measured in the same run, since
// on a shared machine the ratio holds where the time does not. These helpers collect the
// wall time and the CPU time of the whole process (all threads) of each run, print median,
// minimum and maximum, and print one line per goal ending in "ok" or "MISSED".

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace bw::bench {

// One run: seconds per iteration.
struct Sample {
    double wall = 0;
    double cpu = 0;
};

struct Spread {
    double median = 0;
    double min = 0;
    double max = 0;
};
Spread SpreadOf(std::vector<double> values);

// The wall and CPU time of this process since an arbitrary start, in seconds.
Sample Now();

class Goals {
public:
    void Add(const std::string& name, Sample s) { samples_[name].push_back(s); }
    bool Has(const std::string& name) const { return samples_.count(name) > 0; }
    Spread Wall(const std::string& name) const;
    Spread Cpu(const std::string& name) const;

    // The median of subject over the median of floor, in CPU and in wall time; the goal is
    // met when both ratios are at most (or, with atLeast, at least) goal.
    void Ratio(const std::string& label, const std::string& subject, const std::string& floor,
               double goal, bool atLeast = false);
    // The same for ratios of sums, e.g. a time against two floors added up.
    void Ratio(const std::string& label, double cpuRatio, double wallRatio, double goal,
               bool atLeast = false);

    // Median, minimum and maximum of every series, in milliseconds.
    void PrintSpreads() const;
    int Missed() const { return missed_; }

private:
    std::map<std::string, std::vector<Sample>> samples_;
    int missed_ = 0;
};

// Hands every run of every benchmark (not the aggregates) to goals.
class GoalReporter : public benchmark::ConsoleReporter {
public:
    explicit GoalReporter(Goals& goals) : goals_(goals) {}
    void ReportRuns(const std::vector<Run>& runs) override;

private:
    Goals& goals_;
};

// Runs the registered benchmarks with their repetitions interleaved (floor and subject take
// turns, so a busy moment of the machine hits both), unless the command line says otherwise.
void RunInterleaved(int argc, char** argv, Goals& goals);

// Three runs each, timed by the wall clock, CPU counted for the whole process:
// BENCHMARK(BM_X)->Apply(bench::ThreeRuns)
inline void ThreeRuns(benchmark::internal::Benchmark* b) {
    b->Repetitions(3)->UseRealTime()->MeasureProcessCPUTime();
}

} // namespace bw::bench
