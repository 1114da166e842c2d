// Month plan operations through the portable engine: a full Recompute of a
// 31-day period and "Kommen", with 1, 3 and 5 entries a day.
#include <benchmark/benchmark.h>

#include "bench/month_plan_bench_plan.h"
#include "ini/profile_engine.h"

namespace {

// "Monatszeiten neu berechnen": every entry rewritten in period order, the
// list rebuilt, all as one user command (one file replacement).
void BM_RecomputePeriod(benchmark::State& state)
{
    ProfileEngine engine;
    BenchPlan bench(engine, static_cast<int>(state.range(0)), "recompute");
    for (auto _ : state) {
        ProfileBatch batch(bench.store());
        bench.plan().Recompute(1);
        benchmark::DoNotOptimize(batch.End());
    }
    state.counters["entries"] = static_cast<double>(31 * state.range(0));
}
BENCHMARK(BM_RecomputePeriod)->Arg(1)->Arg(3)->Arg(5)->Unit(benchmark::kMillisecond);

// "Erfassung: Kommen" on the 1st, the first day of the period: the new entry
// and a recomputation of the whole period. The entry is taken away again
// outside the timing.
void BM_RecordArrival(benchmark::State& state)
{
    const auto perDay = static_cast<unsigned>(state.range(0));
    ProfileEngine engine;
    BenchPlan bench(engine, static_cast<int>(perDay), "arrival");
    for (auto _ : state) {
        {
            ProfileBatch batch(bench.store());
            bench.plan().RecordArrival();
            benchmark::DoNotOptimize(batch.End());
        }
        state.PauseTiming();
        {
            ProfileBatch batch(bench.store());
            bench.plan().DeleteEntrySection(1, perDay + 1);
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RecordArrival)->Arg(1)->Arg(3)->Arg(5)->Unit(benchmark::kMillisecond);

} // namespace
