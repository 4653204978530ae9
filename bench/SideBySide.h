// Two ways of doing the same work timed in turns, so that a busy machine slows
// both alike and their ratio stays meaningful.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>

namespace bench {

// Runs ours, then reference, once per iteration. The benchmark's time is ours
// (register with UseManualTime); the counter ratioName is ours' total time over
// the reference's, and "reference_us" the reference's time per iteration.
template <typename Ours, typename Reference>
void TimeSideBySide(benchmark::State &state, const char *ratioName, Ours ours,
                    Reference reference) {
    using Clock = std::chrono::steady_clock;
    Clock::duration oursTotal{};
    Clock::duration referenceTotal{};
    for (auto _ : state) {
        const auto start = Clock::now();
        ours();
        benchmark::ClobberMemory();
        const auto middle = Clock::now();
        reference();
        benchmark::ClobberMemory();
        const auto end = Clock::now();
        oursTotal += middle - start;
        referenceTotal += end - middle;
        state.SetIterationTime(std::chrono::duration<double>(middle - start).count());
    }
    if (state.iterations() == 0 || referenceTotal.count() == 0)
        return;
    state.counters[ratioName] = std::chrono::duration<double>(oursTotal) / referenceTotal;
    state.counters["reference_us"] =
        std::chrono::duration<double, std::micro>(referenceTotal).count() /
        static_cast<double>(state.iterations());
}

} // namespace bench
