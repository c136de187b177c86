// Benchmarks in pairs: every case runs as <name>/ours and <name>/reference in the same process,
// and after the run the ratio ours / reference of their CPU times per iteration is printed (the
// median of repetitions when --benchmark_repetitions asks for them). Figures are only ever read
// as such ratios, never as absolute times.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace bench {

template <class Args>
struct Pair {
    const char* name;
    void (*ours)(benchmark::State&, Args);
    void (*reference)(benchmark::State&, Args);
    Args args;
};

class RatioReporter : public benchmark::ConsoleReporter {
  public:
    RatioReporter(std::string heading, std::vector<std::string> names)
        : heading_(std::move(heading)), names_(std::move(names)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) times_[r.benchmark_name()] = r.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-45s %10s\n", heading_.c_str(), "ratio");
        for (const std::string& name : names_) {
            const double ours = Time(name + "/ours"), reference = Time(name + "/reference");
            if (ours > 0 && reference > 0)
                std::printf("%-45s %10.2f\n", name.c_str(), ours / reference);
        }
    }

  private:
    double Time(const std::string& name) const {
        for (const std::string& key : {name + "_median", name})
            if (auto it = times_.find(key); it != times_.end())
                return it->second;
        return 0;
    }

    std::string heading_;
    std::vector<std::string> names_;
    std::map<std::string, double> times_;
};

// Registers every pair, runs what the command line selects and prints the ratios under `heading`.
template <class Args>
int RunPairs(int argc, char** argv, std::span<const Pair<Args>> pairs, const char* heading) {
    std::vector<std::string> names;
    for (const Pair<Args>& p : pairs) {
        names.emplace_back(p.name);
        benchmark::RegisterBenchmark((names.back() + "/ours").c_str(), p.ours, p.args);
        benchmark::RegisterBenchmark((names.back() + "/reference").c_str(), p.reference, p.args);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter(heading, std::move(names));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

}  // namespace bench
