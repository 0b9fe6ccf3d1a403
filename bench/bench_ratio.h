#pragma once

// A benchmark program's own main: Google Benchmark's console output, then a
// summary of each figure against the baseline measured in the same run, as a
// ratio of medians (of the single run when there are no repetitions).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace bench {

struct Figure {
    std::string name;     // benchmark name as printed, without the aggregate suffix
    std::string baseline; // the baseline's name
    double maxRatio = 0;  // target for the ratio; 0: none
    double maxMs = 0;     // target for the median itself, in milliseconds; 0: none
};

class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(std::vector<Figure> figures)
        : ConsoleReporter(OO_None), figures_(std::move(figures)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) {
                failed_[run.run_name.str()] = run.error_message;
                continue;
            }
            const double ms =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e3;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                median_[run.run_name.str()] = ms;
            } else if (run.run_type == Run::RT_Iteration && run.repetitions <= 1) {
                single_[run.run_name.str()] = ms;
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::FILE* out = stdout;
        std::fprintf(out, "\nFigures against their baselines (medians of real time, same run):\n");
        for (const Figure& f : figures_) {
            double value = 0;
            double base = 0;
            if (!lookup(f.name, value) || !lookup(f.baseline, base)) {
                std::fprintf(out, "  %s against %s: not measured in this run\n", f.name.c_str(),
                             f.baseline.c_str());
                continue;
            }
            const double ratio = base > 0 ? value / base : 0;
            std::fprintf(out, "  %s = %.4f ms; baseline %s = %.4f ms; ratio %.2f", f.name.c_str(),
                         value, f.baseline.c_str(), base, ratio);
            if (f.maxRatio > 0) {
                std::fprintf(out, "; target ratio <= %.2f: %s", f.maxRatio,
                             ratio <= f.maxRatio ? "met" : "MISSED");
            }
            if (f.maxMs > 0) {
                std::fprintf(out, "; target < %.1f ms: %s", f.maxMs,
                             value < f.maxMs ? "met" : "MISSED");
            }
            std::fprintf(out, "\n");
        }
        for (const auto& [name, message] : failed_) {
            std::fprintf(out, "  %s FAILED: %s\n", name.c_str(), message.c_str());
        }
        std::fflush(out);
    }

private:
    bool lookup(const std::string& name, double& ms) const {
        for (const auto* table : {&median_, &single_}) {
            if (const auto it = table->find(name); it != table->end()) {
                ms = it->second;
                return true;
            }
        }
        return false;
    }

    std::vector<Figure> figures_;
    std::map<std::string, double> median_;
    std::map<std::string, double> single_;
    std::map<std::string, std::string> failed_;
};

// Runs the benchmarks that the command line selects; returns the exit code.
inline int RunWithRatios(int argc, char** argv, std::vector<Figure> figures) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter(std::move(figures));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
