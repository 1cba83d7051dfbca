// One whole harvest on the test platform (start-up, eight passes over the
// page store, the first load) against copying the page store eight times,
// the least any pass-by-pass harvest must do.
#include <benchmark/benchmark.h>

#include "bench/page_text.h"
#include "tests/support/app_run.h"

namespace velloran::bench {
namespace {

void harvestOnPage(benchmark::State& state) {
    const std::vector<unsigned char> body = testing::bytesOf(channelPage(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state) {
        testing::TestPlatform platform;
        platform.request.body = body;
        platform.session = [](testing::TestPlatform& window) { testing::servedUntilLoads(window, 1); };
        benchmark::DoNotOptimize(runApplication(platform));
    }
}

void copyPageEightTimes(benchmark::State& state) {
    const Text page = channelPage(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        for (int i = 0; i < 8; ++i) {
            Text copy = page;
            benchmark::DoNotOptimize(copy.data());
        }
    }
}

BENCHMARK(harvestOnPage)->Arg(100 << 10)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(copyPageEightTimes)->Arg(100 << 10)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velloran::bench
