// findText against memmem on the same page: the character-boundary rule
// should cost little over a plain byte search.
#include <benchmark/benchmark.h>

#include <cstring>

#include "bench/page_text.h"
#include "text/literals.h"

namespace velloran::bench {
namespace {

// range(1): 0 seeks the link start marker, whose first byte is rare in a
// page; 1 the link end marker, whose first byte, a quote, is everywhere.
Text marker(const benchmark::State& state) {
    return makeText(state.range(1) == 0 ? literals::linkStartMarker : literals::linkEndMarker);
}

void findTextOnPage(benchmark::State& state) {
    const Text page = channelPage(static_cast<std::size_t>(state.range(0)));
    const Text sought = marker(state);
    for (auto _ : state) benchmark::DoNotOptimize(findText(page, sought));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void memmemOnPage(benchmark::State& state) {
    const Text page = channelPage(static_cast<std::size_t>(state.range(0)));
    const Text sought = marker(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(memmem(page.data(), page.size(), sought.data(), sought.size()));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

BENCHMARK(findTextOnPage)->ArgsProduct({{100 << 10, 1 << 20, 10 << 20}, {0, 1}});
BENCHMARK(memmemOnPage)->ArgsProduct({{100 << 10, 1 << 20, 10 << 20}, {0, 1}});

}  // namespace
}  // namespace velloran::bench
