#include "benchgoals.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>

namespace bw::bench {

namespace {

double Seconds(clockid_t clock) {
    timespec ts{};
    clock_gettime(clock, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

std::vector<double> Pick(const std::vector<Sample>& samples, double Sample::*field) {
    std::vector<double> v;
    v.reserve(samples.size());
    for (const Sample& s : samples)
        v.push_back(s.*field);
    return v;
}

} // namespace

Spread SpreadOf(std::vector<double> v) {
    if (v.empty()) return {};
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    const double median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    return {median, v.front(), v.back()};
}

Sample Now() {
    return {Seconds(CLOCK_MONOTONIC), Seconds(CLOCK_PROCESS_CPUTIME_ID)};
}

Spread Goals::Wall(const std::string& name) const {
    auto it = samples_.find(name);
    return it == samples_.end() ? Spread{} : SpreadOf(Pick(it->second, &Sample::wall));
}

Spread Goals::Cpu(const std::string& name) const {
    auto it = samples_.find(name);
    return it == samples_.end() ? Spread{} : SpreadOf(Pick(it->second, &Sample::cpu));
}

void Goals::Ratio(const std::string& label, const std::string& subject, const std::string& floor,
                  double goal, bool atLeast) {
    if (!Has(subject) || !Has(floor) || Cpu(floor).median <= 0 || Wall(floor).median <= 0) {
        std::printf("%-66s   no figures  MISSED\n", label.c_str());
        ++missed_;
        return;
    }
    Ratio(label, Cpu(subject).median / Cpu(floor).median, Wall(subject).median / Wall(floor).median,
          goal, atLeast);
}

void Goals::Ratio(const std::string& label, double cpuRatio, double wallRatio, double goal,
                  bool atLeast) {
    auto meets = [&](double r) { return atLeast ? r >= goal : r <= goal; };
    const bool ok = meets(cpuRatio) && meets(wallRatio);
    std::printf("%-66s cpu %7.2f  wall %7.2f  %s\n", label.c_str(), cpuRatio, wallRatio,
                ok ? "ok" : "MISSED");
    missed_ += ok ? 0 : 1;
}

void Goals::PrintSpreads() const {
    std::size_t runs = 0;
    for (const auto& entry : samples_)
        runs = std::max(runs, entry.second.size());
    const std::string title = "ms per run (" + std::to_string(runs) + " runs)";
    std::printf("\n%-34s %27s   %27s\n", title.c_str(), "wall: median   min    max",
                "cpu: median   min    max");
    for (const auto& [name, samples] : samples_) {
        const Spread w = SpreadOf(Pick(samples, &Sample::wall));
        const Spread c = SpreadOf(Pick(samples, &Sample::cpu));
        std::printf("%-34s %13.3f %7.3f %7.3f   %12.3f %7.3f %7.3f\n", name.c_str(), w.median * 1e3,
                    w.min * 1e3, w.max * 1e3, c.median * 1e3, c.min * 1e3, c.max * 1e3);
    }
    std::printf("\n");
}

void GoalReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& r : runs) {
        if (r.run_type != Run::RT_Iteration || r.error_occurred || r.iterations <= 0) continue;
        std::string name = r.run_name.function_name;
        const double n = double(r.iterations);
        goals_.Add(name, {r.real_accumulated_time / n, r.cpu_accumulated_time / n});
    }
    ConsoleReporter::ReportRuns(runs);
}

void RunInterleaved(int argc, char** argv, Goals& goals) {
    std::vector<char*> args(argv, argv + argc);
    static char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + (argc > 0 ? 1 : 0), interleave);
    int n = int(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&n, args.data());
    GoalReporter reporter(goals);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}

} // namespace bw::bench
