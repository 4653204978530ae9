// Two ways of doing the same work timed in turns, by default on this thread's
// CPU time, so that other programs on a busy machine count for neither and
// their ratio stays meaningful. Work done by another process (a `cp` started
// for comparison) needs the wall clock instead.
#pragma once

#include <benchmark/benchmark.h>

#include <time.h>

namespace bench {

inline double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

inline double WallSeconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Runs ours, then reference, then the untimed tidy, once per iteration. The
// benchmark's time is ours (register with UseManualTime); the counter ratioName
// is ours' total time over the reference's, and "reference_us" the reference's
// time per iteration.
template <typename Ours, typename Reference, typename Tidy = decltype([] {})>
void TimeSideBySide(benchmark::State &state, const char *ratioName, Ours ours, Reference reference,
                    double (*clock)() = ThreadCpuSeconds, Tidy tidy = {}) {
    double oursTotal = 0;
    double referenceTotal = 0;
    for (auto _ : state) {
        const double start = clock();
        ours();
        benchmark::ClobberMemory();
        const double middle = clock();
        reference();
        benchmark::ClobberMemory();
        const double end = clock();
        oursTotal += middle - start;
        referenceTotal += end - middle;
        state.SetIterationTime(middle - start);
        tidy();
    }
    if (state.iterations() == 0 || referenceTotal <= 0)
        return;
    state.counters[ratioName] = oursTotal / referenceTotal;
    state.counters["reference_us"] = referenceTotal * 1e6 / static_cast<double>(state.iterations());
}

} // namespace bench
