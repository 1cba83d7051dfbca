// Runs the benchmarks, then prints each measurement as a ratio to its
// baseline: findText to memmem, a harvest to eight page copies.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.iterations > 0) {
                times[run.benchmark_name()] = run.real_accumulated_time / static_cast<double>(run.iterations);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;  // seconds per iteration
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const std::pair<std::string, std::string> pairs[] = {{"findTextOnPage/", "memmemOnPage/"},
                                                         {"harvestOnPage/", "copyPageEightTimes/"}};
    std::printf("\n%-34s %12s %12s %8s\n", "measurement (bytes[/marker])", "measured", "baseline", "ratio");
    for (const auto& [measured, baseline] : pairs) {
        for (const auto& [name, seconds] : reporter.times) {
            if (name.rfind(measured, 0) != 0) continue;
            const auto base = reporter.times.find(baseline + name.substr(measured.size()));
            if (base == reporter.times.end()) continue;
            std::printf("%-34s %9.3f ms %9.3f ms %7.2fx\n", name.c_str(), seconds * 1e3, base->second * 1e3,
                        seconds / base->second);
        }
    }
    return 0;
}
